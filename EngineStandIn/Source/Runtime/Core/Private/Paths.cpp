#include "Misc/Paths.h"

#include "CoreGlobals.h"
#include "HAL/FileManager.h"
#include "HAL/PlatformProcess.h"
#include "StandInWorld.h"

namespace
{
	using UE::StandIn::Private::FWorld;
	using UE::StandIn::Private::GetWorld;
	using UE::StandIn::Private::MakeRelativePath;

	bool IsSeparator(TCHAR Char)
	{
		return Char == TEXT('/') || Char == TEXT('\\');
	}

	int32 FindLastSeparator(const FString& Path)
	{
		for (int32 Index = Path.Len() - 1; Index >= 0; --Index)
		{
			if (IsSeparator(Path[Index]))
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	/** Index of the extension's '.', or INDEX_NONE when the file name part has none. */
	int32 FindExtensionDot(const FString& Path)
	{
		const int32 Separator = FindLastSeparator(Path);
		int32 Dot = INDEX_NONE;
		Path.FindLastChar(TEXT('.'), Dot);
		return Dot > Separator ? Dot : INDEX_NONE;
	}

	FString EngineFolderName(const FWorld& World)
	{
		return FPaths::GetCleanFilename(World.EngineRoot.LeftChop(1));
	}
}

FString FPaths::RootDir()
{
	FWorld& World = GetWorld();
	std::lock_guard<std::recursive_mutex> Lock(World.Mutex);
	return MakeRelativePath(World.BaseDir, GetPath(World.EngineRoot.LeftChop(1)) + TEXT("/"));
}

FString FPaths::EngineDir()
{
	FWorld& World = GetWorld();
	std::lock_guard<std::recursive_mutex> Lock(World.Mutex);
	// As in the editor: up to the folder that holds the engine, then down into it ("../../../Engine/").
	return RootDir() + EngineFolderName(World) + TEXT("/");
}

FString FPaths::EngineContentDir()
{
	return EngineDir() + TEXT("Content/");
}

FString FPaths::EngineConfigDir()
{
	return EngineDir() + TEXT("Config/");
}

FString FPaths::EnginePluginsDir()
{
	return EngineDir() + TEXT("Plugins/");
}

FString FPaths::EngineSavedDir()
{
	return EngineDir() + TEXT("Saved/");
}

FString FPaths::EngineIntermediateDir()
{
	return EngineDir() + TEXT("Intermediate/");
}

FString FPaths::ProjectDir()
{
	FWorld& World = GetWorld();
	std::lock_guard<std::recursive_mutex> Lock(World.Mutex);
	// Without a project, project folders are the engine's, as for the engine's own programs.
	return World.ProjectRoot.IsEmpty() ? EngineDir() : MakeRelativePath(World.BaseDir, World.ProjectRoot);
}

FString FPaths::ProjectContentDir()
{
	return ProjectDir() + TEXT("Content/");
}

FString FPaths::ProjectConfigDir()
{
	return ProjectDir() + TEXT("Config/");
}

const FString& FPaths::ProjectSavedDir()
{
	FWorld& World = GetWorld();
	std::lock_guard<std::recursive_mutex> Lock(World.Mutex);
	if (World.ProjectSavedDir.IsEmpty())
	{
		World.ProjectSavedDir = ProjectDir() + TEXT("Saved/");
	}
	return World.ProjectSavedDir;
}

FString FPaths::ProjectIntermediateDir()
{
	return ProjectDir() + TEXT("Intermediate/");
}

FString FPaths::ProjectPluginsDir()
{
	return ProjectDir() + TEXT("Plugins/");
}

FString FPaths::ProjectLogDir()
{
	return ProjectSavedDir() + TEXT("Logs/");
}

const FString& FPaths::GetProjectFilePath()
{
	FWorld& World = GetWorld();
	std::lock_guard<std::recursive_mutex> Lock(World.Mutex);
	return World.RelativeProjectFilePath;
}

bool FPaths::IsProjectFilePathSet()
{
	return !GetProjectFilePath().IsEmpty();
}

FString FPaths::LaunchDir()
{
	FWorld& World = GetWorld();
	std::lock_guard<std::recursive_mutex> Lock(World.Mutex);
	return World.LaunchDir;
}

bool FPaths::FileExists(const FString& InPath)
{
	return IFileManager::Get().FileExists(*InPath);
}

bool FPaths::DirectoryExists(const FString& InPath)
{
	return IFileManager::Get().DirectoryExists(*InPath);
}

bool FPaths::IsRelative(const FString& InPath)
{
	const bool bRooted = InPath.StartsWith(TEXT("/")) || InPath.StartsWith(TEXT("\\")) ||
						 (InPath.Len() >= 2 && FChar::IsAlpha(InPath[0]) && InPath[1] == TEXT(':'));
	return !bRooted;
}

bool FPaths::IsDrive(const FString& InPath)
{
	return InPath == TEXT("/") || (InPath.Len() == 2 && InPath[1] == TEXT(':')) ||
		   (InPath.Len() == 3 && InPath[1] == TEXT(':') && IsSeparator(InPath[2]));
}

FString FPaths::GetPath(const FString& InPath)
{
	const int32 Separator = FindLastSeparator(InPath);
	return Separator != INDEX_NONE ? InPath.Left(Separator) : FString();
}

FString FPaths::GetPath(FString&& InPath)
{
	const int32 Separator = FindLastSeparator(InPath);
	if (Separator == INDEX_NONE)
	{
		return FString();
	}
	InPath.LeftInline(Separator);
	return MoveTemp(InPath);
}

FString FPaths::GetPathLeaf(const FString& InPath)
{
	FString Path = InPath;
	while (Path.Len() > 1 && IsSeparator(Path[Path.Len() - 1]))
	{
		Path.LeftChopInline(1);
	}
	return GetCleanFilename(Path);
}

FString FPaths::GetCleanFilename(const FString& InPath)
{
	return InPath.RightChop(FindLastSeparator(InPath) + 1);
}

FString FPaths::GetCleanFilename(FString&& InPath)
{
	InPath.RightChopInline(FindLastSeparator(InPath) + 1);
	return MoveTemp(InPath);
}

FString FPaths::GetBaseFilename(const FString& InPath, bool bRemovePath)
{
	FString Result = bRemovePath ? GetCleanFilename(InPath) : InPath;
	const int32 Dot = FindExtensionDot(Result);
	if (Dot != INDEX_NONE)
	{
		Result.LeftInline(Dot);
	}
	return Result;
}

FString FPaths::GetBaseFilename(FString&& InPath, bool bRemovePath)
{
	return GetBaseFilename(static_cast<const FString&>(InPath), bRemovePath);
}

FString FPaths::GetExtension(const FString& InPath, bool bIncludeDot)
{
	const int32 Dot = FindExtensionDot(InPath);
	if (Dot == INDEX_NONE)
	{
		return FString();
	}
	return InPath.RightChop(bIncludeDot ? Dot : Dot + 1);
}

FString FPaths::ChangeExtension(const FString& InPath, const FString& InNewExtension)
{
	const int32 Dot = FindExtensionDot(InPath);
	if (Dot == INDEX_NONE)
	{
		return InPath;
	}
	FString Result = InPath.Left(Dot);
	if (!InNewExtension.IsEmpty())
	{
		if (!InNewExtension.StartsWith(TEXT(".")))
		{
			Result += TEXT(".");
		}
		Result += InNewExtension;
	}
	return Result;
}

FString FPaths::SetExtension(const FString& InPath, const FString& InNewExtension)
{
	const int32 Dot = FindExtensionDot(InPath);
	FString Result = Dot == INDEX_NONE ? InPath : InPath.Left(Dot);
	if (!InNewExtension.IsEmpty())
	{
		if (!InNewExtension.StartsWith(TEXT(".")))
		{
			Result += TEXT(".");
		}
		Result += InNewExtension;
	}
	return Result;
}

void FPaths::NormalizeFilename(FString& InPath)
{
	InPath.ReplaceCharInline(TEXT('\\'), TEXT('/'), ESearchCase::CaseSensitive);
}

void FPaths::NormalizeDirectoryName(FString& InPath)
{
	NormalizeFilename(InPath);
	if (InPath.EndsWith(TEXT("/")) && !IsDrive(InPath) && !InPath.EndsWith(TEXT("//")))
	{
		InPath.LeftChopInline(1);
	}
}

void FPaths::RemoveDuplicateSlashes(FString& InOutPath)
{
	while (InOutPath.Contains(TEXT("//")))
	{
		InOutPath.ReplaceInline(TEXT("//"), TEXT("/"), ESearchCase::CaseSensitive);
	}
}

bool FPaths::CollapseRelativeDirectories(FString& InPath)
{
	FString Path = InPath;
	NormalizeFilename(Path);
	const bool bRooted = Path.StartsWith(TEXT("/"));
	const bool bTrailingSlash = Path.EndsWith(TEXT("/"));

	TArray<FString> Segments;
	Path.ParseIntoArray(Segments, TEXT("/"), false);
	TArray<FString> Kept;
	for (int32 Index = 0; Index < Segments.Num(); ++Index)
	{
		const FString& Segment = Segments[Index];
		if (Segment == TEXT(".") || (Segment.IsEmpty() && Index > 0 && Index < Segments.Num() - 1))
		{
			continue;
		}
		if (Segment == TEXT(".."))
		{
			if (Kept.Num() == 0 || Kept.Last().IsEmpty() || Kept.Last() == TEXT(".."))
			{
				return false;
			}
			Kept.Pop();
			continue;
		}
		if (Segment.IsEmpty() && Index > 0)
		{
			continue;
		}
		Kept.Add(Segment);
	}

	FString Result = FString::Join(Kept, TEXT("/"));
	if (bRooted && !Result.StartsWith(TEXT("/")))
	{
		Result = TEXT("/") + Result;
	}
	if (bTrailingSlash && !Result.EndsWith(TEXT("/")))
	{
		Result += TEXT("/");
	}
	InPath = Result;
	return true;
}

FString FPaths::ConvertRelativePathToFull(const FString& InPath)
{
	return ConvertRelativePathToFull(FString(FPlatformProcess::BaseDir()), InPath);
}

FString FPaths::ConvertRelativePathToFull(FString&& InPath)
{
	return ConvertRelativePathToFull(FString(FPlatformProcess::BaseDir()), InPath);
}

FString FPaths::ConvertRelativePathToFull(const FString& BasePath, const FString& InPath)
{
	FString FullPath = IsRelative(InPath) ? BasePath / InPath : InPath;
	NormalizeFilename(FullPath);
	CollapseRelativeDirectories(FullPath);
	if (FullPath.IsEmpty())
	{
		FullPath = TEXT("/");
	}
	return FullPath;
}

FString FPaths::ConvertRelativePathToFull(const FString& BasePath, FString&& InPath)
{
	return ConvertRelativePathToFull(BasePath, static_cast<const FString&>(InPath));
}

FString FPaths::ConvertRelativePathToFull(FString&& BasePath, const FString& InPath)
{
	return ConvertRelativePathToFull(static_cast<const FString&>(BasePath), InPath);
}

FString FPaths::ConvertRelativePathToFull(FString&& BasePath, FString&& InPath)
{
	return ConvertRelativePathToFull(static_cast<const FString&>(BasePath), static_cast<const FString&>(InPath));
}

bool FPaths::MakePathRelativeTo(FString& InPath, const TCHAR* InRelativeTo)
{
	FString Target = ConvertRelativePathToFull(InPath);
	FString Source = ConvertRelativePathToFull(FString(InRelativeTo));
	RemoveDuplicateSlashes(Target);
	RemoveDuplicateSlashes(Source);
	// The last part of InRelativeTo is a file name unless it ends with '/'.
	Source = GetPath(Source) + TEXT("/");
	if (Target.IsEmpty() || Source.IsEmpty() || IsRelative(Target) || IsRelative(Source) || Target[0] != Source[0])
	{
		return false;
	}
	InPath = MakeRelativePath(Source, Target);
	return true;
}

bool FPaths::IsSamePath(const FString& PathA, const FString& PathB)
{
	FString FullA = ConvertRelativePathToFull(PathA);
	FString FullB = ConvertRelativePathToFull(PathB);
	RemoveDuplicateSlashes(FullA);
	RemoveDuplicateSlashes(FullB);
	return FullA.Equals(FullB, ESearchCase::IgnoreCase);
}

bool FPaths::IsUnderDirectory(const FString& InPath, const FString& InDirectory)
{
	FString Path = ConvertRelativePathToFull(InPath);
	FString Directory = ConvertRelativePathToFull(InDirectory);
	NormalizeDirectoryName(Directory);
	if (!Path.StartsWith(Directory, ESearchCase::IgnoreCase))
	{
		return false;
	}
	return Path.Len() == Directory.Len() || Directory.EndsWith(TEXT("/")) || Path[Directory.Len()] == TEXT('/');
}

FString FPaths::CombineInternal(const TCHAR** Segments, int32 NumSegments)
{
	FString Result;
	for (int32 Index = 0; Index < NumSegments; ++Index)
	{
		if (Index == 0)
		{
			Result = Segments[0];
		}
		else if (Segments[Index] && *Segments[Index])
		{
			Result /= Segments[Index];
		}
	}
	return Result;
}
