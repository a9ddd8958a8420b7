#include "IImageWrapper.h"
#include "IImageWrapperModule.h"
#include "Modules/ModuleManager.h"
#include <gtest/gtest.h>

#include <algorithm>

namespace
{
	TSharedPtr<IImageWrapper> MakePngWrapper()
	{
		return FModuleManager::LoadModuleChecked<IImageWrapperModule>(TEXT("ImageWrapper")).CreateImageWrapper(EImageFormat::PNG);
	}

	// Three by two BGRA pixels, each one different, with partial alpha.
	const TArray<uint8> Bgra = {
		10, 20, 30, 255, 40, 50, 60, 128, 70, 80, 90, 0,
		1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

	TArray64<uint8> EncodeSample()
	{
		TSharedPtr<IImageWrapper> Writer = MakePngWrapper();
		EXPECT_TRUE(Writer->SetRaw(Bgra.GetData(), Bgra.Num(), 3, 2, ERGBFormat::BGRA, 8));
		return Writer->GetCompressed();
	}

	uint32 Crc32(const uint8* Data, int64 Size)
	{
		uint32 Crc = 0xffffffffu;
		for (int64 Index = 0; Index < Size; ++Index)
		{
			Crc ^= Data[Index];
			for (int32 Bit = 0; Bit < 8; ++Bit)
			{
				Crc = (Crc >> 1) ^ (0xedb88320u & (0u - (Crc & 1)));
			}
		}
		return ~Crc;
	}

	void PutBigEndian(TArray64<uint8>& Bytes, int64 At, uint32 Value)
	{
		for (int32 Index = 0; Index < 4; ++Index)
		{
			Bytes[At + Index] = uint8(Value >> (24 - 8 * Index));
		}
	}
}

TEST(ImageWrapperTest, PngKeepsEveryPixelAndConvertsBetweenChannelOrders)
{
	const TArray64<uint8> Png = EncodeSample();
	const uint8 Signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
	ASSERT_GT(Png.Num(), 8);
	EXPECT_TRUE(std::equal(Signature, Signature + 8, Png.GetData()));

	TSharedPtr<IImageWrapper> Reader = MakePngWrapper();
	ASSERT_TRUE(Reader->SetCompressed(Png.GetData(), Png.Num()));
	EXPECT_EQ(Reader->GetWidth(), 3);
	EXPECT_EQ(Reader->GetHeight(), 2);
	EXPECT_EQ(Reader->GetBitDepth(), 8);
	EXPECT_EQ(Reader->GetFormat(), ERGBFormat::RGBA);

	TArray64<uint8> Back;
	ASSERT_TRUE(Reader->GetRaw(ERGBFormat::BGRA, 8, Back));
	EXPECT_EQ(TArray<uint8>(Back.GetData(), int32(Back.Num())), Bgra);
	TArray64<uint8> Rgba;
	ASSERT_TRUE(Reader->GetRaw(ERGBFormat::RGBA, 8, Rgba));
	ASSERT_EQ(Rgba.Num(), Bgra.Num());
	for (int32 Pixel = 0; Pixel < 6; ++Pixel)
	{
		EXPECT_EQ(Rgba[Pixel * 4 + 0], Bgra[Pixel * 4 + 2]) << Pixel;
		EXPECT_EQ(Rgba[Pixel * 4 + 2], Bgra[Pixel * 4 + 0]) << Pixel;
		EXPECT_EQ(Rgba[Pixel * 4 + 3], Bgra[Pixel * 4 + 3]) << Pixel;
	}
}

TEST(ImageWrapperTest, RefusesWhatItCannotWriteOrRead)
{
	EXPECT_FALSE(FModuleManager::LoadModuleChecked<IImageWrapperModule>(TEXT("ImageWrapper")).CreateImageWrapper(EImageFormat::JPEG).IsValid());

	const struct
	{
		const TCHAR* Case;
		int64 Size;
		int32 Width;
		ERGBFormat Format;
		int32 BitDepth;
	} RawCases[] = {
		{TEXT("fewer bytes than pixels"), 23, 3, ERGBFormat::BGRA, 8},
		{TEXT("no width"), 24, 0, ERGBFormat::BGRA, 8},
		{TEXT("float pixels"), 24, 3, ERGBFormat::RGBAF, 8},
		{TEXT("bit depth PNG here does not write"), 24, 3, ERGBFormat::BGRA, 5},
	};
	for (const auto& Case : RawCases)
	{
		TSharedPtr<IImageWrapper> Writer = MakePngWrapper();
		EXPECT_FALSE(Writer->SetRaw(Bgra.GetData(), Case.Size, Case.Width, 2, Case.Format, Case.BitDepth)) << *FString(Case.Case);
		EXPECT_EQ(Writer->GetCompressed().Num(), 0) << *FString(Case.Case);
	}

	const TArray64<uint8> Png = EncodeSample();
	TArray64<uint8> Truncated(Png.GetData(), Png.Num() - 20);
	TArray64<uint8> NotPng(Png);
	NotPng[1] = 'X';
	// A header that claims 100000 x 100000 pixels, with a correct checksum: nothing is allocated for it.
	TArray64<uint8> Huge(Png);
	PutBigEndian(Huge, 16, 100000);
	PutBigEndian(Huge, 20, 100000);
	PutBigEndian(Huge, 29, Crc32(&Huge[12], 17));
	const struct
	{
		const TCHAR* Case;
		const TArray64<uint8>& Bytes;
		bool bHeaderReads;
	} CompressedCases[] = {
		{TEXT("not a PNG"), NotPng, false},
		{TEXT("cut off in its image data"), Truncated, true},
		{TEXT("too large to decode"), Huge, true},
	};
	for (const auto& Case : CompressedCases)
	{
		TSharedPtr<IImageWrapper> Reader = MakePngWrapper();
		EXPECT_EQ(Reader->SetCompressed(Case.Bytes.GetData(), Case.Bytes.Num()), Case.bHeaderReads) << *FString(Case.Case);
		TArray64<uint8> Pixels;
		EXPECT_FALSE(Reader->GetRaw(ERGBFormat::BGRA, 8, Pixels)) << *FString(Case.Case);
		EXPECT_EQ(Pixels.Num(), 0) << *FString(Case.Case);
	}
}
