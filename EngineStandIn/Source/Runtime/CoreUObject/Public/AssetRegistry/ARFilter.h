#pragma once

#include "CoreMinimal.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/TopLevelAssetPath.h"

/**
 * Which assets an asset registry query returns. An asset must match every component that has at least one
 * element, and matches a component when it matches any of its elements; an empty filter matches every asset.
 */
struct FARFilter
{
	/** Long package names of the packages whose assets match (/Game/Pack/SM_Rock). */
	TArray<FName> PackageNames;
	/** Package paths whose packages' assets match (/Game/Pack); with bRecursivePaths also their subfolders. */
	TArray<FName> PackagePaths;
	/** Object paths of the assets that match (/Game/Pack/SM_Rock.SM_Rock). */
	TArray<FSoftObjectPath> SoftObjectPaths;
	/** Class paths of the assets that match (/Script/Engine.StaticMesh); with bRecursiveClasses also subclasses. */
	TArray<FTopLevelAssetPath> ClassPaths;
	/** With bRecursiveClasses, classes (and their subclasses) that do not match although they derive from one of ClassPaths. */
	TSet<FTopLevelAssetPath> RecursiveClassPathsExclusionSet;
	bool bRecursivePaths = false;
	bool bRecursiveClasses = false;
	/** Only assets found on disk, not those known only from memory. */
	bool bIncludeOnlyOnDiskAssets = false;

	bool IsEmpty() const
	{
		return PackageNames.Num() == 0 && PackagePaths.Num() == 0 && SoftObjectPaths.Num() == 0 && ClassPaths.Num() == 0;
	}

	void Clear()
	{
		*this = FARFilter();
	}
};
