#pragma once

#include "CoreMinimal.h"
#include "IImageWrapper.h"

/** PNG through libpng's simplified interface, 8 bits per channel, in RGBA, BGRA and gray. */
class FPngImageWrapper : public IImageWrapper
{
public:
	virtual bool SetCompressed(const void* InCompressedData, int64 InCompressedSize) override;
	virtual bool SetRaw(const void* InRawData, int64 InRawSize, const int32 InWidth, const int32 InHeight, const ERGBFormat InFormat,
						const int32 InBitDepth, const int32 InBytesPerRow = 0) override;
	virtual TArray64<uint8> GetCompressed(int32 Quality = 0) override;
	virtual bool GetRaw(const ERGBFormat InFormat, int32 InBitDepth, TArray64<uint8>& OutRawData) override;

	virtual int64 GetWidth() const override { return Width; }
	virtual int64 GetHeight() const override { return Height; }
	virtual int32 GetBitDepth() const override { return BitDepth; }
	virtual ERGBFormat GetFormat() const override { return Format; }

private:
	void Reset();

	TArray64<uint8> CompressedData;
	TArray64<uint8> RawData;
	int64 Width = 0;
	int64 Height = 0;
	int32 BitDepth = 0;
	ERGBFormat Format = ERGBFormat::Invalid;
};
