#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Containers/Map.h"
#include "UObject/NameTypes.h"

/**
 * An asset's thumbnail: BGRA pixels, 8 bits per channel, kept uncompressed in memory and compressed in a
 * package file. The engine compresses with an image compressor; this one deflates the pixels, which
 * nobody outside this class sees.
 */
class CORE_API FObjectThumbnail
{
public:
	FObjectThumbnail() = default;

	int32 GetImageWidth() const { return ImageWidth; }
	int32 GetImageHeight() const { return ImageHeight; }
	void SetImageSize(int32 InImageWidth, int32 InImageHeight)
	{
		ImageWidth = InImageWidth;
		ImageHeight = InImageHeight;
	}

	int32 GetCompressedDataSize() const { return CompressedImageData.Num(); }

	bool IsDirty() const { return bIsDirty; }
	void MarkAsDirty() { bIsDirty = true; }

	/** The pixels, decompressed first when only the compressed form is there; empty when there are none. */
	const TArray<uint8>& GetUncompressedImageData() const;

	TArray<uint8>& AccessImageData() { return ImageData; }
	const TArray<uint8>& AccessImageData() const { return ImageData; }
	TArray<uint8>& AccessCompressedImageData() { return CompressedImageData; }
	const TArray<uint8>& AccessCompressedImageData() const { return CompressedImageData; }

	bool HasValidImageData() const { return ImageData.Num() > 0; }
	bool IsEmpty() const { return ImageWidth == 0 || ImageHeight == 0; }

	/** Fills the compressed form from the pixels. */
	void CompressImageData();
	/** Fills the pixels from the compressed form; no pixels when it is damaged or of the wrong size. */
	void DecompressImageData();

private:
	int32 ImageWidth = 0;
	int32 ImageHeight = 0;
	TArray<uint8> CompressedImageData;
	TArray<uint8> ImageData;
	bool bIsDirty = false;
};

/** A package's thumbnails, by the full name ("Class /Path/Package.Object") of the object each shows. */
typedef TMap<FName, FObjectThumbnail> FThumbnailMap;
