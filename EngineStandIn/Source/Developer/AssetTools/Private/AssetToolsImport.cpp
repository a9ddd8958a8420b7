#include "AssetImportTask.h"
#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetTools.h"
#include "Engine/Texture2D.h"
#include "IImageWrapper.h"
#include "IImageWrapperModule.h"
#include "Misc/FeedbackContext.h"
#include "Misc/FileHelper.h"
#include "Misc/PackageName.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/SavePackage.h"
#include "UObject/UObjectGlobals.h"

namespace
{
	// The long package path of the content folder to import into. The task names a content path (/Game/Folder), as
	// the engine's import does; a folder on disk is no place in the content, even one under a content folder.
	bool ResolveDestinationPath(const FString& DestinationPath, FString& OutPackagePath)
	{
		FString Path = DestinationPath;
		while (Path.Len() > 1 && Path.EndsWith(TEXT("/")))
		{
			Path.LeftChopInline(1);
		}
		FString Filename;
		if (FPackageName::IsValidLongPackageName(Path + TEXT("/A")) && FPackageName::TryConvertLongPackageNameToFilename(Path + TEXT("/A"), Filename))
		{
			OutPackagePath = Path;
			return true;
		}
		return false;
	}

	struct FDecodedPng
	{
		TArray64<uint8> FileBytes;
		int32 Width = 0;
		int32 Height = 0;
	};

	bool ReadPng(const FString& Filename, FDecodedPng& OutPng)
	{
		if (!FFileHelper::LoadFileToArray(OutPng.FileBytes, *Filename))
		{
			return false;
		}
		IImageWrapperModule& ImageWrapperModule = FModuleManager::LoadModuleChecked<IImageWrapperModule>(TEXT("ImageWrapper"));
		TSharedPtr<IImageWrapper> Wrapper = ImageWrapperModule.CreateImageWrapper(EImageFormat::PNG);
		TArray64<uint8> Pixels;
		// Decoding the whole image catches a file that is damaged past its header.
		if (!Wrapper.IsValid() || !Wrapper->SetCompressed(OutPng.FileBytes.GetData(), OutPng.FileBytes.Num()) || !Wrapper->GetRaw(ERGBFormat::BGRA, 8, Pixels))
		{
			return false;
		}
		OutPng.Width = static_cast<int32>(Wrapper->GetWidth());
		OutPng.Height = static_cast<int32>(Wrapper->GetHeight());
		return true;
	}

	UObject* ImportTask(UAssetImportTask& Task)
	{
		const FString& Filename = Task.Filename;
		if (!FPaths::GetExtension(Filename).Equals(TEXT("png"), ESearchCase::IgnoreCase))
		{
			UE_LOG(LogAssetTools, Error, TEXT("Failed to import '%s': no importer handles files of this type."), *Filename);
			return nullptr;
		}
		FDecodedPng Png;
		if (!FPaths::FileExists(Filename))
		{
			UE_LOG(LogAssetTools, Error, TEXT("Failed to import '%s': the file does not exist."), *Filename);
			return nullptr;
		}
		if (!ReadPng(Filename, Png))
		{
			UE_LOG(LogAssetTools, Error, TEXT("Failed to import '%s': it is not a readable PNG image."), *Filename);
			return nullptr;
		}

		FString PackagePath;
		const FString AssetName = Task.DestinationName.IsEmpty() ? FPaths::GetBaseFilename(Filename) : Task.DestinationName;
		if (!ResolveDestinationPath(Task.DestinationPath, PackagePath) || !FPackageName::IsValidLongPackageName(PackagePath + TEXT("/") + AssetName))
		{
			UE_LOG(LogAssetTools, Error, TEXT("Failed to import '%s': '%s' named '%s' is not a place in the content."), *Filename, *Task.DestinationPath, *AssetName);
			return nullptr;
		}
		const FString PackageName = PackagePath + TEXT("/") + AssetName;

		UTexture2D* Texture = nullptr;
		UObject* Existing = FPackageName::DoesPackageExist(PackageName) || FindPackage(nullptr, *PackageName)
								? StaticLoadObject(UObject::StaticClass(), nullptr, *(PackageName + TEXT(".") + AssetName), nullptr, LOAD_NoWarn)
								: nullptr;
		if (Existing)
		{
			if (!Task.bReplaceExisting)
			{
				UE_LOG(LogAssetTools, Warning, TEXT("Skipped importing '%s': the asset %s already exists."), *Filename, *Existing->GetPathName());
				return nullptr;
			}
			Texture = Cast<UTexture2D>(Existing);
			if (!Texture)
			{
				UE_LOG(LogAssetTools, Error, TEXT("Failed to import '%s': the asset %s it would replace is a %s, not a texture."), *Filename, *Existing->GetPathName(), *Existing->GetClass()->GetName());
				return nullptr;
			}
		}
		else
		{
			UPackage* Package = CreatePackage(*PackageName);
			Texture = NewObject<UTexture2D>(Package, FName(*AssetName), RF_Public | RF_Standalone | RF_Transactional);
		}
		Texture->Source.InitWithCompressedSourceData(Png.Width, Png.Height, 1, TSF_BGRA8, Png.FileBytes, TSCF_PNG);
		Texture->MarkPackageDirty();
		if (!Existing)
		{
			FAssetRegistryModule::AssetCreated(Texture);
		}

		if (Task.bSave)
		{
			FSavePackageArgs SaveArgs;
			SaveArgs.TopLevelFlags = RF_Public | RF_Standalone;
			SaveArgs.Error = GWarn;
			UPackage::Save(Texture->GetPackage(), Texture, *FPackageName::LongPackageNameToFilename(PackageName, FPackageName::GetAssetPackageExtension()), SaveArgs);
		}
		return Texture;
	}
}

void FAssetTools::ImportAssetTasks(const TArray<UAssetImportTask*>& ImportTasks)
{
	// Every import here finishes before this returns, whether the task asked for it to run in the background or not.
	for (UAssetImportTask* Task : ImportTasks)
	{
		if (!Task)
		{
			continue;
		}
		Task->ImportedObjects.Reset();
		Task->ImportedObjectPaths.Reset();
		if (UObject* Imported = ImportTask(*Task))
		{
			Task->ImportedObjects.Add(Imported);
			Task->ImportedObjectPaths.Add(Imported->GetPathName());
		}
	}
}
