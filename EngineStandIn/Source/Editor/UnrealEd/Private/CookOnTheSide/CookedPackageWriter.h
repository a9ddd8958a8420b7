#pragma once

#include "CoreMinimal.h"

#include <nlohmann/json.hpp>

namespace UE::Cook::Private
{
	/** One package as the cooker writes it for one platform. */
	struct FCookedPackage
	{
		FName PackageName;
		FString PlatformName;
		/** Where the package's files go, relative to the platform's folder and without extension: MyProject/Content/Pack/SM_Rock */
		FString RelativePathBase;
		/** ".umap" for a world's package, ".uasset" otherwise. */
		FString HeaderExtension;
		/** The package file as read. */
		const nlohmann::ordered_json* PackageDocument = nullptr;
		/** The package's objects whose data goes to the .ubulk; a .ubulk is written when the package has bulk data. */
		TArray<FString> BulkDataObjects;
		bool bHasBulkData = false;
	};

	/**
	 * Writes a cooked package below PlatformDir (absolute, ending with '/'): loose files, or with bUseZenStore entries
	 * of the store file ue.projectstore in PlatformDir and no loose file. False when a file cannot be written.
	 */
	bool WriteCookedPackage(const FString& PlatformDir, const FCookedPackage& Package, bool bUseZenStore);
}
