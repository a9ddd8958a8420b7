#pragma once

#include "CoreMinimal.h"
#include "AssetRegistry/AssetData.h"
#include "Misc/AssetRegistryInterface.h"

namespace UE::AssetRegistry::Private
{
	struct FPackageDependency
	{
		FName PackageName;
		EDependencyProperty Properties = EDependencyProperty::None;
	};

	/** What the registry keeps of a package file: its assets and the packages it refers to. */
	struct FPackageFileHeader
	{
		TArray<FAssetData> Assets;
		/** Hard references first, then soft ones, each package once. */
		TArray<FPackageDependency> Dependencies;
	};

	/**
	 * Reads the header of the package file of PackageName: the objects directly in the package that are not
	 * class defaults become its assets, its imports and soft references its dependencies. Nothing is loaded.
	 * False, with a warning naming the file, when the file cannot be read or is not a package file; malformed
	 * entries of a readable file are left out, with one warning for the file.
	 */
	bool ReadPackageFileHeader(const FString& Filename, FName PackageName, FPackageFileHeader& OutHeader);
}
