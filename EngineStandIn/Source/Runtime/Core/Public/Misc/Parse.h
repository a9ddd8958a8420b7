#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"

struct CORE_API FParse
{
	/**
	 * Finds Match (such as TEXT("Project=")) in Stream and reads what follows: a quoted string, or text up to
	 * the next space or comma. Matching ignores case.
	 */
	static bool Value(const TCHAR* Stream, const TCHAR* Match, FString& Value, bool bShouldStopOnSeparator = true);
	static bool Value(const TCHAR* Stream, const TCHAR* Match, int32& Value);
	static bool Value(const TCHAR* Stream, const TCHAR* Match, float& Value);
	static bool Bool(const TCHAR* Stream, const TCHAR* Match, bool& OnOff);

	/** True if Stream has the switch "-Param" (or "/Param"), ignoring case. */
	static bool Param(const TCHAR* Stream, const TCHAR* Param);

	/** Reads the next space-separated token, honouring quotes; false at the end of the stream. */
	static bool Token(const TCHAR*& Str, FString& Arg, bool bUseEscape);
};
