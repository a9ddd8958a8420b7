#include "../Core/CoreTestPrinters.h"
#include "../Plugin/PackageTestUtils.h"
#include "AssetImportTask.h"
#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "AssetToolsModule.h"
#include "Engine/Texture2D.h"
#include "IAssetTools.h"
#include "IImageWrapper.h"
#include "IImageWrapperModule.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "StandIn/LogCapture.h"
#include "StandIn/TestProject.h"
#include "UObject/Package.h"
#include <gtest/gtest.h>

using namespace UE::StandIn;
using namespace UE::Quillon::Test;

namespace
{
	class FAssetImportTest : public ::testing::Test
	{
	protected:
		FTestProject Project;
		FStandInEngine Engine{Project, false};

		// A PNG of the given size under the project's content folder; its path as the editor gives paths.
		FString WritePng(const FString& ContentRelativePath, int32 Width, int32 Height)
		{
			TArray<uint8> Pixels;
			Pixels.Init(200, Width * Height * 4);
			TSharedPtr<IImageWrapper> Png = FModuleManager::LoadModuleChecked<IImageWrapperModule>(TEXT("ImageWrapper")).CreateImageWrapper(EImageFormat::PNG);
			EXPECT_TRUE(Png->SetRaw(Pixels.GetData(), Pixels.Num(), Width, Height, ERGBFormat::BGRA, 8));
			const FString Path = FPaths::ProjectContentDir() + ContentRelativePath;
			EXPECT_TRUE(FFileHelper::SaveArrayToFile(Png->GetCompressed(), *Path));
			return Path;
		}

		static UAssetImportTask* Import(const FString& Filename, const FString& DestinationPath, const FString& DestinationName, bool bReplaceExisting, bool bSave)
		{
			UAssetImportTask* Task = NewObject<UAssetImportTask>(GetTransientPackage());
			Task->Filename = Filename;
			Task->DestinationPath = DestinationPath;
			Task->DestinationName = DestinationName;
			Task->bReplaceExisting = bReplaceExisting;
			Task->bSave = bSave;
			FModuleManager::LoadModuleChecked<FAssetToolsModule>(TEXT("AssetTools")).Get().ImportAssetTasks({Task});
			return Task;
		}

		static UTexture2D* OnlyTexture(const UAssetImportTask* Task)
		{
			return Task->GetObjects().Num() == 1 ? Cast<UTexture2D>(Task->GetObjects()[0]) : nullptr;
		}
	};
}

TEST_F(FAssetImportTest, PngUnderTheContentFolderBecomesATextureInTheMatchingFolder)
{
	const FString Png = WritePng(TEXT("Pack/Thumbnails/T_SM_Rock.png"), 4, 3);
	const UAssetImportTask* Task = Import(Png, TEXT("/Game/Pack/Thumbnails"), FPaths::GetBaseFilename(Png), true, true);
	const UTexture2D* Texture = OnlyTexture(Task);
	ASSERT_NE(Texture, nullptr);
	EXPECT_EQ(Texture->GetPathName(), TEXT("/Game/Pack/Thumbnails/T_SM_Rock.T_SM_Rock"));
	EXPECT_EQ(Task->ImportedObjectPaths, TArray<FString>({TEXT("/Game/Pack/Thumbnails/T_SM_Rock.T_SM_Rock")}));
	EXPECT_EQ(Texture->Source.GetSizeX(), 4);
	EXPECT_EQ(Texture->Source.GetSizeY(), 3);
	EXPECT_EQ(Texture->Source.GetFormat(), TSF_BGRA8);
	EXPECT_EQ(Texture->Source.GetSourceCompression(), TSCF_PNG);
	EXPECT_EQ(Texture->Source.GetSizeOnDisk(), IFileManager::Get().FileSize(*Png));
	EXPECT_TRUE(FPaths::FileExists(Project.GetContentDir() + TEXT("Pack/Thumbnails/T_SM_Rock.uasset")));

	UnloadPackage(TEXT("/Game/Pack/Thumbnails/T_SM_Rock"));
	const UTexture2D* Loaded = LoadObject<UTexture2D>(nullptr, TEXT("/Game/Pack/Thumbnails/T_SM_Rock.T_SM_Rock"));
	ASSERT_NE(Loaded, nullptr);
	EXPECT_EQ(Loaded->Source.GetSizeX(), 4);
	EXPECT_EQ(Loaded->Source.GetSizeOnDisk(), IFileManager::Get().FileSize(*Png));

	// A content path as destination, the file's name as the asset's, and nothing saved.
	const UTexture2D* Unsaved = OnlyTexture(Import(Png, TEXT("/Game/Icons"), FString(), false, false));
	ASSERT_NE(Unsaved, nullptr);
	EXPECT_EQ(Unsaved->GetPathName(), TEXT("/Game/Icons/T_SM_Rock.T_SM_Rock"));
	EXPECT_FALSE(FPaths::FileExists(Project.GetContentDir() + TEXT("Icons/T_SM_Rock.uasset")));
	// The registry knows the new asset before it is first saved.
	const IAssetRegistry& Registry = FModuleManager::LoadModuleChecked<FAssetRegistryModule>(TEXT("AssetRegistry")).Get();
	EXPECT_TRUE(Registry.GetAssetByObjectPath(FSoftObjectPath(TEXT("/Game/Icons/T_SM_Rock.T_SM_Rock"))).IsValid());
}

TEST_F(FAssetImportTest, AnExistingAssetIsUpdatedInPlaceOnlyWhenReplacingIsAsked)
{
	const FString Png = WritePng(TEXT("Pack/T_Icon.png"), 2, 2);
	UTexture2D* First = OnlyTexture(Import(Png, TEXT("/Game/Pack"), FString(), true, true));
	ASSERT_NE(First, nullptr);
	WritePng(TEXT("Pack/T_Icon.png"), 5, 1);

	FLogCapture Log;
	const UAssetImportTask* Skipped = Import(Png, TEXT("/Game/Pack"), FString(), false, true);
	EXPECT_EQ(Skipped->GetObjects().Num(), 0);
	EXPECT_TRUE(Log.Contains(FName(TEXT("LogAssetTools")), ELogVerbosity::Warning, TEXT("T_Icon")));
	EXPECT_EQ(First->Source.GetSizeX(), 2);

	EXPECT_EQ(OnlyTexture(Import(Png, TEXT("/Game/Pack"), FString(), true, true)), First);
	EXPECT_EQ(First->Source.GetSizeX(), 5);
	UnloadPackage(TEXT("/Game/Pack/T_Icon"));
	const UTexture2D* Loaded = LoadObject<UTexture2D>(nullptr, TEXT("/Game/Pack/T_Icon.T_Icon"));
	ASSERT_NE(Loaded, nullptr);
	EXPECT_EQ(Loaded->Source.GetSizeX(), 5);
}

TEST_F(FAssetImportTest, FileThatCannotBeImportedMakesNothingAndLogsOneErrorNamingIt)
{
	const FString Good = WritePng(TEXT("Pack/T_Good.png"), 2, 2);
	TArray<uint8> Bytes;
	ASSERT_TRUE(FFileHelper::LoadFileToArray(Bytes, *Good));
	Project.WriteFile(TEXT("Content/Pack/T_Text.png"), TEXT("this is not an image"));
	const FString Truncated = FPaths::ProjectContentDir() + TEXT("Pack/T_Cut.png");
	ASSERT_TRUE(FFileHelper::SaveArrayToFile(TArray64<uint8>(Bytes.GetData(), Bytes.Num() / 2), *Truncated));
	const FString Jpeg = FPaths::ProjectContentDir() + TEXT("Pack/T_Photo.jpg");
	ASSERT_TRUE(FFileHelper::SaveArrayToFile(TArray64<uint8>(Bytes.GetData(), Bytes.Num()), *Jpeg));

	const struct
	{
		const TCHAR* Case;
		FString Filename;
		FString DestinationPath;
	} Cases[] = {
		{TEXT("text with a PNG's name"), FPaths::ProjectContentDir() + TEXT("Pack/T_Text.png"), TEXT("/Game/Pack")},
		{TEXT("PNG cut in half"), Truncated, TEXT("/Game/Pack")},
		{TEXT("missing file"), FPaths::ProjectContentDir() + TEXT("Pack/T_None.png"), TEXT("/Game/Pack")},
		{TEXT("no importer for the type"), Jpeg, TEXT("/Game/Pack")},
		{TEXT("destination outside the content"), Good, Project.GetSavedDir()},
		{TEXT("destination a folder on disk, even the content's"), Good, FPaths::ProjectContentDir() + TEXT("Pack")},
		{TEXT("destination the content folder's full path"), Good, FPaths::ConvertRelativePathToFull(FPaths::ProjectContentDir() + TEXT("Pack"))},
	};
	for (const auto& Case : Cases)
	{
		FLogCapture Log;
		const UAssetImportTask* Task = Import(Case.Filename, Case.DestinationPath, FString(), true, true);
		EXPECT_EQ(Task->GetObjects().Num(), 0) << *FString(Case.Case);
		EXPECT_EQ(Task->ImportedObjectPaths.Num(), 0) << *FString(Case.Case);
		EXPECT_EQ(Log.Count(FName(TEXT("LogAssetTools")), ELogVerbosity::Error), 1) << *FString(Case.Case);
		EXPECT_TRUE(Log.Contains(FName(TEXT("LogAssetTools")), ELogVerbosity::Error, Case.Filename)) << *FString(Case.Case);
		EXPECT_EQ(FindPackage(nullptr, *(TEXT("/Game/Pack/") + FPaths::GetBaseFilename(Case.Filename))), nullptr) << *FString(Case.Case);
	}
}
