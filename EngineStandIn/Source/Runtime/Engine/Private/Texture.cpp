#include "Engine/Texture.h"

#include "Misc/Base64.h"

void FTextureSource::InitWithCompressedSourceData(int32 NewSizeX, int32 NewSizeY, int32 NewNumMips, ETextureSourceFormat NewFormat,
												  const TArrayView64<uint8> NewSourceData, ETextureSourceCompressionFormat NewSourceFormat)
{
	SizeX = NewSizeX;
	SizeY = NewSizeY;
	NumMips = NewNumMips;
	Format = NewFormat;
	CompressionFormat = NewSourceFormat;
	BulkData = FBase64::Encode(NewSourceData.GetData(), static_cast<uint32>(NewSourceData.Num()));
}

int64 FTextureSource::GetSizeOnDisk() const
{
	// Base64 spends four characters on three bytes, and pads the last group.
	const int64 Length = BulkData.Len();
	int64 Padding = 0;
	for (int64 Index = Length - 1; Index >= 0 && Index >= Length - 2 && BulkData[static_cast<int32>(Index)] == TEXT('='); --Index)
	{
		++Padding;
	}
	return Length / 4 * 3 - Padding;
}
