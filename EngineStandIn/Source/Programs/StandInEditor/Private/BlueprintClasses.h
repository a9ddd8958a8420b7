#pragma once

#include "CoreMinimal.h"

class UBlueprint;
class UClass;

namespace UE::StandInEditor
{
	// Compiles a blueprint the way a content blueprint is stored: its generated class (named <Blueprint>_C,
	// of GeneratedClassType) beside it in its package, derived from Parent, with one default-object property
	// per reference. Hard references become object properties, soft ones soft object properties; each is
	// named after the referenced asset and set to it on the class default object.
	struct FBlueprintReference
	{
		FName PropertyName;
		UClass* PropertyClass = nullptr;
		UObject* Object = nullptr;
		// Set instead of Object for a soft reference.
		FString SoftPath;
	};

	UClass* CompileBlueprintClass(UBlueprint* Blueprint, UClass* Parent, UClass* GeneratedClassType, const TArray<FBlueprintReference>& References);
}
