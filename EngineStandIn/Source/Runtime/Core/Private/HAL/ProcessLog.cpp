#include "StandIn/ProcessLog.h"

#include "ChildProcesses.h"
#include "StandIn/StringConv.h"

#include <chrono>
#include <thread>

namespace UE::StandIn
{
	FProcessLog::FProcessLog()
	{
		Private::FProcessTable& Table = Private::GetProcessTable();
		std::lock_guard<std::mutex> Lock(Table.Mutex);
		FirstLaunch = Table.Launches.Num();
	}

	FProcessLog::~FProcessLog()
	{
		Private::FProcessTable& Table = Private::GetProcessTable();
		std::lock_guard<std::mutex> Lock(Table.Mutex);
		Table.ConsoleFile.clear();
		Table.BeforeStart = nullptr;
		Table.bStartPrograms = true;
	}

	TArray<FProcessLaunch> FProcessLog::GetLaunches() const
	{
		Private::FProcessTable& Table = Private::GetProcessTable();
		std::lock_guard<std::mutex> Lock(Table.Mutex);
		TArray<FProcessLaunch> Result;
		for (int32 Index = FirstLaunch; Index < Table.Launches.Num(); ++Index)
		{
			Result.Add(Table.Launches[Index]);
		}
		return Result;
	}

	void FProcessLog::SetConsoleFile(const FString& Path)
	{
		Private::FProcessTable& Table = Private::GetProcessTable();
		std::lock_guard<std::mutex> Lock(Table.Mutex);
		Table.ConsoleFile = ToUtf8(Path);
	}

	void FProcessLog::SetStartPrograms(bool bInStartPrograms)
	{
		Private::FProcessTable& Table = Private::GetProcessTable();
		std::lock_guard<std::mutex> Lock(Table.Mutex);
		Table.bStartPrograms = bInStartPrograms;
	}

	void FProcessLog::SetBeforeStart(TFunction<void(const FProcessLaunch&)> Hook)
	{
		Private::FProcessTable& Table = Private::GetProcessTable();
		std::lock_guard<std::mutex> Lock(Table.Mutex);
		Table.BeforeStart = MoveTemp(Hook);
	}

	TOptional<int32> FProcessLog::WaitForExit(int32 LaunchIndex, double TimeoutSeconds) const
	{
		Private::FProcessTable& Table = Private::GetProcessTable();
		const auto Deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(TimeoutSeconds);
		while (true)
		{
			{
				std::lock_guard<std::mutex> Lock(Table.Mutex);
				const int32 Index = FirstLaunch + LaunchIndex;
				if (LaunchIndex < 0 || Index >= Table.Launches.Num() || Table.Launches[Index].ProcessId == 0)
				{
					return TOptional<int32>();
				}
				const pid_t Pid = static_cast<pid_t>(Table.Launches[Index].ProcessId);
				if (Table.Update(Pid, false))
				{
					return TOptional<int32>(Table.Children[Pid].ReturnCode);
				}
			}
			if (std::chrono::steady_clock::now() >= Deadline)
			{
				return TOptional<int32>();
			}
			std::this_thread::sleep_for(std::chrono::milliseconds(5));
		}
	}
}
