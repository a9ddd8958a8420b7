#include "Misc/ObjectThumbnail.h"

#include <zlib.h>

const TArray<uint8>& FObjectThumbnail::GetUncompressedImageData() const
{
	if (ImageData.Num() == 0)
	{
		// Decompressing on demand is what the engine does too, behind a const accessor.
		const_cast<FObjectThumbnail*>(this)->DecompressImageData();
	}
	return ImageData;
}

void FObjectThumbnail::CompressImageData()
{
	CompressedImageData.Reset();
	if (ImageData.Num() == 0)
	{
		return;
	}
	uLongf Size = compressBound(static_cast<uLong>(ImageData.Num()));
	CompressedImageData.AddUninitialized(static_cast<int32>(Size));
	if (compress2(CompressedImageData.GetData(), &Size, ImageData.GetData(), static_cast<uLong>(ImageData.Num()), Z_BEST_COMPRESSION) != Z_OK)
	{
		CompressedImageData.Reset();
		return;
	}
	CompressedImageData.SetNum(static_cast<int32>(Size));
}

void FObjectThumbnail::DecompressImageData()
{
	ImageData.Reset();
	const int64 ExpectedSize = int64(ImageWidth) * ImageHeight * 4;
	if (CompressedImageData.Num() == 0 || ImageWidth <= 0 || ImageHeight <= 0 || ExpectedSize > MAX_int32)
	{
		return;
	}
	TArray<uint8> Pixels;
	Pixels.AddUninitialized(static_cast<int32>(ExpectedSize));
	uLongf Size = static_cast<uLongf>(ExpectedSize);
	if (uncompress(Pixels.GetData(), &Size, CompressedImageData.GetData(), static_cast<uLong>(CompressedImageData.Num())) != Z_OK || Size != static_cast<uLongf>(ExpectedSize))
	{
		return;
	}
	ImageData = MoveTemp(Pixels);
}
