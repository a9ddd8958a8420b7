#pragma once

#include "CoreTypes.h"

#include <string>
#include <type_traits>

namespace UE::Core::Private
{
	CORE_API void ConvertTCHARToUTF8(const TCHAR* Source, int32 SourceLen, std::string& Out);
	/** Bytes that do not form valid UTF-8 are taken as Latin-1 characters. */
	CORE_API void ConvertUTF8ToTCHAR(const ANSICHAR* Source, int32 SourceLen, std::wstring& Out);
	/** Characters outside Latin-1 become '?'. */
	CORE_API void ConvertTCHARToAnsi(const TCHAR* Source, int32 SourceLen, std::string& Out);
	CORE_API void ConvertAnsiToTCHAR(const ANSICHAR* Source, int32 SourceLen, std::wstring& Out);
}

/**
 * A converted copy of a string that lives as long as this object: TCHAR_TO_UTF8(X) and friends are only
 * valid until the end of the full expression that uses them.
 */
template <typename ToType, typename FromType, void (*Converter)(const FromType*, int32, std::basic_string<ToType>&)>
class TStringConversion
{
public:
	explicit TStringConversion(const FromType* Source)
	{
		if (Source)
		{
			Converter(Source, static_cast<int32>(std::char_traits<FromType>::length(Source)), Converted);
		}
	}

	TStringConversion(const FromType* Source, int32 SourceLen)
	{
		if (Source)
		{
			Converter(Source, SourceLen, Converted);
		}
	}

	const ToType* Get() const { return Converted.c_str(); }

	int32 Length() const { return static_cast<int32>(Converted.size()); }

private:
	std::basic_string<ToType> Converted;
};

using FTCHARToUTF8 = TStringConversion<ANSICHAR, TCHAR, &UE::Core::Private::ConvertTCHARToUTF8>;
using FUTF8ToTCHAR = TStringConversion<TCHAR, ANSICHAR, &UE::Core::Private::ConvertUTF8ToTCHAR>;
using FTCHARToANSI = TStringConversion<ANSICHAR, TCHAR, &UE::Core::Private::ConvertTCHARToAnsi>;
using FANSIToTCHAR = TStringConversion<TCHAR, ANSICHAR, &UE::Core::Private::ConvertAnsiToTCHAR>;

template <typename To, typename From>
auto StringCast(const From* Str)
{
	if constexpr (std::is_same_v<To, ANSICHAR> && std::is_same_v<From, TCHAR>)
	{
		return FTCHARToANSI(Str);
	}
	else if constexpr (std::is_same_v<To, TCHAR> && std::is_same_v<From, ANSICHAR>)
	{
		return FANSIToTCHAR(Str);
	}
	else
	{
		static_assert(std::is_same_v<To, From>, "Unsupported string conversion");
		struct FSameTypeString
		{
			const To* Ptr;
			const To* Get() const { return Ptr; }
			int32 Length() const { return Ptr ? static_cast<int32>(std::char_traits<To>::length(Ptr)) : 0; }
		};
		return FSameTypeString{Str};
	}
}

#define TCHAR_TO_UTF8(str) (ANSICHAR*)FTCHARToUTF8((const TCHAR*)(str)).Get()
#define UTF8_TO_TCHAR(str) (TCHAR*)FUTF8ToTCHAR((const ANSICHAR*)(str)).Get()
#define TCHAR_TO_ANSI(str) (ANSICHAR*)FTCHARToANSI((const TCHAR*)(str)).Get()
#define ANSI_TO_TCHAR(str) (TCHAR*)FANSIToTCHAR((const ANSICHAR*)(str)).Get()
