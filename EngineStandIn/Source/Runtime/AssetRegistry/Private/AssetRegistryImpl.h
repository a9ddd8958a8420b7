#pragma once

#include "CoreMinimal.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "PackageFileHeader.h"

class UPackage;
class FObjectPostSaveContext;

namespace UE::AssetRegistry::Private
{
	/**
	 * The registry: what it knows of every package under the mounted roots, kept current as roots are mounted
	 * and taken away, packages are saved and assets created. Main thread only, as the callers are.
	 */
	class FAssetRegistryImpl final : public IAssetRegistry
	{
	public:
		/** Scans the roots mounted now and listens for the ones mounted later and for saves. */
		FAssetRegistryImpl();
		virtual ~FAssetRegistryImpl() override;

		virtual bool GetAssets(const FARFilter& Filter, TArray<FAssetData>& OutAssetData, bool bSkipARFilteredAssets = true) const override;
		virtual FAssetData GetAssetByObjectPath(const FSoftObjectPath& ObjectPath, bool bIncludeOnlyOnDiskAssets = false, bool bSkipARFilteredAssets = true) const override;
		using IAssetRegistry::GetAssetByObjectPath;
		virtual bool GetDependencies(FName PackageName, TArray<FName>& OutDependencies, EDependencyCategory Category = EDependencyCategory::Package,
			const FDependencyQuery& Flags = FDependencyQuery()) const override;
		virtual bool GetReferencers(FName PackageName, TArray<FName>& OutReferencers, EDependencyCategory Category = EDependencyCategory::Package,
			const FDependencyQuery& Flags = FDependencyQuery()) const override;
		virtual void AssetCreated(UObject* NewAsset) override;
		virtual void ScanPathsSynchronous(const TArray<FString>& InPaths, bool bForceRescan = false, bool bIgnoreDenyListScanFilters = false) override;
		virtual void ScanFilesSynchronous(const TArray<FString>& InFilePaths, bool bForceRescan = false) override;
		virtual void ScanModifiedAssetFiles(const TArray<FString>& InFilePaths) override;

	private:
		struct FPackageEntry
		{
			TArray<FAssetData> Assets;
			TArray<FPackageDependency> Dependencies;
			/** Read from a file; false for a package known only from AssetCreated. */
			bool bOnDisk = false;
		};

		/** Reads every package file below the folder of a package path (/Game/Pack) and forgets the packages there whose files are gone. */
		void ScanPackagePath(const FString& PackagePath);
		/** Reads one package file; a file that cannot be read leaves the package unknown. */
		void ScanFile(FName PackageName, const FString& Filename);
		void SetPackage(FName PackageName, FPackageEntry&& Entry);
		void RemovePackage(FName PackageName);
		void RemoveReferencer(FName PackageName, FName Referencer);
		/** Forgets the packages read from files under a package path. */
		void RemoveOnDiskPackagesUnder(const FString& PackagePath, const TSet<FName>& Keep);

		void HandleContentPathMounted(const FString& RootPath, const FString& ContentPath);
		void HandleContentPathDismounted(const FString& RootPath, const FString& ContentPath);
		void HandlePackageSaved(const FString& Filename, UPackage* Package, FObjectPostSaveContext Context);

		TMap<FName, FPackageEntry> Packages;
		/** For each package, the known packages that list it as a dependency. */
		TMap<FName, TSet<FName>> Referencers;
		/** Package paths scanned whole, so a scan without bForceRescan can skip them. */
		TArray<FString> ScannedPaths;

		FDelegateHandle MountedHandle;
		FDelegateHandle DismountedHandle;
		FDelegateHandle SavedHandle;
	};
}
