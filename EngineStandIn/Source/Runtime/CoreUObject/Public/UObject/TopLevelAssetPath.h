#pragma once

#include "CoreMinimal.h"

class UObject;

// The path of an object directly inside a package: /Script/Engine.StaticMesh, /Game/Pack/SM_Rock.SM_Rock.
struct COREUOBJECT_API FTopLevelAssetPath
{
	FTopLevelAssetPath() = default;
	FTopLevelAssetPath(FName InPackageName, FName InAssetName) : PackageName(InPackageName), AssetName(InAssetName) {}
	FTopLevelAssetPath(const FString& Path) { TrySetPath(Path); }
	FTopLevelAssetPath(const TCHAR* Path) { TrySetPath(FString(Path)); }
	FTopLevelAssetPath(TYPE_OF_NULLPTR) {}

	bool TrySetPath(const FString& Path);
	void Reset()
	{
		PackageName = NAME_None;
		AssetName = NAME_None;
	}

	FName GetPackageName() const { return PackageName; }
	FName GetAssetName() const { return AssetName; }
	FString ToString() const;
	void AppendString(FString& Builder) const { Builder += ToString(); }
	bool IsValid() const { return !PackageName.IsNone(); }
	bool IsNull() const { return PackageName.IsNone(); }

	bool operator==(const FTopLevelAssetPath& Other) const { return PackageName == Other.PackageName && AssetName == Other.AssetName; }
	bool operator!=(const FTopLevelAssetPath& Other) const { return !(*this == Other); }
	friend uint32 GetTypeHash(const FTopLevelAssetPath& Path) { return HashCombine(GetTypeHash(Path.PackageName), GetTypeHash(Path.AssetName)); }

private:
	FName PackageName;
	FName AssetName;
};
