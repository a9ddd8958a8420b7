#include "Z4DependencyQueryCache.h"

#if WITH_EDITOR
#include "AssetRegistry/IAssetRegistry.h"
#include "Misc/PackageName.h"

FZ4DependencyQueryCache::FZ4DependencyQueryCache(FZ4DependencyQueryCache*& InSlot, IAssetRegistry& InAssetRegistry)
	: Slot(InSlot)
	, AssetRegistry(InAssetRegistry)
{
	if (!Slot)
	{
		Slot = this;
		bInstalled = true;
	}
}

FZ4DependencyQueryCache::~FZ4DependencyQueryCache()
{
	if (bInstalled)
	{
		Slot = nullptr;
	}
}

TArray<FName> FZ4DependencyQueryCache::GetDependencies(FName PackageName)
{
	if (!bInstalled)
	{
		return Slot->GetDependencies(PackageName);
	}
	if (const TArray<FName>* Known = DependenciesByPackage.Find(PackageName))
	{
		return *Known;
	}
	TArray<FName> PackageDependencies;
	AssetRegistry.GetDependencies(PackageName, PackageDependencies, UE::AssetRegistry::EDependencyCategory::Package, UE::AssetRegistry::FDependencyQuery());
	DependenciesByPackage.Add(PackageName, PackageDependencies);
	return PackageDependencies;
}

bool FZ4DependencyQueryCache::DoesPackageExist(FName PackageName)
{
	if (!bInstalled)
	{
		return Slot->DoesPackageExist(PackageName);
	}
	if (const bool* Known = ExistenceByPackage.Find(PackageName))
	{
		return *Known;
	}
	const bool bExists = FPackageName::DoesPackageExist(PackageName.ToString(), nullptr, true);
	ExistenceByPackage.Add(PackageName, bExists);
	return bExists;
}
#endif
