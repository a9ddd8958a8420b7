#pragma once

#include "CoreTypes.h"
#include "CoreGlobals.h"

class CORE_API FApp
{
public:
	static const TCHAR* GetProjectName() { return GInternalProjectName; }

	static bool HasProjectName() { return GInternalProjectName[0] != 0; }

	static void SetProjectName(const TCHAR* InProjectName);

	static bool IsGame() { return !GIsEditor; }

	static bool IsUnattended();
	static void SetUnattended(bool bInUnattended);
};
