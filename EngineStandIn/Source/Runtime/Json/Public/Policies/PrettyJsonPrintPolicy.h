#pragma once

#include "CoreMinimal.h"

/**
 * Lays JSON out for people: one value a line, indented with tabs. The stand-in's writers write to a string, so the
 * policy appends to one instead of serialising to an archive.
 */
template <class CharType = TCHAR>
struct TPrettyJsonPrintPolicy
{
	static void WriteChar(FString& Stream, CharType Char) { Stream.AppendChar(Char); }
	static void WriteString(FString& Stream, const TCHAR* String, int32 Count) { Stream.Append(String, Count); }
	static void WriteLineTerminator(FString& Stream) { Stream.Append(LINE_TERMINATOR); }

	static void WriteTabs(FString& Stream, int32 Count)
	{
		for (int32 Index = 0; Index < Count; ++Index)
		{
			Stream.AppendChar(TEXT('\t'));
		}
	}

	static void WriteSpace(FString& Stream) { Stream.AppendChar(TEXT(' ')); }
};
