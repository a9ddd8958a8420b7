#include "ChildProcesses.h"

#include <cerrno>
#include <csignal>
#include <sys/wait.h>

namespace UE::StandIn::Private
{
	FProcessTable& GetProcessTable()
	{
		// Never destroyed: children may still be looked at while statics are torn down.
		static FProcessTable* Table = new FProcessTable();
		return *Table;
	}

	bool FProcessTable::Update(pid_t Pid, bool bWait)
	{
		const auto Found = Children.find(Pid);
		if (Found == Children.end())
		{
			return true;
		}
		FChildProcess& Child = Found->second;
		if (Child.bExited)
		{
			return true;
		}
		int Status = 0;
		pid_t Result;
		do
		{
			Result = waitpid(Pid, &Status, bWait ? 0 : WNOHANG);
		} while (Result < 0 && errno == EINTR);
		if (Result == 0)
		{
			return false;
		}
		Child.bExited = true;
		if (Result < 0)
		{
			Child.ReturnCode = -1;
		}
		else if (WIFEXITED(Status))
		{
			Child.ReturnCode = WEXITSTATUS(Status);
		}
		else if (WIFSIGNALED(Status))
		{
			Child.ReturnCode = 128 + WTERMSIG(Status);
		}
		return true;
	}

	void FProcessTable::ReapClosed()
	{
		for (auto& [Pid, Child] : Children)
		{
			if (!Child.bHandleOpen && !Child.bExited)
			{
				Update(Pid, false);
			}
		}
	}
}
