#include "Z4PackageCheck.h"

#if WITH_EDITOR

#include "Algo/Reverse.h"
#include "Async/ParallelFor.h"
#include "AssetRegistry/ARFilter.h"
#include "AssetRegistry/AssetData.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "Engine/Texture2D.h"
#include "Engine/World.h"
#include "GenericPlatform/GenericPlatformFile.h"
#include "HAL/PlatformFileManager.h"
#include "Misc/PackageName.h"
#include "Settings/ProjectPackagingSettings.h"
#include "UObject/Package.h"
#include "Z4DependencyQueryCache.h"
#include "Z4Package.h"
#include "Z4PakFileLocations.h"

#define LOCTEXT_NAMESPACE "Z4PackageCheck"

namespace
{
	// Content of the engine and of other plug-ins: not packed, and the client must have it. Classes (/Script/) are
	// code, and the reserved /Game/ folders are the client's own content.
	bool IsEngineContent(FName PackageName)
	{
		const FString Name = PackageName.ToString();
		return !FPackageName::IsScriptPackage(Name) && !Name.StartsWith(TEXT("/Game/"), ESearchCase::IgnoreCase);
	}
}

FZ4PackageCheck::FZ4PackageCheck(const UZ4Package& InPackage, FZ4DependencyQueryCache& InQueries, IAssetRegistry& InAssetRegistry)
	: Package(InPackage)
	, Queries(InQueries)
	, AssetRegistry(InAssetRegistry)
{
}

TArray<FZ4PackageFinding> FZ4PackageCheck::Run(TConstArrayView<FName> ExportPackageNames)
{
	WalkFromMainAssets();
	CheckExportSet(ExportPackageNames);
	CheckThumbnailNames();
	CheckSettingsAndName();
	Findings.StableSort([](const FZ4PackageFinding& A, const FZ4PackageFinding& B)
	{
		if (A.Severity != B.Severity)
		{
			return A.Severity < B.Severity;
		}
		if (A.Code != B.Code)
		{
			return A.Code.LexicalLess(B.Code);
		}
		return A.Package.LexicalLess(B.Package);
	});
	return MoveTemp(Findings);
}

void FZ4PackageCheck::WalkFromMainAssets()
{
	TArray<FName> MainAssets;
	Package.Data.AssetsIndexMap.GetKeys(MainAssets);
	Queries.LookAheadOnDisk(MainAssets);

	// Breadth first from every main asset at once: each package is met once, and its chain is a shortest one.
	TArray<FName> ToVisit;
	for (const FName& MainAsset : MainAssets)
	{
		if (!ReachedFrom.Contains(MainAsset))
		{
			ReachedFrom.Add(MainAsset, NAME_None);
			ToVisit.Add(MainAsset);
		}
	}
	for (int32 Next = 0; Next < ToVisit.Num(); ++Next)
	{
		const FName Current = ToVisit[Next];
		for (const FName& Dependency : Queries.GetDependencies(Current))
		{
			if (ReachedFrom.Contains(Dependency))
			{
				continue;
			}
			ReachedFrom.Add(Dependency, Current);
			switch (Queries.GetPlaceOnDisk(Dependency))
			{
			case FZ4DependencyQueryCache::EPlace::NotCustom:
				if (IsEngineContent(Dependency))
				{
					AddFinding(EZ4FindingSeverity::Note, TEXT("EngineContent"), Dependency,
						LOCTEXT("EngineContent", "Engine or plug-in content is referenced. It is not packed: the client must have it."),
						LOCTEXT("EngineContentHint", "Nothing to do when the client has this content; otherwise copy it into the package's folder and use the copy."));
				}
				break;
			case FZ4DependencyQueryCache::EPlace::NotOnDisk:
				ReportedMissing.Add(Dependency);
				AddFinding(EZ4FindingSeverity::Error, TEXT("MissingPackage"), Dependency,
					LOCTEXT("MissingPackage", "A referenced package has no file on disk, so the pak cannot carry it."),
					LOCTEXT("MissingPackageHint", "Restore the package, or remove the reference to it, then click Find Dependencies."));
				break;
			case FZ4DependencyQueryCache::EPlace::OutsideFolder:
				AddFinding(EZ4FindingSeverity::Warning, TEXT("OutsideDependency"), Dependency,
					LOCTEXT("OutsideDependency", "A dependency lies outside the package's folder; it is packed, and may clash with the same path in another creator's pak."),
					LOCTEXT("OutsideDependencyHint", "Click Copy Dependencies to copy it into the package's folder, or move it there."));
				ToVisit.Add(Dependency);
				break;
			default:
				ToVisit.Add(Dependency);
				break;
			}
		}
	}
}

void FZ4PackageCheck::CheckExportSet(TConstArrayView<FName> ExportPackageNames)
{
	TSet<FName> Distinct;
	FARFilter Filter;
	for (const FName& PackageName : ExportPackageNames)
	{
		bool bRepeated = false;
		Distinct.Add(PackageName, &bRepeated);
		if (!bRepeated)
		{
			Filter.PackageNames.Add(PackageName);
		}
	}
	TArray<FAssetData> Assets;
	AssetRegistry.GetAssets(Filter, Assets, true);

	TSet<FName> Listed;
	TSet<FName> Redirectors;
	TSet<FName> Maps;
	TSet<FName> Packable;
	for (const FAssetData& Asset : Assets)
	{
		if (!Asset.IsValid())
		{
			continue;
		}
		Listed.Add(Asset.PackageName);
		if (FAssetData::IsRedirectorClassName(Asset.AssetClassPath))
		{
			Redirectors.Add(Asset.PackageName);
			continue;
		}
		if (Asset.GetClass() == UWorld::StaticClass())
		{
			Maps.Add(Asset.PackageName);
		}
		Packable.Add(Asset.PackageName);
	}

	for (const FName& PackageName : Filter.PackageNames)
	{
		if (!Listed.Contains(PackageName) && !ReportedMissing.Contains(PackageName))
		{
			AddFinding(EZ4FindingSeverity::Error, TEXT("MissingPackage"), PackageName,
				LOCTEXT("UnlistedPackage", "The asset registry has no record of this package of the export set: its file is missing or cannot be read, so the pak cannot carry it."),
				LOCTEXT("UnlistedPackageHint", "Restore or save the package again, or remove what uses it, then click Find Dependencies."));
		}
		else if (Redirectors.Contains(PackageName))
		{
			AddFinding(EZ4FindingSeverity::Warning, TEXT("Redirector"), PackageName,
				LOCTEXT("Redirector", "A redirector is in the export set; the pak does not carry redirectors, so what still points through it finds nothing in the client."),
				LOCTEXT("RedirectorHint", "Fix up redirectors in the package's folder (right-click the folder in the Content Browser), then click Find Dependencies."));
		}
	}

	// The disk is asked about every cooked file at once, on all cores, as the dependency walk's look-ahead does; the
	// findings are then added in the export set's order.
	const FString CookedContentDir = FZ4PakFileLocations::GetCookedContentDir();
	const TArray<FName> PackableNames = Packable.Array();
	TArray<FCookedFile> CookedFiles;
	CookedFiles.SetNum(PackableNames.Num());
	ParallelFor(PackableNames.Num(), [&PackableNames, &Maps, &CookedContentDir, &CookedFiles](int32 Index)
	{
		CookedFiles[Index] = LookAtCookedFile(PackableNames[Index], Maps.Contains(PackableNames[Index]), CookedContentDir);
	});
	for (int32 Index = 0; Index < PackableNames.Num(); ++Index)
	{
		CheckCookedFile(PackableNames[Index], CookedFiles[Index]);
	}
}

FZ4PackageCheck::FCookedFile FZ4PackageCheck::LookAtCookedFile(FName PackageName, bool bIsMap, const FString& CookedContentDir)
{
	const FString& Extension = bIsMap ? FPackageName::GetMapPackageExtension() : FPackageName::GetAssetPackageExtension();
	FCookedFile CookedFile;
	FZ4PakFileLocations::GetCookedFilePaths(PackageName.ToString() + Extension, CookedContentDir, CookedFile.DiskPath, CookedFile.MountPath);
	// One look at the disk tells whether the cooked file is there and when it was written.
	IPlatformFile& PlatformFile = FPlatformFileManager::Get().GetPlatformFile();
	const FFileStatData Cooked = PlatformFile.GetStatData(*CookedFile.DiskPath);
	CookedFile.bCooked = Cooked.bIsValid && !Cooked.bIsDirectory;
	if (CookedFile.bCooked)
	{
		const FDateTime SourceTime = PlatformFile.GetTimeStamp(*FPackageName::LongPackageNameToFilename(PackageName.ToString(), Extension));
		CookedFile.bStale = SourceTime != FDateTime::MinValue() && Cooked.ModificationTime < SourceTime;
	}
	return CookedFile;
}

void FZ4PackageCheck::CheckCookedFile(FName PackageName, const FCookedFile& CookedFile)
{
	const FString& DiskPath = CookedFile.DiskPath;
	const FString& MountPath = CookedFile.MountPath;
	FString ClientPath = MountPath;
	ClientPath.RemoveFromStart(TEXT("../../../"));
	if (DiskPath.Len() > MaxCookedPathLength || ClientPath.Len() > MaxClientPathLength)
	{
		FFormatNamedArguments Arguments;
		Arguments.Add(TEXT("DiskPath"), FText::FromString(DiskPath));
		Arguments.Add(TEXT("DiskLength"), DiskPath.Len());
		Arguments.Add(TEXT("MaxDiskLength"), MaxCookedPathLength);
		Arguments.Add(TEXT("ClientPath"), FText::FromString(ClientPath));
		Arguments.Add(TEXT("ClientLength"), ClientPath.Len());
		Arguments.Add(TEXT("MaxClientLength"), MaxClientPathLength);
		AddFinding(EZ4FindingSeverity::Error, TEXT("CookedPathTooLong"), PackageName,
			FText::Format(LOCTEXT("CookedPathTooLong", "The cooked file's path is too long for Windows: {DiskPath} has {DiskLength} characters (at most {MaxDiskLength}), and {ClientPath} in the client {ClientLength} (at most {MaxClientLength})."), Arguments),
			LOCTEXT("CookedPathTooLongHint", "Give the package or its folders shorter names, or move the project to a shorter folder, then cook again."));
	}

	if (!CookedFile.bCooked)
	{
		AddFinding(EZ4FindingSeverity::Error, TEXT("Uncooked"), PackageName,
			FText::Format(LOCTEXT("Uncooked", "The package has not been cooked for Windows: there is no {0}."), FText::FromString(DiskPath)),
			LOCTEXT("UncookedHint", "Click Cook Assets, then make the pak."));
		return;
	}
	if (CookedFile.bStale)
	{
		AddFinding(EZ4FindingSeverity::Error, TEXT("StaleCookedFile"), PackageName,
			LOCTEXT("StaleCookedFile", "The cooked file is older than the package's file: the pak would ship the asset as it was at the last cook."),
			LOCTEXT("StaleCookedFileHint", "Click Cook Assets, then make the pak."));
	}
}

void FZ4PackageCheck::CheckThumbnailNames()
{
	TMap<FName, const FZ4Asset*> FirstWithName;
	for (const FZ4Asset& Asset : Package.Data.Assets)
	{
		if (!Asset.Thumbnail)
		{
			continue;
		}
		const FName ThumbnailName = Asset.Thumbnail->GetFName();
		const FZ4Asset* const* First = FirstWithName.Find(ThumbnailName);
		if (!First)
		{
			FirstWithName.Add(ThumbnailName, &Asset);
			continue;
		}
		if ((*First)->Thumbnail == Asset.Thumbnail)
		{
			continue;
		}
		const FName ThumbnailPackage = Asset.Thumbnail->GetOutermost()->GetFName();
		FZ4PackageFinding& Finding = AddFinding(EZ4FindingSeverity::Warning, TEXT("SharedThumbnailName"), ThumbnailPackage,
			FText::Format(LOCTEXT("SharedThumbnailName", "The thumbnails of {0} and {1} are both named {2}: the client shows one picture for both."),
				FText::FromName((*First)->AssetName), FText::FromName(Asset.AssetName), FText::FromName(ThumbnailName)),
			LOCTEXT("SharedThumbnailNameHint", "Rename one of the thumbnails, or give one main asset another thumbnail."));
		Finding.Chain = {Asset.AssetName, ThumbnailPackage};
	}
}

void FZ4PackageCheck::CheckSettingsAndName()
{
	const FName Self = Package.GetOutermost()->GetFName();
	if (GetDefault<UProjectPackagingSettings>()->bShareMaterialShaderCode)
	{
		AddFinding(EZ4FindingSeverity::Warning, TEXT("SharedMaterialShaderCode"), Self,
			LOCTEXT("SharedMaterialShaderCode", "\"Share Material Shader Code\" is on in the packaging settings: the pak will not carry the package's shaders."),
			LOCTEXT("SharedMaterialShaderCodeHint", "Turn off Share Material Shader Code in Project Settings > Packaging (the README explains why), cook again and make the pak."));
	}
	if (Package.Data.Name.IsNone())
	{
		AddFinding(EZ4FindingSeverity::Warning, TEXT("NoPublicName"), Self,
			LOCTEXT("NoPublicName", "The package has no public name: its pak would be called None.pak."),
			LOCTEXT("NoPublicNameHint", "Give the package a Name under Public Metadata."));
		return;
	}
	const FString PakName = FZ4PakFileLocations::GetPakName(Package.Data.Name);
	if (!FZ4PakFileLocations::IsSafePakName(PakName))
	{
		AddFinding(EZ4FindingSeverity::Error, TEXT("UnsafePakName"), Self,
			FText::Format(LOCTEXT("UnsafePakName", "The pak cannot be named \"{0}\" (the package's name without its spaces)."), FText::FromString(PakName)),
			LOCTEXT("UnsafePakNameHint", "Rename the package: a pak name may not be empty, contain two dots in a row, control characters or any of / \\ \" : * ? < > | & ^ %, or be a device name such as CON or LPT1."));
	}
}

TArray<FName> FZ4PackageCheck::GetChain(FName PackageName) const
{
	TArray<FName> Chain;
	for (FName Link = PackageName; !Link.IsNone(); )
	{
		Chain.Add(Link);
		const FName* From = ReachedFrom.Find(Link);
		Link = From ? *From : NAME_None;
	}
	Algo::Reverse(Chain);
	return Chain;
}

FZ4PackageFinding& FZ4PackageCheck::AddFinding(EZ4FindingSeverity Severity, const TCHAR* Code, FName PackageName, FText Message, FText Hint)
{
	FZ4PackageFinding& Finding = Findings.AddDefaulted_GetRef();
	Finding.Severity = Severity;
	Finding.Code = FName(Code);
	Finding.Package = PackageName;
	Finding.Chain = GetChain(PackageName);
	Finding.Message = MoveTemp(Message);
	Finding.Hint = MoveTemp(Hint);
	return Finding;
}

#undef LOCTEXT_NAMESPACE

#endif
