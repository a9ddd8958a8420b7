#include "Animation/AnimBlueprint.h"
#include "Engine/Blueprint.h"
#include "Engine/SkeletalMesh.h"
#include "Engine/StaticMesh.h"
#include "Engine/Texture2D.h"
#include "Engine/World.h"
#include "Materials/Material.h"
#include "StandIn/LogCapture.h"
#include "StandIn/TestProject.h"
#include "UObject/Package.h"
#include "Z4Package.h"
#include "Z4SDKStatics.h"
#include <gtest/gtest.h>

using namespace UE::StandIn;

namespace
{
	class FClassificationTest : public ::testing::Test
	{
	protected:
		FTestProject Project;
		FStandInEngine Engine{Project};
	};

	// A class made the way content makes them, for the "any subclass" rules.
	UClass* MakeSubclass(UClass* Super, const TCHAR* Name)
	{
		UClass* Class = NewObject<UClass>(CreatePackage(TEXT("/Game/Test/Subclasses")), FName(Name), RF_Public);
		Class->SetSuperStruct(Super);
		Class->ClassConstructor = Super->ClassConstructor;
		Class->StaticLink();
		return Class;
	}
}

TEST_F(FClassificationTest, AssetTypesGoByExactClass)
{
	const struct
	{
		UClass* Class;
		EZ4AssetType Expected;
	} Cases[] = {
		{UWorld::StaticClass(), EZ4AssetType::Level},
		{UStaticMesh::StaticClass(), EZ4AssetType::Mesh},
		{UBlueprint::StaticClass(), EZ4AssetType::Actor},
		{USkeletalMesh::StaticClass(), EZ4AssetType::Skeleton},
		{UAnimBlueprint::StaticClass(), EZ4AssetType::E_NONE},
		{MakeSubclass(UStaticMesh::StaticClass(), TEXT("StaticMeshSubclass")), EZ4AssetType::E_NONE},
		{UTexture2D::StaticClass(), EZ4AssetType::E_NONE},
		{nullptr, EZ4AssetType::E_NONE},
	};
	for (const auto& Case : Cases)
	{
		EXPECT_EQ(UZ4Package::GetAssetType(Case.Class), Case.Expected) << *(Case.Class ? Case.Class->GetName() : FString(TEXT("null")));
	}
}

TEST_F(FClassificationTest, PackageAndSpawnableClasses)
{
	UClass* WidgetBlueprint = MakeSubclass(UBlueprint::StaticClass(), TEXT("WidgetBlueprintLike"));
	const struct
	{
		UClass* Class;
		bool bPackage;
		bool bSpawnable;
	} Cases[] = {
		{UWorld::StaticClass(), true, false},
		{UStaticMesh::StaticClass(), true, true},
		{UBlueprint::StaticClass(), true, true},
		{USkeletalMesh::StaticClass(), true, false},
		{UAnimBlueprint::StaticClass(), true, true},
		{WidgetBlueprint, true, true},
		{UTexture2D::StaticClass(), false, false},
		{UMaterial::StaticClass(), false, false},
	};
	for (const auto& Case : Cases)
	{
		EXPECT_EQ(UZ4Package::IsPackageClass(Case.Class), Case.bPackage) << *Case.Class->GetName();
		EXPECT_EQ(UZ4Package::IsSpawnableType(Case.Class), Case.bSpawnable) << *Case.Class->GetName();
	}
}

TEST(Classification, CustomAssetsAreTheCreatorsOwnContent)
{
	const struct
	{
		const TCHAR* PackageName;
		bool bExpected;
	} Cases[] = {
		{TEXT("/Game/MyPack/SM_Rock"), true},
		{TEXT("/game/mypack/SM_Rock"), true},
		{TEXT("/Game/DIZEzeriziduExtras/SM_Rock"), true},
		{TEXT("/Game/DIZEzerizidu/SM_Rock"), false},
		{TEXT("/game/components/SM_Rock"), false},
		{TEXT("/Game/Default/SM_Rock"), false},
		{TEXT("/Engine/BasicShapes/Cube"), false},
		{TEXT("/QuillonSDKBase/Textures/T_Profile"), false},
		{TEXT("/Script/Engine"), false},
		{TEXT("/Game"), false},
	};
	for (const auto& Case : Cases)
	{
		EXPECT_EQ(UZ4Package::IsCustomAsset(Case.PackageName), Case.bExpected) << *FString(Case.PackageName);
	}
}

TEST_F(FClassificationTest, ClassPrefixesAreRemovedByExactClass)
{
	const struct
	{
		const TCHAR* Name;
		UClass* Class;
		const TCHAR* Expected;
	} Cases[] = {
		{TEXT("SM_Rock"), UStaticMesh::StaticClass(), TEXT("Rock")},
		{TEXT("sm_Rock"), UStaticMesh::StaticClass(), TEXT("Rock")},
		{TEXT("BP_Door"), UBlueprint::StaticClass(), TEXT("Door")},
		{TEXT("BP_Door"), UAnimBlueprint::StaticClass(), TEXT("BP_Door")},
		{TEXT("L_Cave"), UStaticMesh::StaticClass(), TEXT("L_Cave")},
		{TEXT("L_Cave"), UWorld::StaticClass(), TEXT("Cave")},
		{TEXT("Rock"), UStaticMesh::StaticClass(), TEXT("Rock")},
		{TEXT("SM_Rock_2"), UStaticMesh::StaticClass(), TEXT("Rock_2")},
	};
	for (const auto& Case : Cases)
	{
		EXPECT_EQ(UZ4Package::RemoveClassPrefix(FName(Case.Name), Case.Class), FName(Case.Expected)) << *FString(Case.Name);
	}
	EXPECT_TRUE(UZ4Package::RemoveClassPrefix(FName(TEXT("L_")), UWorld::StaticClass()).IsNone());
}

TEST_F(FClassificationTest, ShortTypeNamesBecomeFullPaths)
{
	FLogCapture Log;
	EXPECT_TRUE(UZ4SDKStatics::TryConvertShortTypeNameToPathName(NAME_None).IsNull());
	EXPECT_EQ(Log.Lines().Num(), 0);
	EXPECT_EQ(UZ4SDKStatics::TryConvertShortTypeNameToPathName(FName(TEXT("StaticMesh"))), UStaticMesh::StaticClass()->GetClassPathName());
	EXPECT_EQ(UZ4SDKStatics::TryConvertShortTypeNameToPathName(FName(TEXT("World"))).ToString(), TEXT("/Script/Engine.World"));
	EXPECT_TRUE(UZ4SDKStatics::TryConvertShortTypeNameToPathName(FName(TEXT("NoSuchType"))).IsNull());
	EXPECT_TRUE(Log.Contains(FName(TEXT("LogClass")), ELogVerbosity::Error, TEXT("Failed to convert short class name NoSuchType to class path name.")));
}

TEST_F(FClassificationTest, TwoPackagesMadeOneAfterTheOtherHaveTheirOwnPackIds)
{
	UZ4Package* First = NewObject<UZ4Package>(CreatePackage(TEXT("/Game/A/PackA")), TEXT("PackA"));
	UZ4Package* Second = NewObject<UZ4Package>(CreatePackage(TEXT("/Game/B/PackB")), TEXT("PackB"));
	EXPECT_NE(First->Data.PackId, Second->Data.PackId);
	EXPECT_EQ(Second->PackageFolder, TEXT("/Game/B"));
	EXPECT_EQ(GetDefault<UZ4Package>()->PackageFolder, TEXT("/Script"));
}
