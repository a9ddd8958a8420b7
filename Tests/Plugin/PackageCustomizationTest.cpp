#include "AssetRegistry/AssetData.h"
#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "CoreMinimal.h"
#include "Engine/StaticMesh.h"
#include "Materials/Material.h"
#include "HAL/FileManager.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "PackageTestUtils.h"
#include "PropertyCustomizationHelpers.h"
#include "PropertyEditorModule.h"
#include "StandIn/DetailsView.h"
#include "StandIn/DialogScript.h"
#include "StandIn/ProcessLog.h"
#include "StandIn/TestAssets.h"
#include "StandIn/TestProject.h"
#include "UObject/Package.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Text/STextBlock.h"
#include "Z4Package.h"
#include "Z4SDKStatics.h"

#include <gtest/gtest.h>

using namespace UE::StandIn;
using namespace UE::Quillon::Test;

namespace
{
	const FString FindAssetsRow = TEXT("  [Add All Assets]  Find all assets in this directory and add them to the package. Generate names and thumbnails for each.\n")
								  TEXT("  [Remove All Assets]  Remove all assets from this package, reseting it to its default state.\n")
								  TEXT("  Add Asset:\n");
	// The rows FillPackage's main assets get: name and type, package name, and the button that removes that one.
	FString MainAssetRows(int32 MainAssets)
	{
		FString Rows;
		for (int32 Index = 0; Index < MainAssets; ++Index)
		{
			Rows += FString::Printf(TEXT("  Main%d (StaticMesh)\n  /Game/Props/SM_Main%d\n"), Index, Index);
			Rows += TEXT("  [Remove]  Take this asset out of the package; what other main assets use stays.\n");
		}
		return Rows;
	}
	const FString FindDependenciesRow = TEXT("  [Find Dependencies]  Find all additional assets needed by the assets in this package.\n");
	const FString ExportCategory = TEXT("Export\n")
								   TEXT("  [Apply Cook Settings]  Set project cook settings.\n")
								   TEXT("  [Make Pak File]  Export cooked assets to a .pak file to use in Quillon.\n")
								   TEXT("  [Log Pak File]  Log the contents of the exported pak file for this package, if it exists, to a console window.\n");

	class FPackageCustomizationTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			FModuleManager::Get().LoadModuleChecked(TEXT("QuillonSDKBaseEditor"));
			Package = MakePackage(TEXT("/Game/Props/PropsPack"));
		}

		void TearDown() override
		{
			FModuleManager::Get().UnloadModule(TEXT("QuillonSDKBaseEditor"));
			FModuleManager::Get().UnloadModule(TEXT("PropertyEditor"));
		}

		static UZ4Package* MakePackage(const TCHAR* PackageName)
		{
			return NewObject<UZ4Package>(CreatePackage(PackageName), FName(*FPaths::GetCleanFilename(PackageName)), RF_Public | RF_Standalone);
		}

		// Fills the maps the panel reads, without the assets behind them.
		static void FillPackage(UZ4Package* Target, int32 MainAssets, int32 Dependencies, const TArray<TPair<FName, int32>>& External)
		{
			for (int32 Index = 0; Index < MainAssets; ++Index)
			{
				FZ4Asset& Asset = Target->Data.Assets.AddDefaulted_GetRef();
				Asset.AssetName = FName(*FString::Printf(TEXT("/Game/Props/SM_Main%d"), Index));
				Asset.Name = FName(*FString::Printf(TEXT("Main%d"), Index));
				Asset.Class = UStaticMesh::StaticClass();
				Target->Data.AssetsIndexMap.Add(Asset.AssetName, Index);
			}
			for (int32 Index = 0; Index < Dependencies; ++Index)
			{
				Target->Dependencies.Add(FName(*FString::Printf(TEXT("/Game/Props/M_Dependency%d"), Index)));
			}
			for (const TPair<FName, int32>& Entry : External)
			{
				Target->ExternalDependencies.Add(Entry.Key, Entry.Value);
			}
		}

		FTestProject Project;
		FStandInEngine Engine{Project};
		UZ4Package* Package = nullptr;
	};
}

TEST_F(FPackageCustomizationTest, EmptyPackageShowsTheButtonsAndPickerButNoCountsOrWarnings)
{
	FDetailsView View;
	View.SetObject(Package);

	EXPECT_EQ(View.Paint(),
		TEXT("Add Assets\n") + FindAssetsRow +
		TEXT("  <None>  picker offers 0 assets\n")
		TEXT("Dependencies\n") + FindDependenciesRow + ExportCategory +
		TEXT("Package\n")
		TEXT("  Data\n"));
}

TEST_F(FPackageCustomizationTest, CountsAndOutsideDependenciesAreReadFromThePackage)
{
	FillPackage(Package, 3, 5, {{FName(TEXT("/Game/Other/T_Rock")), 2}, {FName(TEXT("/Game/Other/M_Rock")), 0}});
	FDetailsView View;
	View.SetObject(Package);

	EXPECT_EQ(View.Paint(),
		TEXT("Add Assets\n") + FindAssetsRow +
		TEXT("  <None>  picker offers 0 assets\n")
		TEXT("  Main Assets: 3 | Assets To Cook: 8\n") + MainAssetRows(3) +
		TEXT("Dependencies\n") + FindDependenciesRow +
		TEXT("  2 referenced assets are outside of this package's directory.  [red]\n")
		TEXT("  [Copy Dependencies]  EXPERIMENTAL: Copy missing dependencies into this directory. Works fine for missing textures but can go wrong with more complex assets. Use the migration tool or move manually in this case.\n")
		TEXT("  + Missing Dependencies\n") + ExportCategory +
		TEXT("Package\n")
		TEXT("  Data\n"));

	ASSERT_EQ(View.ExpandGroup(TEXT("Missing Dependencies")), EDetailsViewActionResult::Done);
	const TArray<TSharedRef<STextBlock>> Texts = View.FindWidgets<STextBlock>();
	const TSharedRef<STextBlock>* List = Texts.FindByPredicate([](const TSharedRef<STextBlock>& Text)
		{
			return Text->GetText().ToString().Contains(TEXT("/Game/Other/"));
		});
	ASSERT_NE(List, nullptr);
	EXPECT_EQ((*List)->GetText().ToString(), TEXT("\t\t/Game/Other/T_Rock\n/Game/Other/M_Rock\n"));
	EXPECT_TRUE((*List)->GetAutoWrapText());

	// The counter and the list follow the package's maps without a rebuild; the rows come and go with one.
	Package->Dependencies.Add(FName(TEXT("/Game/Props/T_Extra")));
	Package->ExternalDependencies.Remove(FName(TEXT("/Game/Other/M_Rock")));
	const FString Repainted = View.Paint();
	EXPECT_TRUE(Repainted.Contains(TEXT("  Main Assets: 3 | Assets To Cook: 9\n")));
	EXPECT_TRUE(Repainted.Contains(TEXT("  - Missing Dependencies\n    \t\t/Game/Other/T_Rock\nExport\n"))) << *Repainted;
	EXPECT_TRUE(Repainted.Contains(TEXT("2 referenced assets"))) << "the warning is fixed when the panel is built";
	EXPECT_EQ(View.GetBuildCount(), 1);
}

// Two main assets that use each other (blueprints that spawn one another) are cooked once each.
TEST_F(FPackageCustomizationTest, TheCounterCountsEveryAssetToCookOnce)
{
	FillPackage(Package, 2, 2, {});
	Package->Dependencies.Add(FName(TEXT("/Game/Props/SM_Main0")));
	Package->Dependencies.Add(FName(TEXT("/game/props/sm_main1")));
	FDetailsView View;
	View.SetObject(Package);

	EXPECT_TRUE(View.Paint().Contains(TEXT("  Main Assets: 2 | Assets To Cook: 4\n"))) << *View.Paint();
}

// /Game/Props2 is another folder than /Game/Props: what the picker offers, what Add All Assets collects and what the
// walk counts as outside follow one rule.
TEST_F(FPackageCustomizationTest, ThePickerAddAllAssetsAndTheWalkAgreeOnWhatIsInTheFolder)
{
	WriteTestPackage({.PackageName = TEXT("/Game/Props2/M_Near"), .ClassPath = TEXT("/Script/Engine.Material")});
	WriteTestPackage({.PackageName = TEXT("/Game/Props2/SM_Near")});
	WriteTestPackage({.PackageName = TEXT("/Game/Props/Sub/M_Own"), .ClassPath = TEXT("/Script/Engine.Material")});
	WriteTestPackage({.PackageName = TEXT("/Game/Props/SM_Chair"), .Imports = {TEXT("/Game/Props2/M_Near"), TEXT("/Game/Props/Sub/M_Own")}});
	FModuleManager::LoadModuleChecked<FAssetRegistryModule>(TEXT("AssetRegistry")).Get().ScanPathsSynchronous({TEXT("/Game/")}, true);
	FDetailsView View;
	View.SetObject(Package);

	EXPECT_TRUE(View.Paint().Contains(TEXT("  <None>  picker offers 1 asset:\n    /Game/Props/SM_Chair\n"))) << *View.Paint();
	Package->FindAllAssets();
	EXPECT_EQ(Package->Data.AssetsIndexMap.Num(), 1);
	EXPECT_TRUE(Package->Data.AssetsIndexMap.Contains(FName(TEXT("/Game/Props/SM_Chair"))));
	EXPECT_EQ(DescribeExternalDependencies(*Package), TArray<FString>({TEXT("/Game/Props2/M_Near = 0")}));
	EXPECT_TRUE(Package->Dependencies.Contains(FName(TEXT("/Game/Props/Sub/M_Own"))));
}

TEST_F(FPackageCustomizationTest, RowsCarryTheirFilterTexts)
{
	FillPackage(Package, 1, 0, {{FName(TEXT("/Game/Other/T_Rock")), 1}});
	FDetailsView View;
	View.SetObject(Package);

	const struct
	{
		const TCHAR* Category;
		TArray<FString> FilterTexts;
	} Categories[] = {
		{TEXT("Add Assets"), {TEXT("FindAssets"), TEXT("Asset Picker"), TEXT("Total Assets"), TEXT("Main0 /Game/Props/SM_Main0")}},
		{TEXT("Dependencies"), {TEXT("GetDependencies"), TEXT("DependencyWarning"), TEXT("CopyDependencies"), TEXT("Missing Dependencies")}},
		{TEXT("Export"), {TEXT("ApplyCook"), TEXT("MakePak"), TEXT("LogPak")}},
	};
	const TSet<FString> NotLocalizable = {TEXT("Asset Picker"), TEXT("Total Assets"), TEXT("Main0 /Game/Props/SM_Main0")};
	for (const auto& Category : Categories)
	{
		const TArray<FText> Texts = View.GetRowFilterTexts(Category.Category);
		ASSERT_EQ(Texts.Num(), Category.FilterTexts.Num()) << *FString(Category.Category);
		for (int32 Index = 0; Index < Texts.Num(); ++Index)
		{
			const FString& Expected = Category.FilterTexts[Index];
			EXPECT_EQ(Texts[Index].ToString(), Expected);
			const TOptional<FString> Namespace = FTextInspector::GetNamespace(Texts[Index]);
			const TOptional<FString> Key = FTextInspector::GetKey(Texts[Index]);
			if (NotLocalizable.Contains(Expected))
			{
				EXPECT_FALSE(Key.IsSet()) << *Expected;
				continue;
			}
			EXPECT_EQ(Namespace.Get(FString()), TEXT("PackageCustomization")) << *Expected;
			EXPECT_EQ(Key.Get(FString()), Expected == TEXT("Missing Dependencies") ? FString(TEXT("MissingDependenciesLabel")) : Expected);
		}
	}
}

TEST_F(FPackageCustomizationTest, PickerOffersOnlyPackageClassesUnderThePackageFolder)
{
	FDetailsView View;
	View.SetObject(Package);
	TArray<TSharedRef<SObjectPropertyEntryBox>> Pickers = View.FindWidgets<SObjectPropertyEntryBox>();
	ASSERT_EQ(Pickers.Num(), 1);
	const TSharedRef<SObjectPropertyEntryBox> Picker = Pickers[0];

	const struct
	{
		const TCHAR* PackageName;
		const TCHAR* ClassPath;
		bool bOffered;
		bool bOfferedOnceThePanelIsGone;
	} Cases[] = {
		{TEXT("/Game/Other/SM_Rock"), TEXT("/Script/Engine.StaticMesh"), false, true},
		{TEXT("/Game/Props/Chairs/SM_Chair"), TEXT("/Script/Engine.StaticMesh"), true, true},
		{TEXT("/game/props/SM_Lower"), TEXT("/Script/Engine.StaticMesh"), true, true},
		{TEXT("/Game/PropsOld/SM_Old"), TEXT("/Script/Engine.StaticMesh"), false, true},
		{TEXT("/Game/Props/L_Tavern"), TEXT("/Script/Engine.World"), true, true},
		{TEXT("/Game/Props/SK_Hero"), TEXT("/Script/Engine.SkeletalMesh"), true, true},
		{TEXT("/Game/Props/BP_Door"), TEXT("/Script/Engine.Blueprint"), true, true},
		{TEXT("/Game/Props/ABP_Hero"), TEXT("/Script/Engine.AnimBlueprint"), true, true},
		{TEXT("/Game/Props/M_Wood"), TEXT("/Script/Engine.Material"), false, false},
		{TEXT("/Game/Props/WBP_Menu"), TEXT("/Script/UMGEditor.WidgetBlueprint"), false, false},
		{TEXT("/Game/Props/LSBP_Tavern"), TEXT("/Script/Engine.LevelScriptBlueprint"), false, false},
	};
	auto MakeAssetData = [](const TCHAR* PackageName, const TCHAR* ClassPath)
	{
		const FString Name(PackageName);
		return FAssetData(FName(*Name), FName(*FPaths::GetPath(Name)), FName(*FPaths::GetCleanFilename(Name)), FTopLevelAssetPath(ClassPath));
	};
	for (const auto& Case : Cases)
	{
		EXPECT_EQ(Picker->IsAssetPickable(MakeAssetData(Case.PackageName, Case.ClassPath)), Case.bOffered) << *FString(Case.PackageName);
	}

	// The picker outlives its panel here: only the class test is left.
	View.ForceRefresh();
	for (const auto& Case : Cases)
	{
		EXPECT_EQ(Picker->IsAssetPickable(MakeAssetData(Case.PackageName, Case.ClassPath)), Case.bOfferedOnceThePanelIsGone) << *FString(Case.PackageName);
	}
}

TEST_F(FPackageCustomizationTest, PickingAnOfferedAssetAddsItAndRebuildsThePanel)
{
	for (const TCHAR* PackageName : {TEXT("/Game/Props/Chairs/SM_Chair"), TEXT("/Game/Other/SM_Rock")})
	{
		UZ4SDKStatics::SaveAsset(NewObject<UStaticMesh>(CreatePackage(PackageName), FName(*FPaths::GetCleanFilename(PackageName)), RF_Public | RF_Standalone));
	}
	UZ4SDKStatics::SaveAsset(NewObject<UMaterial>(CreatePackage(TEXT("/Game/Props/M_Wood")), TEXT("M_Wood"), RF_Public | RF_Standalone));
	FDetailsView View;
	View.SetObject(Package);

	EXPECT_TRUE(View.Paint().Contains(TEXT("  Add Asset:\n  <None>  picker offers 1 asset:\n    /Game/Props/Chairs/SM_Chair\nDependencies\n")));
	EXPECT_EQ(View.PickAsset(TEXT("/Game/Props/M_Wood")), EDetailsViewActionResult::NotFound);
	EXPECT_EQ(View.PickAsset(TEXT("/Game/Other/SM_Rock")), EDetailsViewActionResult::NotFound);
	EXPECT_EQ(View.PickAsset(TEXT("/Game/Props/Chairs/SM_Chair.SM_Chair")), EDetailsViewActionResult::Done);
	ASSERT_EQ(Package->Data.Assets.Num(), 1);
	EXPECT_EQ(Package->Data.Assets[0].AssetName, FName(TEXT("/Game/Props/Chairs/SM_Chair")));

	EXPECT_TRUE(View.Tick());
	EXPECT_TRUE(View.Paint().Contains(TEXT("  Main Assets: 1 | Assets To Cook: 1\n")));
}

TEST_F(FPackageCustomizationTest, RemoveButtonOfARowRemovesThatAssetAndRebuildsThePanel)
{
	FillPackage(Package, 3, 0, {});
	FDetailsView View;
	View.SetObject(Package);

	ASSERT_EQ(View.ClickButtonInRow(TEXT("/Game/Props/SM_Main1"), TEXT("Remove")), EDetailsViewActionResult::Done);
	ASSERT_EQ(Package->Data.Assets.Num(), 2);
	EXPECT_EQ(Package->Data.Assets[0].AssetName, FName(TEXT("/Game/Props/SM_Main0")));
	EXPECT_EQ(Package->Data.Assets[1].AssetName, FName(TEXT("/Game/Props/SM_Main2")));
	EXPECT_EQ(Package->Data.AssetsIndexMap.FindRef(FName(TEXT("/Game/Props/SM_Main2"))), 1);
	EXPECT_TRUE(View.Tick()) << "the panel rebuilds";
	EXPECT_FALSE(View.Paint().Contains(TEXT("SM_Main1")));
	// The row of the entry that moved up removes that entry, not the one now at its old place.
	ASSERT_EQ(View.ClickButtonInRow(TEXT("/Game/Props/SM_Main2"), TEXT("Remove")), EDetailsViewActionResult::Done);
	ASSERT_EQ(Package->Data.Assets.Num(), 1);
	EXPECT_EQ(Package->Data.Assets[0].AssetName, FName(TEXT("/Game/Props/SM_Main0")));
	EXPECT_EQ(View.ClickButtonInRow(TEXT("/Game/Props/SM_Main9"), TEXT("Remove")), EDetailsViewActionResult::NotFound);
}

TEST_F(FPackageCustomizationTest, EveryButtonIsEnabledWhateverThePackageHolds)
{
	FillPackage(Package, 2, 1, {{FName(TEXT("/Game/Other/T_Rock")), 1}});
	FDetailsView View;
	View.SetObject(Package);

	EXPECT_FALSE(View.Paint().Contains(TEXT("(disabled)")));
	// The seven of the panel and one Remove button per main asset.
	EXPECT_EQ(View.FindWidgets<SButton>().Num(), 9);
	for (const TSharedRef<SButton>& Button : View.FindWidgets<SButton>())
	{
		EXPECT_TRUE(Button->IsEnabled());
	}
}

TEST_F(FPackageCustomizationTest, BroadcastRebuildsEveryLivePanelOfThePackage)
{
	UZ4Package* Other = MakePackage(TEXT("/Game/Other/OtherPack"));
	FDetailsView First;
	First.SetObject(Package);
	TUniquePtr<FDetailsView> Second = MakeUnique<FDetailsView>();
	Second->SetObject(Package);
	FDetailsView OtherView;
	OtherView.SetObject(Other);

	Package->OnPackageChanged.Broadcast();
	EXPECT_TRUE(First.Tick());
	EXPECT_TRUE(Second->Tick());
	EXPECT_FALSE(OtherView.Tick());

	// Rebuilt panels and a destroyed view leave nothing behind that reacts to the package.
	Second.Reset();
	Package->OnPackageChanged.Broadcast();
	EXPECT_TRUE(First.Tick());
	EXPECT_EQ(First.GetBuildCount(), 3);
}

TEST_F(FPackageCustomizationTest, OnlyThePackageFirstSelectedIsShown)
{
	UZ4Package* Second = MakePackage(TEXT("/Game/Other/OtherPack"));
	FillPackage(Package, 3, 5, {});
	FillPackage(Second, 1, 0, {{FName(TEXT("/Game/Other/T_Rock")), 0}});

	FDetailsView View;
	View.SetObjects({Package, Second});
	const FString Painted = View.Paint();
	EXPECT_TRUE(Painted.Contains(TEXT("Main Assets: 3 | Assets To Cook: 8")));
	EXPECT_FALSE(Painted.Contains(TEXT("referenced assets are outside")));

	Second->OnPackageChanged.Broadcast();
	EXPECT_FALSE(View.Tick()) << "the panel does not listen to the second package";
}

TEST_F(FPackageCustomizationTest, PanelAddsNothingWithoutAPackageFirst)
{
	// The editor only asks the panel about packages; registered for every object, it meets other objects first.
	FPropertyEditorModule& PropertyModule = FModuleManager::GetModuleChecked<FPropertyEditorModule>(TEXT("PropertyEditor"));
	const FDetailLayoutCallback* PackageLayout = PropertyModule.GetClassNameToDetailLayoutNameMap().Find(TEXT("Z4Package"));
	ASSERT_NE(PackageLayout, nullptr);
	const FOnGetDetailCustomizationInstance MakePanel = PackageLayout->DetailLayoutDelegate;
	PropertyModule.RegisterCustomClassLayout(TEXT("Object"), MakePanel);

	UObject* NotAPackage = NewObject<UZ4Package>(GetTransientPackage())->GetOuter();
	FDetailsView View;
	for (const TArray<UObject*>& Objects : {TArray<UObject*>{}, TArray<UObject*>{NotAPackage}, TArray<UObject*>{NotAPackage, Package}})
	{
		View.SetObjects(Objects);
		EXPECT_EQ(View.Paint(), TEXT(""));
	}
	Package->OnPackageChanged.Broadcast();
	EXPECT_FALSE(View.Tick());
}

TEST_F(FPackageCustomizationTest, PanelOutlivingItsPackageReadsNothingFromIt)
{
	FillPackage(Package, 3, 5, {{FName(TEXT("/Game/Other/T_Rock")), 2}});
	FDetailsView View;
	View.SetObject(Package);
	ASSERT_EQ(View.ExpandGroup(TEXT("Missing Dependencies")), EDetailsViewActionResult::Done);

	UnloadPackage(TEXT("/Game/Props/PropsPack"));
	const FString Painted = View.Paint();
	EXPECT_TRUE(Painted.Contains(TEXT("  Main Assets: 0 | Assets To Cook: 0\n"))) << *Painted;
	EXPECT_EQ(View.ClickButton(TEXT("Find Dependencies")), EDetailsViewActionResult::Done);
	EXPECT_FALSE(View.Tick());
}

// One package per case: a main asset that the registry does not know, and one dependency outside the folder.
// The handlers of "Find Dependencies" and "Copy Dependencies" rebuild the panel; "Add All Assets" rebuilds it
// through the package's broadcast; the others leave it as it is.
TEST_F(FPackageCustomizationTest, EachButtonRunsItsOneOperationAndRebuildsOnlyWhereItShould)
{
	const FString PackageFile = Project.GetContentDir() + TEXT("Props/PropsPack.uasset");
	const struct
	{
		const TCHAR* Button;
		bool bRebuilds;
		TFunction<void(const FDialogScript&, const FProcessLog&)> Check;
	} Cases[] = {
		{TEXT("Add All Assets"), true, [&](const FDialogScript&, const FProcessLog&) { EXPECT_TRUE(FPaths::FileExists(PackageFile)); }},
		{TEXT("Remove All Assets"), false, [](const FDialogScript& Dialogs, const FProcessLog&)
			{
				ASSERT_EQ(Dialogs.GetShownDialogs().Num(), 1);
				EXPECT_TRUE(Dialogs.GetShownDialogs()[0].Message.StartsWith(TEXT("Really remove all assets")));
			}},
		{TEXT("Find Dependencies"), true, [&](const FDialogScript&, const FProcessLog&) { EXPECT_TRUE(FPaths::FileExists(PackageFile)); }},
		{TEXT("Copy Dependencies"), true, [](const FDialogScript&, const FProcessLog&) {}},
		{TEXT("Apply Cook Settings"), false, [&](const FDialogScript&, const FProcessLog&)
			{
				FString GameIni;
				FFileHelper::LoadFileToString(GameIni, *(Project.GetConfigDir() + TEXT("DefaultGame.ini")));
				EXPECT_TRUE(GameIni.Contains(TEXT("/Game/Props"))) << *GameIni;
			}},
		{TEXT("Make Pak File"), false, [](const FDialogScript& Dialogs, const FProcessLog&)
			{
				ASSERT_EQ(Dialogs.GetShownDialogs().Num(), 1);
				EXPECT_TRUE(Dialogs.GetShownDialogs()[0].Message.StartsWith(TEXT("1 assets are outside of this package's directory.")));
			}},
		{TEXT("Log Pak File"), false, [](const FDialogScript&, const FProcessLog& Processes)
			{
				ASSERT_EQ(Processes.GetLaunches().Num(), 1);
				EXPECT_EQ(Processes.GetLaunches()[0].Program, TEXT("cmd.exe"));
			}},
	};
	for (const auto& Case : Cases)
	{
		IFileManager::Get().Delete(*PackageFile);
		UZ4Package* CasePackage = MakePackage(TEXT("/Game/Props/PropsPack"));
		FillPackage(CasePackage, 1, 0, {{FName(TEXT("/Game/Other/T_Rock")), 0}});
		FDetailsView View;
		View.SetObject(CasePackage);
		FDialogScript Dialogs;
		Dialogs.AnswerTitled(TEXT("Message"), EAppReturnType::Cancel).AnswerTitled(TEXT("Restart Required"), EAppReturnType::No);
		FProcessLog Processes;
		Processes.SetStartPrograms(false);

		EXPECT_EQ(View.ClickButton(Case.Button), EDetailsViewActionResult::Done) << *FString(Case.Button);
		Case.Check(Dialogs, Processes);
		EXPECT_EQ(View.Tick(), Case.bRebuilds) << *FString(Case.Button);
		UnloadPackage(TEXT("/Game/Props/PropsPack"));
	}
}

TEST_F(FPackageCustomizationTest, SearchShowsOnlyTheRowsWhoseFilterTextMatches)
{
	FillPackage(Package, 1, 0, {{FName(TEXT("/Game/Other/T_Rock")), 1}});
	FDetailsView View;
	View.SetObject(Package);

	View.SetSearchText(TEXT("pak"));
	EXPECT_EQ(View.Paint(),
		TEXT("Export\n")
		TEXT("  [Make Pak File]  Export cooked assets to a .pak file to use in Quillon.\n")
		TEXT("  [Log Pak File]  Log the contents of the exported pak file for this package, if it exists, to a console window.\n"));
	EXPECT_EQ(View.ClickButton(TEXT("Add All Assets")), EDetailsViewActionResult::NotFound);

	View.SetSearchText(TEXT("Dependenc"));
	const FString Painted = View.Paint();
	EXPECT_TRUE(Painted.StartsWith(TEXT("Dependencies\n  [Find Dependencies]"))) << *Painted;
	EXPECT_TRUE(Painted.Contains(TEXT("[Copy Dependencies]"))) << *Painted;
	EXPECT_FALSE(Painted.Contains(TEXT("Add Assets"))) << *Painted;
}
