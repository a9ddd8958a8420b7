#pragma once

#include "CoreMinimal.h"

#if WITH_EDITOR
class IAssetRegistry;

/**
 * The answers that the dependency walks of one package operation need: each package's dependencies as the asset
 * registry lists them, whether each package's file is on disk, and where each named package lies for the package.
 * Within an operation each is asked once per package, however many main assets reach it. Nothing outlives the
 * operation: content is saved, moved and deleted between clicks, and the next operation must see that.
 *
 * An operation makes one first thing; it installs itself in the package's slot for its lifetime. One made while
 * another is installed (by a walk, or by an operation inside another) leaves the slot alone and answers from the
 * installed one, so a walk started without an operation's cache still asks only once per package.
 */
class FZ4DependencyQueryCache
{
public:
	/** Where a package named as a dependency lies for the package whose operation this is. */
	enum class EPlace : uint8
	{
		/** Engine, script or reserved content: neither recorded nor followed. */
		NotCustom,
		/** Custom content without a package file on disk; only GetPlaceOnDisk tells it apart. */
		NotOnDisk,
		/** Custom content in the package's folder or below it, or an external actor of a level. */
		InFolder,
		/** Custom content anywhere else. */
		OutsideFolder,
	};

	FZ4DependencyQueryCache(FZ4DependencyQueryCache*& InSlot, IAssetRegistry& InAssetRegistry, const FString& InPackageFolder);
	~FZ4DependencyQueryCache();
	FZ4DependencyQueryCache(const FZ4DependencyQueryCache&) = delete;
	FZ4DependencyQueryCache& operator=(const FZ4DependencyQueryCache&) = delete;

	/**
	 * The package dependencies of PackageName, hard and soft, in the registry's order. The view stays valid while the
	 * installed cache lives: a list is never changed once stored, and its elements stay where they are when the map
	 * holding the lists grows.
	 */
	TConstArrayView<FName> GetDependencies(FName PackageName);

	/** Where PackageName lies for the package, without looking at the disk; /Game/Pack does not hold /Game/Pack2/M_Rock. */
	EPlace GetPlace(FName PackageName);

	/** GetPlace, but custom content is first looked for on disk (once per package) and is NotOnDisk when it has no file. */
	EPlace GetPlaceOnDisk(FName PackageName);

	/**
	 * Looks on disk at once, on all cores, for every custom package that the walks from MainAssets will meet, so that
	 * they find the answers ready instead of waiting for the disk one package after another. Asks what those walks
	 * would ask, no more: the dependencies of each main asset and of each custom package on disk reached from one,
	 * and the disk for each custom package those name.
	 */
	void LookAheadOnDisk(TConstArrayView<FName> MainAssets);

private:
	/** What the operation has learnt of one package; the walks meet each package many times. */
	struct FPackageAnswers
	{
		EPlace Place = EPlace::NotCustom;
		TOptional<bool> bOnDisk;
		TOptional<TArray<FName>> Dependencies;
	};

	FPackageAnswers& FindOrAddAnswers(FName PackageName);

	FZ4DependencyQueryCache*& Slot;
	IAssetRegistry& AssetRegistry;
	const FString& PackageFolder;
	bool bInstalled = false;
	TMap<FName, FPackageAnswers> AnswersByPackage;
};
#endif
