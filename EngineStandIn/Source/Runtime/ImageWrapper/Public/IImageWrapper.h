#pragma once

#include "CoreMinimal.h"

enum class EImageFormat : int8
{
	Invalid = -1,
	PNG = 0,
	JPEG,
	GrayscaleJPEG,
	BMP,
	ICO,
	EXR,
	ICNS,
	TGA,
	HDR,
	TIFF,
	DDS,
	UEJPEG,
	GrayscaleUEJPEG
};

enum class ERGBFormat : int8
{
	Invalid = -1,
	RGBA = 0,
	BGRA = 1,
	Gray = 2,
	RGBAF = 3,
	BGRE = 4,
	GrayF = 5
};

/** Compresses raw pixels to an image file format and decompresses them again. */
class IImageWrapper
{
public:
	virtual ~IImageWrapper() = default;

	/** Takes the bytes of an image file; false when they are not an image of this wrapper's format. */
	virtual bool SetCompressed(const void* InCompressedData, int64 InCompressedSize) = 0;

	/** Takes packed rows of pixels; false when the format or bit depth cannot be written in this format. */
	virtual bool SetRaw(const void* InRawData, int64 InRawSize, const int32 InWidth, const int32 InHeight, const ERGBFormat InFormat,
						const int32 InBitDepth, const int32 InBytesPerRow = 0) = 0;

	/** The image in this wrapper's file format; empty when there is nothing to compress or it fails. */
	virtual TArray64<uint8> GetCompressed(int32 Quality = 0) = 0;

	/** The pixels in the format asked for; false when the image cannot be read or converted to it. */
	virtual bool GetRaw(const ERGBFormat InFormat, int32 InBitDepth, TArray64<uint8>& OutRawData) = 0;

	virtual int64 GetWidth() const = 0;
	virtual int64 GetHeight() const = 0;
	virtual int32 GetBitDepth() const = 0;
	virtual ERGBFormat GetFormat() const = 0;
};
