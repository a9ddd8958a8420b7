#pragma once

#include "CoreMinimal.h"

class UPackage;
class UStruct;

namespace UE::StandIn
{
	// The saved-package format: a JSON document, so packages are readable and tests can write them.
	constexpr const char* PackageFormatTag = "UnrealStandInPackage";
	constexpr int32 PackageFormatVersion = 1;

	// Loads a package and every object in it from its file; null (with a log error naming the file)
	// when the file is missing or not a valid package, in which case nothing of it stays loaded.
	UPackage* LoadPackageFromDisk(const FString& LongPackageName, uint32 LoadFlags);

	// Gives a type defined by content (a blueprint class) the super type and the properties of another, as
	// loading its saved description would; false (with the reason) when the super type cannot be found.
	bool CopyContentStructLayout(const UStruct* Source, UStruct* Dest, FString& OutError);
}
