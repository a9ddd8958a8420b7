#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"

/** A handle to a child process. */
struct FProcHandle
{
	FProcHandle() = default;

	explicit FProcHandle(int32 InProcessId) : ProcessId(InProcessId) {}

	bool IsValid() const { return ProcessId > 0; }

	void Reset() { ProcessId = -1; }

	int32 Get() const { return ProcessId; }

private:
	int32 ProcessId = -1;
};

/**
 * Process-level services. The base folder is the engine's binaries folder (<EngineDir>/Binaries/Win64),
 * against which the editor resolves relative paths.
 */
struct CORE_API FPlatformProcess
{
	/** The binaries folder, absolute, ending with '/'. */
	static const TCHAR* BaseDir();

	static const TCHAR* ExecutableName(bool bRemoveExtension = true);

	static const FString GetCurrentWorkingDirectory();

	/** Makes relative paths resolve against BaseDir(), as the engine does at start-up. */
	static void SetCurrentWorkingDirectoryToBaseDir();

	static uint32 GetCurrentProcessId();

	static void Sleep(float Seconds);
	static void SleepNoStats(float Seconds);
};

using FGenericPlatformProcess = FPlatformProcess;
