#include "../Plugin/GoldenPackage.h"
#include "Engine/StaticMesh.h"
#include "Misc/FileHelper.h"
#include "StandIn/TestProject.h"
#include "Z4Package.h"
#include <gtest/gtest.h>

using namespace UE::StandIn;

#if WITH_EDITOR || WITH_EDITORONLY_DATA
#error "the game tests build against the game build of the runtime module"
#endif

TEST(GameBuild, LoadsAPackageTheEditorBuildSaved)
{
	FTestProject Project;
	FString Golden;
	ASSERT_TRUE(FFileHelper::LoadFileToString(Golden, *(FString(TEXT(QUILLON_SOURCE_DIR)) + TEXT("/") + QUILLON_GOLDEN_PACKAGE_FILE)));
	Project.WriteFile(TEXT("Content/GoldenPack/GoldenPackage.uasset"), Golden);
	FStandInEngine Engine(Project);

	const UZ4Package* Package = LoadObject<UZ4Package>(nullptr, TEXT("/Game/GoldenPack/GoldenPackage.GoldenPackage"));
	ASSERT_NE(Package, nullptr);
	EXPECT_EQ(Package->Data.PackId, TEXT("C0FFEE"));
	EXPECT_EQ(Package->Data.Name, FName(TEXT("Golden Pack")));
	ASSERT_EQ(Package->Data.Assets.Num(), 1);
	EXPECT_EQ(Package->Data.Assets[0].Class, UStaticMesh::StaticClass());
	EXPECT_EQ(Package->Data.AssetsIndexMap.FindRef(FName(TEXT("/Game/GoldenPack/SM_Rock"))), 0);
	EXPECT_EQ(Package->Data.Skeletons.Num(), 1);
	EXPECT_EQ(Package->PackageFolder, TEXT("/Game/GoldenPack"));
}
