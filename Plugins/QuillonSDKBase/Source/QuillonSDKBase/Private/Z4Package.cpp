#include "Z4Package.h"

#include "Animation/AnimBlueprint.h"
#include "AssetRegistry/AssetRegistryModule.h"
#include "Engine/Blueprint.h"
#include "Engine/SkeletalMesh.h"
#include "Engine/StaticMesh.h"
#include "Engine/Texture2D.h"
#include "Engine/World.h"
#include "Misc/Guid.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "UObject/Package.h"

#if WITH_EDITOR
#include "AssetRegistry/IAssetRegistry.h"
#include "Engine/RendererSettings.h"
#include "Misc/MessageDialog.h"
#include "QuillonSDKBase.h"
#include "Settings/ProjectPackagingSettings.h"
#include "UnrealEdMisc.h"
#include "Z4DependencyQueryCache.h"
#include "Z4SDKStatics.h"
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

FAssetRegistryModule& UZ4Package::AssetRegistryModule()
{
	static FAssetRegistryModule& Module = FModuleManager::LoadModuleChecked<FAssetRegistryModule>(TEXT("AssetRegistry"));
	return Module;
}

#if WITH_EDITOR
namespace
{
	/**
	 * Whether a dependency lies outside the package: not in the package's folder or below it, and not one of the
	 * external-actor packages that the engine keeps apart from a level's own folder. The folder /Game/Pack does not
	 * hold /Game/Pack2/M_Rock: a name has to continue the folder's with a slash to be in it.
	 */
	bool IsOutsidePackageFolder(const FString& PackageName, const FString& PackageFolder)
	{
		const bool bInFolder = PackageName.StartsWith(PackageFolder, ESearchCase::IgnoreCase)
			&& (PackageFolder.EndsWith(TEXT("/")) || (PackageName.Len() > PackageFolder.Len() && PackageName[PackageFolder.Len()] == TEXT('/')));
		return !bInFolder && !PackageName.StartsWith(TEXT("/Game/__ExternalActors__/"), ESearchCase::IgnoreCase);
	}
}

void UZ4Package::FindAllDependencies()
{
	FZ4DependencyQueryCache Queries(DependencyQueryCache, AssetRegistryModule().Get());
	Dependencies.Empty();
	ExternalDependencies.Empty();
	TArray<FName> MainAssets;
	Data.AssetsIndexMap.GetKeys(MainAssets);
	for (const FName& MainAsset : MainAssets)
	{
		TSet<FName> Visited;
		FindAssetDependencies(MainAsset, MainAsset, Visited, 0);
	}
	UZ4SDKStatics::SaveAsset(this);
}

void UZ4Package::FindAssetDependencies(FName MainAsset, FName Asset, TSet<FName>& Visited, int32 Depth)
{
	if (Visited.Contains(Asset))
	{
		return;
	}
	Visited.Add(Asset);

	FZ4DependencyQueryCache Queries(DependencyQueryCache, AssetRegistryModule().Get());
	for (const FName& Dependency : Queries.GetDependencies(Asset))
	{
		const FString DependencyName = Dependency.ToString();
		if (!IsCustomAsset(DependencyName) || !Queries.DoesPackageExist(Dependency))
		{
			continue;
		}
		Dependencies.FindOrAdd(Dependency).References.Add(MainAsset);
		if (IsOutsidePackageFolder(DependencyName, PackageFolder))
		{
			ExternalDependencies.FindOrAdd(Dependency) = Depth;
		}
		FindAssetDependencies(MainAsset, Dependency, Visited, Depth + 1);
	}
}

void UZ4Package::RemoveAssetDependencies(FName MainAsset, FName Asset, TSet<FName>& Visited)
{
	if (Visited.Contains(Asset))
	{
		return;
	}
	Visited.Add(Asset);

	FZ4DependencyQueryCache Queries(DependencyQueryCache, AssetRegistryModule().Get());
	for (const FName& Dependency : Queries.GetDependencies(Asset))
	{
		const FString DependencyName = Dependency.ToString();
		if (!IsCustomAsset(DependencyName))
		{
			continue;
		}
		if (FZ4ReferenceList* ReferenceList = Dependencies.Find(Dependency))
		{
			ReferenceList->References.Remove(MainAsset);
			if (ReferenceList->References.Num() == 0)
			{
				Dependencies.Remove(Dependency);
				if (IsOutsidePackageFolder(DependencyName, PackageFolder))
				{
					ExternalDependencies.Remove(Dependency);
				}
			}
		}
		RemoveAssetDependencies(MainAsset, Dependency, Visited);
	}
}
#endif

#undef LOCTEXT_NAMESPACE
