#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectMacros.h"

namespace UE::StandIn
{
	/** One object of a package file written for a test. */
	struct FTestPackageObject
	{
		FString Name;
		/** /Script/Engine.StaticMesh */
		FString ClassPath;
		/** The index of an earlier object of the package, -1 for the package itself. */
		int32 Outer = -1;
		uint32 Flags = RF_Public | RF_Standalone;
	};

	/**
	 * A package file in the format the engine saves, with the references a test wants and no property values,
	 * so a test can lay out any dependency graph on disk without making the objects. Names are written as
	 * given, in order, also malformed ones.
	 */
	struct FTestPackage
	{
		/** /Game/Pack/SM_Rock */
		FString PackageName;
		/** Long package names of the hard references (the package's imports). */
		TArray<FString> Imports;
		TArray<FString> SoftReferences;
		/** With no objects, the package holds one asset named like the package, of class ClassPath. */
		TArray<FTestPackageObject> Objects;
		FString ClassPath = TEXT("/Script/Engine.StaticMesh");
	};

	/**
	 * Writes the package's file where its mounted root puts it (.umap when its first asset is a world) and
	 * returns the file's name. The asset registry learns of it when its path is scanned again.
	 */
	STANDINTESTING_API FString WriteTestPackage(const FTestPackage& Package);
}
