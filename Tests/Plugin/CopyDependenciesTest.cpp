// "Copy Dependencies": the outside dependencies copied into the package folder's CopiedAssets, the export set pointed
// at the copies and saved, and the dependency records moved to the copies, on disk as in memory.
#include "../Core/CoreTestPrinters.h"
#include "NotificationTestUtils.h"
#include "../Cooker/CookerTestUtils.h"
#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "Components/ActorComponent.h"
#include "Containers/Ticker.h"
#include "EditorFramework/AssetImportData.h"
#include "Engine/Blueprint.h"
#include "Engine/StaticMesh.h"
#include "Engine/Texture2D.h"
#include "HAL/FileManager.h"
#include "Materials/Material.h"
#include "Misc/FileHelper.h"
#include "Misc/PackageName.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "StandIn/DialogScript.h"
#include "StandIn/EditorTick.h"
#include "StandIn/EnginePaths.h"
#include "StandIn/LogCapture.h"
#include "StandIn/NotificationLog.h"
#include "StandIn/ProcessLog.h"
#include "StandIn/RenderingCommandFlushes.h"
#include "StandIn/StringConv.h"
#include "StandIn/TestAssets.h"
#include "StandIn/TestProject.h"
#include "UObject/Package.h"
#include "UObject/UnrealType.h"
#include "PackageTestUtils.h"
#include "Z4Package.h"
#include "Z4SDKStatics.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

using namespace UE::StandIn;
using namespace UE::Cook::Test;
using namespace UE::Quillon::Test;

namespace
{
	const FName LogTempName(TEXT("LogTemp"));
	const TCHAR* const PackageAssetName = TEXT("/Game/MyPack/MyPackage");

	IAssetRegistry& Registry()
	{
		return FModuleManager::LoadModuleChecked<FAssetRegistryModule>(TEXT("AssetRegistry")).Get();
	}

	FString PackageFilename(const FString& PackageName)
	{
		return FPackageName::LongPackageNameToFilename(PackageName, FPackageName::GetAssetPackageExtension());
	}

	/** The package's file as saved, empty when there is none. */
	FString ReadPackageFile(const FString& PackageName)
	{
		FString Text;
		FFileHelper::LoadFileToString(Text, *PackageFilename(PackageName));
		return Text;
	}

	TArray<FString> Keys(const TMap<FName, FZ4ReferenceList>& Map)
	{
		TArray<FString> Names;
		for (const TPair<FName, FZ4ReferenceList>& Entry : Map)
		{
			Names.Add(Entry.Key.ToString());
		}
		return Names;
	}

	TArray<FString> Keys(const TMap<FName, int32>& Map)
	{
		TArray<FString> Names;
		for (const TPair<FName, int32>& Entry : Map)
		{
			Names.Add(Entry.Key.ToString());
		}
		return Names;
	}

	/** What a test that cooks and packs needs: the target platforms, and the pak tool with its console kept out of the output. */
	struct FPackingScope
	{
		FTargetPlatformModuleScope TargetPlatformModule;
		FProcessLog Processes;

		explicit FPackingScope(const FTestProject& Project)
		{
			SetWindowsDir(FromUtf8(STANDIN_WINDOWS_DIR));
			ClearShownNotifications();
			Processes.SetConsoleFile(Project.GetSavedDir() + TEXT("PakTool.txt"));
		}
	};

	class FCopyDependenciesTest : public ::testing::Test
	{
	protected:
		FTestProject Project;
		FStandInEngine Engine{Project};
		FLogCapture Log;
		UTexture2D* Wood = nullptr;

		template <class T>
		static T* NewAsset(const TCHAR* PackageName)
		{
			return NewObject<T>(CreatePackage(PackageName), FName(*FPackageName::GetShortName(FString(PackageName))), RF_Public | RF_Standalone);
		}

		/** A texture imported from a file on the creator's disk. */
		static UTexture2D* SaveTexture(const TCHAR* PackageName)
		{
			UTexture2D* Texture = NewAsset<UTexture2D>(PackageName);
			Texture->AssetImportData = NewObject<UAssetImportData>(Texture, TEXT("AssetImportData"));
			Texture->AssetImportData->SourceFilePath = TEXT("D:/Art/") + FPackageName::GetShortName(FString(PackageName)) + TEXT(".png");
			UZ4SDKStatics::SaveAsset(Texture);
			return Texture;
		}

		static UMaterial* SaveMaterial(const TCHAR* PackageName, const TArray<UTexture*>& Textures)
		{
			UMaterial* Material = NewAsset<UMaterial>(PackageName);
			for (UTexture* Texture : Textures)
			{
				Material->ReferencedTextures.Add(Texture);
			}
			UZ4SDKStatics::SaveAsset(Material);
			return Material;
		}

		static UStaticMesh* SaveMesh(const TCHAR* PackageName, UMaterialInterface* Material = nullptr)
		{
			UStaticMesh* Mesh = NewAsset<UStaticMesh>(PackageName);
			if (Material)
			{
				FStaticMaterial Slot;
				Slot.MaterialInterface = Material;
				Mesh->SetStaticMaterials({Slot});
			}
			UZ4SDKStatics::SaveAsset(Mesh);
			return Mesh;
		}

		/** The main asset SM_Table of /Game/MyPack, whose material M_Table uses the outside texture Wood. */
		UZ4Package* MakeTablePackage()
		{
			Wood = SaveTexture(TEXT("/Game/Textures/T_Wood"));
			SaveMesh(TEXT("/Game/MyPack/SM_Table"), SaveMaterial(TEXT("/Game/MyPack/M_Table"), {Wood}));
			return MakePackage({TEXT("/Game/MyPack/SM_Table")});
		}

		static UTexture2D* FindWoodCopy()
		{
			return FindObject<UTexture2D>(nullptr, TEXT("/Game/MyPack/CopiedAssets/Textures/T_Wood.T_Wood"));
		}

		/** The package asset in /Game/MyPack with these main assets and the dependencies Find Dependencies gives them. */
		static UZ4Package* MakePackage(const TArray<const TCHAR*>& MainAssets)
		{
			UZ4Package* Package = NewObject<UZ4Package>(CreatePackage(PackageAssetName), TEXT("MyPackage"), RF_Public | RF_Standalone);
			Package->Data.Name = FName(TEXT("My Pack"));
			for (const TCHAR* MainAsset : MainAssets)
			{
				AddMainAsset(*Package, MainAsset);
			}
			Package->FindAllDependencies();
			return Package;
		}

		static void AddMainAsset(UZ4Package& Package, const FString& MainAsset)
		{
			FZ4Asset& Entry = Package.Data.Assets.AddDefaulted_GetRef();
			Entry.AssetName = FName(*MainAsset);
			Entry.ObjectPath = MainAsset + TEXT(".") + FPackageName::GetShortName(MainAsset);
			Package.Data.AssetsIndexMap.Add(Entry.AssetName, Package.Data.Assets.Num() - 1);
		}

		TArray<FString> Warnings() const
		{
			TArray<FString> Messages;
			for (const FCapturedLogLine& Line : Log.Lines())
			{
				if (Line.Verbosity <= ELogVerbosity::Warning)
				{
					Messages.Add(Line.Category.ToString() + TEXT(": ") + Line.Message);
				}
			}
			return Messages;
		}
	};
}

TEST_F(FCopyDependenciesTest, OutsideDependenciesAreCopiedUnderCopiedAssetsAndTheRecordsFollowThem)
{
	UZ4Package* Package = MakeTablePackage();
	ASSERT_EQ(Keys(Package->ExternalDependencies), TArray<FString>({TEXT("/Game/Textures/T_Wood")}));
	const FZ4ReferenceList WoodReferences = Package->Dependencies.FindChecked(FName(TEXT("/Game/Textures/T_Wood")));

	Package->CopyDependencies();

	const TCHAR* const CopyPackageName = TEXT("/Game/MyPack/CopiedAssets/Textures/T_Wood");
	UTexture2D* Copy = FindWoodCopy();
	ASSERT_NE(Copy, nullptr);
	EXPECT_NE(Copy, Wood);
	EXPECT_TRUE(Copy->HasAllFlags(RF_Public | RF_Standalone));
	EXPECT_TRUE(IFileManager::Get().FileExists(*PackageFilename(CopyPackageName)));
	EXPECT_TRUE(Registry().GetAssetByObjectPath(FSoftObjectPath(TEXT("/Game/MyPack/CopiedAssets/Textures/T_Wood.T_Wood"))).IsValid());

	EXPECT_EQ(Keys(Package->Dependencies), TArray<FString>({TEXT("/Game/MyPack/M_Table"), CopyPackageName}));
	const FZ4ReferenceList* CopyReferences = Package->Dependencies.Find(FName(CopyPackageName));
	ASSERT_NE(CopyReferences, nullptr);
	EXPECT_EQ(CopyReferences->References.Array(), WoodReferences.References.Array());
	EXPECT_TRUE(Package->ExternalDependencies.IsEmpty());

	// The material of the package now uses the copy, in memory and in its file; the source is left where it was.
	UMaterial* Table = FindObject<UMaterial>(nullptr, TEXT("/Game/MyPack/M_Table.M_Table"));
	ASSERT_NE(Table, nullptr);
	ASSERT_EQ(Table->ReferencedTextures.Num(), 1);
	EXPECT_EQ(Table->ReferencedTextures[0], Copy);
	const FString TableFile = ReadPackageFile(TEXT("/Game/MyPack/M_Table"));
	EXPECT_TRUE(TableFile.Contains(TEXT("\"/Game/MyPack/CopiedAssets/Textures/T_Wood.T_Wood\""))) << ToUtf8(TableFile);
	EXPECT_FALSE(TableFile.Contains(TEXT("\"/Game/Textures/T_Wood"))) << ToUtf8(TableFile);
	EXPECT_TRUE(IFileManager::Get().FileExists(*PackageFilename(TEXT("/Game/Textures/T_Wood"))));
	EXPECT_TRUE(Warnings().IsEmpty()) << ToUtf8(FString::Join(Warnings(), TEXT("\n")));
}

TEST_F(FCopyDependenciesTest, TheCopiedTextureDoesNotCarryTheSourcesImportRecord)
{
	UZ4Package* Package = MakeTablePackage();

	Package->CopyDependencies();

	UTexture2D* Copy = FindWoodCopy();
	ASSERT_NE(Copy, nullptr);
	ASSERT_NE(Copy->AssetImportData, nullptr);
	EXPECT_NE(Copy->AssetImportData, Wood->AssetImportData);
	EXPECT_TRUE(Copy->AssetImportData->SourceFilePath.IsEmpty());
	EXPECT_EQ(Copy->AssetImportData->GetOuter(), Copy);
	EXPECT_TRUE(Copy->AssetImportData->HasAnyFlags(RF_Transient));
	EXPECT_FALSE(ReadPackageFile(TEXT("/Game/MyPack/CopiedAssets/Textures/T_Wood")).Contains(TEXT("D:/Art/T_Wood.png")));
	EXPECT_TRUE(ReadPackageFile(TEXT("/Game/Textures/T_Wood")).Contains(TEXT("D:/Art/T_Wood.png"))) << "the source keeps its own";

	UnloadPackage(TEXT("/Game/MyPack/CopiedAssets/Textures/T_Wood"));
	const UTexture2D* Loaded = LoadObject<UTexture2D>(nullptr, TEXT("/Game/MyPack/CopiedAssets/Textures/T_Wood.T_Wood"));
	ASSERT_NE(Loaded, nullptr);
	EXPECT_EQ(Loaded->AssetImportData, nullptr);
}

// The lamp's class defaults hold a mesh of its own class and one inherited from its parent blueprint, both in another
// folder, an empty slot, and a registered component made at run time. The copy's defaults keep none of them, and the
// component is unregistered; the source blueprint keeps its meshes.
TEST_F(FCopyDependenciesTest, ACopiedBlueprintLosesTheReferencesOfItsDefaultsToOtherPackages)
{
	SaveMesh(TEXT("/Game/Meshes/SM_Bulb"));
	SaveMesh(TEXT("/Game/Meshes/SM_Stand"));
	Project.WriteFile(TEXT("Content/Blueprints/BP_Base.uasset"), TEXT(R"({"Format": "UnrealStandInPackage", "Version": 1,
		"PackageName": "/Game/Blueprints/BP_Base", "Objects": [
		{"Name": "BP_Base", "Class": "/Script/Engine.Blueprint", "Outer": -1, "Flags": 11,
		 "Properties": {"ParentClass": "/Script/Engine.Actor", "GeneratedClass": "/Game/Blueprints/BP_Base.BP_Base_C"}},
		{"Name": "BP_Base_C", "Class": "/Script/Engine.BlueprintGeneratedClass", "Outer": -1, "Flags": 1,
		 "Struct": {"SuperStruct": "/Script/Engine.Actor", "Properties": [
			{"Name": "StandMesh", "Flags": 5, "Type": "Object", "PropertyClass": "/Script/Engine.StaticMesh"}]}, "Properties": {}},
		{"Name": "Default__BP_Base_C", "Class": "/Game/Blueprints/BP_Base.BP_Base_C", "Outer": -1, "Flags": 49,
		 "Properties": {"StandMesh": "/Game/Meshes/SM_Stand.SM_Stand"}}],
		"Imports": ["/Game/Meshes/SM_Stand", "/Script/Engine"], "SoftReferences": []})"));
	Project.WriteFile(TEXT("Content/Blueprints/BP_Lamp.uasset"), TEXT(R"({"Format": "UnrealStandInPackage", "Version": 1,
		"PackageName": "/Game/Blueprints/BP_Lamp", "Objects": [
		{"Name": "BP_Lamp", "Class": "/Script/Engine.Blueprint", "Outer": -1, "Flags": 11,
		 "Properties": {"ParentClass": "/Game/Blueprints/BP_Base.BP_Base_C", "GeneratedClass": "/Game/Blueprints/BP_Lamp.BP_Lamp_C"}},
		{"Name": "BP_Lamp_C", "Class": "/Script/Engine.BlueprintGeneratedClass", "Outer": -1, "Flags": 1,
		 "Struct": {"SuperStruct": "/Game/Blueprints/BP_Base.BP_Base_C", "Properties": [
			{"Name": "BulbMesh", "Flags": 5, "Type": "Object", "PropertyClass": "/Script/Engine.StaticMesh"},
			{"Name": "SpareMesh", "Flags": 5, "Type": "Object", "PropertyClass": "/Script/Engine.StaticMesh"},
			{"Name": "Light", "Flags": 5, "Type": "Object", "PropertyClass": "/Script/Engine.ActorComponent"}]}, "Properties": {}},
		{"Name": "Default__BP_Lamp_C", "Class": "/Game/Blueprints/BP_Lamp.BP_Lamp_C", "Outer": -1, "Flags": 49,
		 "Properties": {"StandMesh": "/Game/Meshes/SM_Stand.SM_Stand", "BulbMesh": "/Game/Meshes/SM_Bulb.SM_Bulb", "SpareMesh": null}}],
		"Imports": ["/Game/Blueprints/BP_Base", "/Game/Meshes/SM_Bulb", "/Game/Meshes/SM_Stand", "/Script/Engine"], "SoftReferences": []})"));
	Project.WriteFile(TEXT("Content/Blueprints/BPC_Light.uasset"), TEXT(R"({"Format": "UnrealStandInPackage", "Version": 1, "Objects": [
		{"Name": "BPC_Light_C", "Class": "/Script/Engine.BlueprintGeneratedClass", "Outer": -1, "Flags": 1,
		 "Struct": {"SuperStruct": "/Script/Engine.ActorComponent", "Properties": []}, "Properties": {}}], "Imports": ["/Script/Engine"]})"));
	Registry().ScanPathsSynchronous({TEXT("/Game/")}, true);
	const UBlueprint* Source = LoadObject<UBlueprint>(nullptr, TEXT("/Game/Blueprints/BP_Lamp.BP_Lamp"));
	UClass* LightClass = LoadObject<UClass>(nullptr, TEXT("/Game/Blueprints/BPC_Light.BPC_Light_C"));
	ASSERT_TRUE(Source && LightClass);
	UActorComponent* Light = NewObject<UActorComponent>(GetTransientPackage(), LightClass, TEXT("Light"), RF_Transient);
	Light->RegisterComponent();
	const FObjectProperty* LightProperty = CastField<FObjectProperty>(Source->GeneratedClass->FindPropertyByName(TEXT("Light")));
	ASSERT_NE(LightProperty, nullptr);
	LightProperty->SetObjectPropertyValue_InContainer(Source->GeneratedClass->GetDefaultObject(), Light);
	// Only the lamp is recorded as outside, so that only it is copied.
	UZ4Package* Package = MakePackage({});
	Package->Dependencies.Add(FName(TEXT("/Game/Blueprints/BP_Lamp")));
	Package->ExternalDependencies.Add(FName(TEXT("/Game/Blueprints/BP_Lamp")), 0);
	const int32 FlushesBefore = GetNumRenderingCommandFlushes();

	Package->CopyDependencies();

	const UBlueprint* Copy = FindObject<UBlueprint>(nullptr, TEXT("/Game/MyPack/CopiedAssets/Blueprints/BP_Lamp.BP_Lamp"));
	ASSERT_NE(Copy, nullptr);
	ASSERT_NE(Copy->GeneratedClass, nullptr);
	EXPECT_EQ(Copy->GeneratedClass->GetPackage(), Copy->GetPackage());
	EXPECT_EQ(Warnings(), TArray<FString>({TEXT("LogTemp: Nulling reference to SM_Bulb in Default__BP_Lamp_C::BulbMesh"),
							  TEXT("LogTemp: Nulling reference to Light in Default__BP_Lamp_C::Light"),
							  TEXT("LogTemp: Nulling reference to SM_Stand in Default__BP_Lamp_C::StandMesh")}));
	EXPECT_EQ(GetNumRenderingCommandFlushes() - FlushesBefore, 3);
	EXPECT_FALSE(Light->IsRegistered());
	const UObject* CopyDefaults = Copy->GeneratedClass->GetDefaultObject();
	for (const TCHAR* PropertyName : {TEXT("BulbMesh"), TEXT("StandMesh"), TEXT("SpareMesh"), TEXT("Light")})
	{
		const FObjectProperty* Property = CastField<FObjectProperty>(Copy->GeneratedClass->FindPropertyByName(PropertyName));
		ASSERT_NE(Property, nullptr) << ToUtf8(PropertyName);
		EXPECT_EQ(Property->GetObjectPropertyValue_InContainer(CopyDefaults), nullptr) << ToUtf8(PropertyName);
	}
	const FString CopyFile = ReadPackageFile(TEXT("/Game/MyPack/CopiedAssets/Blueprints/BP_Lamp"));
	EXPECT_FALSE(CopyFile.Contains(TEXT("/Game/Meshes/"))) << ToUtf8(CopyFile);

	const FObjectProperty* Bulb = CastField<FObjectProperty>(Source->GeneratedClass->FindPropertyByName(TEXT("BulbMesh")));
	ASSERT_NE(Bulb, nullptr);
	EXPECT_NE(Bulb->GetObjectPropertyValue_InContainer(Source->GeneratedClass->GetDefaultObject()), nullptr);
}

TEST_F(FCopyDependenciesTest, WithNoOutsideDependenciesEveryAssetOfTheExportSetIsStillLoadedAndSaved)
{
	SaveMesh(TEXT("/Game/MyPack/SM_Table"), SaveMaterial(TEXT("/Game/MyPack/M_Table"), {NewAsset<UTexture2D>(TEXT("/Game/MyPack/T_Table"))}));
	UZ4SDKStatics::SaveAsset(FindObject<UTexture2D>(nullptr, TEXT("/Game/MyPack/T_Table.T_Table")));
	UZ4Package* Package = MakePackage({TEXT("/Game/MyPack/SM_Table")});
	ASSERT_TRUE(Package->ExternalDependencies.IsEmpty());
	const TArray<FString> ExportSet = {TEXT("/Game/MyPack/SM_Table"), TEXT("/Game/MyPack/M_Table"), TEXT("/Game/MyPack/T_Table"), PackageAssetName};
	// Files dated long ago, and nothing but the package asset in memory.
	const auto LongAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24 * 365);
	for (const FString& PackageName : ExportSet)
	{
		std::filesystem::last_write_time(ToUtf8(PackageFilename(PackageName)), LongAgo);
		if (PackageName != PackageAssetName)
		{
			UnloadPackage(*PackageName);
		}
	}
	const TArray<FString> DependenciesBefore = Keys(Package->Dependencies);

	Package->CopyDependencies();

	for (const FString& PackageName : ExportSet)
	{
		EXPECT_NE(FindPackage(nullptr, *PackageName), nullptr) << ToUtf8(PackageName) << " is loaded";
		EXPECT_GT(std::filesystem::last_write_time(ToUtf8(PackageFilename(PackageName))), LongAgo) << ToUtf8(PackageName) << " is saved";
	}
	EXPECT_FALSE(IFileManager::Get().DirectoryExists(*(Project.GetContentDir() + TEXT("MyPack/CopiedAssets"))));
	EXPECT_EQ(Keys(Package->Dependencies), DependenciesBefore);
	EXPECT_TRUE(Warnings().IsEmpty()) << ToUtf8(FString::Join(Warnings(), TEXT("\n")));
}

// A mesh the creator adds later uses the original texture again; Find Dependencies lists it as outside once more.
TEST_F(FCopyDependenciesTest, ASecondRunReusesTheCopyWithAWarningAndDuplicatesNothing)
{
	UZ4Package* Package = MakeTablePackage();
	Package->CopyDependencies();
	UTexture2D* Copy = FindWoodCopy();
	ASSERT_NE(Copy, nullptr);
	const FString CopyFile = ReadPackageFile(TEXT("/Game/MyPack/CopiedAssets/Textures/T_Wood"));
	SaveMesh(TEXT("/Game/MyPack/SM_Chair"), SaveMaterial(TEXT("/Game/MyPack/M_Chair"), {Wood}));
	AddMainAsset(*Package, TEXT("/Game/MyPack/SM_Chair"));
	Package->FindAllDependencies();
	ASSERT_EQ(Keys(Package->ExternalDependencies), TArray<FString>({TEXT("/Game/Textures/T_Wood")}));
	Log.Clear();

	Package->CopyDependencies();

	EXPECT_EQ(Warnings(),
		TArray<FString>({TEXT("LogTemp: Asset already exists at /Game/MyPack/CopiedAssets/Textures/T_Wood.T_Wood. Skipping duplication.")}));
	EXPECT_EQ(FindObject<UTexture2D>(nullptr, TEXT("/Game/MyPack/CopiedAssets/Textures/T_Wood.T_Wood")), Copy);
	TArray<UObject*> CopyPackageObjects;
	GetObjectsWithPackage(Copy->GetPackage(), CopyPackageObjects);
	CopyPackageObjects.RemoveAll([](const UObject* Object) { return !IsValid(Object); });
	EXPECT_EQ(CopyPackageObjects.Num(), 2) << "the texture and its import record, no second copy";
	EXPECT_EQ(ReadPackageFile(TEXT("/Game/MyPack/CopiedAssets/Textures/T_Wood")), CopyFile);
	const FString ChairFile = ReadPackageFile(TEXT("/Game/MyPack/M_Chair"));
	EXPECT_TRUE(ChairFile.Contains(TEXT("\"/Game/MyPack/CopiedAssets/Textures/T_Wood.T_Wood\""))) << ToUtf8(ChairFile);
	EXPECT_FALSE(Package->Dependencies.Contains(FName(TEXT("/Game/Textures/T_Wood"))));
	EXPECT_TRUE(Package->ExternalDependencies.IsEmpty());
}

// Without a save after the records move, the package on disk would still name the sources, and the next pak would
// be made of them.
TEST_F(FCopyDependenciesTest, ThePackageLoadedFromDiskHasTheRecordsThatWereInMemory)
{
	Wood = SaveTexture(TEXT("/Game/Textures/T_Wood"));
	UTexture2D* Grain = SaveTexture(TEXT("/Game/Textures/Detail/T_Grain"));
	SaveMesh(TEXT("/Game/MyPack/SM_Table"), SaveMaterial(TEXT("/Game/MyPack/M_Table"), {Wood, Grain}));
	UZ4Package* Package = MakePackage({TEXT("/Game/MyPack/SM_Table")});
	ASSERT_EQ(Package->ExternalDependencies.Num(), 2);

	Package->CopyDependencies();

	const TArray<FString> DependenciesInMemory = Keys(Package->Dependencies);
	const TArray<FString> ExternalDependenciesInMemory = Keys(Package->ExternalDependencies);
	TArray<FString> SortedDependencies = DependenciesInMemory;
	SortedDependencies.Sort();
	EXPECT_EQ(SortedDependencies, TArray<FString>({TEXT("/Game/MyPack/CopiedAssets/Textures/Detail/T_Grain"), TEXT("/Game/MyPack/CopiedAssets/Textures/T_Wood"),
									  TEXT("/Game/MyPack/M_Table")}));
	EXPECT_TRUE(ExternalDependenciesInMemory.IsEmpty());
	UnloadPackage(PackageAssetName);
	const UZ4Package* Loaded = LoadObject<UZ4Package>(nullptr, TEXT("/Game/MyPack/MyPackage.MyPackage"));
	ASSERT_NE(Loaded, nullptr);
	EXPECT_EQ(Keys(Loaded->Dependencies), DependenciesInMemory);
	EXPECT_EQ(Keys(Loaded->ExternalDependencies), ExternalDependenciesInMemory);
}

// The registry lists an asset at the copy's place that does not load. Replacing the source with nothing would clear
// every reference to it in the package's saved assets. A source that is gone from disk is passed over without a word.
TEST_F(FCopyDependenciesTest, ACopyOrSourceThatDoesNotLoadReplacesNothingAndStaysOutside)
{
	UZ4Package* Package = MakeTablePackage();
	WriteTestPackage({.PackageName = TEXT("/Game/MyPack/CopiedAssets/Textures/T_Wood"), .ClassPath = TEXT("/Script/Engine.NoSuchClass")});
	Registry().ScanPathsSynchronous({TEXT("/Game/")}, true);
	Package->Dependencies.Add(FName(TEXT("/Game/Gone/T_Gone"))).References.Add(FName(TEXT("/Game/MyPack/SM_Table")));
	Package->ExternalDependencies.Add(FName(TEXT("/Game/Gone/T_Gone")), 0);
	const TArray<FString> DependenciesBefore = Keys(Package->Dependencies);
	Log.Clear();

	Package->CopyDependencies();

	const UMaterial* Table = FindObject<UMaterial>(nullptr, TEXT("/Game/MyPack/M_Table.M_Table"));
	ASSERT_NE(Table, nullptr);
	ASSERT_EQ(Table->ReferencedTextures.Num(), 1);
	EXPECT_EQ(Table->ReferencedTextures[0], Wood);
	EXPECT_TRUE(ReadPackageFile(TEXT("/Game/MyPack/M_Table")).Contains(TEXT("\"/Game/Textures/T_Wood.T_Wood\"")));
	EXPECT_EQ(Keys(Package->Dependencies), DependenciesBefore);
	EXPECT_EQ(Keys(Package->ExternalDependencies), TArray<FString>({TEXT("/Game/Textures/T_Wood"), TEXT("/Game/Gone/T_Gone")}));
	EXPECT_FALSE(IFileManager::Get().DirectoryExists(*(Project.GetContentDir() + TEXT("MyPack/CopiedAssets/Gone"))));
	int32 NamingBoth = 0;
	for (const FCapturedLogLine& Line : Log.Lines())
	{
		if (Line.Category == LogTempName && Line.Verbosity == ELogVerbosity::Warning && Line.Message.Contains(TEXT("/Game/MyPack/CopiedAssets/Textures/T_Wood"))
			&& Line.Message.Contains(TEXT("/Game/Textures/T_Wood.T_Wood")))
		{
			++NamingBoth;
		}
	}
	EXPECT_EQ(NamingBoth, 1) << ToUtf8(FString::Join(Warnings(), TEXT("\n")));
	EXPECT_EQ(Log.Count(LogTempName, ELogVerbosity::Warning), 1);
}

// The texture was moved and a redirector left at its old place, which the material still names: both the redirector's
// package and the texture's are outside dependencies, and both load the texture. It is copied once, under the first
// key, and both records are gone from the outside ones.
TEST_F(FCopyDependenciesTest, ARedirectorAndTheAssetItLeadsToGetOneCopy)
{
	SaveTexture(TEXT("/Game/Textures/T_Wood"));
	Project.WriteFile(TEXT("Content/Old/T_Wood.uasset"), TEXT(R"({"Format": "UnrealStandInPackage", "Version": 1,
		"PackageName": "/Game/Old/T_Wood", "Objects": [
		{"Name": "T_Wood", "Class": "/Script/CoreUObject.ObjectRedirector", "Outer": -1, "Flags": 3,
		 "Properties": {"DestinationObject": "/Game/Textures/T_Wood.T_Wood"}}],
		"Imports": ["/Game/Textures/T_Wood", "/Script/CoreUObject"], "SoftReferences": []})"));
	Project.WriteFile(TEXT("Content/MyPack/M_Table.uasset"), TEXT(R"({"Format": "UnrealStandInPackage", "Version": 1,
		"PackageName": "/Game/MyPack/M_Table", "Objects": [
		{"Name": "M_Table", "Class": "/Script/Engine.Material", "Outer": -1, "Flags": 3,
		 "Properties": {"ReferencedTextures": ["/Game/Old/T_Wood.T_Wood"]}}],
		"Imports": ["/Game/Old/T_Wood", "/Script/Engine"], "SoftReferences": []})"));
	Registry().ScanPathsSynchronous({TEXT("/Game/")}, true);
	UZ4Package* Package = MakePackage({TEXT("/Game/MyPack/M_Table")});
	ASSERT_EQ(Keys(Package->ExternalDependencies), TArray<FString>({TEXT("/Game/Old/T_Wood"), TEXT("/Game/Textures/T_Wood")}));

	Package->CopyDependencies();

	EXPECT_NE(FindObject<UTexture2D>(nullptr, TEXT("/Game/MyPack/CopiedAssets/Old/T_Wood.T_Wood")), nullptr);
	EXPECT_FALSE(IFileManager::Get().FileExists(*PackageFilename(TEXT("/Game/MyPack/CopiedAssets/Textures/T_Wood"))));
	EXPECT_EQ(DescribeDependencies(*Package), TArray<FString>({TEXT("/Game/MyPack/CopiedAssets/Old/T_Wood <- /Game/MyPack/M_Table")}));
	EXPECT_TRUE(Package->ExternalDependencies.IsEmpty());
	EXPECT_TRUE(ReadPackageFile(TEXT("/Game/MyPack/M_Table")).Contains(TEXT("\"/Game/MyPack/CopiedAssets/Old/T_Wood.T_Wood\"")));
	EXPECT_TRUE(Log.Contains(FName(TEXT("Z4LogSDK")), ELogVerbosity::Log,
		TEXT("Copy Dependencies: copies made: 1, copies that existed already: 0, sources still used outside the package's folder: 0.")));
}

// Other levels and packages use the outside material and texture too. Were they pointed at this package's copies and
// saved, deleting or renaming the package would break them.
TEST_F(FCopyDependenciesTest, TheSourcesOutsideThePackageAreLeftAsTheyWere)
{
	Wood = SaveTexture(TEXT("/Game/Textures/T_Wood"));
	UMaterial* Source = SaveMaterial(TEXT("/Game/Materials/M_Wood"), {Wood});
	SaveMesh(TEXT("/Game/MyPack/SM_Table"), Source);
	UZ4Package* Package = MakePackage({TEXT("/Game/MyPack/SM_Table")});
	ASSERT_EQ(Package->ExternalDependencies.Num(), 2);
	const FString MaterialFile = ReadPackageFile(TEXT("/Game/Materials/M_Wood"));
	const FString TextureFile = ReadPackageFile(TEXT("/Game/Textures/T_Wood"));

	Package->CopyDependencies();

	EXPECT_EQ(ReadPackageFile(TEXT("/Game/Materials/M_Wood")), MaterialFile);
	EXPECT_EQ(ReadPackageFile(TEXT("/Game/Textures/T_Wood")), TextureFile);
	ASSERT_EQ(Source->ReferencedTextures.Num(), 1);
	EXPECT_EQ(Source->ReferencedTextures[0], Wood);
	const FString CopiedMaterialFile = ReadPackageFile(TEXT("/Game/MyPack/CopiedAssets/Materials/M_Wood"));
	EXPECT_TRUE(CopiedMaterialFile.Contains(TEXT("\"/Game/MyPack/CopiedAssets/Textures/T_Wood.T_Wood\""))) << ToUtf8(CopiedMaterialFile);
	EXPECT_TRUE(Log.Contains(FName(TEXT("Z4LogSDK")), ELogVerbosity::Log,
		TEXT("Copy Dependencies: copies made: 2, copies that existed already: 0, sources still used outside the package's folder: 0.")));
}

// An actor placed in the level keeps the class of the blueprint it was placed from: replacing references cannot make
// it an actor of the copy. The level still needs the outside blueprint, which stays an outside dependency, is named in
// a warning, and goes into the pak; the unused copy does not.
TEST_F(FCopyDependenciesTest, ALevelThatPlacesAnOutsideBlueprintKeepsItAsAnOutsideDependencyAndPacksIt)
{
	FPackingScope Packing(Project);
	Project.WriteFile(TEXT("Content/Shared/BP_Torch.uasset"), TEXT(R"({"Format": "UnrealStandInPackage", "Version": 1,
		"PackageName": "/Game/Shared/BP_Torch", "Objects": [
		{"Name": "BP_Torch", "Class": "/Script/Engine.Blueprint", "Outer": -1, "Flags": 11,
		 "Properties": {"ParentClass": "/Script/Engine.Actor", "GeneratedClass": "/Game/Shared/BP_Torch.BP_Torch_C"}},
		{"Name": "BP_Torch_C", "Class": "/Script/Engine.BlueprintGeneratedClass", "Outer": -1, "Flags": 1,
		 "Struct": {"SuperStruct": "/Script/Engine.Actor", "Properties": []}, "Properties": {}},
		{"Name": "Default__BP_Torch_C", "Class": "/Game/Shared/BP_Torch.BP_Torch_C", "Outer": -1, "Flags": 49, "Properties": {}}],
		"Imports": ["/Script/Engine"], "SoftReferences": []})"));
	Project.WriteFile(TEXT("Content/MyPack/L_Tavern.umap"), TEXT(R"({"Format": "UnrealStandInPackage", "Version": 1,
		"PackageName": "/Game/MyPack/L_Tavern", "Objects": [
		{"Name": "L_Tavern", "Class": "/Script/Engine.World", "Outer": -1, "Flags": 11,
		 "Properties": {"PersistentLevel": "/Game/MyPack/L_Tavern.L_Tavern:PersistentLevel"}},
		{"Name": "PersistentLevel", "Class": "/Script/Engine.Level", "Outer": 0, "Flags": 8,
		 "Properties": {"Actors": ["/Game/MyPack/L_Tavern.L_Tavern:PersistentLevel.BP_Torch_C_0"]}},
		{"Name": "BP_Torch_C_0", "Class": "/Game/Shared/BP_Torch.BP_Torch_C", "Outer": 1, "Flags": 8, "Properties": {}}],
		"Imports": ["/Game/Shared/BP_Torch", "/Script/Engine"], "SoftReferences": []})"));
	Registry().ScanPathsSynchronous({TEXT("/Game/")}, true);
	UZ4Package* Package = MakePackage({TEXT("/Game/MyPack/L_Tavern")});
	ASSERT_EQ(Keys(Package->ExternalDependencies), TArray<FString>({TEXT("/Game/Shared/BP_Torch")}));

	Package->CopyDependencies();

	EXPECT_TRUE(IFileManager::Get().FileExists(*PackageFilename(TEXT("/Game/MyPack/CopiedAssets/Shared/BP_Torch"))));
	EXPECT_EQ(DescribeDependencies(*Package), TArray<FString>({TEXT("/Game/Shared/BP_Torch <- /Game/MyPack/L_Tavern")}));
	EXPECT_EQ(Keys(Package->ExternalDependencies), TArray<FString>({TEXT("/Game/Shared/BP_Torch")}));
	const TArray<FString> Warned = Warnings();
	ASSERT_EQ(Warned.Num(), 1) << ToUtf8(FString::Join(Warned, TEXT("\n")));
	EXPECT_TRUE(Warned[0].StartsWith(TEXT("Z4LogSDK: /Game/Shared/BP_Torch is still used by /Game/MyPack/L_Tavern, which could not be pointed at the copy /Game/MyPack/CopiedAssets/Shared/BP_Torch")))
		<< ToUtf8(Warned[0]);
	EXPECT_TRUE(Log.Contains(FName(TEXT("Z4LogSDK")), ELogVerbosity::Log,
		TEXT("Copy Dependencies: copies made: 1, copies that existed already: 0, sources still used outside the package's folder: 1.")));
	UnloadPackage(PackageAssetName);
	const UZ4Package* Loaded = LoadObject<UZ4Package>(nullptr, TEXT("/Game/MyPack/MyPackage.MyPackage"));
	ASSERT_NE(Loaded, nullptr);
	EXPECT_EQ(Keys(Loaded->ExternalDependencies), TArray<FString>({TEXT("/Game/Shared/BP_Torch")}));

	FDialogScript Script;
	Script.Answer(EAppReturnType::Ok);
	Package = const_cast<UZ4Package*>(Loaded);
	Package->CookAssets();
	TickUntilIdle();
	Package->MakePakFile();
	TickEditorUntilNotified();

	FString Manifest;
	ASSERT_TRUE(FFileHelper::LoadFileToString(Manifest, *(Project.GetConfigDir() + TEXT("Manifest.txt"))));
	const FString Mount = TEXT("\"../../../QuillonVTT/Content/");
	EXPECT_TRUE(Manifest.Contains(Mount + TEXT("Shared/BP_Torch.uasset\""))) << ToUtf8(Manifest);
	EXPECT_TRUE(Manifest.Contains(Mount + TEXT("MyPack/L_Tavern.umap\""))) << ToUtf8(Manifest);
	EXPECT_FALSE(Manifest.Contains(TEXT("CopiedAssets"))) << ToUtf8(Manifest);
	ASSERT_EQ(GetShownNotifications().Num(), 1);
	EXPECT_EQ(GetShownNotifications()[0].CompletionState, SNotificationItem::CS_Success) << ToUtf8(GetShownNotifications()[0].Text);
}

// Copy, cook, pack: the pak holds the copies and not the sources, the main asset's cooked file names the copy, and
// no dialog about outside dependencies is shown.
TEST_F(FCopyDependenciesTest, ThePakMadeAfterACopyHoldsTheCopiesThatTheMainAssetsUse)
{
	FPackingScope Packing(Project);
	Wood = SaveTexture(TEXT("/Game/Textures/T_Wood"));
	SaveMesh(TEXT("/Game/MyPack/SM_Table"), SaveMaterial(TEXT("/Game/Materials/M_Wood"), {Wood}));
	UZ4Package* Package = MakePackage({TEXT("/Game/MyPack/SM_Table")});
	ASSERT_EQ(Package->ExternalDependencies.Num(), 2);
	FDialogScript NoDialogs;

	Package->CopyDependencies();
	Package->CookAssets();
	TickUntilIdle();
	Package->MakePakFile();

	EXPECT_TRUE(NoDialogs.GetShownDialogs().IsEmpty());
	TickEditorUntilNotified();
	ASSERT_EQ(GetShownNotifications().Num(), 1);
	EXPECT_EQ(GetShownNotifications()[0].CompletionState, SNotificationItem::CS_Success) << ToUtf8(GetShownNotifications()[0].Text);

	FString Manifest;
	ASSERT_TRUE(FFileHelper::LoadFileToString(Manifest, *(Project.GetConfigDir() + TEXT("Manifest.txt"))));
	const FString Mount = TEXT("\"../../../QuillonVTT/Content/");
	for (const TCHAR* Packed : {TEXT("MyPack/CopiedAssets/Materials/M_Wood.uasset\""), TEXT("MyPack/CopiedAssets/Textures/T_Wood.uasset\""),
			 TEXT("MyPack/SM_Table.uasset\""), TEXT("MyPack/MyPackage.uasset\"")})
	{
		EXPECT_TRUE(Manifest.Contains(Mount + Packed)) << ToUtf8(Packed) << "\n" << ToUtf8(Manifest);
	}
	EXPECT_FALSE(Manifest.Contains(Mount + TEXT("Materials/"))) << ToUtf8(Manifest);
	EXPECT_FALSE(Manifest.Contains(Mount + TEXT("Textures/"))) << ToUtf8(Manifest);

	const std::map<std::string, std::string> Cooked = ReadFilesBelow(CookedWindowsDir(Project) + Project.GetName() + TEXT("/Content/"));
	ASSERT_TRUE(Cooked.contains("MyPack/SM_Table.uasset"));
	const std::string& CookedTable = Cooked.at("MyPack/SM_Table.uasset");
	EXPECT_NE(CookedTable.find("/Game/MyPack/CopiedAssets/Materials/M_Wood"), std::string::npos) << CookedTable;
	EXPECT_EQ(CookedTable.find("/Game/Materials/M_Wood"), std::string::npos) << CookedTable;
	ASSERT_TRUE(Cooked.contains("MyPack/CopiedAssets/Materials/M_Wood.uasset"));
	const std::string& CookedWood = Cooked.at("MyPack/CopiedAssets/Materials/M_Wood.uasset");
	EXPECT_NE(CookedWood.find("/Game/MyPack/CopiedAssets/Textures/T_Wood"), std::string::npos) << CookedWood;
}
