#include "../Core/CoreTestPrinters.h"
#include "../Plugin/PackageTestUtils.h"
#include "Animation/AnimBlueprint.h"
#include "Engine/Blueprint.h"
#include "Engine/StaticMesh.h"
#include "Engine/Texture2D.h"
#include "GameFramework/Actor.h"
#include "Misc/ObjectThumbnail.h"
#include "Misc/PackageName.h"
#include "ObjectTools.h"
#include "StandIn/LogCapture.h"
#include "StandIn/TestProject.h"
#include "UObject/Package.h"
#include "UObject/SavePackage.h"
#include <gtest/gtest.h>

using namespace UE::StandIn;
using namespace UE::Quillon::Test;

namespace
{
	class FThumbnailToolsTest : public ::testing::Test
	{
	protected:
		FTestProject Project;
		FStandInEngine Engine{Project, false};

		template<class T>
		T* MakeAsset(const TCHAR* PackageName)
		{
			return NewObject<T>(CreatePackage(PackageName), FName(*FPackageName::GetShortName(FString(PackageName))), RF_Public | RF_Standalone);
		}

		static void Save(UObject* Asset)
		{
			FSavePackageArgs Args;
			ASSERT_TRUE(UPackage::Save(Asset->GetPackage(), Asset, *FPackageName::LongPackageNameToFilename(Asset->GetPackage()->GetName(), FPackageName::GetAssetPackageExtension()), Args).IsSuccessful());
		}

		static TArray<uint8> Render(UObject* Object)
		{
			const FObjectThumbnail* Thumbnail = ThumbnailTools::GenerateThumbnailForObjectToSaveToDisk(Object);
			return Thumbnail ? Thumbnail->GetUncompressedImageData() : TArray<uint8>();
		}
	};
}

TEST_F(FThumbnailToolsTest, RendersAPicturePerClassAndNameAndKeepsItWithThePackage)
{
	UStaticMesh* Rock = MakeAsset<UStaticMesh>(TEXT("/Game/Pack/SM_Rock"));
	const FObjectThumbnail* Thumbnail = ThumbnailTools::GenerateThumbnailForObjectToSaveToDisk(Rock);
	ASSERT_NE(Thumbnail, nullptr);
	EXPECT_EQ(Thumbnail, Rock->GetPackage()->GetThumbnailMap().Find(FName(*Rock->GetFullName())));
	ASSERT_GT(Thumbnail->GetImageWidth(), 0);
	const TArray<uint8>& Pixels = Thumbnail->GetUncompressedImageData();
	ASSERT_EQ(Pixels.Num(), Thumbnail->GetImageWidth() * Thumbnail->GetImageHeight() * 4);
	for (int32 Alpha = 3; Alpha < Pixels.Num(); Alpha += 4)
	{
		ASSERT_EQ(Pixels[Alpha], 255) << Alpha;
	}

	const TArray<uint8> RockPixels = Pixels;
	EXPECT_EQ(Render(Rock), RockPixels);
	EXPECT_NE(Render(MakeAsset<UStaticMesh>(TEXT("/Game/Pack/SM_Tree"))), RockPixels);
	EXPECT_NE(Render(MakeAsset<UTexture2D>(TEXT("/Game/Other/SM_Rock"))), RockPixels);

	UBlueprint* ActorBlueprint = MakeAsset<UBlueprint>(TEXT("/Game/Pack/BP_Door"));
	ActorBlueprint->GeneratedClass = AActor::StaticClass();
	UBlueprint* ObjectBlueprint = MakeAsset<UBlueprint>(TEXT("/Game/Pack/BP_Settings"));
	ObjectBlueprint->GeneratedClass = UStaticMesh::StaticClass();
	const struct
	{
		const TCHAR* Case;
		UObject* Object;
		bool bRendered;
	} Cases[] = {
		{TEXT("no object"), nullptr, false},
		{TEXT("blueprint of an actor"), ActorBlueprint, true},
		{TEXT("blueprint of a class that is not an actor"), ObjectBlueprint, false},
		{TEXT("blueprint with no class yet"), MakeAsset<UBlueprint>(TEXT("/Game/Pack/BP_New")), false},
		{TEXT("animation blueprint"), MakeAsset<UAnimBlueprint>(TEXT("/Game/Pack/ABP_Hero")), true},
	};
	for (const auto& Case : Cases)
	{
		EXPECT_EQ(ThumbnailTools::GenerateThumbnailForObjectToSaveToDisk(Case.Object) != nullptr, Case.bRendered) << *FString(Case.Case);
	}
}

TEST_F(FThumbnailToolsTest, CustomThumbnailComesFromTheLoadedPackageOrItsFileAndSurvivesAResave)
{
	UStaticMesh* Rock = MakeAsset<UStaticMesh>(TEXT("/Game/Pack/SM_Rock"));
	const FString FullName = Rock->GetFullName();
	FObjectThumbnail Custom;
	Custom.SetImageSize(2, 1);
	Custom.AccessImageData() = {1, 2, 3, 255, 4, 5, 6, 255};
	Rock->GetPackage()->AccessThumbnailMap().Add(FName(*FullName), Custom);
	UStaticMesh* Plain = MakeAsset<UStaticMesh>(TEXT("/Game/Pack/SM_Plain"));
	Save(Plain);

	auto ExpectCustom = [&](const TCHAR* When)
	{
		FObjectThumbnail Found;
		EXPECT_TRUE(ThumbnailTools::AssetHasCustomThumbnail(FullName, Found)) << When;
		EXPECT_EQ(Found.GetImageWidth(), 2) << When;
		EXPECT_EQ(Found.GetUncompressedImageData(), Custom.AccessImageData()) << When;
	};
	ExpectCustom(TEXT("in memory"));
	Save(Rock);
	UnloadPackage(TEXT("/Game/Pack/SM_Rock"));
	ASSERT_EQ(FindPackage(nullptr, TEXT("/Game/Pack/SM_Rock")), nullptr);
	ExpectCustom(TEXT("in the file"));

	// Loading and saving again must not drop what the file held.
	UStaticMesh* Loaded = LoadObject<UStaticMesh>(nullptr, TEXT("/Game/Pack/SM_Rock.SM_Rock"));
	ASSERT_NE(Loaded, nullptr);
	ExpectCustom(TEXT("loaded"));
	Save(Loaded);
	UnloadPackage(TEXT("/Game/Pack/SM_Rock"));
	ExpectCustom(TEXT("saved again after loading"));

	for (const FString& Without : {Plain->GetFullName(), FString(TEXT("StaticMesh /Game/Pack/SM_Missing.SM_Missing")), FString(TEXT("nonsense"))})
	{
		FObjectThumbnail Untouched;
		Untouched.SetImageSize(7, 7);
		EXPECT_FALSE(ThumbnailTools::AssetHasCustomThumbnail(Without, Untouched)) << *Without;
		EXPECT_EQ(Untouched.GetImageWidth(), 7) << *Without;
	}
}

TEST_F(FThumbnailToolsTest, PackageWithADamagedThumbnailIsRefusedWhole)
{
	Project.WriteFile(TEXT("Content/Pack/SM_Bad.uasset"), TEXT(R"({"Format": "UnrealStandInPackage", "Version": 1, "Objects": [
		{"Name": "SM_Bad", "Class": "/Script/Engine.StaticMesh", "Outer": -1, "Flags": 3, "Properties": {}}],
		"Thumbnails": [{"ObjectFullName": "StaticMesh /Game/Pack/SM_Bad.SM_Bad", "ImageWidth": 2, "ImageHeight": 1, "CompressedImageData": "not base64!"}]})"));
	FLogCapture Log;
	EXPECT_EQ(LoadObject<UStaticMesh>(nullptr, TEXT("/Game/Pack/SM_Bad.SM_Bad"), nullptr, LOAD_NoWarn), nullptr);
	EXPECT_EQ(Log.Count(FName(TEXT("LogLinker")), ELogVerbosity::Error), 1);
	EXPECT_TRUE(Log.Contains(FName(TEXT("LogLinker")), ELogVerbosity::Error, TEXT("SM_Bad.uasset")));
	EXPECT_EQ(FindObject<UStaticMesh>(nullptr, TEXT("/Game/Pack/SM_Bad.SM_Bad")), nullptr);
}
