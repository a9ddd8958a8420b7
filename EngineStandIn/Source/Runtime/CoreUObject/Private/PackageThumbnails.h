#pragma once

#include "CoreMinimal.h"
#include "Misc/ObjectThumbnail.h"
#include "PropertySerialization.h"

namespace UE::StandIn
{
	// A package document's "Thumbnails": an array of { "ObjectFullName", "ImageWidth", "ImageHeight",
	// "CompressedImageData" (Base64) }, present only when the package has thumbnails.
	// Written as the next member of the document's object.
	void WriteThumbnails(FThumbnailMap& Thumbnails, FJsonTextWriter& Document);
	// False, with the reason, when the section is there but malformed.
	bool ReadThumbnails(const FJson& Document, FThumbnailMap& OutThumbnails, FString& OutError);
}
