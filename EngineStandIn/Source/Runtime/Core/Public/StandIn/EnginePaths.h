#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"

/**
 * Where the stand-in's engine and project live. Nothing here changes the working folder; launchers and
 * tests call SetWorkingDirectoryToBaseDir() to resolve relative paths as the editor does.
 */
namespace UE::StandIn
{
	/** The engine folder, the one that holds Binaries/Win64. Defaults to the running program's. */
	CORE_API void SetEngineRoot(const FString& AbsEngineDir);

	/** The project: Name.uproject in its folder. Also sets the project name. */
	CORE_API void SetProject(const FString& AbsUProjectPath);
	CORE_API void ClearProject();

	/** Absolute forms, each ending with '/'. */
	CORE_API FString GetEngineRoot();
	CORE_API FString GetProjectRoot();

	CORE_API void SetWorkingDirectoryToBaseDir();

	/**
	 * The stand-in Windows folder, whose System32 holds the cmd.exe stand-in: set as the environment
	 * variable WINDIR, as Windows sets it for every process.
	 */
	CORE_API void SetWindowsDir(const FString& AbsWindowsDir);
}
