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
 *
 * Each package the operation meets gets a number, the same for the whole operation. A walk that meets every package
 * many times asks by number, so that it finds the answers without looking the name up again.
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
	 * installed cache lives: a list is never changed once stored, and its elements stay where they are when the
	 * answers holding the lists grow.
	 */
	TConstArrayView<FName> GetDependencies(FName PackageName);

	/** Where PackageName lies for the package, without looking at the disk; /Game/Pack does not hold /Game/Pack2/M_Rock. */
	EPlace GetPlace(FName PackageName);

	/** GetPlace, but custom content is first looked for on disk (once per package) and is NotOnDisk when it has no file. */
	EPlace GetPlaceOnDisk(FName PackageName);

	/** The operation's number for PackageName. */
	int32 GetPackageIndex(FName PackageName);

	/** The name of the package that has the number PackageIndex. */
	FName GetPackageName(int32 PackageIndex);

	/** GetDependencies by number: the numbers of the packages it lists, in the registry's order; as long valid. */
	TConstArrayView<int32> GetDependencyIndices(int32 PackageIndex);

	/** GetPlaceOnDisk by number. */
	EPlace GetPlaceOnDisk(int32 PackageIndex);

	/** Starts a walk: no package has been visited by it yet. */
	void BeginWalk();

	/** Marks the package as visited by the walk begun last; false if it was already. */
	bool Visit(int32 PackageIndex);

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
		FName Name;
		EPlace Place = EPlace::NotCustom;
		TOptional<bool> bOnDisk;
		/** Whether the look-ahead has the package in the list it is about to look for on disk. */
		bool bToLookFor = false;
		/** The walk that visited the package last. */
		int32 LastWalk = INDEX_NONE;
		TOptional<TArray<FName>> Dependencies;
		TOptional<TArray<int32>> DependencyIndices;
	};

	/** The cache that answers: this one when installed, else the installed one. */
	FZ4DependencyQueryCache& Installed();

	int32 FindOrAddPackage(FName PackageName);
	TConstArrayView<FName> ListDependencies(int32 PackageIndex);

	FZ4DependencyQueryCache*& Slot;
	IAssetRegistry& AssetRegistry;
	const FString& PackageFolder;
	bool bInstalled = false;
	TArray<FPackageAnswers> Answers;
	TMap<FName, int32> IndexByPackage;
	int32 CurrentWalk = INDEX_NONE;
};
#endif
