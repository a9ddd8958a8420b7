#include "../Core/CoreTestPrinters.h"
#include "AssetToolsModule.h"
#include "IAssetTools.h"
#include "IAssetTypeActions.h"
#include "IPlacementModeModule.h"
#include "Modules/ModuleManager.h"
#include "PropertyEditorModule.h"
#include "QuillonEditorStyle.h"
#include "QuillonSDKBaseEditor.h"
#include "StandIn/ContentBrowserModel.h"
#include "StandIn/LogCapture.h"
#include "StandIn/PlacementModeText.h"
#include "StandIn/SlateImageFile.h"
#include "StandIn/StringConv.h"
#include "StandIn/TestProject.h"
#include "Styling/ISlateStyle.h"
#include "Styling/SlateBrush.h"
#include "Styling/SlateStyleRegistry.h"
#include "Z4Package.h"
#include "Z4RecommendedSettingsActor.h"
#include <gtest/gtest.h>

using namespace UE::StandIn;

namespace
{
	const TCHAR* EditorModule = TEXT("QuillonSDKBaseEditor");

	// What the editor module has registered, as the editor's own surfaces see it.
	struct FRegistrations
	{
		int32 PackageActions = 0;
		int32 QuillonTabs = 0;
		int32 RecommendedSettingsItems = 0;
		bool bStyleRegistered = false;
		bool bPanelRegistered = false;

		static FRegistrations Read()
		{
			FRegistrations Result;
			if (FModuleManager::Get().IsModuleLoaded(TEXT("AssetTools")))
			{
				TArray<TWeakPtr<IAssetTypeActions>> Actions;
				FAssetToolsModule::GetModule().Get().GetAssetTypeActionsList(Actions);
				for (const TWeakPtr<IAssetTypeActions>& Action : Actions)
				{
					Result.PackageActions += Action.Pin()->GetSupportedClass() == UZ4Package::StaticClass() ? 1 : 0;
				}
			}
			if (IPlacementModeModule::IsAvailable())
			{
				TArray<FPlacementCategoryInfo> Categories;
				IPlacementModeModule::Get().GetSortedCategories(Categories);
				for (const FPlacementCategoryInfo& Category : Categories)
				{
					Result.QuillonTabs += Category.UniqueHandle == FName(TEXT("Quillon")) ? 1 : 0;
				}
				TArray<TSharedPtr<FPlaceableItem>> Items;
				IPlacementModeModule::Get().GetItemsForCategory(FName(TEXT("Quillon")), Items);
				Result.RecommendedSettingsItems = Items.Num();
			}
			Result.bStyleRegistered = FSlateStyleRegistry::FindSlateStyle(TEXT("QuillonEditorStyle")) != nullptr;
			if (FModuleManager::Get().IsModuleLoaded(TEXT("PropertyEditor")))
			{
				const FPropertyEditorModule& PropertyEditor = FModuleManager::GetModuleChecked<FPropertyEditorModule>(TEXT("PropertyEditor"));
				Result.bPanelRegistered = PropertyEditor.GetClassNameToDetailLayoutNameMap().Contains(TEXT("Z4Package"));
			}
			return Result;
		}

		bool IsEverything() const { return PackageActions == 1 && QuillonTabs == 1 && RecommendedSettingsItems == 1 && bStyleRegistered && bPanelRegistered; }
		bool IsNothing() const { return PackageActions == 0 && QuillonTabs == 0 && RecommendedSettingsItems == 0 && !bStyleRegistered && !bPanelRegistered; }
	};

	class FEditorModuleTest : public ::testing::Test
	{
	protected:
		FTestProject Project;
		FStandInEngine Engine{Project};

		void SetUp() override { ASSERT_TRUE(FModuleManager::Get().IsModuleLoaded(EditorModule)); }
	};
}

TEST_F(FEditorModuleTest, PackageTypeIsFoundUnderItsOwnContentBrowserCategory)
{
	const uint32 CategoryBit = FQuillonSDKBaseEditorModule::GetVTTAssetCategory();
	EXPECT_NE(CategoryBit, 0u);
	EXPECT_EQ(CategoryBit, uint32(FAssetToolsModule::GetModule().Get().FindAdvancedAssetCategory(TEXT("Quillon"))));
	EXPECT_EQ(FQuillonSDKBaseEditorModule::QuillonColour(), FColor(6, 30, 50, 255));

	const TSharedPtr<IAssetTypeActions> Actions = FAssetToolsModule::GetModule().Get().GetAssetTypeActionsForClass(UZ4Package::StaticClass()).Pin();
	ASSERT_TRUE(Actions.IsValid());
	EXPECT_EQ(Actions->GetCategories(), CategoryBit);
	EXPECT_TRUE(Actions->GetName().IsCultureInvariant());

	const TArray<FContentBrowserCategory> Categories = GetContentBrowserCategories();
	const FContentBrowserCategory* Quillon = Categories.FindByPredicate([](const FContentBrowserCategory& Category) { return Category.Name.ToString() == TEXT("Quillon"); });
	ASSERT_NE(Quillon, nullptr);
	EXPECT_EQ(uint32(Quillon->Bit), CategoryBit);
	ASSERT_EQ(Quillon->AssetTypes.Num(), 1);
	EXPECT_EQ(Quillon->AssetTypes[0].Name.ToString(), TEXT("Package"));
	EXPECT_EQ(Quillon->AssetTypes[0].Color, FColor(6, 30, 50, 255));
	EXPECT_EQ(Quillon->AssetTypes[0].SupportedClass, UZ4Package::StaticClass());
}

TEST_F(FEditorModuleTest, PlacementModeOffersTheRecommendedSettingsActorInItsOwnTab)
{
	TArray<FPlacementCategoryInfo> Tabs;
	IPlacementModeModule::Get().GetSortedCategories(Tabs);
	TArray<FString> Order;
	for (const FPlacementCategoryInfo& Tab : Tabs)
	{
		Order.Add(Tab.DisplayName.ToString());
	}
	// Sort order 25 places the tab between the engine's Lights (20) and Visual Effects (30).
	EXPECT_EQ(Order, (TArray<FString>{TEXT("Recently Placed"), TEXT("Basic"), TEXT("Lights"), TEXT("Quillon"), TEXT("Visual Effects"), TEXT("Volumes"), TEXT("All Classes")}));

	const FPlacementCategoryInfo* Tab = IPlacementModeModule::Get().GetRegisteredPlacementCategory(TEXT("Quillon"));
	ASSERT_NE(Tab, nullptr);
	EXPECT_EQ(Tab->SortOrder, 25);
	EXPECT_EQ(Tab->TagMetaData, TEXT("PMQuillon"));
	EXPECT_TRUE(Tab->ShortDisplayName.IsEmpty());
	EXPECT_TRUE(Tab->bSortable);
	EXPECT_EQ(Tab->DisplayIcon.GetStyleSetName(), FName(TEXT("QuillonEditorStyle")));
	EXPECT_EQ(Tab->DisplayIcon.GetStyleName(), FName(TEXT("QuillonActor.Icon")));
	EXPECT_TRUE(Tab->DisplayIcon.GetSmallStyleName().IsNone());

	// The icon is drawn from the plug-in's own PNG, at 40 x 40, untinted.
	const FSlateBrush* Icon = Tab->DisplayIcon.GetIcon();
	ASSERT_EQ(Icon, FQuillonEditorStyle::Get().GetBrush(TEXT("QuillonActor.Icon")));
	EXPECT_EQ(Icon->GetImageSize().X, 40.0f);
	EXPECT_EQ(Icon->GetImageSize().Y, 40.0f);
	EXPECT_EQ(Icon->TintColor.GetSpecifiedColor(), FLinearColor(1, 1, 1, 1));
	EXPECT_EQ(Icon->GetTiling(), ESlateBrushTileType::NoTile);
	EXPECT_EQ(Icon->GetImageType(), ESlateBrushImageType::FullColor);
	EXPECT_TRUE(Icon->GetResourceName().ToString().EndsWith(TEXT("QuillonSDKBase/Resources/QuillonIcon.png")));
	FSlateImageFileInfo Image;
	FString Error;
	EXPECT_TRUE(ReadBrushImage(*Icon, Image, Error)) << ToUtf8(Error);
	EXPECT_GE(Image.Width, 40);
	EXPECT_GE(Image.Height, 40);

	TArray<TSharedPtr<FPlaceableItem>> Items;
	IPlacementModeModule::Get().GetItemsForCategory(TEXT("Quillon"), Items);
	ASSERT_EQ(Items.Num(), 1);
	EXPECT_EQ(Items[0]->DisplayName.ToString(), TEXT("Recommended Settings"));
	EXPECT_EQ(Items[0]->Factory, nullptr);
	EXPECT_FALSE(Items[0]->SortOrder.IsSet());
	EXPECT_EQ(Items[0]->AssetData.GetObjectPathString(), AZ4RecommendedSettingsActor::StaticClass()->GetPathName());

	const FString Drawn = DrawPlacementMode();
	EXPECT_TRUE(Drawn.Contains(TEXT("[Quillon]  sort order 25, tag PMQuillon, icon QuillonEditorStyle/QuillonActor.Icon (40x40, from a 64x64 PNG)"))) << ToUtf8(Drawn);
	EXPECT_TRUE(Drawn.Contains(TEXT("Recommended Settings  (/Script/QuillonSDKBase.Z4RecommendedSettingsActor)"))) << ToUtf8(Drawn);
}

TEST_F(FEditorModuleTest, SecondStyleInitializeKeepsTheFirstStyleSet)
{
	const ISlateStyle* First = FSlateStyleRegistry::FindSlateStyle(TEXT("QuillonEditorStyle"));
	ASSERT_EQ(First, &FQuillonEditorStyle::Get());
	const FSlateBrush* Icon = First->GetBrush(TEXT("QuillonActor.Icon"));

	FQuillonEditorStyle::Initialize();

	EXPECT_EQ(FSlateStyleRegistry::FindSlateStyle(TEXT("QuillonEditorStyle")), First);
	EXPECT_EQ(&FQuillonEditorStyle::Get(), First);
	EXPECT_EQ(First->GetBrush(TEXT("QuillonActor.Icon")), Icon);
}

// Start-up, shut-down and start-up again, as the editor does when the plug-in is reloaded.
TEST_F(FEditorModuleTest, ReloadLeavesEveryRegistrationOnceAndShutDownTakesThemBack)
{
	ASSERT_TRUE(FRegistrations::Read().IsEverything());
	const uint32 CategoryBit = FQuillonSDKBaseEditorModule::GetVTTAssetCategory();

	FModuleManager::Get().UnloadModule(EditorModule);
	EXPECT_TRUE(FRegistrations::Read().IsNothing());
	// The category cannot be given back: the same key keeps its bit.
	EXPECT_EQ(uint32(FAssetToolsModule::GetModule().Get().FindAdvancedAssetCategory(TEXT("Quillon"))), CategoryBit);

	FModuleManager::Get().LoadModuleChecked(EditorModule);
	EXPECT_TRUE(FRegistrations::Read().IsEverything());
	EXPECT_EQ(FQuillonSDKBaseEditorModule::GetVTTAssetCategory(), CategoryBit);
	EXPECT_EQ(FQuillonEditorStyle::Get().GetBrush(TEXT("QuillonActor.Icon"))->GetImageSize().X, 40.0f);
}

TEST_F(FEditorModuleTest, ShutDownAfterTheAssetToolsWereUnloadedLeavesTheirActionsAlone)
{
	FModuleManager::Get().UnloadModule(TEXT("AssetTools"));
	FLogCapture Log;

	FModuleManager::Get().UnloadModule(EditorModule);

	for (const FCapturedLogLine& Line : Log.Lines())
	{
		EXPECT_GT(Line.Verbosity, ELogVerbosity::Warning) << ToUtf8(Line.Message);
	}
	// What the modules still loaded held is taken back all the same.
	EXPECT_TRUE(FRegistrations::Read().IsNothing());

	// The asset tools come back empty; the module registers its actions again when it starts.
	FModuleManager::Get().LoadModuleChecked(EditorModule);
	EXPECT_TRUE(FRegistrations::Read().IsEverything());
}
