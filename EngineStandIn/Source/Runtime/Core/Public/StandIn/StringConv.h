#pragma once

#include "Containers/UnrealString.h"

#include <string>
#include <string_view>

namespace UE::StandIn
{
	/** UTF-8 text for the outside world (files, JSON, the terminal). */
	CORE_API std::string ToUtf8(const FString& String);
	CORE_API std::string ToUtf8(const TCHAR* String);

	/** Bytes that are not valid UTF-8 are taken as Latin-1 characters. */
	CORE_API FString FromUtf8(std::string_view Utf8);
}
