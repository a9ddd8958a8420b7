#pragma once

#if WITH_EDITOR

#include "CoreMinimal.h"

/** Where "Make Pak File" and "Log Pak File" find and put their files, recomputed on every call. */
class FZ4PakFileLocations
{
public:
	/** The package's public name without its spaces; an unset name gives "None". */
	static FString GetPakName(FName PublicName);

	/**
	 * False for a name that would put the pak outside the Paks folder, is no file name on Windows or would
	 * break the listing console's command line.
	 */
	static bool IsSafePakName(const FString& PakName);

	/** <project>/Paks/<pak name>.pak, in the form the project folder has (relative to the engine's binaries). */
	static FString GetPakFilePath(const FString& PakName);

	/** The pak tool's response file: one per project, in its config folder. */
	static FString GetManifestFilePath();

	/** Where the cooker writes the project's content for Windows, absolute, ending with '/'. */
	static FString GetCookedContentDir();

	/**
	 * Where the cooked file ContentPath (/Game/Pack/SM_Rock.uasset) lies under CookedContentDir and where the pak
	 * mounts it. Only the content root is mapped: a folder named Game inside the content stays part of the path.
	 * Paths outside /Game/ are left as they are.
	 */
	static void GetCookedFilePaths(const FString& ContentPath, const FString& CookedContentDir, FString& OutDiskPath, FString& OutMountPath);

	/** The folder of UnrealPak.exe, which the tool also runs in. */
	static FString GetPakToolDir();
};

#endif
