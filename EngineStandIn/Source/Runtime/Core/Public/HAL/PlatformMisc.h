#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "GenericPlatform/GenericPlatformMisc.h"

struct CORE_API FPlatformMisc
{
	/** The process environment's value, or an empty string when the variable is not set. */
	static FString GetEnvironmentVariable(const TCHAR* VariableName);

	static void SetEnvironmentVar(const TCHAR* VariableName, const TCHAR* Value);

	/** Asks the application to quit; bForce ends the process at once. */
	static void RequestExit(bool bForce, const TCHAR* CallSite = nullptr);

	static bool IsRequestingExit();

	static const TCHAR* GetLineTerminator() { return TEXT("\n"); }

	static const TCHAR* GetDefaultPathSeparator() { return TEXT("/"); }
};

using FGenericPlatformMisc = FPlatformMisc;
