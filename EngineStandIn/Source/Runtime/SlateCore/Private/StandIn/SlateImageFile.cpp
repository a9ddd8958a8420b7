#include "StandIn/SlateImageFile.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "Styling/SlateBrush.h"
#include <cstring>

DEFINE_LOG_CATEGORY_STATIC(LogSlate, Log, All);

namespace UE::StandIn
{
	namespace
	{
		uint32 ReadBigEndian32(const TArray<uint8>& Bytes, int64 Offset)
		{
			return (uint32(Bytes[Offset]) << 24) | (uint32(Bytes[Offset + 1]) << 16) | (uint32(Bytes[Offset + 2]) << 8) |
				   uint32(Bytes[Offset + 3]);
		}

		uint32 Crc32(const uint8* Data, int64 Length)
		{
			uint32 Crc = 0xFFFFFFFFu;
			for (int64 Index = 0; Index < Length; ++Index)
			{
				Crc ^= Data[Index];
				for (int32 Bit = 0; Bit < 8; ++Bit)
				{
					Crc = (Crc >> 1) ^ (0xEDB88320u & (0u - (Crc & 1u)));
				}
			}
			return Crc ^ 0xFFFFFFFFu;
		}

		bool IsValidHeader(const uint8* Header, FString& OutError)
		{
			const uint8 BitDepth = Header[8];
			const uint8 ColourType = Header[9];
			bool bDepthFits = false;
			switch (ColourType)
			{
				case 0:
					bDepthFits = BitDepth == 1 || BitDepth == 2 || BitDepth == 4 || BitDepth == 8 || BitDepth == 16;
					break;
				case 3:
					bDepthFits = BitDepth == 1 || BitDepth == 2 || BitDepth == 4 || BitDepth == 8;
					break;
				case 2:
				case 4:
				case 6:
					bDepthFits = BitDepth == 8 || BitDepth == 16;
					break;
				default:
					break;
			}
			if (!bDepthFits || Header[10] != 0 || Header[11] != 0 || Header[12] > 1)
			{
				OutError = TEXT("its header chunk is not valid");
				return false;
			}
			return true;
		}

		bool ParsePng(const TArray<uint8>& Bytes, FSlateImageFileInfo& OutInfo, FString& OutError)
		{
			static const uint8 Signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
			if (Bytes.Num() < 8 || std::memcmp(Bytes.GetData(), Signature, 8) != 0)
			{
				OutError = TEXT("it is not a PNG file");
				return false;
			}
			bool bHeader = false;
			bool bData = false;
			int64 Offset = 8;
			while (Offset + 12 <= Bytes.Num())
			{
				const uint32 Length = ReadBigEndian32(Bytes, Offset);
				if (int64(Length) > Bytes.Num() - Offset - 12)
				{
					OutError = TEXT("a chunk runs past the end of the file");
					return false;
				}
				const uint8* Type = Bytes.GetData() + Offset + 4;
				const FString TypeName = FString::ConstructFromPtrSize(reinterpret_cast<const ANSICHAR*>(Type), 4);
				if (Crc32(Type, int64(Length) + 4) != ReadBigEndian32(Bytes, Offset + 8 + Length))
				{
					OutError = FString::Printf(TEXT("the checksum of its %s chunk is wrong"), *TypeName);
					return false;
				}
				if (!bHeader)
				{
					if (TypeName != TEXT("IHDR") || Length != 13)
					{
						OutError = TEXT("it does not start with a header chunk");
						return false;
					}
					OutInfo.Width = int32(ReadBigEndian32(Bytes, Offset + 8));
					OutInfo.Height = int32(ReadBigEndian32(Bytes, Offset + 12));
					if (OutInfo.Width <= 0 || OutInfo.Height <= 0 || !IsValidHeader(Type + 4, OutError))
					{
						OutError = OutError.IsEmpty() ? FString(TEXT("its size is not valid")) : OutError;
						return false;
					}
					bHeader = true;
				}
				else if (TypeName == TEXT("IDAT"))
				{
					bData = true;
				}
				else if (TypeName == TEXT("IEND"))
				{
					if (!bData)
					{
						OutError = TEXT("it has no image data");
						return false;
					}
					return true;
				}
				Offset += 12 + int64(Length);
			}
			OutError = TEXT("it ends before its end chunk");
			return false;
		}
	}

	bool ReadSlateImageFile(const FString& Filename, FSlateImageFileInfo& OutInfo, FString& OutError)
	{
		OutInfo = FSlateImageFileInfo();
		TArray<uint8> Bytes;
		if (!FPaths::FileExists(Filename) || !FFileHelper::LoadFileToArray(Bytes, *Filename))
		{
			OutError = TEXT("the file does not exist");
			UE_LOG(LogSlate, Warning, TEXT("Could not find file for Slate resource: %s"), *Filename);
			return false;
		}
		if (!ParsePng(Bytes, OutInfo, OutError))
		{
			OutInfo = FSlateImageFileInfo();
			UE_LOG(LogSlate, Warning, TEXT("Could not decode the image of Slate resource %s: %s."), *Filename, *OutError);
			return false;
		}
		return true;
	}

	bool ReadBrushImage(const FSlateBrush& Brush, FSlateImageFileInfo& OutInfo, FString& OutError)
	{
		if (Brush.GetDrawType() == ESlateBrushDrawType::NoDrawType || Brush.GetResourceName().IsNone())
		{
			OutInfo = FSlateImageFileInfo();
			OutError = TEXT("the brush draws no image");
			return false;
		}
		return ReadSlateImageFile(Brush.GetResourceName().ToString(), OutInfo, OutError);
	}
}
