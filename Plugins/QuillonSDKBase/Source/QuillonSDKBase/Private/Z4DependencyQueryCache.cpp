#include "Z4DependencyQueryCache.h"

#if WITH_EDITOR
#include "Async/ParallelFor.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "Misc/PackageName.h"
#include "Z4Package.h"

namespace
{
	/**
	 * Whether a custom package lies outside the package: not in the package's folder or below it, and not one of the
	 * external-actor packages that the engine keeps apart from a level's own folder.
	 */
	bool IsOutsidePackageFolder(const FString& PackageName, const FString& PackageFolder)
	{
		return !UZ4Package::IsInFolder(PackageName, PackageFolder) && !PackageName.StartsWith(TEXT("/Game/__ExternalActors__/"), ESearchCase::IgnoreCase);
	}
}

FZ4DependencyQueryCache::FZ4DependencyQueryCache(FZ4DependencyQueryCache*& InSlot, IAssetRegistry& InAssetRegistry, const FString& InPackageFolder)
	: Slot(InSlot)
	, AssetRegistry(InAssetRegistry)
	, PackageFolder(InPackageFolder)
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

TConstArrayView<FName> FZ4DependencyQueryCache::GetDependencies(FName PackageName)
{
	FZ4DependencyQueryCache& Cache = Installed();
	return Cache.ListDependencies(Cache.FindOrAddPackage(PackageName));
}

FZ4DependencyQueryCache::EPlace FZ4DependencyQueryCache::GetPlace(FName PackageName)
{
	FZ4DependencyQueryCache& Cache = Installed();
	return Cache.Answers[Cache.FindOrAddPackage(PackageName)].Place;
}

FZ4DependencyQueryCache::EPlace FZ4DependencyQueryCache::GetPlaceOnDisk(FName PackageName)
{
	FZ4DependencyQueryCache& Cache = Installed();
	return Cache.GetPlaceOnDisk(Cache.FindOrAddPackage(PackageName));
}

int32 FZ4DependencyQueryCache::GetPackageIndex(FName PackageName)
{
	return Installed().FindOrAddPackage(PackageName);
}

FName FZ4DependencyQueryCache::GetPackageName(int32 PackageIndex)
{
	return Installed().Answers[PackageIndex].Name;
}

TConstArrayView<int32> FZ4DependencyQueryCache::GetDependencyIndices(int32 PackageIndex)
{
	FZ4DependencyQueryCache& Cache = Installed();
	if (!Cache.Answers[PackageIndex].DependencyIndices.IsSet())
	{
		const TConstArrayView<FName> Names = Cache.ListDependencies(PackageIndex);
		TArray<int32> Indices;
		Indices.Reserve(Names.Num());
		for (const FName& Name : Names)
		{
			Indices.Add(Cache.FindOrAddPackage(Name));
		}
		Cache.Answers[PackageIndex].DependencyIndices.Emplace(MoveTemp(Indices));
	}
	return Cache.Answers[PackageIndex].DependencyIndices.GetValue();
}

FZ4DependencyQueryCache::EPlace FZ4DependencyQueryCache::GetPlaceOnDisk(int32 PackageIndex)
{
	FPackageAnswers& Package = Installed().Answers[PackageIndex];
	if (Package.Place == EPlace::NotCustom)
	{
		return EPlace::NotCustom;
	}
	if (!Package.bOnDisk.IsSet())
	{
		Package.bOnDisk = FPackageName::DoesPackageExist(Package.Name.ToString(), nullptr, true);
	}
	return Package.bOnDisk.GetValue() ? Package.Place : EPlace::NotOnDisk;
}

void FZ4DependencyQueryCache::BeginWalk()
{
	++Installed().CurrentWalk;
}

bool FZ4DependencyQueryCache::Visit(int32 PackageIndex)
{
	FZ4DependencyQueryCache& Cache = Installed();
	int32& LastWalk = Cache.Answers[PackageIndex].LastWalk;
	if (LastWalk == Cache.CurrentWalk)
	{
		return false;
	}
	LastWalk = Cache.CurrentWalk;
	return true;
}

void FZ4DependencyQueryCache::LookAheadOnDisk(TConstArrayView<FName> MainAssets)
{
	if (!bInstalled)
	{
		Slot->LookAheadOnDisk(MainAssets);
		return;
	}
	// Level by level: the packages found on disk are the next level's to list.
	TArray<int32> ToList;
	ToList.Reserve(MainAssets.Num());
	for (const FName& MainAsset : MainAssets)
	{
		ToList.Add(FindOrAddPackage(MainAsset));
	}
	while (ToList.Num() > 0)
	{
		TArray<int32> ToLookFor;
		for (const int32 Package : ToList)
		{
			for (const int32 Dependency : GetDependencyIndices(Package))
			{
				FPackageAnswers& Answer = Answers[Dependency];
				if (Answer.Place != EPlace::NotCustom && !Answer.bOnDisk.IsSet() && !Answer.bToLookFor)
				{
					Answer.bToLookFor = true;
					ToLookFor.Add(Dependency);
				}
			}
		}

		TArray<bool> OnDisk;
		OnDisk.SetNumZeroed(ToLookFor.Num());
		ParallelFor(ToLookFor.Num(), [this, &ToLookFor, &OnDisk](int32 Index)
		{
			OnDisk[Index] = FPackageName::DoesPackageExist(Answers[ToLookFor[Index]].Name.ToString(), nullptr, true);
		});

		ToList.Reset();
		for (int32 Index = 0; Index < ToLookFor.Num(); ++Index)
		{
			FPackageAnswers& Answer = Answers[ToLookFor[Index]];
			Answer.bOnDisk = OnDisk[Index];
			if (OnDisk[Index] && !Answer.Dependencies.IsSet())
			{
				ToList.Add(ToLookFor[Index]);
			}
		}
	}
}

FZ4DependencyQueryCache& FZ4DependencyQueryCache::Installed()
{
	return bInstalled ? *this : *Slot;
}

int32 FZ4DependencyQueryCache::FindOrAddPackage(FName PackageName)
{
	if (const int32* Known = IndexByPackage.Find(PackageName))
	{
		return *Known;
	}
	const FString Name = PackageName.ToString();
	FPackageAnswers& Package = Answers.AddDefaulted_GetRef();
	Package.Name = PackageName;
	Package.Place = !UZ4Package::IsCustomAsset(Name) ? EPlace::NotCustom
		: IsOutsidePackageFolder(Name, PackageFolder) ? EPlace::OutsideFolder
		: EPlace::InFolder;
	IndexByPackage.Add(PackageName, Answers.Num() - 1);
	return Answers.Num() - 1;
}

TConstArrayView<FName> FZ4DependencyQueryCache::ListDependencies(int32 PackageIndex)
{
	FPackageAnswers& Package = Answers[PackageIndex];
	if (!Package.Dependencies.IsSet())
	{
		TArray<FName>& PackageDependencies = Package.Dependencies.Emplace();
		AssetRegistry.GetDependencies(Package.Name, PackageDependencies, UE::AssetRegistry::EDependencyCategory::Package, UE::AssetRegistry::FDependencyQuery());
	}
	return Package.Dependencies.GetValue();
}
#endif
