#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "Misc/Optional.h"
#include "Templates/Function.h"

namespace UE::StandIn
{
	/** One call of FPlatformProcess::CreateProc. */
	struct FProcessLaunch
	{
		/** The program, arguments and working folder as the caller gave them. */
		FString Program;
		FString Arguments;
		FString WorkingDirectory;
		/** The absolute path of the program found; empty when none was. */
		FString ResolvedProgram;
		/** The working folder the child was given, absolute; empty when it kept the caller's. */
		FString ResolvedWorkingDirectory;
		/** The started process; 0 when nothing was started. */
		uint32 ProcessId = 0;
	};

	/**
	 * Every process start is recorded. An FProcessLog shows the starts made while it exists, and can stand
	 * for the console windows of programs started without an output pipe: with a console file, their output
	 * goes there instead of to this process's own streams.
	 */
	class CORE_API FProcessLog
	{
	public:
		FProcessLog();
		~FProcessLog();
		FProcessLog(const FProcessLog&) = delete;
		FProcessLog& operator=(const FProcessLog&) = delete;

		/** The starts since this log was made, in order. */
		TArray<FProcessLaunch> GetLaunches() const;

		/** Output of programs started without an output pipe is appended to this file. */
		void SetConsoleFile(const FString& Path);

		/**
		 * With false, starts are recorded but nothing is started: CreateProc answers an invalid handle, as for a
		 * program that cannot start. For measuring a caller without the programs it starts.
		 */
		void SetStartPrograms(bool bInStartPrograms);

		/** Runs just before a found program is started, after its start was recorded. */
		void SetBeforeStart(TFunction<void(const FProcessLaunch&)> Hook);

		/**
		 * Waits for the process of a recorded start to end, even one whose handle was closed, and gives its
		 * return code; nothing when it was not started or has not ended within the timeout.
		 */
		TOptional<int32> WaitForExit(int32 LaunchIndex, double TimeoutSeconds) const;

	private:
		int32 FirstLaunch;
	};
}
