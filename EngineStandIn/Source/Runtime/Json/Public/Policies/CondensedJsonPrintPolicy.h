#pragma once

#include "CoreMinimal.h"

/** Lays JSON out with no white space at all. */
template <class CharType = TCHAR>
struct TCondensedJsonPrintPolicy
{
	static void WriteChar(FString& Stream, CharType Char) { Stream.AppendChar(Char); }
	static void WriteString(FString& Stream, const TCHAR* String, int32 Count) { Stream.Append(String, Count); }
	static void WriteLineTerminator(FString& Stream) {}
	static void WriteTabs(FString& Stream, int32 Count) {}
	static void WriteSpace(FString& Stream) {}
};
