#pragma once

#if WITH_EDITOR

#include "CoreMinimal.h"
#include "Z4PackageFinding.h"

class FZ4DependencyQueryCache;
class IAssetRegistry;
class UZ4Package;

/**
 * The checks of "Check Package", over the package's main assets, its export set and the asset registry. The walk from
 * the main assets asks the operation's query cache, so each package is listed and looked for on disk once; it changes
 * none of the package's records.
 *
 * Path lengths are held to what Windows allows without long-path support (MAX_PATH, 260 characters with the closing
 * NUL): the cooked file's absolute path, which the pak tool opens, may have MaxCookedPathLength characters; the client
 * opens a file as "<install folder>/QuillonVTT/Content/<path below /Game/>", and MaxClientPathLength leaves 100 of the
 * 259 characters to the install folder (a Steam library under Program Files takes some 60).
 */
class FZ4PackageCheck
{
public:
	static constexpr int32 MaxCookedPathLength = 259;
	static constexpr int32 MaxClientPathLength = 159;

	FZ4PackageCheck(const UZ4Package& InPackage, FZ4DependencyQueryCache& InQueries, IAssetRegistry& InAssetRegistry);

	/** Every finding, errors first, then by code and package. */
	TArray<FZ4PackageFinding> Run(TConstArrayView<FName> ExportPackageNames);

private:
	/** What the disk says of one package's cooked file. */
	struct FCookedFile
	{
		FString DiskPath;
		FString MountPath;
		bool bCooked = false;
		/** Older than the package's own file. */
		bool bStale = false;
	};

	void WalkFromMainAssets();
	void CheckExportSet(TConstArrayView<FName> ExportPackageNames);
	static FCookedFile LookAtCookedFile(FName PackageName, bool bIsMap, const FString& CookedContentDir);
	void CheckCookedFile(FName PackageName, const FCookedFile& CookedFile);
	void CheckThumbnailNames();
	void CheckSettingsAndName();

	/** From the main asset that first reached PackageName to it; only PackageName when the walk did not reach it. */
	TArray<FName> GetChain(FName PackageName) const;

	FZ4PackageFinding& AddFinding(EZ4FindingSeverity Severity, const TCHAR* Code, FName PackageName, FText Message, FText Hint);

	const UZ4Package& Package;
	FZ4DependencyQueryCache& Queries;
	IAssetRegistry& AssetRegistry;
	/** Each package the walk reached, with the package it was reached from (None for a main asset). */
	TMap<FName, FName> ReachedFrom;
	TSet<FName> ReportedMissing;
	TArray<FZ4PackageFinding> Findings;
};

#endif
