#include "Misc/Guid.h"

#include "Misc/AssertionMacros.h"

#include <mutex>
#include <random>

namespace
{
	bool ParseHex(const FString& Text, int32 Start, int32 Count, uint32& OutValue)
	{
		if (Start < 0 || Start + Count > Text.Len())
		{
			return false;
		}
		uint32 Value = 0;
		for (int32 Index = Start; Index < Start + Count; ++Index)
		{
			const TCHAR Char = Text[Index];
			if (!FChar::IsHexDigit(Char))
			{
				return false;
			}
			Value = (Value << 4) | static_cast<uint32>(FChar::IsDigit(Char) ? Char - TEXT('0')
																			: FChar::ToLower(Char) - TEXT('a') + 10);
		}
		OutValue = Value;
		return true;
	}

	bool ParseDigits(const FString& Digits, FGuid& OutGuid)
	{
		FGuid Guid;
		if (Digits.Len() != 32 || !ParseHex(Digits, 0, 8, Guid.A) || !ParseHex(Digits, 8, 8, Guid.B) ||
			!ParseHex(Digits, 16, 8, Guid.C) || !ParseHex(Digits, 24, 8, Guid.D))
		{
			return false;
		}
		OutGuid = Guid;
		return true;
	}

	bool IsHyphenated(const FString& Text, int32 Offset)
	{
		return Text.Len() == Offset + 36 + Offset && Text[Offset + 8] == TEXT('-') && Text[Offset + 13] == TEXT('-') &&
			   Text[Offset + 18] == TEXT('-') && Text[Offset + 23] == TEXT('-');
	}

	FString StripHyphens(const FString& Text, int32 Offset)
	{
		return Text.Mid(Offset, 8) + Text.Mid(Offset + 9, 4) + Text.Mid(Offset + 14, 4) + Text.Mid(Offset + 19, 4) +
			   Text.Mid(Offset + 24, 12);
	}
}

FGuid::FGuid(const FString& InGuidStr)
{
	if (!Parse(InGuidStr, *this))
	{
		Invalidate();
	}
}

FGuid FGuid::NewGuid()
{
	static std::mutex Mutex;
	static std::mt19937_64 Engine(std::random_device{}());
	std::lock_guard<std::mutex> Lock(Mutex);
	FGuid Result;
	do
	{
		const uint64 High = Engine();
		const uint64 Low = Engine();
		Result = FGuid(static_cast<uint32>(High >> 32), static_cast<uint32>(High), static_cast<uint32>(Low >> 32),
					   static_cast<uint32>(Low));
	} while (!Result.IsValid());
	return Result;
}

bool FGuid::Parse(const FString& GuidString, FGuid& OutGuid)
{
	const EGuidFormats Formats[] = {EGuidFormats::Digits,
									EGuidFormats::DigitsWithHyphens,
									EGuidFormats::DigitsWithHyphensInBraces,
									EGuidFormats::DigitsWithHyphensInParentheses,
									EGuidFormats::HexValuesInBraces,
									EGuidFormats::UniqueObjectGuid};
	for (const EGuidFormats Format : Formats)
	{
		if (ParseExact(GuidString, Format, OutGuid))
		{
			return true;
		}
	}
	return false;
}

bool FGuid::ParseExact(const FString& GuidString, EGuidFormats Format, FGuid& OutGuid)
{
	switch (Format)
	{
		case EGuidFormats::Digits:
		case EGuidFormats::DigitsLower:
			return ParseDigits(GuidString, OutGuid);
		case EGuidFormats::DigitsWithHyphens:
		case EGuidFormats::DigitsWithHyphensLower:
			return IsHyphenated(GuidString, 0) && ParseDigits(StripHyphens(GuidString, 0), OutGuid);
		case EGuidFormats::DigitsWithHyphensInBraces:
			return IsHyphenated(GuidString, 1) && GuidString[0] == TEXT('{') && GuidString[37] == TEXT('}') &&
				   ParseDigits(StripHyphens(GuidString, 1), OutGuid);
		case EGuidFormats::DigitsWithHyphensInParentheses:
			return IsHyphenated(GuidString, 1) && GuidString[0] == TEXT('(') && GuidString[37] == TEXT(')') &&
				   ParseDigits(StripHyphens(GuidString, 1), OutGuid);
		case EGuidFormats::UniqueObjectGuid:
			return GuidString.Len() == 35 && GuidString[8] == TEXT('-') && GuidString[17] == TEXT('-') &&
				   GuidString[26] == TEXT('-') &&
				   ParseDigits(GuidString.Mid(0, 8) + GuidString.Mid(9, 8) + GuidString.Mid(18, 8) +
								   GuidString.Mid(27, 8),
							   OutGuid);
		case EGuidFormats::HexValuesInBraces:
		{
			// {0x%08x,0x%04x,0x%04x,{0x%02x,0x%02x,0x%02x,0x%02x,0x%02x,0x%02x,0x%02x,0x%02x}}
			if (GuidString.Len() != 68 || !GuidString.StartsWith(TEXT("{0x")) || !GuidString.EndsWith(TEXT("}}")))
			{
				return false;
			}
			FString Digits;
			const int32 Starts[] = {3, 14, 21, 29, 34, 39, 44, 49, 54, 59, 64};
			const int32 Lengths[] = {8, 4, 4, 2, 2, 2, 2, 2, 2, 2, 2};
			for (int32 Index = 0; Index < 11; ++Index)
			{
				Digits += GuidString.Mid(Starts[Index], Lengths[Index]);
			}
			return ParseDigits(Digits, OutGuid);
		}
	}
	return false;
}

FString FGuid::ToString(EGuidFormats Format) const
{
	switch (Format)
	{
		case EGuidFormats::DigitsLower:
			return FString::Printf(TEXT("%08x%08x%08x%08x"), A, B, C, D);
		case EGuidFormats::DigitsWithHyphens:
			return FString::Printf(TEXT("%08X-%04X-%04X-%04X-%04X%08X"), A, B >> 16, B & 0xFFFF, C >> 16, C & 0xFFFF,
								   D);
		case EGuidFormats::DigitsWithHyphensLower:
			return FString::Printf(TEXT("%08x-%04x-%04x-%04x-%04x%08x"), A, B >> 16, B & 0xFFFF, C >> 16, C & 0xFFFF,
								   D);
		case EGuidFormats::DigitsWithHyphensInBraces:
			return FString::Printf(TEXT("{%08X-%04X-%04X-%04X-%04X%08X}"), A, B >> 16, B & 0xFFFF, C >> 16, C & 0xFFFF,
								   D);
		case EGuidFormats::DigitsWithHyphensInParentheses:
			return FString::Printf(TEXT("(%08X-%04X-%04X-%04X-%04X%08X)"), A, B >> 16, B & 0xFFFF, C >> 16, C & 0xFFFF,
								   D);
		case EGuidFormats::HexValuesInBraces:
			return FString::Printf(
				TEXT("{0x%08x,0x%04x,0x%04x,{0x%02x,0x%02x,0x%02x,0x%02x,0x%02x,0x%02x,0x%02x,0x%02x}}"), A, B >> 16,
				B & 0xFFFF, C >> 24, (C >> 16) & 0xFF, (C >> 8) & 0xFF, C & 0xFF, D >> 24, (D >> 16) & 0xFF,
				(D >> 8) & 0xFF, D & 0xFF);
		case EGuidFormats::UniqueObjectGuid:
			return FString::Printf(TEXT("%08X-%08X-%08X-%08X"), A, B, C, D);
		case EGuidFormats::Digits:
		default:
			return FString::Printf(TEXT("%08X%08X%08X%08X"), A, B, C, D);
	}
}

uint32& FGuid::operator[](int32 Index)
{
	checkf(Index >= 0 && Index < 4, TEXT("FGuid component index %d out of range"), Index);
	return Index == 0 ? A : Index == 1 ? B : Index == 2 ? C : D;
}

const uint32& FGuid::operator[](int32 Index) const
{
	checkf(Index >= 0 && Index < 4, TEXT("FGuid component index %d out of range"), Index);
	return Index == 0 ? A : Index == 1 ? B : Index == 2 ? C : D;
}
