#include "QuillonSDKBaseEditor.h"
#include "AssetRegistry/AssetData.h"
#include "AssetToolsModule.h"
#include "AssetTypeActions_Z4Package.h"
#include "IAssetTools.h"
#include "Modules/ModuleManager.h"
#include "PropertyEditorModule.h"
#include "QuillonEditorStyle.h"
#include "Textures/SlateIcon.h"
#include "Z4PackageCustomization.h"
#include "Z4RecommendedSettingsActor.h"

class UActorFactory;

EAssetTypeCategories::Type FQuillonSDKBaseEditorModule::VTTAssetCategoryBit = EAssetTypeCategories::None;

namespace
{
	const FName QuillonCategoryName(TEXT("Quillon"));
}

#define LOCTEXT_NAMESPACE "FQuillonSDKBaseEditorModule"

void FQuillonSDKBaseEditorModule::StartupModule()
{
	IAssetTools& AssetTools = FModuleManager::LoadModuleChecked<FAssetToolsModule>(TEXT("AssetTools")).Get();
	// The category goes first: the asset type actions report it as soon as they are registered.
	VTTAssetCategoryBit = AssetTools.RegisterAdvancedAssetCategory(QuillonCategoryName, LOCTEXT("VTTAssetCategory", "Quillon"));

	AssetTypeActions = MakeShared<FAssetTypeActions_Z4Package>();
	AssetTools.RegisterAssetTypeActions(AssetTypeActions.ToSharedRef());

	FModuleManager::LoadModuleChecked<FPropertyEditorModule>(TEXT("PropertyEditor"))
		.RegisterCustomClassLayout(TEXT("Z4Package"), FOnGetDetailCustomizationInstance::CreateStatic(&FZ4PackageCustomization::MakeInstance));

	FQuillonEditorStyle::Initialize();

	IPlacementModeModule& PlacementMode = FModuleManager::LoadModuleChecked<IPlacementModeModule>(TEXT("PlacementMode"));
	const FPlacementCategoryInfo CategoryInfo(NSLOCTEXT("QuillonActor", "QuillonActorCategory", "Quillon"),
											  FSlateIcon(TEXT("QuillonEditorStyle"), TEXT("QuillonActor.Icon")), QuillonCategoryName,
											  TEXT("PMQuillon"), 25);
	PlacementMode.RegisterPlacementCategory(CategoryInfo);
	RecommendedSettingsItem = PlacementMode.RegisterPlaceableItem(
		CategoryInfo.UniqueHandle,
		MakeShareable(new FPlaceableItem(static_cast<UActorFactory*>(nullptr), FAssetData(AZ4RecommendedSettingsActor::StaticClass()))));
}

void FQuillonSDKBaseEditorModule::ShutdownModule()
{
	// Everything start-up registered goes, in reverse order, from the modules that are still there: a
	// registration left behind would point into this module once it is unloaded. The asset category stays;
	// the asset tools cannot take one back.
	FModuleManager& ModuleManager = FModuleManager::Get();
	if (ModuleManager.IsModuleLoaded(TEXT("PlacementMode")))
	{
		IPlacementModeModule& PlacementMode = FModuleManager::GetModuleChecked<IPlacementModeModule>(TEXT("PlacementMode"));
		if (RecommendedSettingsItem.IsSet())
		{
			PlacementMode.UnregisterPlaceableItem(RecommendedSettingsItem.GetValue());
		}
		PlacementMode.UnregisterPlacementCategory(QuillonCategoryName);
	}
	RecommendedSettingsItem.Reset();

	FQuillonEditorStyle::Shutdown();

	if (ModuleManager.IsModuleLoaded(TEXT("PropertyEditor")))
	{
		FModuleManager::GetModuleChecked<FPropertyEditorModule>(TEXT("PropertyEditor")).UnregisterCustomClassLayout(TEXT("Z4Package"));
	}

	if (ModuleManager.IsModuleLoaded(TEXT("AssetTools")) && AssetTypeActions.IsValid())
	{
		IAssetTools& AssetTools = static_cast<FAssetToolsModule*>(ModuleManager.GetModule(TEXT("AssetTools")))->Get();
		AssetTools.UnregisterAssetTypeActions(AssetTypeActions.ToSharedRef());
	}
}

uint32 FQuillonSDKBaseEditorModule::GetVTTAssetCategory()
{
	return VTTAssetCategoryBit;
}

FColor FQuillonSDKBaseEditorModule::QuillonColour()
{
	return FColor(6, 30, 50, 255);
}

#undef LOCTEXT_NAMESPACE

IMPLEMENT_MODULE(FQuillonSDKBaseEditorModule, QuillonSDKBaseEditor)
