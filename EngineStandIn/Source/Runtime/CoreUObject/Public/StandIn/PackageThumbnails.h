#pragma once

#include "CoreMinimal.h"
#include "Misc/ObjectThumbnail.h"

namespace UE::StandIn
{
	/**
	 * The thumbnails saved in a package file, read without loading the package, as the editor reads them for
	 * the content browser. False when the file cannot be read or is not a valid package.
	 */
	COREUOBJECT_API bool LoadThumbnailsFromPackageFile(const FString& Filename, FThumbnailMap& OutThumbnails);
}
