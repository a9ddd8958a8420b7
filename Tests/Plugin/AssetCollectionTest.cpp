#include "PackageTestUtils.h"
#include "../Core/CoreTestPrinters.h"
#include "Animation/AnimBlueprint.h"
#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "Engine/SkeletalMesh.h"
#include "Engine/StaticMesh.h"
#include "Engine/Texture2D.h"
#include "Engine/World.h"
#include "HAL/FileManager.h"
#include "IImageWrapper.h"
#include "IImageWrapperModule.h"
#include "Misc/FileHelper.h"
#include "Misc/ObjectThumbnail.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "ObjectTools.h"
#include "QuillonSDKBase.h"
#include "StandIn/LogCapture.h"
#include "StandIn/SlowTaskLog.h"
#include "StandIn/TestAssets.h"
#include "StandIn/TestProject.h"
#include "UObject/Package.h"
#include "Z4Package.h"
#include "Z4SDKManager.h"
#include "Z4SDKStatics.h"
#include <gtest/gtest.h>

using namespace UE::StandIn;
using namespace UE::Quillon::Test;

namespace
{
	const TCHAR* StaticMesh = TEXT("/Script/Engine.StaticMesh");
	const TCHAR* SkeletalMesh = TEXT("/Script/Engine.SkeletalMesh");
	const TCHAR* AnimBlueprint = TEXT("/Script/Engine.AnimBlueprint");
	const TCHAR* Blueprint = TEXT("/Script/Engine.Blueprint");
	const TCHAR* World = TEXT("/Script/Engine.World");

	class FAssetCollectionTest : public ::testing::Test
	{
	protected:
		FTestProject Project;
		TUniquePtr<FStandInEngine> Engine;

		virtual void SetUp() override { ResetSlowTaskLog(); }

		// Writes the assets, starts the editor on the project and makes the package asset at PackageName.
		UZ4Package* Start(const TArray<FTestPackage>& Assets, const TCHAR* PackageName = TEXT("/Game/Pack/MyPackage"))
		{
			Engine = MakeUnique<FStandInEngine>(Project);
			for (const FTestPackage& Asset : Assets)
			{
				WriteTestPackage(Asset);
			}
			Registry().ScanPathsSynchronous({TEXT("/Game/")}, true);
			return NewObject<UZ4Package>(CreatePackage(PackageName), FName(*FPaths::GetBaseFilename(PackageName)), RF_Public | RF_Standalone);
		}

		static IAssetRegistry& Registry() { return FModuleManager::LoadModuleChecked<FAssetRegistryModule>(TEXT("AssetRegistry")).Get(); }

		static FAssetData Record(const TCHAR* ObjectPath) { return Registry().GetAssetByObjectPath(FSoftObjectPath(ObjectPath)); }

		static UTexture2D* DefaultThumbnail(EZ4AssetType Type) { return FQuillonSDKBaseModule::GetSDKMananger()->GetDefaultAssetThumbnail(Type); }

		FString ContentFile(const TCHAR* Relative) const { return Project.GetContentDir() + Relative; }

		// A creator's own picture, in a size no rendered thumbnail has.
		void WritePng(const TCHAR* ContentRelativePath, int32 Width, int32 Height) const
		{
			TArray<uint8> Pixels;
			Pixels.Init(90, Width * Height * 4);
			TSharedPtr<IImageWrapper> Png = FModuleManager::LoadModuleChecked<IImageWrapperModule>(TEXT("ImageWrapper")).CreateImageWrapper(EImageFormat::PNG);
			ASSERT_TRUE(Png->SetRaw(Pixels.GetData(), Pixels.Num(), Width, Height, ERGBFormat::BGRA, 8));
			ASSERT_TRUE(FFileHelper::SaveArrayToFile(Png->GetCompressed(), *ContentFile(ContentRelativePath)));
		}

		static const FZ4Asset* Entry(const UZ4Package* Package, const TCHAR* AssetName)
		{
			const int32* Index = Package->Data.AssetsIndexMap.Find(FName(AssetName));
			return Index ? Package->Data.GetAsset(*Index) : nullptr;
		}
	};
}

TEST_F(FAssetCollectionTest, AddAllAssetsTakesExactlyTheFiveClassesOfTheFolderWithDisplayNamesAndProgress)
{
	UZ4Package* Package = Start({
		{TEXT("/Game/Pack/Maps/L_Cave"), {}, {}, {}, World},
		{TEXT("/Game/Pack/SM_Rock"), {}, {}, {}, StaticMesh},
		{TEXT("/Game/Pack/Rock"), {}, {}, {}, StaticMesh},
		{TEXT("/Game/Pack/BP_Door"), {}, {}, {}, Blueprint},
		{TEXT("/Game/Pack/SK_Hero"), {}, {}, {}, SkeletalMesh},
		{TEXT("/Game/Pack/ABP_Hero"), {}, {}, {}, AnimBlueprint},
		{TEXT("/Game/Pack/M_Stone"), {}, {}, {}, TEXT("/Script/Engine.Material")},
		{TEXT("/Game/Pack/T_Moss"), {}, {}, {}, TEXT("/Script/Engine.Texture2D")},
		{TEXT("/Game/Pack/UI/WBP_Menu"), {TEXT("/Game/Classes/WidgetBlueprint")}, {}, {}, TEXT("/Game/Classes/WidgetBlueprint.WidgetBlueprint")},
		{TEXT("/Game/Pack2/SM_Neighbour"), {}, {}, {}, StaticMesh},
		{TEXT("/Game/Elsewhere/SM_Far"), {}, {}, {}, StaticMesh},
	});
	// A blueprint kind of its own, as the widget blueprint is: a class derived from Blueprint, loaded.
	Project.WriteFile(TEXT("Content/Classes/WidgetBlueprint.uasset"), TEXT(R"({"Format": "UnrealStandInPackage", "Version": 1, "Objects": [
		{"Name": "WidgetBlueprint", "Class": "/Script/Engine.BlueprintGeneratedClass", "Outer": -1, "Flags": 1,
		 "Struct": {"SuperStruct": "/Script/Engine.Blueprint", "Properties": []}, "Properties": {}}], "Imports": ["/Script/Engine"]})"));
	UClass* WidgetBlueprintClass = LoadObject<UClass>(nullptr, TEXT("/Game/Classes/WidgetBlueprint.WidgetBlueprint"));
	ASSERT_NE(WidgetBlueprintClass, nullptr);
	ASSERT_TRUE(WidgetBlueprintClass->IsChildOf(UBlueprint::StaticClass()));
	Registry().ScanPathsSynchronous({TEXT("/Game/")}, true);
	Package->FindAllAssets();

	const struct
	{
		const TCHAR* AssetName;
		const TCHAR* ObjectPath;
		UClass* Class;
		const TCHAR* Name;
	} Expected[] = {
		{TEXT("/Game/Pack/ABP_Hero"), TEXT("/Game/Pack/ABP_Hero.ABP_Hero"), UAnimBlueprint::StaticClass(), TEXT("ABP_Hero")},
		{TEXT("/Game/Pack/BP_Door"), TEXT("/Game/Pack/BP_Door.BP_Door"), UBlueprint::StaticClass(), TEXT("Door")},
		{TEXT("/Game/Pack/Maps/L_Cave"), TEXT("/Game/Pack/Maps/L_Cave.L_Cave"), UWorld::StaticClass(), TEXT("Cave")},
		{TEXT("/Game/Pack/Rock"), TEXT("/Game/Pack/Rock.Rock"), UStaticMesh::StaticClass(), TEXT("Rock")},
		{TEXT("/Game/Pack/SK_Hero"), TEXT("/Game/Pack/SK_Hero.SK_Hero"), USkeletalMesh::StaticClass(), TEXT("SK_Hero")},
		{TEXT("/Game/Pack/SM_Rock"), TEXT("/Game/Pack/SM_Rock.SM_Rock"), UStaticMesh::StaticClass(), TEXT("Rock")},
	};
	ASSERT_EQ(Package->Data.Assets.Num(), UE_ARRAY_COUNT(Expected));
	for (int32 Index = 0; Index < UE_ARRAY_COUNT(Expected); ++Index)
	{
		const FZ4Asset& Asset = Package->Data.Assets[Index];
		EXPECT_EQ(Asset.AssetName, FName(Expected[Index].AssetName)) << Index;
		EXPECT_EQ(Package->Data.AssetsIndexMap.FindRef(Asset.AssetName), Index) << Index;
		EXPECT_EQ(Asset.ObjectPath, Expected[Index].ObjectPath) << Index;
		EXPECT_EQ(Asset.Class, Expected[Index].Class) << Index;
		EXPECT_EQ(Asset.Name, FName(Expected[Index].Name)) << Index;
		EXPECT_FALSE(Asset.bExclude) << Index;
		EXPECT_EQ(Asset.Tags.Num(), 0) << Index;
	}
	EXPECT_EQ(Package->Data.AssetsIndexMap.Num(), UE_ARRAY_COUNT(Expected));

	// One unit of progress per record the registry gave, each naming its asset.
	const TArray<FSlowTaskRecord> Progress = GetSlowTaskLog();
	ASSERT_EQ(Progress.Num(), 1);
	EXPECT_TRUE(Progress[0].bMadeDialog);
	EXPECT_TRUE(Progress[0].bFinished);
	EXPECT_EQ(Progress[0].TotalAmountOfWork, float(UE_ARRAY_COUNT(Expected)));
	ASSERT_EQ(Progress[0].Frames.Num(), UE_ARRAY_COUNT(Expected));
	for (int32 Index = 0; Index < UE_ARRAY_COUNT(Expected); ++Index)
	{
		EXPECT_EQ(Progress[0].Frames[Index].ExpectedWork, 1.f);
		EXPECT_TRUE(Progress[0].Frames[Index].Message.Contains(Expected[Index].AssetName)) << *Progress[0].Frames[Index].Message;
	}
}

TEST_F(FAssetCollectionTest, ChangesAreAnnouncedOnceBeforeThePackageIsWritten)
{
	UZ4Package* Empty = Start({
		{TEXT("/Game/Empty/M_Stone"), {}, {}, {}, TEXT("/Script/Engine.Material")},
		{TEXT("/Game/Full/SM_Rock"), {}, {}, {}, StaticMesh},
	}, TEXT("/Game/Empty/EmptyPackage"));
	UZ4Package* Full = NewObject<UZ4Package>(CreatePackage(TEXT("/Game/Full/FullPackage")), TEXT("FullPackage"), RF_Public | RF_Standalone);

	const struct
	{
		UZ4Package* Package;
		const TCHAR* File;
		int32 Entries;
	} Cases[] = {
		{Empty, TEXT("Empty/EmptyPackage.uasset"), 0},
		{Full, TEXT("Full/FullPackage.uasset"), 1},
	};
	for (const auto& Case : Cases)
	{
		int32 Broadcasts = 0;
		bool bWrittenBeforeBroadcast = true;
		Case.Package->OnPackageChanged.AddLambda([&]()
			{
				++Broadcasts;
				bWrittenBeforeBroadcast = FPaths::FileExists(ContentFile(Case.File));
				EXPECT_EQ(Case.Package->Data.Assets.Num(), Case.Entries);
			});
		Case.Package->FindAllAssets();
		EXPECT_EQ(Broadcasts, 1) << Case.File;
		EXPECT_FALSE(bWrittenBeforeBroadcast) << Case.File;
		EXPECT_TRUE(FPaths::FileExists(ContentFile(Case.File))) << Case.File;
	}

	// Adding one picked asset saves without announcing: the panel refreshes itself after it.
	int32 Broadcasts = 0;
	Empty->OnPackageChanged.AddLambda([&]() { ++Broadcasts; });
	IFileManager::Get().Delete(*ContentFile(TEXT("Empty/EmptyPackage.uasset")));
	Empty->AddAsset(Record(TEXT("/Game/Full/SM_Rock.SM_Rock")));
	EXPECT_EQ(Broadcasts, 0);
	EXPECT_TRUE(FPaths::FileExists(ContentFile(TEXT("Empty/EmptyPackage.uasset"))));
}

TEST_F(FAssetCollectionTest, RunningAgainAddsOnlyNewAssetsAndLeavesExistingEntriesAlone)
{
	UZ4Package* Package = Start({
		{TEXT("/Game/Pack/SM_Rock"), {}, {}, {}, StaticMesh},
		{TEXT("/Game/Pack/SM_Tree"), {}, {}, {}, StaticMesh},
	});
	Package->FindAllAssets();
	ASSERT_EQ(Package->Data.Assets.Num(), 2);
	// What a creator may have changed in the details panel since.
	Package->Data.Assets[0].Name = FName(TEXT("Boulder"));
	Package->Data.Assets[1].Thumbnail = DefaultThumbnail(EZ4AssetType::Package);
	const TArray<FZ4Asset> Before = Package->Data.Assets;

	WriteTestPackage({TEXT("/Game/Pack/SM_Bush"), {}, {}, {}, StaticMesh});
	Registry().ScanPathsSynchronous({TEXT("/Game/")}, true);
	Package->FindAllAssets();

	ASSERT_EQ(Package->Data.Assets.Num(), 3);
	for (int32 Index = 0; Index < 2; ++Index)
	{
		EXPECT_EQ(Package->Data.Assets[Index].AssetName, Before[Index].AssetName) << Index;
		EXPECT_EQ(Package->Data.Assets[Index].Name, Before[Index].Name) << Index;
		EXPECT_EQ(Package->Data.Assets[Index].Thumbnail, Before[Index].Thumbnail) << Index;
		EXPECT_EQ(Package->Data.AssetsIndexMap.FindRef(Before[Index].AssetName), Index) << Index;
	}
	EXPECT_EQ(Package->Data.Assets[2].AssetName, FName(TEXT("/Game/Pack/SM_Bush")));
	EXPECT_EQ(Package->Data.AssetsIndexMap.FindRef(FName(TEXT("/Game/Pack/SM_Bush"))), 2);
}

// The creator moved the package asset to another folder in the content browser after it was made.
TEST_F(FAssetCollectionTest, AMovedPackageCollectsFromTheFolderItIsInNow)
{
	UZ4Package* Package = Start({
		{TEXT("/Game/Pack/SM_Rock"), {}, {}, {}, StaticMesh},
		{TEXT("/Game/Tavern/SM_Table"), {}, {}, {}, StaticMesh},
	});
	ASSERT_TRUE(Package->Rename(TEXT("TavernPackage"), CreatePackage(TEXT("/Game/Tavern/TavernPackage"))));

	Package->FindAllAssets();

	EXPECT_EQ(Package->PackageFolder, TEXT("/Game/Tavern"));
	ASSERT_EQ(Package->Data.Assets.Num(), 1);
	EXPECT_EQ(Package->Data.Assets[0].AssetName, FName(TEXT("/Game/Tavern/SM_Table")));
	EXPECT_TRUE(FPaths::FileExists(ContentFile(TEXT("Tavern/Thumbnails/T_SM_Table.png"))));
}

TEST_F(FAssetCollectionTest, ThumbnailIsAnExistingTextureElseTheCreatorsPngElseARenderedOne)
{
	UZ4Package* Package = Start({
		{TEXT("/Game/Pack/SM_Existing"), {}, {}, {}, StaticMesh},
		{TEXT("/Game/Pack/SM_Creator"), {}, {}, {}, StaticMesh},
		{TEXT("/Game/Pack/Props/SM_Rendered"), {}, {}, {}, StaticMesh},
	});
	// A texture made earlier, and no picture beside it.
	UTexture2D* Existing = NewObject<UTexture2D>(CreatePackage(TEXT("/Game/Pack/Thumbnails/T_SM_Existing")), TEXT("T_SM_Existing"), RF_Public | RF_Standalone);
	ASSERT_TRUE(UZ4SDKStatics::SaveAsset(Existing).IsSuccessful());
	TArray<uint8> ExistingFile;
	ASSERT_TRUE(FFileHelper::LoadFileToArray(ExistingFile, *ContentFile(TEXT("Pack/Thumbnails/T_SM_Existing.uasset"))));
	WritePng(TEXT("Pack/Thumbnails/T_SM_Creator.png"), 5, 3);

	FLogCapture Log;
	Package->FindAllAssets();

	// A thumbnail that does not exist yet is not looked for, so the log holds no package or object not found.
	for (const FCapturedLogLine& Line : Log.Lines())
	{
		EXPECT_GT(Line.Verbosity, ELogVerbosity::Warning) << *Line.Category.ToString() << ": " << *Line.Message;
	}
	EXPECT_EQ(Entry(Package, TEXT("/Game/Pack/SM_Existing"))->Thumbnail, Existing);
	EXPECT_FALSE(FPaths::FileExists(ContentFile(TEXT("Pack/Thumbnails/T_SM_Existing.png"))));
	TArray<uint8> ExistingFileAfter;
	ASSERT_TRUE(FFileHelper::LoadFileToArray(ExistingFileAfter, *ContentFile(TEXT("Pack/Thumbnails/T_SM_Existing.uasset"))));
	EXPECT_EQ(ExistingFileAfter, ExistingFile);

	// The creator's picture is imported as it is; the mesh is not even loaded for it.
	const UTexture2D* Creator = Entry(Package, TEXT("/Game/Pack/SM_Creator"))->Thumbnail;
	ASSERT_NE(Creator, nullptr);
	EXPECT_EQ(Creator->GetPathName(), TEXT("/Game/Pack/Thumbnails/T_SM_Creator.T_SM_Creator"));
	EXPECT_EQ(Creator->Source.GetSizeX(), 5);
	EXPECT_EQ(Creator->Source.GetSizeY(), 3);
	EXPECT_EQ(FindPackage(nullptr, TEXT("/Game/Pack/SM_Creator")), nullptr);
	EXPECT_TRUE(FPaths::FileExists(ContentFile(TEXT("Pack/Thumbnails/T_SM_Creator.uasset"))));

	// The rendered picture goes to the package folder's Thumbnails, whatever subfolder the asset is in.
	const UTexture2D* Rendered = Entry(Package, TEXT("/Game/Pack/Props/SM_Rendered"))->Thumbnail;
	ASSERT_NE(Rendered, nullptr);
	EXPECT_EQ(Rendered->GetPathName(), TEXT("/Game/Pack/Thumbnails/T_SM_Rendered.T_SM_Rendered"));
	EXPECT_TRUE(FPaths::FileExists(ContentFile(TEXT("Pack/Thumbnails/T_SM_Rendered.uasset"))));
	EXPECT_TRUE(Record(TEXT("/Game/Pack/Thumbnails/T_SM_Rendered.T_SM_Rendered")).IsValid());
	TArray<uint8> Png;
	ASSERT_TRUE(FFileHelper::LoadFileToArray(Png, *ContentFile(TEXT("Pack/Thumbnails/T_SM_Rendered.png"))));
	TSharedPtr<IImageWrapper> Reader = FModuleManager::LoadModuleChecked<IImageWrapperModule>(TEXT("ImageWrapper")).CreateImageWrapper(EImageFormat::PNG);
	TArray64<uint8> Pixels;
	ASSERT_TRUE(Reader->SetCompressed(Png.GetData(), Png.Num()) && Reader->GetRaw(ERGBFormat::BGRA, 8, Pixels));
	const FObjectThumbnail* Render = ThumbnailTools::GenerateThumbnailForObjectToSaveToDisk(LoadObject<UStaticMesh>(nullptr, TEXT("/Game/Pack/Props/SM_Rendered.SM_Rendered")));
	ASSERT_NE(Render, nullptr);
	EXPECT_EQ(Reader->GetWidth(), Render->GetImageWidth());
	EXPECT_EQ(TArray<uint8>(Pixels.GetData(), int32(Pixels.Num())), Render->GetUncompressedImageData());
	EXPECT_EQ(Rendered->Source.GetSizeOnDisk(), Png.Num());
}

TEST_F(FAssetCollectionTest, PackageDirectlyInGameKeepsItsThumbnailsInGameThumbnailsAndReusesThem)
{
	UZ4Package* Package = Start({{TEXT("/Game/SM_Top"), {}, {}, {}, StaticMesh}}, TEXT("/Game/TopPackage"));
	EXPECT_EQ(Package->PackageFolder, TEXT("/Game"));
	Package->AddAsset(Record(TEXT("/Game/SM_Top.SM_Top")));
	UTexture2D* Thumbnail = Entry(Package, TEXT("/Game/SM_Top"))->Thumbnail;
	ASSERT_NE(Thumbnail, nullptr);
	EXPECT_EQ(Thumbnail->GetPathName(), TEXT("/Game/Thumbnails/T_SM_Top.T_SM_Top"));
	EXPECT_TRUE(FPaths::FileExists(ContentFile(TEXT("Thumbnails/T_SM_Top.png"))));
	EXPECT_FALSE(IFileManager::Get().DirectoryExists(*ContentFile(TEXT("Game"))));

	// Added again after leaving the package: the texture is found where it was put, and nothing is written.
	Package->Data.Assets.Reset();
	Package->Data.AssetsIndexMap.Reset();
	int32 ThumbnailSaves = 0;
	const FDelegateHandle Handle = UPackage::PackageSavedWithContextEvent.AddLambda([&](const FString&, UPackage* Saved, FObjectPostSaveContext)
		{
			ThumbnailSaves += Saved->GetName().Contains(TEXT("Thumbnails")) ? 1 : 0;
		});
	Package->AddAsset(Record(TEXT("/Game/SM_Top.SM_Top")));
	UPackage::PackageSavedWithContextEvent.Remove(Handle);
	EXPECT_EQ(Entry(Package, TEXT("/Game/SM_Top"))->Thumbnail, Thumbnail);
	EXPECT_EQ(ThumbnailSaves, 0);
}

TEST_F(FAssetCollectionTest, SkeletalMeshAndAnimationBlueprintGetTheirOwnEntries)
{
	UZ4Package* Package = Start({
		{TEXT("/Game/Pack/SK_Hero"), {}, {}, {}, SkeletalMesh},
		{TEXT("/Game/Pack/ABP_Hero"), {}, {}, {}, AnimBlueprint},
	});
	Project.WriteFile(TEXT("Content/Pack/SK_Broken.uasset"), TEXT(R"({"Format": "UnrealStandInPackage", "Version": 1, "Objects": [
		{"Name": "SK_Broken", "Class": "/Script/Engine.SkeletalMesh", "Outer": -1, "Flags": 3, "Properties": {"Skeleton": 5}}], "Imports": ["/Script/Engine"]})"));
	Registry().ScanPathsSynchronous({TEXT("/Game/")}, true);
	Package->FindAllAssets();

	const FZ4SkeletalMesh* Skeleton = Package->Data.Skeletons.Find(FName(TEXT("/Game/Pack/SK_Hero")));
	ASSERT_NE(Skeleton, nullptr);
	EXPECT_EQ(Skeleton->Type, EZ4SkeletalMeshType::Both);
	EXPECT_EQ(Skeleton->Mesh.Get(), FindObject<USkeletalMesh>(nullptr, TEXT("/Game/Pack/SK_Hero.SK_Hero")));
	EXPECT_NE(Skeleton->Mesh.Get(), nullptr);
	EXPECT_EQ(Skeleton->Path, TEXT("/Game/Pack/SK_Hero.SK_Hero"));
	EXPECT_EQ(Skeleton->Thumbnail, Entry(Package, TEXT("/Game/Pack/SK_Hero"))->Thumbnail);
	EXPECT_NE(Skeleton->Thumbnail, nullptr);

	const FZ4AnimationInstance* Animation = Package->Data.Animations.Find(FName(TEXT("/Game/Pack/ABP_Hero")));
	ASSERT_NE(Animation, nullptr);
	EXPECT_EQ(Animation->Type, EZ4SkeletalMeshType::Both);
	EXPECT_EQ(Animation->AnimBP.Get(), FindObject<UAnimBlueprint>(nullptr, TEXT("/Game/Pack/ABP_Hero.ABP_Hero")));
	EXPECT_NE(Animation->AnimBP.Get(), nullptr);
	EXPECT_EQ(Animation->GeneratedClassPath, TEXT("/Game/Pack/ABP_Hero.ABP_Hero_C"));
	EXPECT_EQ(Animation->Thumbnail, Entry(Package, TEXT("/Game/Pack/ABP_Hero"))->Thumbnail);
	EXPECT_EQ(Package->Data.Skeletons.Num() + Package->Data.Animations.Num(), 3);

	// A mesh that cannot be loaded still gets its entry, with no mesh and the default thumbnail.
	const FZ4SkeletalMesh* Broken = Package->Data.Skeletons.Find(FName(TEXT("/Game/Pack/SK_Broken")));
	ASSERT_NE(Broken, nullptr);
	EXPECT_TRUE(Broken->Mesh.IsNull());
	EXPECT_EQ(Broken->Path, TEXT("/Game/Pack/SK_Broken.SK_Broken"));
	EXPECT_EQ(Broken->Thumbnail, DefaultThumbnail(EZ4AssetType::Skeleton));
	EXPECT_FALSE(FPaths::FileExists(ContentFile(TEXT("Pack/Thumbnails/T_SK_Broken.png"))));

	// Added again after leaving the package, the mesh keeps the entry it had.
	Package->Data.Skeletons[FName(TEXT("/Game/Pack/SK_Hero"))].Type = EZ4SkeletalMeshType::FirstPerson;
	Package->Data.Assets.Reset();
	Package->Data.AssetsIndexMap.Reset();
	Package->AddAsset(Record(TEXT("/Game/Pack/SK_Hero.SK_Hero")));
	EXPECT_NE(Entry(Package, TEXT("/Game/Pack/SK_Hero")), nullptr);
	EXPECT_EQ(Package->Data.Skeletons[FName(TEXT("/Game/Pack/SK_Hero"))].Type, EZ4SkeletalMeshType::FirstPerson);
}

TEST_F(FAssetCollectionTest, PickedAssetOutsideTheFolderIsAddedWithItsThumbnailInThePackageFolder)
{
	UZ4Package* Package = Start({{TEXT("/Game/Elsewhere/SM_Far"), {}, {}, {}, StaticMesh}});
	Package->AddAsset(Record(TEXT("/Game/Elsewhere/SM_Far.SM_Far")));
	const FZ4Asset* Far = Entry(Package, TEXT("/Game/Elsewhere/SM_Far"));
	ASSERT_NE(Far, nullptr);
	EXPECT_EQ(Far->Name, FName(TEXT("Far")));
	ASSERT_NE(Far->Thumbnail, nullptr);
	EXPECT_EQ(Far->Thumbnail->GetPathName(), TEXT("/Game/Pack/Thumbnails/T_SM_Far.T_SM_Far"));
	EXPECT_TRUE(FPaths::FileExists(ContentFile(TEXT("Pack/Thumbnails/T_SM_Far.png"))));
	EXPECT_FALSE(IFileManager::Get().DirectoryExists(*ContentFile(TEXT("Elsewhere/Thumbnails"))));
	UnloadPackage(TEXT("/Game/Pack/MyPackage"));
	const UZ4Package* Saved = LoadObject<UZ4Package>(nullptr, TEXT("/Game/Pack/MyPackage.MyPackage"));
	ASSERT_NE(Saved, nullptr);
	EXPECT_NE(Entry(Saved, TEXT("/Game/Elsewhere/SM_Far")), nullptr);
}

TEST_F(FAssetCollectionTest, ThumbnailThatCannotBeMadeLeavesTheDefaultOne)
{
	UZ4Package* Package = Start({
		{TEXT("/Game/Pack/SM_Rock"), {}, {}, {}, StaticMesh},
		{TEXT("/Game/Pack/BP_Settings"), {}, {}, {}, Blueprint},
	});
	Project.WriteFile(TEXT("Content/Pack/Thumbnails/T_SM_Rock.png"), TEXT("\x89PNG but then nothing an image has"));
	Project.WriteFile(TEXT("Content/Pack/SM_Broken.uasset"), TEXT(R"({"Format": "UnrealStandInPackage", "Version": 1, "Objects": [
		{"Name": "SM_Broken", "Class": "/Script/Engine.StaticMesh", "Outer": -1, "Flags": 3, "Properties": {"StaticMaterials": 5}}], "Imports": ["/Script/Engine"]})"));
	// Blueprints of classes that are not actors have no rendered thumbnail; these carry a custom one, whole or damaged.
	auto MakeBlueprintWithCustomThumbnail = [](const TCHAR* PackageName, int32 Width, int32 Height, int32 Bytes)
	{
		UBlueprint* Blueprint = NewObject<UBlueprint>(CreatePackage(PackageName), FName(*FPaths::GetBaseFilename(PackageName)), RF_Public | RF_Standalone);
		FObjectThumbnail Custom;
		Custom.SetImageSize(Width, Height);
		Custom.AccessImageData().Init(77, Bytes);
		Blueprint->GetPackage()->AccessThumbnailMap().Add(FName(*Blueprint->GetFullName()), Custom);
		UZ4SDKStatics::SaveAsset(Blueprint);
	};
	MakeBlueprintWithCustomThumbnail(TEXT("/Game/Pack/BP_Custom"), 3, 2, 3 * 2 * 4);
	MakeBlueprintWithCustomThumbnail(TEXT("/Game/Pack/BP_Damaged"), 3, 2, 5);
	Registry().ScanPathsSynchronous({TEXT("/Game/")}, true);

	const struct
	{
		const TCHAR* ObjectPath;
		const TCHAR* Case;
		UTexture2D* Expected;
		int32 Errors;
		bool bCreatorsPng;
	} Cases[] = {
		{TEXT("/Game/Pack/SM_Rock.SM_Rock"), TEXT("the creator's PNG is damaged"), DefaultThumbnail(EZ4AssetType::Mesh), 1, true},
		{TEXT("/Game/Pack/SM_Broken.SM_Broken"), TEXT("the asset cannot be loaded"), DefaultThumbnail(EZ4AssetType::Mesh), 1, false},
		{TEXT("/Game/Pack/BP_Settings.BP_Settings"), TEXT("nothing renders it and it has no custom thumbnail"), DefaultThumbnail(EZ4AssetType::Actor), 0, false},
		{TEXT("/Game/Pack/BP_Damaged.BP_Damaged"), TEXT("its custom thumbnail is too small for its size"), DefaultThumbnail(EZ4AssetType::Actor), 0, false},
	};
	for (const auto& Case : Cases)
	{
		FLogCapture Log;
		const FAssetData Record = FAssetCollectionTest::Record(Case.ObjectPath);
		ASSERT_TRUE(Record.IsValid()) << *FString(Case.Case);
		Package->AddAsset(Record);
		const FZ4Asset* Added = Entry(Package, *Record.PackageName.ToString());
		ASSERT_NE(Added, nullptr) << *FString(Case.Case);
		EXPECT_NE(Case.Expected, nullptr);
		EXPECT_EQ(Added->Thumbnail, Case.Expected) << *FString(Case.Case);
		int32 Errors = 0;
		for (const FCapturedLogLine& Line : Log.Lines())
		{
			Errors += Line.Verbosity == ELogVerbosity::Error ? 1 : 0;
		}
		EXPECT_EQ(Errors, Case.Errors) << *FString(Case.Case);
		EXPECT_EQ(FPaths::FileExists(ContentFile(*(TEXT("Pack/Thumbnails/T_") + Record.AssetName.ToString() + TEXT(".png")))), Case.bCreatorsPng) << *FString(Case.Case);
	}

	// A custom thumbnail stands in for the render.
	Package->AddAsset(Record(TEXT("/Game/Pack/BP_Custom.BP_Custom")));
	const UTexture2D* Custom = Entry(Package, TEXT("/Game/Pack/BP_Custom"))->Thumbnail;
	ASSERT_NE(Custom, nullptr);
	EXPECT_EQ(Custom->GetPathName(), TEXT("/Game/Pack/Thumbnails/T_BP_Custom.T_BP_Custom"));
	EXPECT_EQ(Custom->Source.GetSizeX(), 3);
	EXPECT_EQ(Custom->Source.GetSizeY(), 2);
}

TEST_F(FAssetCollectionTest, WithoutAnSDKManagerThereIsNoDefaultThumbnail)
{
	Project.RemoveSDKManagerBlueprint();
	UZ4Package* Package = Start({{TEXT("/Game/Pack/SM_Rock"), {}, {}, {}, StaticMesh}});
	ASSERT_EQ(FQuillonSDKBaseModule::GetSDKMananger(), nullptr);
	Project.WriteFile(TEXT("Content/Pack/SM_Broken.uasset"), TEXT(R"({"Format": "UnrealStandInPackage", "Version": 1, "Objects": [
		{"Name": "SM_Broken", "Class": "/Script/Engine.StaticMesh", "Outer": -1, "Flags": 3, "Properties": {"StaticMaterials": 5}}], "Imports": ["/Script/Engine"]})"));
	Registry().ScanPathsSynchronous({TEXT("/Game/")}, true);
	Package->FindAllAssets();
	ASSERT_EQ(Package->Data.Assets.Num(), 2);
	EXPECT_EQ(Entry(Package, TEXT("/Game/Pack/SM_Broken"))->Thumbnail, nullptr);
	EXPECT_NE(Entry(Package, TEXT("/Game/Pack/SM_Rock"))->Thumbnail, nullptr);
}

TEST_F(FAssetCollectionTest, SecondRunOverTwoThousandPresentAssetsLoadsRendersAndImportsNothing)
{
	constexpr int32 NumAssets = 2000;
	TArray<FTestPackage> Assets;
	for (int32 Index = 0; Index < NumAssets; ++Index)
	{
		const TCHAR* Classes[] = {StaticMesh, Blueprint, World, SkeletalMesh};
		Assets.Add({FString::Printf(TEXT("/Game/Pack/Asset_%04d"), Index), {}, {}, {}, Classes[Index % 4]});
	}
	UZ4Package* Package = Start(Assets);
	Package->FindAllAssets();
	ASSERT_EQ(Package->Data.Assets.Num(), NumAssets);

	// The assets the first run loaded go, as after a restart of the editor.
	for (const FTestPackage& Asset : Assets)
	{
		UPackage* Loaded = FindPackage(nullptr, *Asset.PackageName);
		ASSERT_NE(Loaded, nullptr);
		ForEachObjectWithPackage(Loaded, [](UObject* Object)
			{
				Object->MarkAsGarbage();
				return true;
			});
		Loaded->MarkAsGarbage();
	}
	CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
	const TArray<FZ4Asset> Before = Package->Data.Assets;

	int32 Saves = 0;
	const FDelegateHandle Handle = UPackage::PackageSavedWithContextEvent.AddLambda([&](const FString&, UPackage*, FObjectPostSaveContext) { ++Saves; });
	FLogCapture Log;
	Package->FindAllAssets();
	UPackage::PackageSavedWithContextEvent.Remove(Handle);

	int32 Loaded = 0;
	for (const FTestPackage& Asset : Assets)
	{
		Loaded += FindPackage(nullptr, *Asset.PackageName) ? 1 : 0;
	}
	EXPECT_EQ(Loaded, 0);
	EXPECT_EQ(Saves, 1);
	EXPECT_EQ(Log.Count(FName(TEXT("LogAssetTools")), ELogVerbosity::Error) + Log.Count(FName(TEXT("LogAssetTools")), ELogVerbosity::Warning), 0);
	EXPECT_EQ(Package->Data.Assets.Num(), NumAssets);
	for (int32 Index = 0; Index < NumAssets; ++Index)
	{
		ASSERT_EQ(Package->Data.Assets[Index].Thumbnail, Before[Index].Thumbnail) << Index;
	}
}
