#include "Serialization/JsonWriter.h"

#include <cmath>
#include <cstdio>

namespace UE::Json::Private
{
	void AppendQuoted(FString& Stream, const FString& Text)
	{
		Stream.AppendChar(TEXT('"'));
		const TCHAR* Chars = *Text;
		const int32 Length = Text.Len();
		int32 RunStart = 0;
		for (int32 Index = 0; Index < Length; ++Index)
		{
			const TCHAR Char = Chars[Index];
			if (Char >= 0x20 && Char != TEXT('"') && Char != TEXT('\\'))
			{
				continue;
			}
			Stream.Append(Chars + RunStart, Index - RunStart);
			RunStart = Index + 1;
			switch (Char)
			{
				case TEXT('"'): Stream.Append(TEXT("\\\"")); break;
				case TEXT('\\'): Stream.Append(TEXT("\\\\")); break;
				case TEXT('\n'): Stream.Append(TEXT("\\n")); break;
				case TEXT('\r'): Stream.Append(TEXT("\\r")); break;
				case TEXT('\t'): Stream.Append(TEXT("\\t")); break;
				case TEXT('\b'): Stream.Append(TEXT("\\b")); break;
				case TEXT('\f'): Stream.Append(TEXT("\\f")); break;
				default: Stream.Append(*FString::Printf(TEXT("\\u%04x"), static_cast<uint32>(Char))); break;
			}
		}
		Stream.Append(Chars + RunStart, Length - RunStart);
		Stream.AppendChar(TEXT('"'));
	}

	void AppendNumber(FString& Stream, double Number)
	{
		if (!std::isfinite(Number))
		{
			// JSON has no infinity or NaN.
			Stream.Append(TEXT("null"));
			return;
		}
		char Digits[32];
		// Whole numbers up to 2^53 are exact in a double and read best as plain digits.
		if (Number == std::floor(Number) && std::fabs(Number) <= 9007199254740992.0)
		{
			std::snprintf(Digits, sizeof(Digits), "%lld", static_cast<long long>(Number));
		}
		else
		{
			std::snprintf(Digits, sizeof(Digits), "%.17g", Number);
		}
		for (const char* Digit = Digits; *Digit; ++Digit)
		{
			Stream.AppendChar(static_cast<TCHAR>(*Digit));
		}
	}
}
