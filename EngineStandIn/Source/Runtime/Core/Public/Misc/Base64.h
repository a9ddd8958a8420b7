#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Containers/UnrealString.h"

enum class EBase64Mode : uint8
{
	Standard,
	UrlSafe
};

/** Base64 text for bytes and back (RFC 4648, with padding). */
struct CORE_API FBase64
{
	static FString Encode(const TArray<uint8>& Source, EBase64Mode Mode = EBase64Mode::Standard);
	static FString Encode(const uint8* Source, uint32 Length, EBase64Mode Mode = EBase64Mode::Standard);

	/** False, with nothing in OutDest, when the text is not Base64 of the mode. */
	static bool Decode(const FString& Source, TArray<uint8>& OutDest, EBase64Mode Mode = EBase64Mode::Standard);
};
