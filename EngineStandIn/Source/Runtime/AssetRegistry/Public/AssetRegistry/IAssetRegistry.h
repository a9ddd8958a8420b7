#pragma once

#include "CoreMinimal.h"
#include "AssetRegistry/ARFilter.h"
#include "AssetRegistry/AssetData.h"
#include "Misc/AssetRegistryInterface.h"

class UObject;

ASSETREGISTRY_API DECLARE_LOG_CATEGORY_EXTERN(LogAssetRegistry, Log, All);

/**
 * The editor's index of the content on disk: the assets of every package under the mounted roots and the
 * packages each one depends on, read from the package files without loading them. An asset that exists only in
 * memory is known once AssetCreated is called for it; unlike the engine's, this registry does not look through
 * the loaded objects for assets it was not told of.
 *
 * Orders, which callers see and may rely on:
 * - GetAssets returns its assets sorted by long package name, then by asset name (both ignoring case).
 * - GetDependencies lists a package's hard references (its imports) in the order the package file lists
 *   them, then its soft references in theirs; a package named by both stands once, where it first appears.
 * - GetReferencers returns the referencing packages sorted by long package name (ignoring case).
 */
class ASSETREGISTRY_API IAssetRegistry
{
public:
	virtual ~IAssetRegistry() = default;

	/** Appends the assets that match the filter. */
	virtual bool GetAssets(const FARFilter& Filter, TArray<FAssetData>& OutAssetData, bool bSkipARFilteredAssets = true) const = 0;

	/** The asset at the object path (/Game/Pack/SM_Rock.SM_Rock); an invalid record when there is none. */
	virtual FAssetData GetAssetByObjectPath(const FSoftObjectPath& ObjectPath, bool bIncludeOnlyOnDiskAssets = false, bool bSkipARFilteredAssets = true) const = 0;
	UE_DEPRECATED(5.1, "Asset path FNames have been deprecated, use FSoftObjectPath instead.")
	FAssetData GetAssetByObjectPath(const FName ObjectPath, bool bIncludeOnlyOnDiskAssets = false) const
	{
		return GetAssetByObjectPath(FSoftObjectPath(ObjectPath.ToString()), bIncludeOnlyOnDiskAssets);
	}

	/** Appends the long package names the package depends on. False when the package is not known. */
	virtual bool GetDependencies(FName PackageName, TArray<FName>& OutDependencies,
		UE::AssetRegistry::EDependencyCategory Category = UE::AssetRegistry::EDependencyCategory::Package,
		const UE::AssetRegistry::FDependencyQuery& Flags = UE::AssetRegistry::FDependencyQuery()) const = 0;

	/** Appends the long package names of the known packages that depend on the package. False when the package is neither known nor referenced. */
	virtual bool GetReferencers(FName PackageName, TArray<FName>& OutReferencers,
		UE::AssetRegistry::EDependencyCategory Category = UE::AssetRegistry::EDependencyCategory::Package,
		const UE::AssetRegistry::FDependencyQuery& Flags = UE::AssetRegistry::FDependencyQuery()) const = 0;

	/** Makes a newly created asset known before it is first saved. */
	virtual void AssetCreated(UObject* NewAsset) = 0;

	/**
	 * Reads the package files under the given package paths (/Game/Pack) or root (/Game/) again, now. Packages
	 * known from those paths whose files are gone are forgotten. Without bForceRescan, paths scanned before are
	 * skipped.
	 */
	virtual void ScanPathsSynchronous(const TArray<FString>& InPaths, bool bForceRescan = false, bool bIgnoreDenyListScanFilters = false) = 0;
	/** Reads the given package files (by file name) again, now. */
	virtual void ScanFilesSynchronous(const TArray<FString>& InFilePaths, bool bForceRescan = false) = 0;
	/** Reads the given package files again, now, whether or not they were scanned before: they changed on disk. */
	virtual void ScanModifiedAssetFiles(const TArray<FString>& InFilePaths) = 0;
};
