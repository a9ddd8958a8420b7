#include "../Core/CoreTestPrinters.h"
#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "Engine/StaticMesh.h"
#include "HAL/FileManager.h"
#include "Materials/Material.h"
#include "Misc/PackageName.h"
#include "Modules/ModuleManager.h"
#include "StandIn/LogCapture.h"
#include "StandIn/TestAssets.h"
#include "StandIn/TestProject.h"
#include "UObject/Package.h"
#include "UObject/SavePackage.h"
#include "UObject/UObjectGlobals.h"
#include <gtest/gtest.h>

using namespace UE::StandIn;
using UE::AssetRegistry::EDependencyQuery;

namespace
{
	IAssetRegistry& Registry()
	{
		return FModuleManager::LoadModuleChecked<FAssetRegistryModule>(TEXT("AssetRegistry")).Get();
	}

	TArray<FString> ObjectPaths(const TArray<FAssetData>& Assets)
	{
		TArray<FString> Paths;
		for (const FAssetData& Asset : Assets)
		{
			Paths.Add(Asset.GetObjectPathString());
		}
		return Paths;
	}

	TArray<FString> Strings(const TArray<FName>& Names)
	{
		TArray<FString> Result;
		for (const FName& Name : Names)
		{
			Result.Add(Name.ToString());
		}
		return Result;
	}

	TArray<FString> Dependencies(const TCHAR* PackageName, UE::AssetRegistry::FDependencyQuery Query = {})
	{
		TArray<FName> Names;
		Registry().GetDependencies(FName(PackageName), Names, UE::AssetRegistry::EDependencyCategory::Package, Query);
		return Strings(Names);
	}

	TArray<FString> Referencers(const TCHAR* PackageName)
	{
		TArray<FName> Names;
		Registry().GetReferencers(FName(PackageName), Names, UE::AssetRegistry::EDependencyCategory::Package, UE::AssetRegistry::FDependencyQuery());
		return Strings(Names);
	}

	void SaveObject(UObject* Asset)
	{
		const FString Filename = FPackageName::LongPackageNameToFilename(Asset->GetPackage()->GetName(), FPackageName::GetAssetPackageExtension());
		ASSERT_TRUE(UPackage::Save(Asset->GetPackage(), Asset, *Filename, FSavePackageArgs()).IsSuccessful());
	}

	// A small project: a level with a sub-object and a class default beside it, a mesh whose material and texture
	// are referenced hard and soft, and a folder whose name only starts like the pack's.
	void WriteSmallProject()
	{
		WriteTestPackage({.PackageName = TEXT("/Game/Pack/SM_Rock"),
			.Imports = {TEXT("/Script/Engine"), TEXT("/Game/Pack/Materials/M_Rock")},
			.SoftReferences = {TEXT("/Game/Pack/Materials/M_Rock"), TEXT("/Game/Shared/T_Noise")}});
		WriteTestPackage({.PackageName = TEXT("/Game/Pack/Materials/M_Rock"), .Imports = {TEXT("/Game/Shared/T_Noise")}, .ClassPath = TEXT("/Script/Engine.Material")});
		WriteTestPackage({.PackageName = TEXT("/Game/Shared/T_Noise"), .ClassPath = TEXT("/Script/Engine.Texture2D")});
		WriteTestPackage({.PackageName = TEXT("/Game/Pack2/SM_Other"), .Imports = {TEXT("/Game/Pack/Materials/M_Rock")}});
		WriteTestPackage({.PackageName = TEXT("/Game/Pack/L_Cave"),
			.Objects = {{TEXT("L_Cave"), TEXT("/Script/Engine.World")}, {TEXT("PersistentLevel"), TEXT("/Script/Engine.Level"), 0},
				{TEXT("Default__L_Cave"), TEXT("/Script/Engine.World"), -1, RF_Public | RF_ClassDefaultObject}}});
	}
}

TEST(FAssetRegistryTest, ScansMountedContentFromPackageHeadersWithoutLoadingIt)
{
	FTestProject Project;
	{
		FStandInEngine Engine(Project, false);
		WriteSmallProject();
	}
	// A new editor on the project: the registry learns the content when the project's root is mounted.
	FStandInEngine Engine(Project, false);

	TArray<FAssetData> Assets;
	FARFilter Filter;
	Filter.PackagePaths = {FName(TEXT("/Game/Pack"))};
	Filter.bRecursivePaths = true;
	Registry().GetAssets(Filter, Assets);
	EXPECT_EQ(ObjectPaths(Assets), TArray<FString>({TEXT("/Game/Pack/L_Cave.L_Cave"), TEXT("/Game/Pack/Materials/M_Rock.M_Rock"), TEXT("/Game/Pack/SM_Rock.SM_Rock")}))
		<< "sorted by package name; sub-objects and class defaults are not assets; /Game/Pack2 is not under /Game/Pack";
	ASSERT_EQ(Assets.Num(), 3);
	EXPECT_EQ(Assets[0].AssetClassPath, FTopLevelAssetPath(TEXT("/Script/Engine.World")));
	EXPECT_EQ(Assets[1].PackagePath, FName(TEXT("/Game/Pack/Materials")));
	EXPECT_EQ(Assets[2].GetClass(), UStaticMesh::StaticClass());

	EXPECT_EQ(Dependencies(TEXT("/Game/Pack/SM_Rock")), TArray<FString>({TEXT("/Script/Engine"), TEXT("/Game/Pack/Materials/M_Rock"), TEXT("/Game/Shared/T_Noise")}))
		<< "hard references in file order, then soft ones, a package named by both once";
	EXPECT_EQ(Dependencies(TEXT("/Game/Pack/SM_Rock"), EDependencyQuery::Hard), TArray<FString>({TEXT("/Script/Engine"), TEXT("/Game/Pack/Materials/M_Rock")}));
	EXPECT_EQ(Dependencies(TEXT("/Game/Pack/SM_Rock"), EDependencyQuery::Soft), TArray<FString>({TEXT("/Game/Shared/T_Noise")}));
	EXPECT_EQ(Referencers(TEXT("/Game/Pack/Materials/M_Rock")), TArray<FString>({TEXT("/Game/Pack/SM_Rock"), TEXT("/Game/Pack2/SM_Other")}));

	TArray<FName> Unknown;
	EXPECT_FALSE(Registry().GetDependencies(FName(TEXT("/Game/Pack/NoSuchPackage")), Unknown, UE::AssetRegistry::EDependencyCategory::Package, UE::AssetRegistry::FDependencyQuery()));
	EXPECT_EQ(Unknown.Num(), 0);

	EXPECT_TRUE(Registry().GetAssetByObjectPath(FSoftObjectPath(TEXT("/Game/Shared/T_Noise.T_Noise"))).IsValid());
	EXPECT_FALSE(Registry().GetAssetByObjectPath(FSoftObjectPath(TEXT("/Game/Pack/L_Cave.PersistentLevel"))).IsValid());
	EXPECT_FALSE(Registry().GetAssetByObjectPath(FSoftObjectPath(TEXT("/Game/Shared/T_Noise.T_Other"))).IsValid());

	for (const TCHAR* PackageName : {TEXT("/Game/Pack/SM_Rock"), TEXT("/Game/Pack/L_Cave"), TEXT("/Game/Shared/T_Noise")})
	{
		EXPECT_EQ(FindPackage(nullptr, PackageName), nullptr) << *FString(PackageName) << " was loaded";
	}
}

TEST(FAssetRegistryTest, FiltersMatchEveryComponentGiven)
{
	FTestProject Project;
	FStandInEngine Engine(Project, false);
	WriteSmallProject();
	Registry().ScanPathsSynchronous({TEXT("/Game/")}, true);

	auto MakeFilter = [](TFunction<void(FARFilter&)> Fill)
	{
		FARFilter Filter;
		Fill(Filter);
		return Filter;
	};
	const FTopLevelAssetPath StaticMesh(TEXT("/Script/Engine.StaticMesh"));
	const FTopLevelAssetPath Texture(TEXT("/Script/Engine.Texture"));
	const struct
	{
		const TCHAR* Case;
		FARFilter Filter;
		TArray<FString> Expected;
	} Cases[] = {
		{TEXT("path, not recursive"), MakeFilter([](FARFilter& F) { F.PackagePaths = {FName(TEXT("/Game/Pack"))}; }),
			{TEXT("/Game/Pack/L_Cave.L_Cave"), TEXT("/Game/Pack/SM_Rock.SM_Rock")}},
		{TEXT("path with a trailing slash, recursive"), MakeFilter([](FARFilter& F) { F.PackagePaths = {FName(TEXT("/Game/Pack2/"))}; F.bRecursivePaths = true; }),
			{TEXT("/Game/Pack2/SM_Other.SM_Other")}},
		{TEXT("exact class under a path"), MakeFilter([&](FARFilter& F) { F.PackagePaths = {FName(TEXT("/Game"))}; F.bRecursivePaths = true; F.ClassPaths = {StaticMesh}; }),
			{TEXT("/Game/Pack/SM_Rock.SM_Rock"), TEXT("/Game/Pack2/SM_Other.SM_Other")}},
		{TEXT("base class, not recursive"), MakeFilter([&](FARFilter& F) { F.PackagePaths = {FName(TEXT("/Game"))}; F.bRecursivePaths = true; F.ClassPaths = {Texture}; }),
			{}},
		{TEXT("base class, recursive"), MakeFilter([&](FARFilter& F) { F.PackagePaths = {FName(TEXT("/Game"))}; F.bRecursivePaths = true; F.ClassPaths = {Texture}; F.bRecursiveClasses = true; }),
			{TEXT("/Game/Shared/T_Noise.T_Noise")}},
		{TEXT("package names, unknown and repeated ones too"),
			MakeFilter([](FARFilter& F) { F.PackageNames = {FName(TEXT("/Game/Shared/T_Noise")), FName(TEXT("/Game/Nowhere/X")), FName(TEXT("/Game/Pack/SM_Rock")), FName(TEXT("/game/pack/sm_rock"))}; }),
			{TEXT("/Game/Pack/SM_Rock.SM_Rock"), TEXT("/Game/Shared/T_Noise.T_Noise")}},
		{TEXT("package names and a class"), MakeFilter([&](FARFilter& F) { F.PackageNames = {FName(TEXT("/Game/Shared/T_Noise")), FName(TEXT("/Game/Pack/SM_Rock"))}; F.ClassPaths = {StaticMesh}; }),
			{TEXT("/Game/Pack/SM_Rock.SM_Rock")}},
		{TEXT("object path"), MakeFilter([](FARFilter& F) { F.SoftObjectPaths = {FSoftObjectPath(TEXT("/Game/Pack/L_Cave.L_Cave"))}; }),
			{TEXT("/Game/Pack/L_Cave.L_Cave")}},
	};
	for (const auto& Case : Cases)
	{
		TArray<FAssetData> Assets;
		Registry().GetAssets(Case.Filter, Assets);
		EXPECT_EQ(ObjectPaths(Assets), Case.Expected) << *FString(Case.Case);
	}
}

TEST(FAssetRegistryTest, LearnsFromCreatedAndSavedAssets)
{
	FTestProject Project;
	FStandInEngine Engine(Project, false);
	const FSoftObjectPath MeshPath(TEXT("/Game/Live/SM_New.SM_New"));
	UStaticMesh* Mesh = NewObject<UStaticMesh>(CreatePackage(TEXT("/Game/Live/SM_New")), TEXT("SM_New"), RF_Public | RF_Standalone);
	EXPECT_FALSE(Registry().GetAssetByObjectPath(MeshPath).IsValid()) << "known only once created or saved";

	FAssetRegistryModule::AssetCreated(Mesh);
	EXPECT_EQ(Registry().GetAssetByObjectPath(MeshPath).AssetClassPath, UStaticMesh::StaticClass()->GetClassPathName());
	EXPECT_FALSE(Registry().GetAssetByObjectPath(MeshPath, true).IsValid()) << "not on disk yet";

	UMaterial* Stone = NewObject<UMaterial>(CreatePackage(TEXT("/Game/Live/M_Stone")), TEXT("M_Stone"), RF_Public | RF_Standalone);
	UMaterial* Moss = NewObject<UMaterial>(CreatePackage(TEXT("/Game/Live/M_Moss")), TEXT("M_Moss"), RF_Public | RF_Standalone);
	SaveObject(Stone);
	SaveObject(Moss);
	FStaticMaterial Slot;
	Slot.MaterialInterface = Stone;
	Mesh->SetStaticMaterials({Slot});
	SaveObject(Mesh);
	EXPECT_TRUE(Registry().GetAssetByObjectPath(MeshPath, true).IsValid());
	EXPECT_TRUE(Dependencies(TEXT("/Game/Live/SM_New")).Contains(TEXT("/Game/Live/M_Stone")));
	EXPECT_EQ(Referencers(TEXT("/Game/Live/M_Stone")), TArray<FString>({TEXT("/Game/Live/SM_New")}));

	// Saving again replaces what the registry knew of the package.
	Slot.MaterialInterface = Moss;
	Mesh->SetStaticMaterials({Slot});
	SaveObject(Mesh);
	EXPECT_FALSE(Dependencies(TEXT("/Game/Live/SM_New")).Contains(TEXT("/Game/Live/M_Stone")));
	EXPECT_EQ(Referencers(TEXT("/Game/Live/M_Stone")), TArray<FString>());
	EXPECT_EQ(Referencers(TEXT("/Game/Live/M_Moss")), TArray<FString>({TEXT("/Game/Live/SM_New")}));
}

TEST(FAssetRegistryTest, FollowsTheDiskOnRescanAndTheMountedRoots)
{
	FTestProject Project;
	FStandInEngine Engine(Project, false);
	WriteSmallProject();
	Registry().ScanPathsSynchronous({TEXT("/Game/")}, true);
	ASSERT_TRUE(Registry().GetAssetByObjectPath(FSoftObjectPath(TEXT("/Game/Pack2/SM_Other.SM_Other"))).IsValid());

	IFileManager::Get().Delete(*(Project.GetContentDir() + TEXT("Pack2/SM_Other.uasset")));
	Registry().ScanPathsSynchronous({TEXT("/Game/Pack2")}, true);
	EXPECT_FALSE(Registry().GetAssetByObjectPath(FSoftObjectPath(TEXT("/Game/Pack2/SM_Other.SM_Other"))).IsValid());
	EXPECT_EQ(Referencers(TEXT("/Game/Pack/Materials/M_Rock")), TArray<FString>({TEXT("/Game/Pack/SM_Rock")}));

	FPackageName::UnRegisterMountPoint(TEXT("/Game/"), Project.GetContentDir());
	EXPECT_FALSE(Registry().GetAssetByObjectPath(FSoftObjectPath(TEXT("/Game/Pack/SM_Rock.SM_Rock"))).IsValid());
	FPackageName::RegisterMountPoint(TEXT("/Game/"), Project.GetContentDir());
	EXPECT_TRUE(Registry().GetAssetByObjectPath(FSoftObjectPath(TEXT("/Game/Pack/SM_Rock.SM_Rock"))).IsValid());
}

TEST(FAssetRegistryTest, DamagedPackageFilesAreScannedWithOneWarningEach)
{
	FTestProject Project;
	FStandInEngine Engine(Project, false);
	const FString BadNames = WriteTestPackage({.PackageName = TEXT("/Game/Bad/SM_BadNames"),
		.Imports = {TEXT(""), TEXT("Game/NoSlash"), TEXT("/Game/Good/M_Ok"), TEXT("/Game/With.Dot")},
		.SoftReferences = {TEXT("/Game/Also.Bad"), TEXT("/")}});
	Project.WriteFile(TEXT("Content/Bad/SM_NotJson.uasset"), TEXT("PK\x03\x04 binary"));
	Project.WriteFile(TEXT("Content/Bad/SM_Odd.uasset"), TEXT(R"({"Format": "UnrealStandInPackage", "Version": 1,
		"Objects": [{"Class": "/Script/Engine.StaticMesh"}, {"Name": "SM_Odd", "Class": "/Script/Engine.StaticMesh", "Outer": -1}],
		"Imports": [7, "/Game/Good/M_Ok"], "SoftReferences": "/Game/Good/T_Ok"})"));
	Project.WriteFile(TEXT("Content/Bad/SM_OtherVersion.uasset"), TEXT(R"({"Format": "UnrealStandInPackage", "Version": 9, "Objects": []})"));

	FLogCapture Log;
	Registry().ScanPathsSynchronous({TEXT("/Game/Bad")}, true);

	EXPECT_EQ(Dependencies(TEXT("/Game/Bad/SM_BadNames")), TArray<FString>({TEXT("/Game/Good/M_Ok")}));
	EXPECT_EQ(Dependencies(TEXT("/Game/Bad/SM_Odd")), TArray<FString>({TEXT("/Game/Good/M_Ok")}));
	EXPECT_TRUE(Registry().GetAssetByObjectPath(FSoftObjectPath(TEXT("/Game/Bad/SM_Odd.SM_Odd"))).IsValid());
	EXPECT_FALSE(Registry().GetAssetByObjectPath(FSoftObjectPath(TEXT("/Game/Bad/SM_NotJson.SM_NotJson"))).IsValid());
	EXPECT_FALSE(Registry().GetAssetByObjectPath(FSoftObjectPath(TEXT("/Game/Bad/SM_OtherVersion.SM_OtherVersion"))).IsValid());

	for (const TCHAR* File : {TEXT("SM_BadNames.uasset"), TEXT("SM_NotJson.uasset"), TEXT("SM_Odd.uasset"), TEXT("SM_OtherVersion.uasset")})
	{
		int32 Warnings = 0;
		for (const FCapturedLogLine& Line : Log.Lines())
		{
			Warnings += Line.Category == FName(TEXT("LogAssetRegistry")) && Line.Verbosity == ELogVerbosity::Warning && Line.Message.Contains(File);
		}
		EXPECT_EQ(Warnings, 1) << *FString(File);
	}
	EXPECT_TRUE(Log.Contains(FName(TEXT("LogAssetRegistry")), ELogVerbosity::Warning, TEXT("\"Game/NoSlash\"")));
	EXPECT_TRUE(Log.Contains(FName(TEXT("LogAssetRegistry")), ELogVerbosity::Warning, TEXT("\"/Game/With.Dot\"")));
}
