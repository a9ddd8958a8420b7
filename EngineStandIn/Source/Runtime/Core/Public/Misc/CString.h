#pragma once

#include "CoreTypes.h"
#include "Misc/Char.h"

#include <cstdlib>
#include <cwchar>
#include <type_traits>

namespace ESearchCase
{
	enum Type
	{
		CaseSensitive,
		IgnoreCase,
	};
}

namespace ESearchDir
{
	enum Type
	{
		FromStart,
		FromEnd,
	};
}

/** C string functions over a character type; case-insensitive ones fold ASCII letters to lower case. */
template <typename T>
struct TCString
{
	using CharType = T;

	static int32 Strlen(const CharType* String)
	{
		int32 Length = 0;
		while (String[Length])
		{
			++Length;
		}
		return Length;
	}

	static int32 Strcmp(const CharType* String1, const CharType* String2)
	{
		for (;; ++String1, ++String2)
		{
			if (*String1 != *String2 || !*String1)
			{
				return static_cast<int32>(*String1) - static_cast<int32>(*String2);
			}
		}
	}

	static int32 Strncmp(const CharType* String1, const CharType* String2, SIZE_T Count)
	{
		for (; Count > 0; --Count, ++String1, ++String2)
		{
			if (*String1 != *String2 || !*String1)
			{
				return static_cast<int32>(*String1) - static_cast<int32>(*String2);
			}
		}
		return 0;
	}

	static int32 Stricmp(const CharType* String1, const CharType* String2)
	{
		for (;; ++String1, ++String2)
		{
			const int32 C1 = TChar<CharType>::ToLower(*String1);
			const int32 C2 = TChar<CharType>::ToLower(*String2);
			if (C1 != C2 || !C1)
			{
				return C1 - C2;
			}
		}
	}

	static int32 Strnicmp(const CharType* String1, const CharType* String2, SIZE_T Count)
	{
		for (; Count > 0; --Count, ++String1, ++String2)
		{
			const int32 C1 = TChar<CharType>::ToLower(*String1);
			const int32 C2 = TChar<CharType>::ToLower(*String2);
			if (C1 != C2 || !C1)
			{
				return C1 - C2;
			}
		}
		return 0;
	}

	static const CharType* Strstr(const CharType* String, const CharType* Find)
	{
		const int32 FindLen = Strlen(Find);
		for (; *String; ++String)
		{
			if (Strncmp(String, Find, FindLen) == 0)
			{
				return String;
			}
		}
		return FindLen == 0 ? String : nullptr;
	}

	static CharType* Strstr(CharType* String, const CharType* Find)
	{
		return const_cast<CharType*>(Strstr(static_cast<const CharType*>(String), Find));
	}

	static const CharType* Stristr(const CharType* String, const CharType* Find)
	{
		const int32 FindLen = Strlen(Find);
		for (; *String; ++String)
		{
			if (Strnicmp(String, Find, FindLen) == 0)
			{
				return String;
			}
		}
		return FindLen == 0 ? String : nullptr;
	}

	static CharType* Stristr(CharType* String, const CharType* Find)
	{
		return const_cast<CharType*>(Stristr(static_cast<const CharType*>(String), Find));
	}

	static const CharType* Strchr(const CharType* String, CharType Char)
	{
		for (;; ++String)
		{
			if (*String == Char)
			{
				return String;
			}
			if (!*String)
			{
				return nullptr;
			}
		}
	}

	static const CharType* Strrchr(const CharType* String, CharType Char)
	{
		const CharType* Last = nullptr;
		for (;; ++String)
		{
			if (*String == Char)
			{
				Last = String;
			}
			if (!*String)
			{
				return Last;
			}
		}
	}

	static CharType* Strcpy(CharType* Dest, SIZE_T DestCount, const CharType* Src)
	{
		SIZE_T Index = 0;
		for (; DestCount > 0 && Index < DestCount - 1 && Src[Index]; ++Index)
		{
			Dest[Index] = Src[Index];
		}
		if (DestCount > 0)
		{
			Dest[Index] = 0;
		}
		return Dest;
	}

	template <SIZE_T DestCount>
	static CharType* Strcpy(CharType (&Dest)[DestCount], const CharType* Src)
	{
		return Strcpy(Dest, DestCount, Src);
	}

	static CharType* Strncpy(CharType* Dest, const CharType* Src, int32 MaxLen)
	{
		return Strcpy(Dest, static_cast<SIZE_T>(MaxLen), Src);
	}

	static int64 Strtoi64(const CharType* Start, CharType** End, int32 Base)
	{
		if constexpr (std::is_same_v<CharType, wchar_t>)
		{
			return std::wcstoll(Start, End, Base);
		}
		else
		{
			return std::strtoll(Start, End, Base);
		}
	}

	static uint64 Strtoui64(const CharType* Start, CharType** End, int32 Base)
	{
		if constexpr (std::is_same_v<CharType, wchar_t>)
		{
			return std::wcstoull(Start, End, Base);
		}
		else
		{
			return std::strtoull(Start, End, Base);
		}
	}

	static int32 Strtoi(const CharType* Start, CharType** End, int32 Base)
	{
		return static_cast<int32>(Strtoi64(Start, End, Base));
	}

	static int32 Atoi(const CharType* String) { return static_cast<int32>(Strtoi64(String, nullptr, 10)); }

	static int64 Atoi64(const CharType* String) { return Strtoi64(String, nullptr, 10); }

	static double Atod(const CharType* String)
	{
		if constexpr (std::is_same_v<CharType, wchar_t>)
		{
			return std::wcstod(String, nullptr);
		}
		else
		{
			return std::strtod(String, nullptr);
		}
	}

	static float Atof(const CharType* String) { return static_cast<float>(Atod(String)); }

	/** "True", "Yes" and "On" (any case) are true; otherwise a non-zero number is. */
	static bool ToBool(const CharType* String)
	{
		static constexpr CharType True[] = {'t', 'r', 'u', 'e', 0};
		static constexpr CharType Yes[] = {'y', 'e', 's', 0};
		static constexpr CharType On[] = {'o', 'n', 0};
		if (Stricmp(String, True) == 0 || Stricmp(String, Yes) == 0 || Stricmp(String, On) == 0)
		{
			return true;
		}
		return Atoi(String) != 0;
	}

	/** An optional sign, then digits with at most one '.'. */
	static bool IsNumeric(const CharType* String)
	{
		if (*String == '-' || *String == '+')
		{
			++String;
		}
		bool bHasDot = false;
		for (; *String; ++String)
		{
			if (*String == '.')
			{
				if (bHasDot)
				{
					return false;
				}
				bHasDot = true;
			}
			else if (!TChar<CharType>::IsDigit(*String))
			{
				return false;
			}
		}
		return true;
	}
};

using FCString = TCString<TCHAR>;
using FCStringAnsi = TCString<ANSICHAR>;
using FCStringWide = TCString<WIDECHAR>;
