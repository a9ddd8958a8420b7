#include "Misc/Base64.h"

namespace
{
	const char* Alphabet(EBase64Mode Mode)
	{
		return Mode == EBase64Mode::UrlSafe ? "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_"
											: "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
	}

	int32 DecodeChar(TCHAR Char, EBase64Mode Mode)
	{
		const char* Chars = Alphabet(Mode);
		for (int32 Index = 0; Index < 64; ++Index)
		{
			if (Char == TCHAR(Chars[Index]))
			{
				return Index;
			}
		}
		return -1;
	}
}

FString FBase64::Encode(const TArray<uint8>& Source, EBase64Mode Mode)
{
	return Encode(Source.GetData(), static_cast<uint32>(Source.Num()), Mode);
}

FString FBase64::Encode(const uint8* Source, uint32 Length, EBase64Mode Mode)
{
	const char* Chars = Alphabet(Mode);
	FString Result;
	Result.Reserve(static_cast<int32>((Length + 2) / 3 * 4));
	for (uint32 Index = 0; Index < Length; Index += 3)
	{
		const uint32 Remaining = Length - Index;
		const uint32 Bits = (uint32(Source[Index]) << 16) | (Remaining > 1 ? uint32(Source[Index + 1]) << 8 : 0) | (Remaining > 2 ? uint32(Source[Index + 2]) : 0);
		Result.AppendChar(TCHAR(Chars[(Bits >> 18) & 63]));
		Result.AppendChar(TCHAR(Chars[(Bits >> 12) & 63]));
		Result.AppendChar(Remaining > 1 ? TCHAR(Chars[(Bits >> 6) & 63]) : TEXT('='));
		Result.AppendChar(Remaining > 2 ? TCHAR(Chars[Bits & 63]) : TEXT('='));
	}
	return Result;
}

bool FBase64::Decode(const FString& Source, TArray<uint8>& OutDest, EBase64Mode Mode)
{
	OutDest.Reset();
	const int32 Length = Source.Len();
	if (Length % 4 != 0)
	{
		return false;
	}
	TArray<uint8> Bytes;
	Bytes.Reserve(Length / 4 * 3);
	for (int32 Index = 0; Index < Length; Index += 4)
	{
		const bool bLast = Index + 4 == Length;
		int32 Values[4];
		int32 Padding = 0;
		for (int32 Offset = 0; Offset < 4; ++Offset)
		{
			const TCHAR Char = Source[Index + Offset];
			// Padding only closes the text, in its last one or two places.
			if (Char == TEXT('=') && bLast && Offset >= 2 && (Offset == 3 || Source[Index + 3] == TEXT('=')))
			{
				Values[Offset] = 0;
				++Padding;
				continue;
			}
			Values[Offset] = DecodeChar(Char, Mode);
			if (Values[Offset] < 0 || Padding > 0)
			{
				return false;
			}
		}
		const uint32 Bits = (uint32(Values[0]) << 18) | (uint32(Values[1]) << 12) | (uint32(Values[2]) << 6) | uint32(Values[3]);
		Bytes.Add(uint8(Bits >> 16));
		if (Padding < 2)
		{
			Bytes.Add(uint8(Bits >> 8));
		}
		if (Padding < 1)
		{
			Bytes.Add(uint8(Bits));
		}
	}
	OutDest = MoveTemp(Bytes);
	return true;
}
