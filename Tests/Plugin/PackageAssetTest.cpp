#include "PackageTestUtils.h"
#include "Animation/AnimBlueprint.h"
#include "Animation/AnimInstance.h"
#include "Engine/SkeletalMesh.h"
#include "Engine/StaticMesh.h"
#include "Engine/Texture2D.h"
#include "Engine/World.h"
#include "HAL/FileManager.h"
#include "Misc/FileHelper.h"
#include "StandIn/TestProject.h"
#include "UObject/Package.h"
#include "Z4Package.h"
#include "Z4SDKStatics.h"
#include <gtest/gtest.h>

using namespace UE::StandIn;
using namespace UE::Quillon::Test;

namespace
{
	class FPackageAssetTest : public ::testing::Test
	{
	protected:
		FTestProject Project;
		FStandInEngine Engine{Project};

		template<class T>
		T* MakeAsset(const TCHAR* PackageName, const TCHAR* Name)
		{
			UPackage* Package = CreatePackage(PackageName);
			return NewObject<T>(Package, FName(Name), RF_Public | RF_Standalone);
		}
	};
}

TEST_F(FPackageAssetTest, SavedPackageKeepsItsDataButNotRuntimeMembers)
{
	UTexture2D* Texture = MakeAsset<UTexture2D>(TEXT("/Game/MyPack/Thumbnails/T_Rock"), TEXT("T_Rock"));
	UZ4SDKStatics::SaveAsset(Texture);
	USkeletalMesh* Mesh = MakeAsset<USkeletalMesh>(TEXT("/Game/MyPack/SK_Hero"), TEXT("SK_Hero"));
	UZ4SDKStatics::SaveAsset(Mesh);

	UZ4Package* Package = MakeAsset<UZ4Package>(TEXT("/Game/MyPack/MyPackage"), TEXT("MyPackage"));
	EXPECT_EQ(Package->PackageFolder, TEXT("/Game/MyPack"));
	Package->Data.Name = FName(TEXT("My Pack"));
	Package->Data.Version = 2.5f;
	Package->Data.Thumbnail = Texture;
	Package->Data.bIsPakedInSDK = false;
	FZ4Asset& Rock = Package->Data.Assets.AddDefaulted_GetRef();
	Rock.AssetName = FName(TEXT("/Game/MyPack/SM_Rock"));
	Rock.ObjectPath = TEXT("/Game/MyPack/SM_Rock.SM_Rock");
	Rock.Class = UStaticMesh::StaticClass();
	Rock.Name = FName(TEXT("Rock"));
	Rock.Thumbnail = Texture;
	Rock.bExclude = true;
	Rock.Tags = {FName(TEXT("Stone"))};
	Package->Data.AssetsIndexMap.Add(Rock.AssetName, 0);
	FZ4SkeletalMesh& Skeleton = Package->Data.Skeletons.Add(FName(TEXT("/Game/MyPack/SK_Hero")));
	Skeleton.Type = EZ4SkeletalMeshType::ThirdPerson;
	Skeleton.Mesh = Mesh;
	Skeleton.Path = Mesh->GetPathName();
	EXPECT_EQ(Skeleton.Get(), Mesh);
	FZ4AnimationInstance& Animation = Package->Data.Animations.Add(FName(TEXT("/Game/MyPack/ABP_Hero")));
	Animation.GeneratedClassPath = TEXT("/Game/MyPack/ABP_Hero.ABP_Hero_C");
	Package->Dependencies.Add(FName(TEXT("/Game/MyPack/M_Stone"))).References.Add(Rock.AssetName);
	Package->ExternalDependencies.Add(FName(TEXT("/Game/Shared/T_Wood")), 2);
	const FString PackId = Package->Data.PackId;
	const FZ4Asset Expected = Rock;

	ASSERT_TRUE(UZ4SDKStatics::SaveAsset(Package).IsSuccessful());
	FString Saved;
	ASSERT_TRUE(FFileHelper::LoadFileToString(Saved, *(Project.GetContentDir() + TEXT("MyPack/MyPackage.uasset"))));
	for (const TCHAR* RuntimeOnly : {TEXT("\"CachedMesh\""), TEXT("\"CachedClass\""), TEXT("\"PackageFolder\""), TEXT("\"References\"")})
	{
		EXPECT_FALSE(Saved.Contains(RuntimeOnly)) << *FString(RuntimeOnly);
	}

	UnloadPackage(TEXT("/Game/MyPack/MyPackage"));
	EXPECT_EQ(FindPackage(nullptr, TEXT("/Game/MyPack/MyPackage")), nullptr);
	UZ4Package* Loaded = LoadObject<UZ4Package>(nullptr, TEXT("/Game/MyPack/MyPackage.MyPackage"));
	ASSERT_NE(Loaded, nullptr);
	ASSERT_NE(Loaded, Package);
	EXPECT_EQ(Loaded->Data.PackId, PackId);
	EXPECT_EQ(Loaded->Data.Name, FName(TEXT("My Pack")));
	EXPECT_FLOAT_EQ(Loaded->Data.Version, 2.5f);
	EXPECT_EQ(Loaded->Data.Thumbnail, Texture);
	EXPECT_FALSE(Loaded->Data.bIsPakedInSDK);
	ASSERT_EQ(Loaded->Data.Assets.Num(), 1);
	const FZ4Asset& LoadedRock = Loaded->Data.Assets[0];
	EXPECT_EQ(LoadedRock.AssetName, Expected.AssetName);
	EXPECT_EQ(LoadedRock.ObjectPath, Expected.ObjectPath);
	EXPECT_EQ(LoadedRock.Class, UStaticMesh::StaticClass());
	EXPECT_EQ(LoadedRock.Name, FName(TEXT("Rock")));
	EXPECT_TRUE(LoadedRock.bExclude);
	EXPECT_EQ(LoadedRock.Tags, TArray<FName>({FName(TEXT("Stone"))}));
	EXPECT_EQ(Loaded->Data.AssetsIndexMap.FindRef(Expected.AssetName), 0);
	const FZ4SkeletalMesh* LoadedSkeleton = Loaded->Data.Skeletons.Find(FName(TEXT("/Game/MyPack/SK_Hero")));
	ASSERT_NE(LoadedSkeleton, nullptr);
	EXPECT_EQ(LoadedSkeleton->Type, EZ4SkeletalMeshType::ThirdPerson);
	EXPECT_EQ(LoadedSkeleton->Path, Mesh->GetPathName());
	EXPECT_EQ(LoadedSkeleton->Mesh.ToSoftObjectPath(), FSoftObjectPath(Mesh));
	EXPECT_EQ(LoadedSkeleton->CachedMesh.Get(), nullptr);
	const FZ4AnimationInstance* LoadedAnimation = Loaded->Data.Animations.Find(FName(TEXT("/Game/MyPack/ABP_Hero")));
	ASSERT_NE(LoadedAnimation, nullptr);
	EXPECT_EQ(LoadedAnimation->GeneratedClassPath, TEXT("/Game/MyPack/ABP_Hero.ABP_Hero_C"));
	EXPECT_EQ(LoadedAnimation->CachedClass.Get(), nullptr);
	ASSERT_TRUE(Loaded->Dependencies.Contains(FName(TEXT("/Game/MyPack/M_Stone"))));
	EXPECT_EQ(Loaded->Dependencies[FName(TEXT("/Game/MyPack/M_Stone"))].References.Num(), 0);
	EXPECT_EQ(Loaded->ExternalDependencies.FindRef(FName(TEXT("/Game/Shared/T_Wood"))), 2);
	EXPECT_EQ(Loaded->PackageFolder, TEXT("/Game/MyPack"));
}

TEST_F(FPackageAssetTest, LevelIsSavedAsMapFileAndOtherAssetsAsAssetFiles)
{
	UZ4SDKStatics::SaveAsset(MakeAsset<UWorld>(TEXT("/Game/Maps/L_Cave"), TEXT("L_Cave")));
	UZ4SDKStatics::SaveAsset(MakeAsset<UStaticMesh>(TEXT("/Game/Props/SM_Chair"), TEXT("SM_Chair")));
	IFileManager& Files = IFileManager::Get();
	EXPECT_TRUE(Files.FileExists(*(Project.GetContentDir() + TEXT("Maps/L_Cave.umap"))));
	EXPECT_FALSE(Files.FileExists(*(Project.GetContentDir() + TEXT("Maps/L_Cave.uasset"))));
	EXPECT_TRUE(Files.FileExists(*(Project.GetContentDir() + TEXT("Props/SM_Chair.uasset"))));
	EXPECT_FALSE(Files.FileExists(*(Project.GetContentDir() + TEXT("Props/SM_Chair.umap"))));
}

TEST_F(FPackageAssetTest, SkeletalMeshEntryResolvesAgainAfterItsMeshWasCollected)
{
	UZ4SDKStatics::SaveAsset(MakeAsset<USkeletalMesh>(TEXT("/Game/Chars/SK_Knight"), TEXT("SK_Knight")));
	FZ4SkeletalMesh Entry;
	Entry.Path = TEXT("/Game/Chars/SK_Knight.SK_Knight");
	Entry.Mesh = FSoftObjectPath(Entry.Path);
	USkeletalMesh* First = Entry.Get();
	ASSERT_NE(First, nullptr);
	EXPECT_EQ(Entry.CachedMesh.Get(), First);

	UnloadPackage(TEXT("/Game/Chars/SK_Knight"));
	EXPECT_EQ(Entry.CachedMesh.Get(), nullptr);
	USkeletalMesh* Second = Entry.Get();
	ASSERT_NE(Second, nullptr);
	EXPECT_TRUE(Second->IsValidLowLevel());
	EXPECT_EQ(Second->GetPathName(), Entry.Path);
}

TEST_F(FPackageAssetTest, RecordAccessorsResolveOnlyWhatExists)
{
	FZ4PackageData Data;
	EXPECT_EQ(Data.GetAsset(0), nullptr);
	Data.Assets.AddDefaulted(2);
	EXPECT_EQ(Data.GetAsset(-1), nullptr);
	EXPECT_EQ(Data.GetAsset(1), &Data.Assets[1]);
	EXPECT_EQ(Data.GetAsset(Data.Assets.Num()), nullptr);

	FZ4SkeletalMesh Unloaded;
	Unloaded.Mesh = FSoftObjectPath(TEXT("/Game/Chars/SK_Missing.SK_Missing"));
	EXPECT_EQ(Unloaded.Get(), nullptr);
	EXPECT_EQ(FindPackage(nullptr, TEXT("/Game/Chars/SK_Missing")), nullptr);

	UZ4SDKStatics::SaveAsset(MakeAsset<UTexture2D>(TEXT("/Game/Anim/T_NotAClass"), TEXT("T_NotAClass")));
	FZ4AnimationInstance NotAClass;
	NotAClass.GeneratedClassPath = TEXT("/Game/Anim/T_NotAClass.T_NotAClass");
	EXPECT_EQ(NotAClass.Get().Get(), nullptr);
}

TEST(PackageData, EveryRecordDrawsItsOwnSixDigitPackId)
{
	FZ4PackageData First;
	FZ4PackageData Second;
	EXPECT_NE(First.PackId, Second.PackId);
	for (const FString& PackId : {First.PackId, Second.PackId})
	{
		ASSERT_EQ(PackId.Len(), 6);
		for (const TCHAR Char : PackId.GetCharArray())
		{
			EXPECT_TRUE(Char == 0 || (Char >= TEXT('0') && Char <= TEXT('9')) || (Char >= TEXT('A') && Char <= TEXT('F'))) << *PackId;
		}
	}
}
