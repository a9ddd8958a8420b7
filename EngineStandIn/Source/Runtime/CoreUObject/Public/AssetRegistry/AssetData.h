#pragma once

#include "CoreMinimal.h"
#include "UObject/Class.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/TopLevelAssetPath.h"

class UClass;
class UObject;

/** How FAssetData::GetClass finds the asset's class. */
enum class EResolveClass : uint8
{
	No,
	Yes,
};

/** What the asset registry knows of an asset without loading it: its package, name and class. */
struct COREUOBJECT_API FAssetData
{
public:
	enum class ECreationFlags : uint8
	{
		None = 0,
		SkipAssetRegistryTagsGathering = 1 << 0,
		AllowBlueprintClass = 1 << 1,
	};

	/** The long package name of the asset's package: /Game/Pack/SM_Rock. */
	FName PackageName;
	/** The folder of the asset's package: /Game/Pack. */
	FName PackagePath;
	/** The asset's object name: SM_Rock. */
	FName AssetName;
	/** The path of the asset's class: /Script/Engine.StaticMesh. */
	FTopLevelAssetPath AssetClassPath;

	FAssetData() = default;
	FAssetData(FName InPackageName, FName InPackagePath, FName InAssetName, FTopLevelAssetPath InAssetClassPathName);
	FAssetData(const UObject* InAsset, ECreationFlags InCreationFlags);
	FAssetData(const UObject* InAsset, bool bAllowBlueprintClass = false);

	bool IsValid() const { return !PackageName.IsNone() && !AssetName.IsNone(); }

	/** "/Game/Pack/SM_Rock.SM_Rock" */
	FString GetObjectPathString() const;
	FSoftObjectPath GetSoftObjectPath() const;

	/** The asset, loading it when it is not in memory. */
	UObject* GetAsset(TSet<FName> LoadTags = {}) const;
	/** The asset when it is in memory; loads it only with bLoad. */
	UObject* FastGetAsset(bool bLoad = false, TSet<FName> LoadTags = {}) const;

	/** The native or loaded class of the asset, or null. */
	UClass* GetClass(EResolveClass ResolveClass = EResolveClass::No) const;

	/** Whether this is an object redirector left behind by a rename or move. */
	bool IsRedirector() const { return IsRedirectorClassName(AssetClassPath); }
	static bool IsRedirectorClassName(FTopLevelAssetPath ClassPathName);

	bool operator==(const FAssetData& Other) const
	{
		return PackageName == Other.PackageName && AssetName == Other.AssetName;
	}
	bool operator!=(const FAssetData& Other) const { return !(*this == Other); }
	friend uint32 GetTypeHash(const FAssetData& AssetData)
	{
		return HashCombine(GetTypeHash(AssetData.PackageName), GetTypeHash(AssetData.AssetName));
	}
};
