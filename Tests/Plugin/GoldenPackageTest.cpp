#include "GoldenPackage.h"
#include "Engine/StaticMesh.h"
#include "HAL/PlatformMisc.h"
#include "Misc/FileHelper.h"
#include "StandIn/TestProject.h"
#include "UObject/Package.h"
#include "Z4Package.h"
#include "Z4SDKStatics.h"
#include <gtest/gtest.h>

using namespace UE::StandIn;

TEST(GoldenPackage, EditorBuildWritesTheCheckedInPackage)
{
	FTestProject Project;
	FStandInEngine Engine(Project);
	UZ4Package* Package = NewObject<UZ4Package>(CreatePackage(QUILLON_GOLDEN_PACKAGE_NAME), TEXT("GoldenPackage"), RF_Public | RF_Standalone);
	Package->Data.PackId = TEXT("C0FFEE");
	Package->Data.Name = FName(TEXT("Golden Pack"));
	FZ4Asset& Asset = Package->Data.Assets.AddDefaulted_GetRef();
	Asset.AssetName = FName(TEXT("/Game/GoldenPack/SM_Rock"));
	Asset.ObjectPath = TEXT("/Game/GoldenPack/SM_Rock.SM_Rock");
	Asset.Class = UStaticMesh::StaticClass();
	Asset.Name = FName(TEXT("Rock"));
	Package->Data.AssetsIndexMap.Add(Asset.AssetName, 0);
	Package->Data.Skeletons.Add(FName(TEXT("/Game/GoldenPack/SK_Hero"))).Path = TEXT("/Game/GoldenPack/SK_Hero.SK_Hero");
	Package->Dependencies.Add(FName(TEXT("/Game/GoldenPack/M_Rock")));
	Package->ExternalDependencies.Add(FName(TEXT("/Game/Shared/T_Moss")), 1);
	ASSERT_TRUE(UZ4SDKStatics::SaveAsset(Package).IsSuccessful());

	FString Written;
	ASSERT_TRUE(FFileHelper::LoadFileToString(Written, *(Project.GetContentDir() + TEXT("GoldenPack/GoldenPackage.uasset"))));
	const FString GoldenPath = FString(TEXT(QUILLON_SOURCE_DIR)) + TEXT("/") + QUILLON_GOLDEN_PACKAGE_FILE;
	if (FPlatformMisc::GetEnvironmentVariable(TEXT("QUILLON_UPDATE_GOLDEN")) == TEXT("1"))
	{
		ASSERT_TRUE(FFileHelper::SaveStringToFile(Written, *GoldenPath, FFileHelper::EEncodingOptions::ForceUTF8WithoutBOM));
	}
	FString Golden;
	ASSERT_TRUE(FFileHelper::LoadFileToString(Golden, *GoldenPath));
	EXPECT_EQ(Written, Golden) << "the saved form changed; if on purpose, rerun with QUILLON_UPDATE_GOLDEN=1";
}
