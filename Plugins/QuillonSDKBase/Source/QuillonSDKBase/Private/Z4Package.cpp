#include "Z4Package.h"

#include "Animation/AnimBlueprint.h"
#include "Engine/Blueprint.h"
#include "Engine/SkeletalMesh.h"
#include "Engine/StaticMesh.h"
#include "Engine/Texture2D.h"
#include "Engine/World.h"
#include "Misc/Guid.h"
#include "Misc/Paths.h"
#include "UObject/Package.h"

#if WITH_EDITOR
#include "Engine/RendererSettings.h"
#include "Misc/MessageDialog.h"
#include "QuillonSDKBase.h"
#include "Settings/ProjectPackagingSettings.h"
#include "UnrealEdMisc.h"
#endif

#define LOCTEXT_NAMESPACE "Z4Package"

FZ4PackageData::FZ4PackageData()
	: PackId(FGuid::NewGuid().ToString(EGuidFormats::Digits).Left(6))
{
}

const FZ4Asset* FZ4PackageData::GetAsset(int32 Index) const
{
	return Assets.IsValidIndex(Index) ? &Assets[Index] : nullptr;
}

UZ4Package::UZ4Package()
	: PackageFolder(FPaths::GetPath(GetPackage()->GetPathName()))
{
}

EZ4AssetType UZ4Package::GetAssetType(const UClass* Class)
{
	if (Class == UWorld::StaticClass())
	{
		return EZ4AssetType::Level;
	}
	if (Class == UStaticMesh::StaticClass())
	{
		return EZ4AssetType::Mesh;
	}
	if (Class == UBlueprint::StaticClass())
	{
		return EZ4AssetType::Actor;
	}
	if (Class == USkeletalMesh::StaticClass())
	{
		return EZ4AssetType::Skeleton;
	}
	return EZ4AssetType::E_NONE;
}

bool UZ4Package::IsPackageClass(const UClass* Class)
{
	return Class && (Class->IsChildOf(UWorld::StaticClass()) || Class->IsChildOf(UStaticMesh::StaticClass()) || Class->IsChildOf(UBlueprint::StaticClass())
		|| Class->IsChildOf(USkeletalMesh::StaticClass()) || Class->IsChildOf(UAnimBlueprint::StaticClass()));
}

bool UZ4Package::IsSpawnableType(const UClass* Class)
{
	return Class && (Class == UStaticMesh::StaticClass() || Class->IsChildOf(UBlueprint::StaticClass()));
}

bool UZ4Package::IsCustomAsset(FString PackageName)
{
	if (!PackageName.StartsWith(TEXT("/Game/"), ESearchCase::IgnoreCase))
	{
		return false;
	}
	for (const TCHAR* Reserved : {TEXT("/Game/DIZEzerizidu/"), TEXT("/Game/Components/"), TEXT("/Game/Default/")})
	{
		if (PackageName.StartsWith(Reserved, ESearchCase::IgnoreCase))
		{
			return false;
		}
	}
	return true;
}

FName UZ4Package::RemoveClassPrefix(FName AssetName, const UClass* Class)
{
	const TCHAR* Prefix = nullptr;
	if (Class == UWorld::StaticClass())
	{
		Prefix = TEXT("L_");
	}
	else if (Class == UStaticMesh::StaticClass())
	{
		Prefix = TEXT("SM_");
	}
	else if (Class == UBlueprint::StaticClass())
	{
		Prefix = TEXT("BP_");
	}
	if (!Prefix)
	{
		return AssetName;
	}
	const FString Name = AssetName.ToString();
	if (!Name.StartsWith(Prefix, ESearchCase::IgnoreCase))
	{
		return AssetName;
	}
	return FName(*Name.RightChop(FCString::Strlen(Prefix)));
}

#if WITH_EDITOR
namespace
{
	// The editor reports nothing when a settings file cannot be written (one under source control that is
	// not checked out), and the creator would cook with settings that were never saved.
	void WriteDefaultConfig(UObject* Settings)
	{
		if (!Settings->TryUpdateDefaultConfigFile())
		{
			UE_LOG(Z4LogSDK, Error, TEXT("Could not write the cook settings to %s: the file is read-only or cannot be written. Check it out or make it writable, then apply the cook settings again."),
				*FPaths::ConvertRelativePathToFull(Settings->GetDefaultConfigFilename()));
		}
	}
}

void UZ4Package::ApplyCookSettings()
{
	UProjectPackagingSettings* PackagingSettings = GetMutableDefault<UProjectPackagingSettings>();
	// With the zen store a cook goes to a storage server, and the pak is made from loose cooked files.
	PackagingSettings->bUseZenStore = false;

	for (const FZ4Asset& Asset : Data.Assets)
	{
		if (Asset.Class != UWorld::StaticClass())
		{
			continue;
		}
		int32 Dot = INDEX_NONE;
		const FString MapPath = Asset.ObjectPath.FindLastChar(TEXT('.'), Dot) ? Asset.ObjectPath.Left(Dot) : Asset.ObjectPath;
		if (!PackagingSettings->MapsToCook.ContainsByPredicate([&MapPath](const FFilePath& Map) { return Map.FilePath == MapPath; }))
		{
			PackagingSettings->MapsToCook.AddDefaulted_GetRef().FilePath = MapPath;
		}
	}
	if (!PackagingSettings->DirectoriesToAlwaysCook.ContainsByPredicate([this](const FDirectoryPath& Directory) { return Directory.Path == PackageFolder; }))
	{
		PackagingSettings->DirectoriesToAlwaysCook.AddDefaulted_GetRef().Path = PackageFolder;
	}
	WriteDefaultConfig(PackagingSettings);

	URendererSettings* RendererSettings = GetMutableDefault<URendererSettings>();
	if (RendererSettings->bAllowStaticLighting)
	{
		return;
	}
	RendererSettings->bAllowStaticLighting = true;
	WriteDefaultConfig(RendererSettings);

	const FText Message = LOCTEXT("RestartForStaticLighting", "Changes to static lighting settings require a restart to take effect. Would you like to restart the editor now?");
	if (FMessageDialog::Open(EAppMsgType::YesNo, Message, LOCTEXT("RestartRequiredTitle", "Restart Required")) == EAppReturnType::Yes)
	{
		FUnrealEdMisc::Get().RestartEditor(true);
	}
}
#endif

#undef LOCTEXT_NAMESPACE
