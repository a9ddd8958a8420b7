#include "Misc/PackageName.h"
#include "Misc/Paths.h"
#include "HAL/FileManager.h"
#include "StandIn/PackageQueryLog.h"

namespace
{
	struct FMountPoint
	{
		FString Root;
		FString ContentPath;
	};

	TArray<FMountPoint>& MountPoints()
	{
		static TArray<FMountPoint> Points;
		return Points;
	}

	// The longest mounted root the name starts with.
	const FMountPoint* FindMountPoint(const FString& LongName)
	{
		const FMountPoint* Best = nullptr;
		for (const FMountPoint& Point : MountPoints())
		{
			if (LongName.StartsWith(Point.Root, ESearchCase::IgnoreCase) && (!Best || Point.Root.Len() > Best->Root.Len()))
			{
				Best = &Point;
			}
		}
		return Best;
	}
}

const FString& FPackageName::GetAssetPackageExtension()
{
	static const FString Extension(TEXT(".uasset"));
	return Extension;
}

const FString& FPackageName::GetMapPackageExtension()
{
	static const FString Extension(TEXT(".umap"));
	return Extension;
}

bool FPackageName::TryConvertLongPackageNameToFilename(const FString& InLongPackageName, FString& OutFilename, const FString& InExtension)
{
	const FMountPoint* Point = FindMountPoint(InLongPackageName);
	if (!Point)
	{
		return false;
	}
	const int32 RootLen = Point->Root.Len();
	OutFilename.Reset(Point->ContentPath.Len() + InLongPackageName.Len() - RootLen + InExtension.Len());
	OutFilename += Point->ContentPath;
	OutFilename.AppendChars(*InLongPackageName + RootLen, InLongPackageName.Len() - RootLen);
	OutFilename += InExtension;
	return true;
}

FString FPackageName::LongPackageNameToFilename(const FString& InLongPackageName, const FString& InExtension)
{
	FString Result;
	checkf(TryConvertLongPackageNameToFilename(InLongPackageName, Result, InExtension), TEXT("LongPackageNameToFilename failed to convert '%s'. The path does not map to a registered root."), *InLongPackageName);
	return Result;
}

bool FPackageName::TryConvertFilenameToLongPackageName(const FString& InFilename, FString& OutPackageName, FString* OutFailureReason)
{
	FString Full = FPaths::ConvertRelativePathToFull(InFilename);
	const FString Extension = FPaths::GetExtension(Full, true);
	if (Extension == GetAssetPackageExtension() || Extension == GetMapPackageExtension())
	{
		Full.LeftChopInline(Extension.Len());
	}
	for (const FMountPoint& Point : MountPoints())
	{
		const FString Content = FPaths::ConvertRelativePathToFull(Point.ContentPath);
		if (Full.StartsWith(Content))
		{
			OutPackageName = Point.Root + Full.RightChop(Content.Len());
			return true;
		}
	}
	if (OutFailureReason)
	{
		*OutFailureReason = FString::Printf(TEXT("'%s' is not under a mounted content folder"), *InFilename);
	}
	return false;
}

FString FPackageName::FilenameToLongPackageName(const FString& InFilename)
{
	FString Result;
	FString Reason;
	checkf(TryConvertFilenameToLongPackageName(InFilename, Result, &Reason), TEXT("FilenameToLongPackageName failed: %s"), *Reason);
	return Result;
}

bool FPackageName::DoesPackageExist(const FString& LongPackageName, FString* OutFilename, bool InAllowTextFormats)
{
	if (UE::StandIn::FPackageQueryLog::IsRecording())
	{
		UE::StandIn::FPackageQueryLog::Record(UE::StandIn::EPackageQuery::DoesPackageExist, FName(*LongPackageName));
	}
	if (!IsValidLongPackageName(LongPackageName))
	{
		return false;
	}
	// Looked for in the engine's order of package extensions: an asset, then a map.
	FString Filename;
	if (!TryConvertLongPackageNameToFilename(LongPackageName, Filename, GetAssetPackageExtension()))
	{
		return false;
	}
	bool bExists = IFileManager::Get().FileExists(*Filename);
	if (!bExists)
	{
		Filename.LeftChopInline(GetAssetPackageExtension().Len(), EAllowShrinking::No);
		Filename += GetMapPackageExtension();
		bExists = IFileManager::Get().FileExists(*Filename);
	}
	if (bExists && OutFilename)
	{
		*OutFilename = MoveTemp(Filename);
	}
	return bExists;
}

FString FPackageName::GetShortName(const FString& LongName)
{
	int32 Slash = INDEX_NONE;
	LongName.FindLastChar(TEXT('/'), Slash);
	return Slash == INDEX_NONE ? LongName : LongName.RightChop(Slash + 1);
}

FString FPackageName::GetShortName(const FName& LongName)
{
	return GetShortName(LongName.ToString());
}

FName FPackageName::GetShortFName(const FName& LongName)
{
	return FName(*GetShortName(LongName));
}

FString FPackageName::GetLongPackagePath(const FString& InLongPackageName)
{
	int32 Slash = INDEX_NONE;
	InLongPackageName.FindLastChar(TEXT('/'), Slash);
	return Slash == INDEX_NONE ? InLongPackageName : InLongPackageName.Left(Slash);
}

FString FPackageName::ObjectPathToPackageName(const FString& InObjectPath)
{
	int32 Dot = InObjectPath.Find(TEXT("."));
	const int32 Colon = InObjectPath.Find(TEXT(":"));
	if (Dot == INDEX_NONE || (Colon != INDEX_NONE && Colon < Dot))
	{
		Dot = Colon;
	}
	return Dot == INDEX_NONE ? InObjectPath : InObjectPath.Left(Dot);
}

FString FPackageName::ObjectPathToObjectName(const FString& InObjectPath)
{
	int32 Separator = INDEX_NONE;
	for (int32 Index = InObjectPath.Len() - 1; Index >= 0; --Index)
	{
		if (InObjectPath[Index] == TEXT('.') || InObjectPath[Index] == TEXT(':'))
		{
			Separator = Index;
			break;
		}
	}
	return Separator == INDEX_NONE ? InObjectPath : InObjectPath.RightChop(Separator + 1);
}

bool FPackageName::IsShortPackageName(const FString& PossiblyLongName)
{
	return !PossiblyLongName.Contains(TEXT("/"));
}

bool FPackageName::IsValidLongPackageName(const FString& InLongPackageName, bool bIncludeReadOnlyRoots, FText* OutReason)
{
	auto Fail = [OutReason](const TCHAR* Why)
	{
		if (OutReason)
		{
			*OutReason = FText::FromString(Why);
		}
		return false;
	};
	if (InLongPackageName.Len() < 2 || InLongPackageName[0] != TEXT('/'))
	{
		return Fail(TEXT("a long package name starts with a '/'"));
	}
	if (InLongPackageName.EndsWith(TEXT("/")) || InLongPackageName.Contains(TEXT("//")))
	{
		return Fail(TEXT("a long package name has no empty folder names"));
	}
	// One pass over the name: it is checked for every package looked for on disk.
	for (const TCHAR Char : InLongPackageName)
	{
		switch (Char)
		{
		case TEXT('.'): case TEXT(':'): case TEXT('\\'): case TEXT('"'): case TEXT('\''):
		case TEXT('<'): case TEXT('>'): case TEXT('|'): case TEXT('*'): case TEXT('?'):
			return Fail(TEXT("a long package name has no '.', ':' or path-invalid characters"));
		default:
			break;
		}
	}
	return true;
}

void FPackageName::RegisterMountPoint(const FString& RootPath, const FString& ContentPath)
{
	UnRegisterMountPoint(RootPath, ContentPath);
	FString Content = ContentPath;
	if (!Content.EndsWith(TEXT("/")))
	{
		Content += TEXT("/");
	}
	MountPoints().Add({RootPath, Content});
	OnContentPathMounted().Broadcast(RootPath, Content);
}

void FPackageName::UnRegisterMountPoint(const FString& RootPath, const FString& ContentPath)
{
	TArray<FMountPoint> Removed;
	MountPoints().RemoveAll([&RootPath, &Removed](const FMountPoint& Point)
		{
			if (Point.Root.Equals(RootPath, ESearchCase::IgnoreCase))
			{
				Removed.Add(Point);
				return true;
			}
			return false;
		});
	for (const FMountPoint& Point : Removed)
	{
		OnContentPathDismounted().Broadcast(Point.Root, Point.ContentPath);
	}
}

FPackageName::FOnContentPathMountedEvent& FPackageName::OnContentPathMounted()
{
	static FOnContentPathMountedEvent Event;
	return Event;
}

FPackageName::FOnContentPathDismountedEvent& FPackageName::OnContentPathDismounted()
{
	static FOnContentPathDismountedEvent Event;
	return Event;
}

bool FPackageName::MountPointExists(const FString& RootPath)
{
	return MountPoints().ContainsByPredicate([&RootPath](const FMountPoint& Point) { return Point.Root.Equals(RootPath, ESearchCase::IgnoreCase); });
}

void FPackageName::QueryRootContentPaths(TArray<FString>& OutRootContentPaths, bool bIncludeReadOnlyRoots, bool bWithoutLeadingSlashes, bool bWithoutTrailingSlashes)
{
	OutRootContentPaths.Reset();
	for (const FMountPoint& Point : MountPoints())
	{
		FString Root = Point.Root;
		if (bWithoutLeadingSlashes)
		{
			Root.RemoveFromStart(TEXT("/"));
		}
		if (bWithoutTrailingSlashes)
		{
			Root.RemoveFromEnd(TEXT("/"));
		}
		OutRootContentPaths.Add(Root);
	}
}

FString FPackageName::GetContentPathForRoot(const FString& RootPath)
{
	for (const FMountPoint& Point : MountPoints())
	{
		if (Point.Root.Equals(RootPath, ESearchCase::IgnoreCase))
		{
			return Point.ContentPath;
		}
	}
	return FString();
}
