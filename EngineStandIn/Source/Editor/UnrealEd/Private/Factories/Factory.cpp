#include "Factories/Factory.h"
#include "AssetToolsModule.h"
#include "AssetTypeCategories.h"
#include "IAssetTools.h"
#include "IAssetTypeActions.h"
#include "Modules/ModuleManager.h"
#include "UObject/Class.h"

UFactory::UFactory(const FObjectInitializer& ObjectInitializer)
	: Super()
	, bCreateNew(false)
	, bEditAfterNew(false)
	, bEditorImport(false)
	, bText(false)
	, ImportPriority(DefaultImportPriority)
{
}

UObject* UFactory::FactoryCreateNew(UClass* InClass, UObject* InParent, FName InName, EObjectFlags Flags, UObject* Context,
									FFeedbackContext* Warn, FName CallingContext)
{
	return FactoryCreateNew(InClass, InParent, InName, Flags, Context, Warn);
}

UObject* UFactory::FactoryCreateNew(UClass* InClass, UObject* InParent, FName InName, EObjectFlags Flags, UObject* Context,
									FFeedbackContext* Warn)
{
	return nullptr;
}

bool UFactory::ShouldShowInNewMenu() const
{
	return CanCreateNew();
}

FText UFactory::GetDisplayName() const
{
	UClass* LocalSupportedClass = GetSupportedClass();
	if (!LocalSupportedClass)
	{
		return FText();
	}
	IAssetTools& AssetTools = FModuleManager::LoadModuleChecked<FAssetToolsModule>(TEXT("AssetTools")).Get();
	const TWeakPtr<IAssetTypeActions> AssetTypeActions = AssetTools.GetAssetTypeActionsForClass(LocalSupportedClass);
	if (const TSharedPtr<IAssetTypeActions> Actions = AssetTypeActions.Pin())
	{
		return Actions->GetName();
	}
	return LocalSupportedClass->GetDisplayNameText();
}

uint32 UFactory::GetMenuCategories() const
{
	UClass* LocalSupportedClass = GetSupportedClass();
	if (LocalSupportedClass)
	{
		IAssetTools& AssetTools = FModuleManager::LoadModuleChecked<FAssetToolsModule>(TEXT("AssetTools")).Get();
		const TWeakPtr<IAssetTypeActions> AssetTypeActions = AssetTools.GetAssetTypeActionsForClass(LocalSupportedClass);
		if (const TSharedPtr<IAssetTypeActions> Actions = AssetTypeActions.Pin())
		{
			return Actions->GetCategories();
		}
	}
	return EAssetTypeCategories::Misc;
}

FText UFactory::GetToolTip() const
{
	UClass* LocalSupportedClass = GetSupportedClass();
	return LocalSupportedClass ? LocalSupportedClass->GetToolTipText() : FText();
}

bool UFactory::CanCreateNew() const
{
	return bCreateNew;
}

bool UFactory::DoesSupportClass(UClass* Class)
{
	return Class == GetSupportedClass();
}

UClass* UFactory::GetSupportedClass() const
{
	return SupportedClass;
}
