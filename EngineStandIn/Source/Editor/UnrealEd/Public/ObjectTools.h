#pragma once

#include "CoreMinimal.h"

class FObjectThumbnail;
class UObject;

/** The editor's thumbnails: rendered for the content browser and saved with each package. */
namespace ThumbnailTools
{
	/**
	 * Renders the object's thumbnail and keeps it in its package's thumbnails, to be saved with the package.
	 * Null when nothing can show the object (no object, or a blueprint of a class that is not an actor).
	 * The thumbnail belongs to the package and is valid until its thumbnails next change.
	 */
	UNREALED_API FObjectThumbnail* GenerateThumbnailForObjectToSaveToDisk(UObject* InObject);

	/**
	 * Finds the thumbnail kept for the asset of the given full name ("Class /Path/Package.Object"): the one in
	 * its loaded package, else the one saved in its package file. False, leaving OutThumbnail as it is, when
	 * there is none or it is empty.
	 */
	UNREALED_API bool AssetHasCustomThumbnail(const FString& InAssetDataFullName, FObjectThumbnail& OutThumbnail);
}
