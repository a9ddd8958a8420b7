#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"

#include <type_traits>

/**
 * Path helpers. Folder functions answer in the editor's form: relative to the engine's binaries folder
 * (FPlatformProcess::BaseDir()) and ending with '/'.
 */
class CORE_API FPaths
{
public:
	static FString RootDir();
	static FString EngineDir();
	static FString EngineContentDir();
	static FString EngineConfigDir();
	static FString EnginePluginsDir();
	static FString EngineSavedDir();
	static FString EngineIntermediateDir();

	static FString ProjectDir();
	static FString ProjectContentDir();
	static FString ProjectConfigDir();
	static const FString& ProjectSavedDir();
	static FString ProjectIntermediateDir();
	static FString ProjectPluginsDir();
	static FString ProjectLogDir();
	static const FString& GetProjectFilePath();
	static bool IsProjectFilePathSet();

	/** The working folder when the process started, absolute, ending with '/'. */
	static FString LaunchDir();

	static bool FileExists(const FString& InPath);
	static bool DirectoryExists(const FString& InPath);
	static bool IsRelative(const FString& InPath);
	static bool IsDrive(const FString& InPath);

	static FString GetPath(const FString& InPath);
	static FString GetPath(FString&& InPath);
	static FString GetPathLeaf(const FString& InPath);
	static FString GetCleanFilename(const FString& InPath);
	static FString GetCleanFilename(FString&& InPath);
	static FString GetBaseFilename(const FString& InPath, bool bRemovePath = true);
	static FString GetBaseFilename(FString&& InPath, bool bRemovePath = true);
	static FString GetExtension(const FString& InPath, bool bIncludeDot = false);

	/** Replaces the extension; does nothing to a name without one. An empty extension removes it. */
	static FString ChangeExtension(const FString& InPath, const FString& InNewExtension);
	/** Replaces or adds the extension. */
	static FString SetExtension(const FString& InPath, const FString& InNewExtension);

	static void NormalizeFilename(FString& InPath);
	/** Normalizes and drops a trailing '/' (except for a root). */
	static void NormalizeDirectoryName(FString& InPath);
	static void RemoveDuplicateSlashes(FString& InOutPath);
	/** Resolves "." and "dir/.." parts; false (and InPath unchanged) if a ".." has nothing to remove. */
	static bool CollapseRelativeDirectories(FString& InPath);

	static FString ConvertRelativePathToFull(const FString& InPath);
	static FString ConvertRelativePathToFull(FString&& InPath);
	static FString ConvertRelativePathToFull(const FString& BasePath, const FString& InPath);
	static FString ConvertRelativePathToFull(const FString& BasePath, FString&& InPath);
	static FString ConvertRelativePathToFull(FString&& BasePath, const FString& InPath);
	static FString ConvertRelativePathToFull(FString&& BasePath, FString&& InPath);

	/**
	 * Rewrites InPath relative to InRelativeTo's folder (its last part counts as a file name unless it ends
	 * with '/'). False if the two share no root.
	 */
	static bool MakePathRelativeTo(FString& InPath, const TCHAR* InRelativeTo);

	/** Same file after resolving both to full paths; compared ignoring case, as on Windows. */
	static bool IsSamePath(const FString& PathA, const FString& PathB);
	static bool IsUnderDirectory(const FString& InPath, const FString& InDirectory);

	/** Joins the parts as operator/ does: Combine(TEXT("A"), TEXT("B/"), TEXT("C")) is "A/B/C". */
	template <typename... PathTypes>
	static FString Combine(PathTypes&&... InPaths)
	{
		const TCHAR* Segments[] = {GetTCharPtr(Forward<PathTypes>(InPaths))...};
		return CombineInternal(Segments, static_cast<int32>(sizeof...(PathTypes)));
	}

private:
	static const TCHAR* GetTCharPtr(const TCHAR* Ptr) { return Ptr; }

	static const TCHAR* GetTCharPtr(const FString& Str) { return *Str; }

	static FString CombineInternal(const TCHAR** Segments, int32 NumSegments);
};
