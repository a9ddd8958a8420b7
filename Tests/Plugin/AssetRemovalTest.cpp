#include "PackageTestUtils.h"
#include "../Core/CoreTestPrinters.h"
#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "HAL/FileManager.h"
#include "Misc/PackageName.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "StandIn/DialogScript.h"
#include "StandIn/LogCapture.h"
#include "StandIn/PackageQueryLog.h"
#include "StandIn/TestAssets.h"
#include "StandIn/TestProject.h"
#include "UObject/Package.h"
#include "Z4Package.h"
#include <gtest/gtest.h>
#include <random>

using namespace UE::StandIn;
using namespace UE::Quillon::Test;

namespace
{
	const TCHAR* StaticMesh = TEXT("/Script/Engine.StaticMesh");
	const TCHAR* SkeletalMesh = TEXT("/Script/Engine.SkeletalMesh");
	const TCHAR* World = TEXT("/Script/Engine.World");
	const TCHAR* Material = TEXT("/Script/Engine.Material");

	class FAssetRemovalTest : public ::testing::Test
	{
	protected:
		FTestProject Project;
		TUniquePtr<FStandInEngine> Engine;

		// Writes the assets, starts the editor on the project and makes the package asset /Game/Pack/PK_Test.
		UZ4Package* Start(const TArray<FTestPackage>& Assets)
		{
			Engine = MakeUnique<FStandInEngine>(Project);
			for (const FTestPackage& Asset : Assets)
			{
				WriteTestPackage(Asset);
			}
			Registry().ScanPathsSynchronous({TEXT("/Game/")}, true);
			return NewObject<UZ4Package>(CreatePackage(TEXT("/Game/Pack/PK_Test")), TEXT("PK_Test"), RF_Public | RF_Standalone);
		}

		static IAssetRegistry& Registry() { return FModuleManager::LoadModuleChecked<FAssetRegistryModule>(TEXT("AssetRegistry")).Get(); }

		static void Add(UZ4Package* Package, const FString& PackageName)
		{
			const FString ObjectPath = PackageName + TEXT(".") + FPackageName::GetShortName(PackageName);
			const FAssetData Record = Registry().GetAssetByObjectPath(FSoftObjectPath(ObjectPath));
			ASSERT_TRUE(Record.IsValid()) << *ObjectPath;
			Package->AddAsset(Record);
		}

		FString PackageFile() const { return Project.GetContentDir() + TEXT("Pack/PK_Test.uasset"); }
	};

	/** The main assets in list order, each with the index the map gives it. */
	TArray<FString> DescribeMainAssets(const UZ4Package& Package)
	{
		TArray<FString> Lines;
		for (const FZ4Asset& Asset : Package.Data.Assets)
		{
			const int32* Index = Package.Data.AssetsIndexMap.Find(Asset.AssetName);
			Lines.Add(FString::Printf(TEXT("%s @ %d"), *Asset.AssetName.ToString(), Index ? *Index : -1));
		}
		return Lines;
	}

	TArray<FString> Sorted(TArray<FString> Lines)
	{
		Lines.Sort();
		return Lines;
	}

	// Every key names exactly one entry, at the stored index, and every entry has its key.
	::testing::AssertionResult IndexMapIsExact(const UZ4Package& Package)
	{
		if (Package.Data.AssetsIndexMap.Num() != Package.Data.Assets.Num())
		{
			return ::testing::AssertionFailure() << Package.Data.AssetsIndexMap.Num() << " keys for " << Package.Data.Assets.Num() << " entries";
		}
		for (const TPair<FName, int32>& Key : Package.Data.AssetsIndexMap)
		{
			if (!Package.Data.Assets.IsValidIndex(Key.Value) || Package.Data.Assets[Key.Value].AssetName != Key.Key)
			{
				return ::testing::AssertionFailure() << *Key.Key.ToString() << " at " << Key.Value;
			}
		}
		return ::testing::AssertionSuccess();
	}
}

TEST_F(FAssetRemovalTest, RemoveAllAssetsAsksFirstAndEmptiesEveryListButLeavesTheThumbnails)
{
	UZ4Package* Package = Start({
		{TEXT("/Game/Pack/SM_Rock"), {TEXT("/Game/Shared/M_Stone")}, {}, {}, StaticMesh},
		{TEXT("/Game/Pack/SK_Hero"), {}, {}, {}, SkeletalMesh},
		{TEXT("/Game/Shared/M_Stone"), {}, {}, {}, Material},
	});

	// Nothing to remove: no question, no save, whatever dependency records are left.
	{
		FDialogScript Dialogs;
		Package->Dependencies.Add(FName(TEXT("/Game/Pack/M_Left")));
		Package->RemoveAllAssets();
		EXPECT_EQ(Dialogs.GetShownDialogs().Num(), 0);
		EXPECT_EQ(Package->Dependencies.Num(), 1);
		EXPECT_FALSE(FPaths::FileExists(PackageFile()));
		Package->Dependencies.Reset();
	}

	Package->FindAllAssets();
	ASSERT_EQ(Package->Data.Assets.Num(), 2);
	ASSERT_EQ(Package->Data.Skeletons.Num(), 1);
	ASSERT_EQ(Package->ExternalDependencies.Num(), 1);
	const FString Thumbnails = Project.GetContentDir() + TEXT("Pack/Thumbnails/");
	for (const TCHAR* File : {TEXT("T_SM_Rock.png"), TEXT("T_SM_Rock.uasset"), TEXT("T_SK_Hero.png"), TEXT("T_SK_Hero.uasset")})
	{
		ASSERT_TRUE(FPaths::FileExists(Thumbnails + File)) << File;
	}
	int32 Broadcasts = 0;
	bool bSavedBeforeBroadcast = true;
	Package->OnPackageChanged.AddLambda([&]()
		{
			++Broadcasts;
			bSavedBeforeBroadcast = FPaths::FileExists(PackageFile());
		});

	{
		FDialogScript Dialogs;
		Dialogs.Answer(EAppReturnType::Cancel);
		Package->RemoveAllAssets();
		ASSERT_EQ(Dialogs.GetShownDialogs().Num(), 1);
		EXPECT_EQ(Dialogs.GetShownDialogs()[0].Type, EAppMsgType::OkCancel);
		EXPECT_EQ(Dialogs.GetShownDialogs()[0].Message, TEXT("Really remove all assets from this package? There is no way to undo this."));
		EXPECT_EQ(Package->Data.Assets.Num(), 2);
		EXPECT_EQ(Package->Data.Skeletons.Num(), 1);
		EXPECT_EQ(Package->ExternalDependencies.Num(), 1);
		EXPECT_EQ(Broadcasts, 0);
	}

	IFileManager::Get().Delete(*PackageFile());
	const FString PackIdBefore = Package->Data.PackId;
	{
		FDialogScript Dialogs;
		Dialogs.Answer(EAppReturnType::Ok);
		Package->RemoveAllAssets();
	}
	EXPECT_EQ(Package->Data.Assets.Num(), 0);
	EXPECT_EQ(Package->Data.AssetsIndexMap.Num(), 0);
	EXPECT_EQ(Package->Data.Skeletons.Num(), 0);
	EXPECT_EQ(Package->Data.Animations.Num(), 0);
	EXPECT_EQ(Package->Dependencies.Num(), 0);
	EXPECT_EQ(Package->ExternalDependencies.Num(), 0);
	EXPECT_EQ(Package->Data.PackId, PackIdBefore);
	EXPECT_EQ(Broadcasts, 1);
	EXPECT_FALSE(bSavedBeforeBroadcast);
	EXPECT_TRUE(FPaths::FileExists(PackageFile()));
	for (const TCHAR* File : {TEXT("T_SM_Rock.png"), TEXT("T_SM_Rock.uasset"), TEXT("T_SK_Hero.png"), TEXT("T_SK_Hero.uasset")})
	{
		EXPECT_TRUE(FPaths::FileExists(Thumbnails + File)) << File;
	}
}

// Three meshes share a material; the level places the door blueprint, which is also a main asset.
TEST_F(FAssetRemovalTest, RemovingOneAssetKeepsIndicesExactAndWhatOtherMainAssetsStillUse)
{
	const TArray<FTestPackage> Content = {
		{TEXT("/Game/Pack/SM_A"), {TEXT("/Game/Pack/M_Shared"), TEXT("/Engine/EngineMaterials/DefaultMaterial")}, {}, {}, StaticMesh},
		{TEXT("/Game/Pack/SM_B"), {TEXT("/Game/Pack/M_Shared"), TEXT("/Game/Shared/T_OnlyB")}, {}, {}, StaticMesh},
		{TEXT("/Game/Pack/SM_C"), {TEXT("/Game/Pack/M_Shared")}, {}, {}, StaticMesh},
		{TEXT("/Game/Pack/M_Shared"), {}, {}, {}, Material},
		{TEXT("/Game/Shared/T_OnlyB"), {}, {}, {}, TEXT("/Script/Engine.Texture2D")},
		{TEXT("/Game/Pack/L_Tavern"), {TEXT("/Game/Pack/BP_Door")}, {}, {}, World},
		{TEXT("/Game/Pack/BP_Door"), {TEXT("/Game/Pack/M_Door")}, {}, {}, TEXT("/Script/Engine.Blueprint")},
		{TEXT("/Game/Pack/M_Door"), {}, {}, {}, Material},
	};
	const struct
	{
		const TCHAR* Case;
		TArray<FString> MainAssets;
		FString Removed;
		bool bThroughOwnEntry;
		TArray<FString> ExpectedMainAssets;
		TArray<FString> ExpectedDependencies;
		TArray<FString> ExpectedExternalDependencies;
	} Cases[] = {
		{TEXT("the first of three"), {TEXT("/Game/Pack/SM_A"), TEXT("/Game/Pack/SM_B"), TEXT("/Game/Pack/SM_C")}, TEXT("/Game/Pack/SM_A"), false,
			{TEXT("/Game/Pack/SM_B @ 0"), TEXT("/Game/Pack/SM_C @ 1")},
			{TEXT("/Game/Pack/M_Shared <- /Game/Pack/SM_B, /Game/Pack/SM_C"), TEXT("/Game/Shared/T_OnlyB <- /Game/Pack/SM_B")}, {TEXT("/Game/Shared/T_OnlyB = 0")}},
		{TEXT("the first of three, through its own entry"), {TEXT("/Game/Pack/SM_A"), TEXT("/Game/Pack/SM_B"), TEXT("/Game/Pack/SM_C")}, TEXT("/Game/Pack/SM_A"), true,
			{TEXT("/Game/Pack/SM_B @ 0"), TEXT("/Game/Pack/SM_C @ 1")},
			{TEXT("/Game/Pack/M_Shared <- /Game/Pack/SM_B, /Game/Pack/SM_C"), TEXT("/Game/Shared/T_OnlyB <- /Game/Pack/SM_B")}, {TEXT("/Game/Shared/T_OnlyB = 0")}},
		{TEXT("the last of three, with an outside texture only it used"), {TEXT("/Game/Pack/SM_A"), TEXT("/Game/Pack/SM_C"), TEXT("/Game/Pack/SM_B")}, TEXT("/Game/Pack/SM_B"), true,
			{TEXT("/Game/Pack/SM_A @ 0"), TEXT("/Game/Pack/SM_C @ 1")},
			{TEXT("/Game/Pack/M_Shared <- /Game/Pack/SM_A, /Game/Pack/SM_C")}, {}},
		{TEXT("a blueprint the level places stays as the level's dependency"), {TEXT("/Game/Pack/BP_Door"), TEXT("/Game/Pack/L_Tavern")}, TEXT("/Game/Pack/BP_Door"), false,
			{TEXT("/Game/Pack/L_Tavern @ 0")},
			{TEXT("/Game/Pack/BP_Door <- /Game/Pack/L_Tavern"), TEXT("/Game/Pack/M_Door <- /Game/Pack/L_Tavern")}, {}},
		{TEXT("an asset that is not a main asset is withdrawn and removes no entry"), {TEXT("/Game/Pack/SM_A"), TEXT("/Game/Pack/SM_B")}, TEXT("/Game/Pack/M_Shared"), false,
			{TEXT("/Game/Pack/SM_A @ 0"), TEXT("/Game/Pack/SM_B @ 1")},
			{TEXT("/Game/Pack/M_Shared <- /Game/Pack/SM_A, /Game/Pack/SM_B"), TEXT("/Game/Shared/T_OnlyB <- /Game/Pack/SM_B")}, {TEXT("/Game/Shared/T_OnlyB = 0")}},
	};
	for (const auto& Case : Cases)
	{
		FStandInEngine* PreviousEngine = Engine.Release();
		delete PreviousEngine;
		UZ4Package* Package = Start(Content);
		for (const FString& MainAsset : Case.MainAssets)
		{
			Add(Package, MainAsset);
		}
		IFileManager::Get().Delete(*PackageFile());

		if (Case.bThroughOwnEntry)
		{
			Package->RemoveAsset(&Package->Data.Assets[Package->Data.AssetsIndexMap.FindChecked(FName(*Case.Removed))]);
		}
		else
		{
			FZ4Asset Copy;
			Copy.AssetName = FName(*Case.Removed);
			Package->RemoveAsset(&Copy);
		}

		EXPECT_EQ(DescribeMainAssets(*Package), Case.ExpectedMainAssets) << Case.Case;
		EXPECT_TRUE(IndexMapIsExact(*Package)) << Case.Case;
		EXPECT_EQ(Sorted(DescribeDependencies(*Package)), Case.ExpectedDependencies) << Case.Case;
		EXPECT_EQ(Sorted(DescribeExternalDependencies(*Package)), Case.ExpectedExternalDependencies) << Case.Case;
		EXPECT_TRUE(FPaths::FileExists(PackageFile())) << Case.Case << ": saved";
	}
}

TEST_F(FAssetRemovalTest, WithdrawingFollowsDeletedPackagesButNotEngineContent)
{
	UZ4Package* Package = Start({
		{TEXT("/Game/Pack/SM_A"), {TEXT("/Game/Pack/M_Gone"), TEXT("/Engine/EngineMaterials/DefaultMaterial"), TEXT("/Game/Components/C_Light")}, {}, {}, StaticMesh},
		{TEXT("/Game/Pack/M_Gone"), {TEXT("/Game/Pack/T_BehindGone")}, {}, {}, Material},
		{TEXT("/Game/Pack/T_BehindGone"), {}, {}, {}, TEXT("/Script/Engine.Texture2D")},
		{TEXT("/Game/Components/C_Light"), {}, {}, {}, StaticMesh},
	});
	Add(Package, TEXT("/Game/Pack/SM_A"));
	ASSERT_EQ(Sorted(DescribeDependencies(*Package)), TArray<FString>({TEXT("/Game/Pack/M_Gone <- /Game/Pack/SM_A"), TEXT("/Game/Pack/T_BehindGone <- /Game/Pack/SM_A")}));
	// Deleted after it was recorded: the registry still lists it until it scans again.
	ASSERT_TRUE(IFileManager::Get().Delete(*(Project.GetContentDir() + TEXT("Pack/M_Gone.uasset"))));

	FPackageQueryLog Queries;
	FZ4Asset Removed;
	Removed.AssetName = FName(TEXT("/Game/Pack/SM_A"));
	Package->RemoveAsset(&Removed);

	EXPECT_EQ(Package->Dependencies.Num(), 0);
	EXPECT_EQ(Queries.Num(EPackageQuery::GetDependencies, FName(TEXT("/Game/Pack/M_Gone"))), 1);
	EXPECT_EQ(Queries.Num(EPackageQuery::GetDependencies, FName(TEXT("/Engine/EngineMaterials/DefaultMaterial"))), 0);
	EXPECT_EQ(Queries.Num(EPackageQuery::GetDependencies, FName(TEXT("/Game/Components/C_Light"))), 0);
}

TEST_F(FAssetRemovalTest, SkeletalMeshEntryOutlivesItsRemovalAndIsNotAddedTwice)
{
	UZ4Package* Package = Start({{TEXT("/Game/Pack/SK_Hero"), {}, {}, {}, SkeletalMesh}});
	Add(Package, TEXT("/Game/Pack/SK_Hero"));
	ASSERT_EQ(Package->Data.Skeletons.Num(), 1);

	Package->RemoveAsset(&Package->Data.Assets[0]);
	EXPECT_EQ(Package->Data.Assets.Num(), 0);
	EXPECT_EQ(Package->Data.Skeletons.Num(), 1);

	Add(Package, TEXT("/Game/Pack/SK_Hero"));
	EXPECT_EQ(DescribeMainAssets(*Package), TArray<FString>({TEXT("/Game/Pack/SK_Hero @ 0")}));
	EXPECT_EQ(Package->Data.Skeletons.Num(), 1);
}

// A package read from disk knows its dependencies but not which main assets reach them: removing one main asset
// must not take what the others still use.
TEST_F(FAssetRemovalTest, RemovingRightAfterLoadingKeepsWhatTheOtherMainAssetsUse)
{
	UZ4Package* Package = Start({
		{TEXT("/Game/Pack/SM_A"), {TEXT("/Game/Shared/M_Stone")}, {}, {}, StaticMesh},
		{TEXT("/Game/Pack/SM_B"), {TEXT("/Game/Shared/M_Stone")}, {}, {}, StaticMesh},
		{TEXT("/Game/Shared/M_Stone"), {TEXT("/Game/Shared/T_Stone")}, {}, {}, Material},
		{TEXT("/Game/Shared/T_Stone"), {}, {}, {}, TEXT("/Script/Engine.Texture2D")},
	});
	Add(Package, TEXT("/Game/Pack/SM_A"));
	Add(Package, TEXT("/Game/Pack/SM_B"));
	Package = nullptr;
	UnloadPackage(TEXT("/Game/Pack/PK_Test"));
	UZ4Package* Loaded = LoadObject<UZ4Package>(nullptr, TEXT("/Game/Pack/PK_Test.PK_Test"));
	ASSERT_NE(Loaded, nullptr);
	ASSERT_EQ(Loaded->Dependencies.Num(), 2);
	ASSERT_EQ(Loaded->Dependencies.FindChecked(FName(TEXT("/Game/Shared/M_Stone"))).References.Num(), 0);

	FZ4Asset Removed;
	Removed.AssetName = FName(TEXT("/Game/Pack/SM_A"));
	Loaded->RemoveAsset(&Removed);

	EXPECT_EQ(Sorted(DescribeDependencies(*Loaded)), TArray<FString>({TEXT("/Game/Shared/M_Stone <- /Game/Pack/SM_B"), TEXT("/Game/Shared/T_Stone <- /Game/Pack/SM_B")}));
	EXPECT_EQ(Sorted(DescribeExternalDependencies(*Loaded)), TArray<FString>({TEXT("/Game/Shared/M_Stone = 0"), TEXT("/Game/Shared/T_Stone = 1")}));
	EXPECT_EQ(DescribeMainAssets(*Loaded), TArray<FString>({TEXT("/Game/Pack/SM_B @ 0")}));
}

// A saved index that does not name its asset never takes another asset's entry with it.
TEST_F(FAssetRemovalTest, ASavedIndexThatDoesNotNameItsAssetRemovesTheEntryFoundByName)
{
	const struct
	{
		const TCHAR* Case;
		int32 SavedIndexOfB;
		const TCHAR* NameAtB;
		TArray<FString> Expected;
	} Cases[] = {
		{TEXT("outside the list"), 7, TEXT("/Game/Pack/SM_B"), {TEXT("/Game/Pack/SM_A @ 0"), TEXT("/Game/Pack/SM_C @ 1")}},
		{TEXT("another asset's, before"), 0, TEXT("/Game/Pack/SM_B"), {TEXT("/Game/Pack/SM_A @ 0"), TEXT("/Game/Pack/SM_C @ 1")}},
		{TEXT("another asset's, after"), 2, TEXT("/Game/Pack/SM_B"), {TEXT("/Game/Pack/SM_A @ 0"), TEXT("/Game/Pack/SM_C @ 1")}},
		{TEXT("no entry of that name"), 1, TEXT("/Game/Pack/SM_Other"), {TEXT("/Game/Pack/SM_A @ 0"), TEXT("/Game/Pack/SM_Other @ -1"), TEXT("/Game/Pack/SM_C @ 2")}},
	};
	for (const auto& Case : Cases)
	{
		SCOPED_TRACE(Case.Case);
		Engine.Reset();
		UZ4Package* Package = Start({{TEXT("/Game/Pack/SM_A"), {}, {}, {}, StaticMesh}, {TEXT("/Game/Pack/SM_B"), {}, {}, {}, StaticMesh}, {TEXT("/Game/Pack/SM_C"), {}, {}, {}, StaticMesh}});
		for (const TCHAR* Name : {TEXT("/Game/Pack/SM_A"), TEXT("/Game/Pack/SM_B"), TEXT("/Game/Pack/SM_C")})
		{
			Add(Package, Name);
		}
		Package->Data.AssetsIndexMap.FindChecked(FName(TEXT("/Game/Pack/SM_B"))) = Case.SavedIndexOfB;
		Package->Data.Assets[1].AssetName = FName(Case.NameAtB);

		FLogCapture Log;
		FZ4Asset Removed;
		Removed.AssetName = FName(TEXT("/Game/Pack/SM_B"));
		Package->RemoveAsset(&Removed);

		EXPECT_EQ(DescribeMainAssets(*Package), Case.Expected);
		EXPECT_FALSE(Package->Data.AssetsIndexMap.Contains(FName(TEXT("/Game/Pack/SM_B"))));
		const TArray<FCapturedLogLine> Warnings = Log.Lines().FilterByPredicate([](const FCapturedLogLine& Line) { return Line.Verbosity == ELogVerbosity::Warning; });
		ASSERT_EQ(Warnings.Num(), 1);
		EXPECT_EQ(Warnings[0].Category, FName(TEXT("Z4LogSDK")));
		EXPECT_TRUE(Warnings[0].Message.Contains(TEXT("/Game/Pack/PK_Test")));
		EXPECT_TRUE(Warnings[0].Message.Contains(TEXT("/Game/Pack/SM_B")));
	}
}

TEST_F(FAssetRemovalTest, RemovingNoAssetChangesNothingAndWarns)
{
	UZ4Package* Package = Start({{TEXT("/Game/Pack/SM_A"), {}, {}, {}, StaticMesh}});
	Add(Package, TEXT("/Game/Pack/SM_A"));
	ASSERT_TRUE(IFileManager::Get().Delete(*PackageFile()));

	FLogCapture Log;
	Package->RemoveAsset(nullptr);

	EXPECT_EQ(DescribeMainAssets(*Package), TArray<FString>({TEXT("/Game/Pack/SM_A @ 0")}));
	EXPECT_FALSE(IFileManager::Get().FileExists(*PackageFile())) << "nothing to save";
	EXPECT_EQ(Log.Count(FName(TEXT("Z4LogSDK")), ELogVerbosity::Warning), 1);
	EXPECT_TRUE(Log.Contains(FName(TEXT("Z4LogSDK")), ELogVerbosity::Warning, TEXT("/Game/Pack/PK_Test")));
}

// Any mix of additions and removals keeps every key naming exactly one entry at its index.
TEST_F(FAssetRemovalTest, IndexMapStaysExactThroughRandomAddsAndRemovals)
{
	TArray<FTestPackage> Content;
	TArray<FString> Names;
	for (int32 Index = 0; Index < 8; ++Index)
	{
		Names.Add(FString::Printf(TEXT("/Game/Pack/SM_%d"), Index));
		Content.Add({Names.Last(), {TEXT("/Game/Pack/M_Shared"), FString::Printf(TEXT("/Game/Pack/SM_%d"), (Index + 3) % 8)}, {}, {}, StaticMesh});
	}
	Content.Add({TEXT("/Game/Pack/M_Shared"), {}, {}, {}, Material});
	UZ4Package* Package = Start(Content);

	std::mt19937 Random(20261210);
	auto RandRange = [&Random](int32 Min, int32 Max) { return std::uniform_int_distribution<int32>(Min, Max)(Random); };
	for (int32 Step = 0; Step < 300; ++Step)
	{
		const FString& Name = Names[RandRange(0, Names.Num() - 1)];
		if (RandRange(0, 1) == 0)
		{
			Add(Package, Name);
		}
		else if (RandRange(0, 1) == 0 && Package->Data.Assets.Num() > 0)
		{
			Package->RemoveAsset(&Package->Data.Assets[RandRange(0, Package->Data.Assets.Num() - 1)]);
		}
		else
		{
			FZ4Asset Removed;
			Removed.AssetName = FName(*Name);
			Package->RemoveAsset(&Removed);
		}
		ASSERT_TRUE(IndexMapIsExact(*Package)) << "after step " << Step;
	}
}
