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
	if (!bInstalled)
	{
		return Slot->GetDependencies(PackageName);
	}
	FPackageAnswers& Answers = FindOrAddAnswers(PackageName);
	if (!Answers.Dependencies.IsSet())
	{
		TArray<FName>& PackageDependencies = Answers.Dependencies.Emplace();
		AssetRegistry.GetDependencies(PackageName, PackageDependencies, UE::AssetRegistry::EDependencyCategory::Package, UE::AssetRegistry::FDependencyQuery());
	}
	return Answers.Dependencies.GetValue();
}

FZ4DependencyQueryCache::EPlace FZ4DependencyQueryCache::GetPlace(FName PackageName)
{
	if (!bInstalled)
	{
		return Slot->GetPlace(PackageName);
	}
	return FindOrAddAnswers(PackageName).Place;
}

FZ4DependencyQueryCache::EPlace FZ4DependencyQueryCache::GetPlaceOnDisk(FName PackageName)
{
	if (!bInstalled)
	{
		return Slot->GetPlaceOnDisk(PackageName);
	}
	FPackageAnswers& Answers = FindOrAddAnswers(PackageName);
	if (Answers.Place == EPlace::NotCustom)
	{
		return EPlace::NotCustom;
	}
	if (!Answers.bOnDisk.IsSet())
	{
		Answers.bOnDisk = FPackageName::DoesPackageExist(PackageName.ToString(), nullptr, true);
	}
	return Answers.bOnDisk.GetValue() ? Answers.Place : EPlace::NotOnDisk;
}

void FZ4DependencyQueryCache::LookAheadOnDisk(TConstArrayView<FName> MainAssets)
{
	if (!bInstalled)
	{
		Slot->LookAheadOnDisk(MainAssets);
		return;
	}
	// Level by level: the packages found on disk are the next level's to list.
	TArray<FName> ToList(MainAssets);
	while (ToList.Num() > 0)
	{
		TArray<FName> ToLookFor;
		TSet<FName> Named;
		for (const FName& Package : ToList)
		{
			for (const FName& Dependency : GetDependencies(Package))
			{
				bool bNamed = false;
				Named.Add(Dependency, &bNamed);
				const FPackageAnswers& Answers = FindOrAddAnswers(Dependency);
				if (!bNamed && Answers.Place != EPlace::NotCustom && !Answers.bOnDisk.IsSet())
				{
					ToLookFor.Add(Dependency);
				}
			}
		}

		TArray<bool> OnDisk;
		OnDisk.SetNumZeroed(ToLookFor.Num());
		ParallelFor(ToLookFor.Num(), [&ToLookFor, &OnDisk](int32 Index)
		{
			OnDisk[Index] = FPackageName::DoesPackageExist(ToLookFor[Index].ToString(), nullptr, true);
		});

		ToList.Reset();
		for (int32 Index = 0; Index < ToLookFor.Num(); ++Index)
		{
			FPackageAnswers& Answers = FindOrAddAnswers(ToLookFor[Index]);
			Answers.bOnDisk = OnDisk[Index];
			if (OnDisk[Index] && !Answers.Dependencies.IsSet())
			{
				ToList.Add(ToLookFor[Index]);
			}
		}
	}
}

FZ4DependencyQueryCache::FPackageAnswers& FZ4DependencyQueryCache::FindOrAddAnswers(FName PackageName)
{
	if (FPackageAnswers* Known = AnswersByPackage.Find(PackageName))
	{
		return *Known;
	}
	const FString Name = PackageName.ToString();
	FPackageAnswers& Answers = AnswersByPackage.Add(PackageName);
	Answers.Place = !UZ4Package::IsCustomAsset(Name) ? EPlace::NotCustom
		: IsOutsidePackageFolder(Name, PackageFolder) ? EPlace::OutsideFolder
		: EPlace::InFolder;
	return Answers;
}
#endif
