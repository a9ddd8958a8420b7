#pragma once

#include "CoreMinimal.h"

namespace UE::StandInEditor
{
	// One asset of a content description (see Docs/ContentDescription.md). References are long package
	// names (/Game/Pack/SM_Rock) or object paths (/Game/Pack/SM_Rock.SM_Rock).
	struct FAssetDescription
	{
		// "entry 3 (/Game/Pack/SM_Rock)", for messages.
		FString Label;
		FString ClassName;
		FString PackageName;
		TArray<FString> References;
		TArray<FString> SoftReferences;
		FString Skeleton;
		FString ParentClass;
		TArray<FString> Actors;
		TArray<FString> ExternalActors;
		// The public name of a package asset.
		FString PublicName;
	};

	// Reads a content description: a JSON object whose "Assets" array holds one object per asset. False with
	// a reason naming the entry on anything malformed: invalid JSON, a missing or unknown key, a value of
	// the wrong kind, a package named twice or not under /Game/.
	bool ParseContentDescription(const FString& Text, TArray<FAssetDescription>& OutAssets, FString& OutError);
}
