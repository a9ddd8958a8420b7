#pragma once

#include "CoreTypes.h"

#include <cwctype>
#include <type_traits>

/**
 * Character classification and case mapping. Case mapping is ASCII-only, as the engine's, so comparisons
 * do not depend on the process locale.
 */
template <typename CharType>
struct TChar
{
	using FUnsigned = std::make_unsigned_t<CharType>;

	static constexpr CharType ToUpper(CharType Char)
	{
		return (Char >= 'a' && Char <= 'z') ? static_cast<CharType>(Char - ('a' - 'A')) : Char;
	}

	static constexpr CharType ToLower(CharType Char)
	{
		return (Char >= 'A' && Char <= 'Z') ? static_cast<CharType>(Char + ('a' - 'A')) : Char;
	}

	static constexpr bool IsUpper(CharType Char) { return Char >= 'A' && Char <= 'Z'; }

	static constexpr bool IsLower(CharType Char) { return Char >= 'a' && Char <= 'z'; }

	static bool IsAlpha(CharType Char)
	{
		if (static_cast<FUnsigned>(Char) < 0x80)
		{
			return IsUpper(Char) || IsLower(Char);
		}
		return sizeof(CharType) > 1 && std::iswalpha(static_cast<wint_t>(Char));
	}

	static constexpr bool IsDigit(CharType Char) { return Char >= '0' && Char <= '9'; }

	static bool IsAlnum(CharType Char) { return IsDigit(Char) || IsAlpha(Char); }

	static constexpr bool IsHexDigit(CharType Char)
	{
		return IsDigit(Char) || (Char >= 'a' && Char <= 'f') || (Char >= 'A' && Char <= 'F');
	}

	static constexpr bool IsOctDigit(CharType Char) { return Char >= '0' && Char <= '7'; }

	static constexpr bool IsPunct(CharType Char)
	{
		return (Char >= '!' && Char <= '/') || (Char >= ':' && Char <= '@') || (Char >= '[' && Char <= '`') ||
			   (Char >= '{' && Char <= '~');
	}

	static constexpr bool IsPrint(CharType Char) { return static_cast<FUnsigned>(Char) >= 0x20 && Char != 0x7f; }

	static constexpr bool IsUnderscore(CharType Char) { return Char == '_'; }

	static constexpr bool IsWhitespace(CharType Char)
	{
		const uint32 Code = static_cast<FUnsigned>(Char);
		return Code == ' ' || Code == '\t' || Code == '\n' || Code == '\r' || Code == '\v' || Code == '\f' ||
			   (sizeof(CharType) > 1 &&
				(Code == 0x85 || Code == 0xA0 || Code == 0x1680 || (Code >= 0x2000 && Code <= 0x200A) ||
				 Code == 0x2028 || Code == 0x2029 || Code == 0x202F || Code == 0x205F || Code == 0x3000));
	}

	static constexpr bool IsLinebreak(CharType Char)
	{
		const uint32 Code = static_cast<FUnsigned>(Char);
		return (Code >= 0x0a && Code <= 0x0d) ||
			   (sizeof(CharType) > 1 && (Code == 0x85 || Code == 0x2028 || Code == 0x2029));
	}

	static constexpr int32 ConvertCharDigitToInt(CharType Char)
	{
		return static_cast<int32>(Char) - static_cast<int32>('0');
	}
};

using FChar = TChar<TCHAR>;
using FCharWide = TChar<WIDECHAR>;
using FCharAnsi = TChar<ANSICHAR>;
