#include "AssetRegistryImpl.h"

#include "Algo/Sort.h"
#include "HAL/FileManager.h"
#include "Misc/PackageName.h"
#include "Misc/Paths.h"
#include "StandIn/PackageQueryLog.h"
#include "UObject/Class.h"
#include "UObject/Object.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

DEFINE_LOG_CATEGORY(LogAssetRegistry);

namespace UE::AssetRegistry::Private
{
	namespace
	{
		/** /Game/Pack/ and /Game/Pack both name the folder /Game/Pack. */
		FString NormalizePackagePath(const FString& PackagePath)
		{
			FString Path = PackagePath;
			while (Path.EndsWith(TEXT("/")))
			{
				Path.LeftChopInline(1);
			}
			return Path;
		}

		/** Whether a package or package path lies in the folder of PackagePath or below it. */
		bool IsUnderPackagePath(const FString& Name, const FString& PackagePath)
		{
			return Name.Equals(PackagePath, ESearchCase::IgnoreCase)
				|| (Name.StartsWith(PackagePath, ESearchCase::IgnoreCase) && Name.Len() > PackagePath.Len() && Name[PackagePath.Len()] == TEXT('/'));
		}

		bool MatchesQuery(EDependencyProperty Properties, const FDependencyQuery& Query)
		{
			const EDependencyProperty Mask = EDependencyProperty::PackageMask;
			if ((Properties & Query.Required & Mask) != (Query.Required & Mask) || (Properties & Query.Excluded & Mask) != EDependencyProperty::None)
			{
				return false;
			}
			for (const EDependencyProperty Union : Query.RequiredUnions)
			{
				if ((Union & Mask) != EDependencyProperty::None && (Properties & Union & Mask) == EDependencyProperty::None)
				{
					return false;
				}
			}
			return true;
		}

		bool IsPackageFile(const FString& Filename)
		{
			return Filename.EndsWith(FPackageName::GetAssetPackageExtension(), ESearchCase::IgnoreCase)
				|| Filename.EndsWith(FPackageName::GetMapPackageExtension(), ESearchCase::IgnoreCase);
		}

		/** A loaded class the asset's class is or derives from; the class is found without loading anything. */
		bool IsChildOfAny(const FTopLevelAssetPath& ClassPath, const TArray<UClass*>& Classes)
		{
			if (Classes.Num() == 0)
			{
				return false;
			}
			const UClass* Class = FindObject<UClass>(nullptr, *ClassPath.ToString());
			return Class && Classes.ContainsByPredicate([Class](const UClass* Base) { return Class->IsChildOf(Base); });
		}

		TArray<UClass*> FindClasses(const TArray<FTopLevelAssetPath>& ClassPaths)
		{
			TArray<UClass*> Classes;
			for (const FTopLevelAssetPath& ClassPath : ClassPaths)
			{
				if (UClass* Class = FindObject<UClass>(nullptr, *ClassPath.ToString()))
				{
					Classes.Add(Class);
				}
			}
			return Classes;
		}
	}

	FAssetRegistryImpl::FAssetRegistryImpl()
	{
		MountedHandle = FPackageName::OnContentPathMounted().AddRaw(this, &FAssetRegistryImpl::HandleContentPathMounted);
		DismountedHandle = FPackageName::OnContentPathDismounted().AddRaw(this, &FAssetRegistryImpl::HandleContentPathDismounted);
		SavedHandle = UPackage::PackageSavedWithContextEvent.AddRaw(this, &FAssetRegistryImpl::HandlePackageSaved);

		TArray<FString> Roots;
		FPackageName::QueryRootContentPaths(Roots);
		ScanPathsSynchronous(Roots, true);
	}

	FAssetRegistryImpl::~FAssetRegistryImpl()
	{
		FPackageName::OnContentPathMounted().Remove(MountedHandle);
		FPackageName::OnContentPathDismounted().Remove(DismountedHandle);
		UPackage::PackageSavedWithContextEvent.Remove(SavedHandle);
	}

	bool FAssetRegistryImpl::GetAssets(const FARFilter& Filter, TArray<FAssetData>& OutAssetData, bool bSkipARFilteredAssets) const
	{
		TArray<FString> PackagePaths;
		for (const FName& PackagePath : Filter.PackagePaths)
		{
			PackagePaths.Add(NormalizePackagePath(PackagePath.ToString()));
		}
		const TSet<FTopLevelAssetPath> ClassPaths{TArrayView<const FTopLevelAssetPath>(Filter.ClassPaths)};
		const TArray<UClass*> BaseClasses = Filter.bRecursiveClasses ? FindClasses(Filter.ClassPaths) : TArray<UClass*>();
		const TArray<UClass*> ExcludedClasses = Filter.bRecursiveClasses ? FindClasses(Filter.RecursiveClassPathsExclusionSet.Array()) : TArray<UClass*>();
		const TSet<FSoftObjectPath> ObjectPaths{TArrayView<const FSoftObjectPath>(Filter.SoftObjectPaths)};

		auto MatchesPath = [&PackagePaths, &Filter](const FAssetData& Asset)
		{
			if (PackagePaths.Num() == 0)
			{
				return true;
			}
			const FString AssetPath = Asset.PackagePath.ToString();
			return PackagePaths.ContainsByPredicate([&AssetPath, &Filter](const FString& Path)
				{
					return Filter.bRecursivePaths ? IsUnderPackagePath(AssetPath, Path) : AssetPath.Equals(Path, ESearchCase::IgnoreCase);
				});
		};
		auto MatchesClass = [&](const FAssetData& Asset)
		{
			if (ClassPaths.Num() == 0)
			{
				return true;
			}
			if (!Filter.bRecursiveClasses)
			{
				return ClassPaths.Contains(Asset.AssetClassPath);
			}
			if (Filter.RecursiveClassPathsExclusionSet.Contains(Asset.AssetClassPath) || IsChildOfAny(Asset.AssetClassPath, ExcludedClasses))
			{
				return false;
			}
			return ClassPaths.Contains(Asset.AssetClassPath) || IsChildOfAny(Asset.AssetClassPath, BaseClasses);
		};
		auto MatchesAsset = [&](const FAssetData& Asset)
		{
			return MatchesPath(Asset) && MatchesClass(Asset) && (ObjectPaths.Num() == 0 || ObjectPaths.Contains(Asset.GetSoftObjectPath()));
		};

		TArray<const FAssetData*> Matches;
		auto AddMatches = [&](const FPackageEntry& Entry)
		{
			if (Filter.bIncludeOnlyOnDiskAssets && !Entry.bOnDisk)
			{
				return;
			}
			for (const FAssetData& Asset : Entry.Assets)
			{
				if (MatchesAsset(Asset))
				{
					Matches.Add(&Asset);
				}
			}
		};
		if (Filter.PackageNames.Num() > 0)
		{
			TSet<FName> Seen;
			for (const FName& PackageName : Filter.PackageNames)
			{
				const FPackageEntry* Entry = Packages.Find(PackageName);
				if (Entry && !Seen.Contains(PackageName))
				{
					Seen.Add(PackageName);
					AddMatches(*Entry);
				}
			}
		}
		else
		{
			for (const TPair<FName, FPackageEntry>& Package : Packages)
			{
				AddMatches(Package.Value);
			}
		}

		Algo::Sort(Matches, [](const FAssetData* A, const FAssetData* B)
			{
				const int32 PackageOrder = A->PackageName.Compare(B->PackageName);
				return PackageOrder != 0 ? PackageOrder < 0 : A->AssetName.Compare(B->AssetName) < 0;
			});
		OutAssetData.Reserve(OutAssetData.Num() + Matches.Num());
		for (const FAssetData* Asset : Matches)
		{
			OutAssetData.Add(*Asset);
		}
		return true;
	}

	FAssetData FAssetRegistryImpl::GetAssetByObjectPath(const FSoftObjectPath& ObjectPath, bool bIncludeOnlyOnDiskAssets, bool bSkipARFilteredAssets) const
	{
		const FPackageEntry* Entry = Packages.Find(ObjectPath.GetLongPackageFName());
		if (!Entry || !ObjectPath.GetSubPathString().IsEmpty() || (bIncludeOnlyOnDiskAssets && !Entry->bOnDisk))
		{
			return FAssetData();
		}
		const FAssetData* Asset = Entry->Assets.FindByPredicate([&ObjectPath](const FAssetData& Candidate) { return Candidate.AssetName == ObjectPath.GetAssetFName(); });
		return Asset ? *Asset : FAssetData();
	}

	bool FAssetRegistryImpl::GetDependencies(FName PackageName, TArray<FName>& OutDependencies, EDependencyCategory Category, const FDependencyQuery& Flags) const
	{
		if (UE::StandIn::FPackageQueryLog::IsRecording())
		{
			UE::StandIn::FPackageQueryLog::Record(UE::StandIn::EPackageQuery::GetDependencies, PackageName);
		}
		const FPackageEntry* Entry = Packages.Find(PackageName);
		if (!Entry)
		{
			return false;
		}
		// Only package dependencies are gathered from package files; there are no management or searchable-name ones.
		if (!EnumHasAnyFlags(Category, EDependencyCategory::Package))
		{
			return true;
		}
		for (const FPackageDependency& Dependency : Entry->Dependencies)
		{
			if (MatchesQuery(Dependency.Properties, Flags))
			{
				OutDependencies.Add(Dependency.PackageName);
			}
		}
		return true;
	}

	bool FAssetRegistryImpl::GetReferencers(FName PackageName, TArray<FName>& OutReferencers, EDependencyCategory Category, const FDependencyQuery& Flags) const
	{
		if (UE::StandIn::FPackageQueryLog::IsRecording())
		{
			UE::StandIn::FPackageQueryLog::Record(UE::StandIn::EPackageQuery::GetReferencers, PackageName);
		}
		const TSet<FName>* ReferencingPackages = Referencers.Find(PackageName);
		if (!ReferencingPackages)
		{
			return Packages.Contains(PackageName);
		}
		if (!EnumHasAnyFlags(Category, EDependencyCategory::Package))
		{
			return true;
		}
		TArray<FName> Found;
		for (const FName& Referencer : *ReferencingPackages)
		{
			const FPackageDependency* Edge = Packages.FindChecked(Referencer).Dependencies.FindByPredicate([PackageName](const FPackageDependency& Dependency) { return Dependency.PackageName == PackageName; });
			if (Edge && MatchesQuery(Edge->Properties, Flags))
			{
				Found.Add(Referencer);
			}
		}
		Algo::Sort(Found, FNameLexicalLess());
		OutReferencers.Append(Found);
		return true;
	}

	void FAssetRegistryImpl::AssetCreated(UObject* NewAsset)
	{
		if (!NewAsset || !NewAsset->IsAsset())
		{
			return;
		}
		const FAssetData Asset(NewAsset);
		FPackageEntry* Entry = Packages.Find(Asset.PackageName);
		if (!Entry)
		{
			FPackageEntry NewEntry;
			NewEntry.Assets.Add(Asset);
			SetPackage(Asset.PackageName, MoveTemp(NewEntry));
			return;
		}
		if (FAssetData* Known = Entry->Assets.FindByPredicate([&Asset](const FAssetData& Candidate) { return Candidate.AssetName == Asset.AssetName; }))
		{
			*Known = Asset;
		}
		else
		{
			Entry->Assets.Add(Asset);
		}
	}

	void FAssetRegistryImpl::ScanPathsSynchronous(const TArray<FString>& InPaths, bool bForceRescan, bool bIgnoreDenyListScanFilters)
	{
		for (const FString& InPath : InPaths)
		{
			const FString PackagePath = NormalizePackagePath(InPath);
			const bool bScannedBefore = ScannedPaths.ContainsByPredicate([&PackagePath](const FString& Scanned) { return IsUnderPackagePath(PackagePath, Scanned); });
			if (bScannedBefore && !bForceRescan)
			{
				continue;
			}
			ScanPackagePath(PackagePath);
			ScannedPaths.AddUnique(PackagePath);
		}
	}

	void FAssetRegistryImpl::ScanFilesSynchronous(const TArray<FString>& InFilePaths, bool bForceRescan)
	{
		for (const FString& Filename : InFilePaths)
		{
			FString PackageName;
			if (!FPackageName::TryConvertFilenameToLongPackageName(Filename, PackageName))
			{
				UE_LOG(LogAssetRegistry, Warning, TEXT("'%s' is not under a mounted content folder; it is not scanned."), *Filename);
				continue;
			}
			if (IFileManager::Get().FileExists(*Filename))
			{
				ScanFile(FName(*PackageName), Filename);
			}
			else if (const FPackageEntry* Entry = Packages.Find(FName(*PackageName)); Entry && Entry->bOnDisk)
			{
				RemovePackage(FName(*PackageName));
			}
		}
	}

	void FAssetRegistryImpl::ScanModifiedAssetFiles(const TArray<FString>& InFilePaths)
	{
		ScanFilesSynchronous(InFilePaths, true);
	}

	void FAssetRegistryImpl::ScanPackagePath(const FString& PackagePath)
	{
		FString Folder;
		if (!FPackageName::TryConvertLongPackageNameToFilename(PackagePath + TEXT("/"), Folder))
		{
			UE_LOG(LogAssetRegistry, Warning, TEXT("'%s' is not under a mounted root; it is not scanned."), *PackagePath);
			return;
		}
		Folder = NormalizePackagePath(Folder);

		struct FFoundFile
		{
			FName PackageName;
			FString Filename;
		};
		TArray<FFoundFile> Found;
		IFileManager::Get().IterateDirectoryRecursively(*Folder, [&Folder, &PackagePath, &Found](const TCHAR* Entry, bool bIsDirectory)
			{
				const FString Filename(Entry);
				if (bIsDirectory || !IsPackageFile(Filename) || !Filename.StartsWith(Folder, ESearchCase::CaseSensitive))
				{
					return true;
				}
				FString Relative = Filename.RightChop(Folder.Len());
				Relative.RemoveFromStart(TEXT("/"));
				Relative.LeftChopInline(FPaths::GetExtension(Relative, true).Len());
				Found.Add({FName(*(PackagePath + TEXT("/") + Relative)), Filename});
				return true;
			});
		// Folders list their files in no set order; reading them in name order keeps the registry's own order stable.
		Algo::Sort(Found, [](const FFoundFile& A, const FFoundFile& B) { return A.Filename.Compare(B.Filename, ESearchCase::CaseSensitive) < 0; });

		TSet<FName> OnDisk;
		for (const FFoundFile& File : Found)
		{
			OnDisk.Add(File.PackageName);
			ScanFile(File.PackageName, File.Filename);
		}
		RemoveOnDiskPackagesUnder(PackagePath, OnDisk);
	}

	void FAssetRegistryImpl::ScanFile(FName PackageName, const FString& Filename)
	{
		FPackageFileHeader Header;
		if (!ReadPackageFileHeader(Filename, PackageName, Header))
		{
			RemovePackage(PackageName);
			return;
		}
		FPackageEntry Entry;
		Entry.Assets = MoveTemp(Header.Assets);
		Entry.Dependencies = MoveTemp(Header.Dependencies);
		Entry.bOnDisk = true;
		SetPackage(PackageName, MoveTemp(Entry));
	}

	void FAssetRegistryImpl::SetPackage(FName PackageName, FPackageEntry&& Entry)
	{
		// A package saved again mostly lists what it listed before: only the names it stops or starts listing change
		// their referencers, so a large package saved after each change does not move every one of them.
		TSet<FName> ListedBefore;
		if (const FPackageEntry* Before = Packages.Find(PackageName))
		{
			TSet<FName> Listed;
			Listed.Reserve(Entry.Dependencies.Num());
			for (const FPackageDependency& Dependency : Entry.Dependencies)
			{
				Listed.Add(Dependency.PackageName);
			}
			ListedBefore.Reserve(Before->Dependencies.Num());
			for (const FPackageDependency& Dependency : Before->Dependencies)
			{
				ListedBefore.Add(Dependency.PackageName);
				if (!Listed.Contains(Dependency.PackageName))
				{
					RemoveReferencer(Dependency.PackageName, PackageName);
				}
			}
		}
		for (const FPackageDependency& Dependency : Entry.Dependencies)
		{
			if (!ListedBefore.Contains(Dependency.PackageName))
			{
				Referencers.FindOrAdd(Dependency.PackageName).Add(PackageName);
			}
		}
		Packages.Add(PackageName, MoveTemp(Entry));
	}

	void FAssetRegistryImpl::RemovePackage(FName PackageName)
	{
		const FPackageEntry* Entry = Packages.Find(PackageName);
		if (!Entry)
		{
			return;
		}
		for (const FPackageDependency& Dependency : Entry->Dependencies)
		{
			RemoveReferencer(Dependency.PackageName, PackageName);
		}
		Packages.Remove(PackageName);
	}

	void FAssetRegistryImpl::RemoveReferencer(FName PackageName, FName Referencer)
	{
		if (TSet<FName>* ReferencingPackages = Referencers.Find(PackageName))
		{
			ReferencingPackages->Remove(Referencer);
			if (ReferencingPackages->Num() == 0)
			{
				Referencers.Remove(PackageName);
			}
		}
	}

	void FAssetRegistryImpl::RemoveOnDiskPackagesUnder(const FString& PackagePath, const TSet<FName>& Keep)
	{
		TArray<FName> Gone;
		for (const TPair<FName, FPackageEntry>& Package : Packages)
		{
			if (Package.Value.bOnDisk && !Keep.Contains(Package.Key) && IsUnderPackagePath(Package.Key.ToString(), PackagePath))
			{
				Gone.Add(Package.Key);
			}
		}
		for (const FName& PackageName : Gone)
		{
			RemovePackage(PackageName);
		}
	}

	void FAssetRegistryImpl::HandleContentPathMounted(const FString& RootPath, const FString& ContentPath)
	{
		ScanPathsSynchronous({RootPath}, true);
	}

	void FAssetRegistryImpl::HandleContentPathDismounted(const FString& RootPath, const FString& ContentPath)
	{
		const FString PackagePath = NormalizePackagePath(RootPath);
		TArray<FName> Gone;
		for (const TPair<FName, FPackageEntry>& Package : Packages)
		{
			if (IsUnderPackagePath(Package.Key.ToString(), PackagePath))
			{
				Gone.Add(Package.Key);
			}
		}
		for (const FName& PackageName : Gone)
		{
			RemovePackage(PackageName);
		}
		ScannedPaths.RemoveAll([&PackagePath](const FString& Scanned) { return IsUnderPackagePath(Scanned, PackagePath); });
	}

	void FAssetRegistryImpl::HandlePackageSaved(const FString& Filename, UPackage* Package, FObjectPostSaveContext Context)
	{
		FString PackageName;
		if (FPackageName::TryConvertFilenameToLongPackageName(Filename, PackageName))
		{
			ScanFile(FName(*PackageName), Filename);
		}
	}
}
