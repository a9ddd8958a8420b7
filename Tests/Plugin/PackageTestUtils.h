#pragma once

#include "CoreMinimal.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "UObject/UObjectHash.h"

namespace UE::Quillon::Test
{
	// Drops a package and everything in it from memory, as closing it in the editor would, so that the
	// next load reads it from disk.
	inline void UnloadPackage(const TCHAR* PackageName)
	{
		if (UPackage* Package = FindPackage(nullptr, PackageName))
		{
			Package->MarkAsGarbage();
			ForEachObjectWithPackage(Package, [](UObject* Object)
				{
					Object->MarkAsGarbage();
					return true;
				});
		}
		CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
	}
}
