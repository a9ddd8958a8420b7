#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"

struct CORE_API FCommandLine
{
	/** The process command line without the executable: "Proj.uproject -run=cook -unattended". */
	static const TCHAR* Get();
	static bool IsInitialized();
	static bool Set(const TCHAR* NewCommandLine);
	static void Append(const TCHAR* AppendString);

	/** Builds a command line from main()'s arguments (skipping ArgV[0]), quoting arguments with spaces. */
	static FString BuildFromArgV(const TCHAR* Prefix, int32 ArgC, TCHAR** ArgV, const TCHAR* Suffix);
};
