#include "AssetRegistry/AssetData.h"
#include "Misc/PackageName.h"
#include "UObject/Class.h"
#include "UObject/Object.h"
#include "UObject/Package.h"

FAssetData::FAssetData(FName InPackageName, FName InPackagePath, FName InAssetName, FTopLevelAssetPath InAssetClassPathName)
	: PackageName(InPackageName)
	, PackagePath(InPackagePath)
	, AssetName(InAssetName)
	, AssetClassPath(InAssetClassPathName)
{
}

FAssetData::FAssetData(const UObject* InAsset, ECreationFlags InCreationFlags)
{
	if (!InAsset || !InAsset->IsValidLowLevel())
	{
		return;
	}
	const UPackage* Package = InAsset->GetPackage();
	PackageName = Package->GetFName();
	PackagePath = FName(*FPackageName::GetLongPackagePath(Package->GetName()));
	AssetName = InAsset->GetFName();
	AssetClassPath = InAsset->GetClass()->GetClassPathName();
}

FAssetData::FAssetData(const UObject* InAsset, bool bAllowBlueprintClass)
	: FAssetData(InAsset, bAllowBlueprintClass ? ECreationFlags::AllowBlueprintClass : ECreationFlags::None)
{
}

FString FAssetData::GetObjectPathString() const
{
	return IsValid() ? PackageName.ToString() + TEXT(".") + AssetName.ToString() : FString();
}

FSoftObjectPath FAssetData::GetSoftObjectPath() const
{
	return IsValid() ? FSoftObjectPath(FTopLevelAssetPath(PackageName, AssetName)) : FSoftObjectPath();
}

UObject* FAssetData::GetAsset(TSet<FName> LoadTags) const
{
	return IsValid() ? GetSoftObjectPath().TryLoad() : nullptr;
}

UObject* FAssetData::FastGetAsset(bool bLoad, TSet<FName> LoadTags) const
{
	if (!IsValid())
	{
		return nullptr;
	}
	return bLoad ? GetAsset() : GetSoftObjectPath().ResolveObject();
}

UClass* FAssetData::GetClass(EResolveClass ResolveClass) const
{
	if (AssetClassPath.IsNull())
	{
		return nullptr;
	}
	const FSoftObjectPath ClassPath(AssetClassPath);
	return Cast<UClass>(ResolveClass == EResolveClass::Yes ? ClassPath.TryLoad() : ClassPath.ResolveObject());
}

bool FAssetData::IsRedirectorClassName(FTopLevelAssetPath ClassPathName)
{
	static const FTopLevelAssetPath RedirectorClassPath(TEXT("/Script/CoreUObject.ObjectRedirector"));
	return ClassPathName == RedirectorClassPath;
}
