#pragma once

#include "CoreTypes.h"
#include "StandIn/ProcessLog.h"
#include "Templates/Function.h"

#include <map>
#include <mutex>
#include <string>
#include <sys/types.h>

namespace UE::StandIn::Private
{
	struct FChildProcess
	{
		bool bExited = false;
		int32 ReturnCode = -1;
		/** False once CloseProc was called: the child is then reaped whenever the table is looked at. */
		bool bHandleOpen = true;
	};

	/** The processes started here and the record of every start. Guard every use with Mutex. */
	struct FProcessTable
	{
		std::mutex Mutex;
		std::map<pid_t, FChildProcess> Children;
		TArray<FProcessLaunch> Launches;
		std::string ConsoleFile;
		TFunction<void(const FProcessLaunch&)> BeforeStart;
		bool bStartPrograms = true;

		/** Polls a child (blocking with bWait) and records its end; true once it has ended. */
		bool Update(pid_t Pid, bool bWait);
		/** Reaps closed children that have ended, so none lingers as a zombie. */
		void ReapClosed();
	};

	FProcessTable& GetProcessTable();

	/** A pipe end: a file descriptor. */
	struct FPipeHandle
	{
		int Descriptor = -1;
	};
}
