#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
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

	/**
	 * Starts URL with the command line Parms, as Windows does: a bare program name is looked for in the
	 * running program's folder, the current folder, <WINDIR>/System32, <WINDIR> and PATH (".exe" is added to
	 * a name without an extension); a relative path is taken from the current folder. The child starts in
	 * OptionalWorkingDirectory. There are no windows here, so the detached and hidden flags and the priority
	 * change nothing. PipeWriteChild takes the child's standard output, and its standard error too unless
	 * PipeStdErrChild is given; PipeReadChild is its standard input (otherwise it reads nothing).
	 * Returns an invalid handle when the program is not found or cannot be started.
	 */
	static FProcHandle CreateProc(const TCHAR* URL, const TCHAR* Parms, bool bLaunchDetached, bool bLaunchHidden,
								  bool bLaunchReallyHidden, uint32* OutProcessID, int32 PriorityModifier,
								  const TCHAR* OptionalWorkingDirectory, void* PipeWriteChild,
								  void* PipeReadChild = nullptr);
	static FProcHandle CreateProc(const TCHAR* URL, const TCHAR* Parms, bool bLaunchDetached, bool bLaunchHidden,
								  bool bLaunchReallyHidden, uint32* OutProcessID, int32 PriorityModifier,
								  const TCHAR* OptionalWorkingDirectory, void* PipeWriteChild, void* PipeReadChild,
								  void* PipeStdErrChild);

	static bool IsProcRunning(FProcHandle& ProcessHandle);
	static void WaitForProc(FProcHandle& ProcessHandle);
	/** Forgets the handle; a process that still runs goes on unwatched. */
	static void CloseProc(FProcHandle& ProcessHandle);
	static void TerminateProc(FProcHandle& ProcessHandle, bool KillTree = false);
	/** False while the process runs. A process ended by a signal returns 128 + the signal's number. */
	static bool GetProcReturnCode(FProcHandle& ProcHandle, int32* ReturnCode);

	/** An anonymous pipe. The end used here (the read end, or the write end with bWritePipeLocal) never blocks. */
	static bool CreatePipe(void*& ReadPipe, void*& WritePipe, bool bWritePipeLocal = false);
	static void ClosePipe(void* ReadPipe, void* WritePipe);
	/** What the pipe holds now, decoded as UTF-8; empty when nothing is waiting. */
	static FString ReadPipe(void* ReadPipe);
	/** What the pipe holds now, as bytes; false when nothing was read. */
	static bool ReadPipeToArray(void* ReadPipe, TArray<uint8>& Output);
};

using FGenericPlatformProcess = FPlatformProcess;
