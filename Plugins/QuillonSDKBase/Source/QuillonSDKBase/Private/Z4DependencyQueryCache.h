#pragma once

#include "CoreMinimal.h"

#if WITH_EDITOR
class IAssetRegistry;

/**
 * The answers that the dependency walks of one package operation need: each package's dependencies as the asset
 * registry lists them, and whether each package's file is on disk. Within an operation each is asked once per
 * package, however many main assets reach it. Nothing outlives the operation: content is saved, moved and
 * deleted between clicks, and the next operation must see that.
 *
 * An operation makes one first thing; it installs itself in the package's slot for its lifetime. One made while
 * another is installed (by a walk, or by an operation inside another) leaves the slot alone and answers from the
 * installed one, so a walk started without an operation's cache still asks only once per package.
 */
class FZ4DependencyQueryCache
{
public:
	FZ4DependencyQueryCache(FZ4DependencyQueryCache*& InSlot, IAssetRegistry& InAssetRegistry);
	~FZ4DependencyQueryCache();
	FZ4DependencyQueryCache(const FZ4DependencyQueryCache&) = delete;
	FZ4DependencyQueryCache& operator=(const FZ4DependencyQueryCache&) = delete;

	/** The package dependencies of PackageName, hard and soft, in the registry's order. */
	TArray<FName> GetDependencies(FName PackageName);

	/** Whether PackageName has a package file on disk. */
	bool DoesPackageExist(FName PackageName);

private:
	FZ4DependencyQueryCache*& Slot;
	IAssetRegistry& AssetRegistry;
	bool bInstalled = false;
	TMap<FName, TArray<FName>> DependenciesByPackage;
	TMap<FName, bool> ExistenceByPackage;
};
#endif
