#pragma once

#include "CoreTypes.h"
#include "GenericPlatform/GenericPlatformFile.h"

/** Owns the platform file that the rest of the engine reads and writes through. */
class CORE_API FPlatformFileManager
{
public:
	static FPlatformFileManager& Get();

	IPlatformFile& GetPlatformFile();

	/** Replaces the platform file, e.g. with a wrapper; pass nullptr to go back to the physical one. */
	void SetPlatformFile(IPlatformFile* NewTopmostPlatformFile);

	IPlatformFile* FindPlatformFile(const TCHAR* Name);

private:
	FPlatformFileManager() = default;

	IPlatformFile* TopmostPlatformFile = nullptr;
};
