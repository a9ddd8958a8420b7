// "Cook Assets": the export set as the cooker is handed it, and the cook it starts running to its end as the editor
// ticks, kept alive through garbage collections and let go afterwards.
#include "../Core/CoreTestPrinters.h"
#include "../Cooker/CookerTestUtils.h"
#include "CookOnTheSide/CookOnTheFlyServer.h"
#include "CoreGlobals.h"
#include "Engine/StaticMesh.h"
#include "Engine/Texture2D.h"
#include "Materials/Material.h"
#include "Misc/Paths.h"
#include "StandIn/EditorTick.h"
#include "StandIn/LogCapture.h"
#include "StandIn/StartedCookLog.h"
#include "StandIn/TargetPlatforms.h"
#include "StandIn/TestProject.h"
#include "UObject/Package.h"
#include "Z4Package.h"
#include "Z4SDKStatics.h"

#include <gtest/gtest.h>

using namespace UE::StandIn;
using namespace UE::Cook::Test;

namespace
{
	const FName Z4LogSDKName(TEXT("Z4LogSDK"));
	const FName LogCookName(TEXT("LogCook"));

	class FCookAssetsTest : public ::testing::Test
	{
	protected:
		FTargetPlatformModuleScope TargetPlatformModule;
		FTestProject Project;
		FStandInEngine Engine{Project};
		// The plug-in cooks from the editor's process.
		TGuardValue<bool> InEditor{GIsEditor, true};
		FLogCapture Log;
		FStartedCookLog StartedCooks;

		template <class T>
		T* SaveNewAsset(const TCHAR* PackageName)
		{
			T* Asset = NewObject<T>(CreatePackage(PackageName), FName(*FPaths::GetBaseFilename(PackageName)), RF_Public | RF_Standalone);
			UZ4SDKStatics::SaveAsset(Asset);
			return Asset;
		}

		UZ4Package* MakePackage()
		{
			return NewObject<UZ4Package>(CreatePackage(TEXT("/Game/MyPack/MyPackage")), TEXT("MyPackage"), RF_Public | RF_Standalone);
		}

		static UTexture2D* MakeTexture(const TCHAR* PackageName)
		{
			return NewObject<UTexture2D>(CreatePackage(PackageName), FName(*FPaths::GetBaseFilename(PackageName)), RF_Public | RF_Standalone);
		}

		std::map<std::string, std::string> Cooked() const
		{
			return ReadFilesBelow(CookedWindowsDir(Project));
		}
	};
}

TEST_F(FCookAssetsTest, TheCookerIsHandedTheExportSetInOrderWithRepeatsKept)
{
	UZ4Package* Package = MakePackage();
	UTexture2D* SharedThumbnail = MakeTexture(TEXT("/Game/MyPack/Thumbnails/T_Shared"));
	UTexture2D* PluginThumbnail = LoadObject<UTexture2D>(nullptr, TEXT("/QuillonSDKBase/Textures/T_Default_Mesh.T_Default_Mesh"));
	ASSERT_NE(PluginThumbnail, nullptr);

	// Main assets and dependencies in their maps' order, which is not the order of their names.
	Package->Data.AssetsIndexMap.Add(FName(TEXT("/Game/MyPack/SM_Zebra")), 0);
	Package->Data.AssetsIndexMap.Add(FName(TEXT("/Game/MyPack/L_Arena")), 1);
	Package->Data.AssetsIndexMap.Add(FName(TEXT("/Game/MyPack/BP_Door")), 2);
	Package->Data.AssetsIndexMap.Add(FName(TEXT("/Game/MyPack/SM_Chair")), 3);
	Package->Dependencies.Add(FName(TEXT("/Game/MyPack/M_Wood")));
	Package->Dependencies.Add(FName(TEXT("/Game/Shared/T_Grain")));
	// One custom thumbnail twice, the plug-in's default thumbnail, and a main asset with none.
	Package->Data.Assets.SetNum(4);
	Package->Data.Assets[0].Thumbnail = SharedThumbnail;
	Package->Data.Assets[1].Thumbnail = PluginThumbnail;
	Package->Data.Assets[3].Thumbnail = SharedThumbnail;
	Package->Data.Thumbnail = MakeTexture(TEXT("/Game/MyPack/Thumbnails/T_MyPackage"));

	Package->CookAssets();

	const TArray<FStartedCook> Cooks = StartedCooks.GetStartedCooks();
	ASSERT_EQ(Cooks.Num(), 1);
	const TArray<FString> Expected = {TEXT("/Game/MyPack/SM_Zebra"), TEXT("/Game/MyPack/L_Arena"), TEXT("/Game/MyPack/BP_Door"),
		TEXT("/Game/MyPack/SM_Chair"), TEXT("/Game/MyPack/M_Wood"), TEXT("/Game/Shared/T_Grain"), TEXT("/Game/MyPack/MyPackage"),
		TEXT("/Game/MyPack/Thumbnails/T_Shared"), TEXT("/Game/MyPack/Thumbnails/T_Shared"), TEXT("/Game/MyPack/Thumbnails/T_MyPackage")};
	EXPECT_EQ(Cooks[0].Options.CookPackages, Expected);

	// For Windows, by the book in the editor, ticked by the editor, to the default folder; the rest of the options left as they are.
	EXPECT_TRUE(Cooks[0].bSessionStarted);
	EXPECT_EQ(Cooks[0].TargetPlatformNames, TArray<FString>({TEXT("Windows")}));
	EXPECT_EQ(Cooks[0].CookMode, ECookMode::CookByTheBookFromTheEditor);
	EXPECT_EQ(Cooks[0].InitializationFlags, ECookInitializationFlags::AutoTick);
	EXPECT_TRUE(Cooks[0].OutputDirectoryOverride.IsEmpty());
	EXPECT_TRUE(Cooks[0].Options.bGenerateDependenciesForMaps);
	EXPECT_TRUE(Cooks[0].Options.CookMaps.IsEmpty());
	EXPECT_TRUE(Cooks[0].Options.CookDirectories.IsEmpty());
	EXPECT_EQ(Cooks[0].Options.CookOptions, ECookByTheBookOptions::None);
	EXPECT_FALSE(Cooks[0].Options.bGenerateStreamingInstallManifests);
	EXPECT_FALSE(Cooks[0].Options.bErrorOnEngineContentUse);
	EXPECT_TRUE(Cooks[0].Options.DLCName.IsEmpty());
}

TEST_F(FCookAssetsTest, APackageWithNothingButItselfCooksItselfAndItsOwnThumbnail)
{
	const struct
	{
		const TCHAR* Case;
		const TCHAR* Thumbnail;
		TArray<FString> Expected;
	} Cases[] = {
		{TEXT("no thumbnail"), nullptr, {TEXT("/Game/MyPack/MyPackage")}},
		{TEXT("custom thumbnail"), TEXT("/Game/MyPack/Thumbnails/T_MyPackage"), {TEXT("/Game/MyPack/MyPackage"), TEXT("/Game/MyPack/Thumbnails/T_MyPackage")}},
		{TEXT("plug-in thumbnail"), TEXT("/QuillonSDKBase/Textures/T_Default_Package"), {TEXT("/Game/MyPack/MyPackage")}},
		{TEXT("reserved folder"), TEXT("/Game/Default/T_Package"), {TEXT("/Game/MyPack/MyPackage")}},
	};
	UZ4Package* Package = MakePackage();
	for (const auto& Case : Cases)
	{
		FStartedCookLog CaseCooks;
		Package->Data.Thumbnail = Case.Thumbnail ? MakeTexture(Case.Thumbnail) : nullptr;
		Package->CookAssets();
		const TArray<FStartedCook> Cooks = CaseCooks.GetStartedCooks();
		ASSERT_EQ(Cooks.Num(), 1) << ToUtf8(Case.Case);
		EXPECT_EQ(Cooks[0].Options.CookPackages, Case.Expected) << ToUtf8(Case.Case);
	}
}

TEST_F(FCookAssetsTest, TwoCooksBothRunToTheirEndThroughAGarbageCollectionAndWriteTheSameFiles)
{
	UStaticMesh* Mesh = SaveNewAsset<UStaticMesh>(TEXT("/Game/MyPack/SM_Rock"));
	UMaterial* Material = SaveNewAsset<UMaterial>(TEXT("/Game/MyPack/M_Rock"));
	FStaticMaterial Slot;
	Slot.MaterialInterface = Material;
	Mesh->SetStaticMaterials({Slot});
	UZ4SDKStatics::SaveAsset(Mesh);
	UZ4Package* Package = MakePackage();
	Package->Data.AssetsIndexMap.Add(FName(TEXT("/Game/MyPack/SM_Rock")), 0);
	UZ4SDKStatics::SaveAsset(Package);

	Package->CookAssets();
	Package->CookAssets();
	const TArray<FStartedCook> Cooks = StartedCooks.GetStartedCooks();
	ASSERT_EQ(Cooks.Num(), 2);
	EXPECT_NE(Cooks[0].Cooker.Get(), Cooks[1].Cooker.Get());

	// A frame may cook a small export set whole: the collection comes before the first.
	CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
	ASSERT_TRUE(Cooks[0].Cooker.IsValid() && Cooks[1].Cooker.IsValid());
	EXPECT_TRUE(Cooks[0].Cooker->IsCookByTheBookRunning() && Cooks[1].Cooker->IsCookByTheBookRunning());
	TickUntilIdle();
	EXPECT_EQ(Log.Count(LogCookName, ELogVerbosity::Error), 0);

	const std::string Content = "TestProject/Content/MyPack/";
	const std::map<std::string, std::string> Files = Cooked();
	for (const char* File : {"SM_Rock.uasset", "SM_Rock.uexp", "M_Rock.uasset", "M_Rock.uexp", "MyPackage.uasset", "MyPackage.uexp"})
	{
		EXPECT_EQ(Files.count(Content + File), 1u) << File;
	}

	// Once their cooks have ended the cookers are let go.
	CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
	EXPECT_FALSE(Cooks[0].Cooker.IsValid());
	EXPECT_FALSE(Cooks[1].Cooker.IsValid());

	// A cook on its own writes what the two wrote.
	std::filesystem::remove_all(ToUtf8(CookedWindowsDir(Project)));
	Package->CookAssets();
	TickUntilIdle();
	EXPECT_TRUE(Cooked() == Files);
}

TEST_F(FCookAssetsTest, ADamagedPackageIsReportedAndLeftOutWhileTheRestIsCooked)
{
	SaveNewAsset<UStaticMesh>(TEXT("/Game/MyPack/SM_Rock"));
	Project.WriteFile(TEXT("Content/MyPack/M_Damaged.uasset"), TEXT("{\"Format\": \"UnrealStandInPackage\", \"Vers"));
	UZ4Package* Package = MakePackage();
	Package->Data.AssetsIndexMap.Add(FName(TEXT("/Game/MyPack/SM_Rock")), 0);
	Package->Dependencies.Add(FName(TEXT("/Game/MyPack/M_Damaged")));
	UZ4SDKStatics::SaveAsset(Package);

	Package->CookAssets();
	TickUntilIdle();

	const std::map<std::string, std::string> Files = Cooked();
	EXPECT_EQ(Files.count("TestProject/Content/MyPack/SM_Rock.uasset"), 1u);
	EXPECT_EQ(Files.count("TestProject/Content/MyPack/MyPackage.uasset"), 1u);
	for (const auto& [Path, Bytes] : Files)
	{
		EXPECT_EQ(Path.find("M_Damaged"), std::string::npos) << Path;
	}
	EXPECT_TRUE(Log.Contains(LogCookName, ELogVerbosity::Error, TEXT("/Game/MyPack/M_Damaged")));
}

TEST_F(FCookAssetsTest, WithoutTheWindowsPlatformNothingIsStartedAndOneErrorSaysWhy)
{
	UZ4Package* Package = MakePackage();
	FScopedMissingTargetPlatform NoWindows(TEXT("Windows"));

	Package->CookAssets();

	EXPECT_TRUE(StartedCooks.GetStartedCooks().IsEmpty());
	EXPECT_EQ(Log.Count(Z4LogSDKName, ELogVerbosity::Error), 1);
	EXPECT_TRUE(Log.Contains(Z4LogSDKName, ELogVerbosity::Error, TEXT("\"Windows\"")));
}
