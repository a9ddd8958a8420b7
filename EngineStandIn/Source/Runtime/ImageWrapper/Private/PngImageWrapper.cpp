#include "PngImageWrapper.h"

#include <png.h>

namespace
{
	// A damaged header can claim any size; decoding stops well before the allocation could hurt.
	constexpr int64 MaxDecodedBytes = 512ll * 1024 * 1024;

	bool ToPngFormat(ERGBFormat Format, int32 BitDepth, png_uint_32& OutPngFormat)
	{
		if (BitDepth != 8)
		{
			return false;
		}
		switch (Format)
		{
			case ERGBFormat::RGBA:
				OutPngFormat = PNG_FORMAT_RGBA;
				return true;
			case ERGBFormat::BGRA:
				OutPngFormat = PNG_FORMAT_BGRA;
				return true;
			case ERGBFormat::Gray:
				OutPngFormat = PNG_FORMAT_GRAY;
				return true;
			default:
				return false;
		}
	}

	// Owns a simplified-interface image so every way out releases libpng's state.
	struct FPngImage
	{
		png_image Image{};

		FPngImage() { Image.version = PNG_IMAGE_VERSION; }
		~FPngImage() { png_image_free(&Image); }
	};
}

void FPngImageWrapper::Reset()
{
	CompressedData.Empty();
	RawData.Empty();
	Width = 0;
	Height = 0;
	BitDepth = 0;
	Format = ERGBFormat::Invalid;
}

bool FPngImageWrapper::SetCompressed(const void* InCompressedData, int64 InCompressedSize)
{
	Reset();
	if (!InCompressedData || InCompressedSize <= 0)
	{
		return false;
	}
	FPngImage Png;
	if (!png_image_begin_read_from_memory(&Png.Image, InCompressedData, static_cast<size_t>(InCompressedSize)))
	{
		return false;
	}
	CompressedData.Append(static_cast<const uint8*>(InCompressedData), InCompressedSize);
	Width = Png.Image.width;
	Height = Png.Image.height;
	BitDepth = (Png.Image.format & PNG_FORMAT_FLAG_LINEAR) ? 16 : 8;
	Format = (Png.Image.format & PNG_FORMAT_FLAG_COLOR) ? ERGBFormat::RGBA : ERGBFormat::Gray;
	return true;
}

bool FPngImageWrapper::SetRaw(const void* InRawData, int64 InRawSize, const int32 InWidth, const int32 InHeight, const ERGBFormat InFormat,
							  const int32 InBitDepth, const int32 InBytesPerRow)
{
	Reset();
	png_uint_32 PngFormat = 0;
	if (!InRawData || InWidth <= 0 || InHeight <= 0 || !ToPngFormat(InFormat, InBitDepth, PngFormat))
	{
		return false;
	}
	// Rows are packed, as the engine's wrappers take them.
	const int64 PackedSize = int64(InWidth) * InHeight * PNG_IMAGE_PIXEL_SIZE(PngFormat);
	if (InRawSize < PackedSize)
	{
		return false;
	}
	RawData.Append(static_cast<const uint8*>(InRawData), PackedSize);
	Width = InWidth;
	Height = InHeight;
	BitDepth = InBitDepth;
	Format = InFormat;
	return true;
}

TArray64<uint8> FPngImageWrapper::GetCompressed(int32 Quality)
{
	if (RawData.IsEmpty())
	{
		return CompressedData;
	}
	png_uint_32 PngFormat = 0;
	ToPngFormat(Format, BitDepth, PngFormat);
	FPngImage Png;
	Png.Image.width = static_cast<png_uint_32>(Width);
	Png.Image.height = static_cast<png_uint_32>(Height);
	Png.Image.format = PngFormat;
	png_alloc_size_t Size = 0;
	if (!png_image_write_to_memory(&Png.Image, nullptr, &Size, 0, RawData.GetData(), 0, nullptr))
	{
		return TArray64<uint8>();
	}
	TArray64<uint8> Result;
	Result.AddUninitialized(static_cast<int64>(Size));
	if (!png_image_write_to_memory(&Png.Image, Result.GetData(), &Size, 0, RawData.GetData(), 0, nullptr))
	{
		return TArray64<uint8>();
	}
	Result.SetNum(static_cast<int64>(Size));
	return Result;
}

bool FPngImageWrapper::GetRaw(const ERGBFormat InFormat, int32 InBitDepth, TArray64<uint8>& OutRawData)
{
	png_uint_32 PngFormat = 0;
	if (!ToPngFormat(InFormat, InBitDepth, PngFormat))
	{
		return false;
	}
	if (CompressedData.IsEmpty())
	{
		if (RawData.IsEmpty() || InFormat != Format || InBitDepth != BitDepth)
		{
			return false;
		}
		OutRawData = RawData;
		return true;
	}
	FPngImage Png;
	if (!png_image_begin_read_from_memory(&Png.Image, CompressedData.GetData(), static_cast<size_t>(CompressedData.Num())))
	{
		return false;
	}
	Png.Image.format = PngFormat;
	const int64 Size = int64(Png.Image.width) * Png.Image.height * PNG_IMAGE_PIXEL_SIZE(PngFormat);
	if (Size > MaxDecodedBytes)
	{
		return false;
	}
	TArray64<uint8> Pixels;
	Pixels.AddUninitialized(Size);
	if (!png_image_finish_read(&Png.Image, nullptr, Pixels.GetData(), 0, nullptr))
	{
		return false;
	}
	OutRawData = MoveTemp(Pixels);
	return true;
}
