#pragma once

#include "CoreMinimal.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "UObject/UObjectHash.h"
#include "Z4Package.h"

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

	/** "dependency <- main asset, main asset" per entry, in the map's order, each entry's main assets sorted. */
	inline TArray<FString> DescribeDependencies(const UZ4Package& Package)
	{
		TArray<FString> Lines;
		for (const TPair<FName, FZ4ReferenceList>& Dependency : Package.Dependencies)
		{
			TArray<FString> References;
			for (const FName& Reference : Dependency.Value.References)
			{
				References.Add(Reference.ToString());
			}
			References.Sort();
			Lines.Add(Dependency.Key.ToString() + TEXT(" <- ") + FString::Join(References, TEXT(", ")));
		}
		return Lines;
	}

	/** "dependency = depth" per entry, in the map's order. */
	inline TArray<FString> DescribeExternalDependencies(const UZ4Package& Package)
	{
		TArray<FString> Lines;
		for (const TPair<FName, int32>& Dependency : Package.ExternalDependencies)
		{
			Lines.Add(FString::Printf(TEXT("%s = %d"), *Dependency.Key.ToString(), Dependency.Value));
		}
		return Lines;
	}
}
