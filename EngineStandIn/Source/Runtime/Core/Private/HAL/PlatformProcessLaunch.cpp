#include "HAL/PlatformProcess.h"

#include "ChildProcesses.h"
#include "HAL/PlatformMisc.h"
#include "StandIn/StringConv.h"
#include "WindowsCommandLine.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

extern char** environ;

namespace UE::StandIn::Private
{
	namespace
	{
		namespace fs = std::filesystem;

		fs::path CurrentDirectory()
		{
			std::error_code Error;
			return fs::current_path(Error);
		}

		fs::path RunningProgramDirectory()
		{
			std::error_code Error;
			return fs::read_symlink("/proc/self/exe", Error).parent_path();
		}

		bool IsExecutableFile(const fs::path& Path)
		{
			struct stat Info;
			return stat(Path.c_str(), &Info) == 0 && S_ISREG(Info.st_mode) && access(Path.c_str(), X_OK) == 0;
		}

		// A name without an extension is tried with ".exe" too, as CreateProcess does.
		fs::path FindInFolder(const fs::path& Folder, const fs::path& Name)
		{
			const fs::path Candidate = Folder / Name;
			if (IsExecutableFile(Candidate))
			{
				return fs::absolute(Candidate).lexically_normal();
			}
			if (!Name.has_extension())
			{
				fs::path WithExe = Candidate;
				WithExe += ".exe";
				if (IsExecutableFile(WithExe))
				{
					return fs::absolute(WithExe).lexically_normal();
				}
			}
			return fs::path();
		}

		// The search order of CreateProcess for a command line that starts with a bare name. The new
		// process's own working folder is not part of it.
		fs::path FindProgram(const std::string& Url)
		{
			std::string Normalized = Url;
			for (char& Char : Normalized)
			{
				if (Char == '\\')
				{
					Char = '/';
				}
			}
			const fs::path Program(Normalized);
			if (Program.empty())
			{
				return fs::path();
			}
			if (Program.is_absolute() || Normalized.find('/') != std::string::npos)
			{
				return FindInFolder(CurrentDirectory(), Program);
			}
			std::vector<fs::path> Folders = {RunningProgramDirectory(), CurrentDirectory()};
			const std::string WindowsDir = ToUtf8(FPlatformMisc::GetEnvironmentVariable(TEXT("WINDIR")));
			if (!WindowsDir.empty())
			{
				Folders.push_back(fs::path(WindowsDir) / "System32");
				Folders.push_back(fs::path(WindowsDir));
			}
			if (const char* Path = std::getenv("PATH"))
			{
				std::string_view Remaining(Path);
				while (!Remaining.empty())
				{
					const size_t Colon = Remaining.find(':');
					const std::string_view Entry = Remaining.substr(0, Colon);
					if (!Entry.empty())
					{
						Folders.emplace_back(std::string(Entry));
					}
					Remaining = Colon == std::string_view::npos ? std::string_view() : Remaining.substr(Colon + 1);
				}
			}
			for (const fs::path& Folder : Folders)
			{
				const fs::path Found = FindInFolder(Folder, Program);
				if (!Found.empty())
				{
					return Found;
				}
			}
			return fs::path();
		}

		int DescriptorOf(void* Pipe)
		{
			return Pipe ? static_cast<FPipeHandle*>(Pipe)->Descriptor : -1;
		}

		// Sets up the child's standard streams: pipes where given, nothing to read otherwise, and output to
		// the console file when one is set (this process's own streams otherwise).
		void AddStreamActions(posix_spawn_file_actions_t& Actions, void* PipeWriteChild, void* PipeReadChild,
							  void* PipeStdErrChild, const std::string& ConsoleFile)
		{
			if (PipeReadChild)
			{
				posix_spawn_file_actions_adddup2(&Actions, DescriptorOf(PipeReadChild), STDIN_FILENO);
			}
			else
			{
				posix_spawn_file_actions_addopen(&Actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
			}
			if (PipeWriteChild)
			{
				posix_spawn_file_actions_adddup2(&Actions, DescriptorOf(PipeWriteChild), STDOUT_FILENO);
			}
			else if (!ConsoleFile.empty())
			{
				posix_spawn_file_actions_addopen(&Actions, STDOUT_FILENO, ConsoleFile.c_str(),
												 O_WRONLY | O_CREAT | O_APPEND, 0644);
			}
			if (PipeStdErrChild || PipeWriteChild)
			{
				posix_spawn_file_actions_adddup2(&Actions, DescriptorOf(PipeStdErrChild ? PipeStdErrChild : PipeWriteChild),
												 STDERR_FILENO);
			}
			else if (!ConsoleFile.empty())
			{
				posix_spawn_file_actions_adddup2(&Actions, STDOUT_FILENO, STDERR_FILENO);
			}
		}

		// A Windows program is handed its command line as one string. cmd.exe reads that string as it is, so
		// its stand-in gets it whole; the other programs split it as their C runtime would.
		std::vector<std::string> MakeArgumentVector(const fs::path& Program, const std::string& Parms)
		{
			std::vector<std::string> Arguments = {Program.string()};
			if (strcasecmp(Program.filename().c_str(), "cmd.exe") == 0)
			{
				if (!Parms.empty())
				{
					Arguments.push_back(Parms);
				}
			}
			else
			{
				for (std::string& Argument : SplitWindowsCommandLine(Parms))
				{
					Arguments.push_back(std::move(Argument));
				}
			}
			return Arguments;
		}
	}
}

FProcHandle FPlatformProcess::CreateProc(const TCHAR* URL, const TCHAR* Parms, bool bLaunchDetached,
										 bool bLaunchHidden, bool bLaunchReallyHidden, uint32* OutProcessID,
										 int32 PriorityModifier, const TCHAR* OptionalWorkingDirectory,
										 void* PipeWriteChild, void* PipeReadChild)
{
	return CreateProc(URL, Parms, bLaunchDetached, bLaunchHidden, bLaunchReallyHidden, OutProcessID,
					  PriorityModifier, OptionalWorkingDirectory, PipeWriteChild, PipeReadChild, nullptr);
}

FProcHandle FPlatformProcess::CreateProc(const TCHAR* URL, const TCHAR* Parms, bool bLaunchDetached,
										 bool bLaunchHidden, bool bLaunchReallyHidden, uint32* OutProcessID,
										 int32 PriorityModifier, const TCHAR* OptionalWorkingDirectory,
										 void* PipeWriteChild, void* PipeReadChild, void* PipeStdErrChild)
{
	namespace fs = std::filesystem;
	using namespace UE::StandIn;
	using namespace UE::StandIn::Private;

	if (OutProcessID)
	{
		*OutProcessID = 0;
	}
	FProcessLaunch Launch;
	Launch.Program = URL ? URL : TEXT("");
	Launch.Arguments = Parms ? Parms : TEXT("");
	Launch.WorkingDirectory = OptionalWorkingDirectory ? OptionalWorkingDirectory : TEXT("");

	const fs::path Program = FindProgram(ToUtf8(Launch.Program));
	Launch.ResolvedProgram = Program.empty() ? FString() : FromUtf8(Program.string());
	fs::path WorkingDirectory;
	if (!Launch.WorkingDirectory.IsEmpty())
	{
		std::string Folder = ToUtf8(Launch.WorkingDirectory);
		for (char& Char : Folder)
		{
			Char = Char == '\\' ? '/' : Char;
		}
		WorkingDirectory = fs::absolute(fs::path(Folder)).lexically_normal();
		Launch.ResolvedWorkingDirectory = FromUtf8(WorkingDirectory.string());
	}

	FProcessTable& Table = GetProcessTable();
	std::unique_lock<std::mutex> Lock(Table.Mutex);
	Table.ReapClosed();
	const int32 LaunchIndex = Table.Launches.Add(Launch);
	std::error_code Error;
	if (!Table.bStartPrograms || Program.empty() || (!WorkingDirectory.empty() && !fs::is_directory(WorkingDirectory, Error)))
	{
		return FProcHandle();
	}
	if (Table.BeforeStart)
	{
		const TFunction<void(const FProcessLaunch&)> Hook = Table.BeforeStart;
		Lock.unlock();
		Hook(Launch);
		Lock.lock();
	}

	const std::vector<std::string> Arguments = MakeArgumentVector(Program, ToUtf8(Launch.Arguments));
	std::vector<char*> ArgumentPointers;
	for (const std::string& Argument : Arguments)
	{
		ArgumentPointers.push_back(const_cast<char*>(Argument.c_str()));
	}
	ArgumentPointers.push_back(nullptr);

	posix_spawn_file_actions_t Actions;
	posix_spawn_file_actions_init(&Actions);
	AddStreamActions(Actions, PipeWriteChild, PipeReadChild, PipeStdErrChild, Table.ConsoleFile);
	if (!WorkingDirectory.empty())
	{
		posix_spawn_file_actions_addchdir_np(&Actions, WorkingDirectory.c_str());
	}
	pid_t Pid = 0;
	const int Result = posix_spawn(&Pid, Program.c_str(), &Actions, nullptr, ArgumentPointers.data(), environ);
	posix_spawn_file_actions_destroy(&Actions);
	if (Result != 0)
	{
		return FProcHandle();
	}
	Table.Children[Pid] = FChildProcess();
	Table.Launches[LaunchIndex].ProcessId = static_cast<uint32>(Pid);
	if (OutProcessID)
	{
		*OutProcessID = static_cast<uint32>(Pid);
	}
	return FProcHandle(static_cast<int32>(Pid));
}

bool FPlatformProcess::IsProcRunning(FProcHandle& ProcessHandle)
{
	if (!ProcessHandle.IsValid())
	{
		return false;
	}
	UE::StandIn::Private::FProcessTable& Table = UE::StandIn::Private::GetProcessTable();
	std::lock_guard<std::mutex> Lock(Table.Mutex);
	Table.ReapClosed();
	return !Table.Update(ProcessHandle.Get(), false);
}

void FPlatformProcess::WaitForProc(FProcHandle& ProcessHandle)
{
	if (!ProcessHandle.IsValid())
	{
		return;
	}
	UE::StandIn::Private::FProcessTable& Table = UE::StandIn::Private::GetProcessTable();
	std::lock_guard<std::mutex> Lock(Table.Mutex);
	Table.Update(ProcessHandle.Get(), true);
}

void FPlatformProcess::CloseProc(FProcHandle& ProcessHandle)
{
	if (!ProcessHandle.IsValid())
	{
		return;
	}
	UE::StandIn::Private::FProcessTable& Table = UE::StandIn::Private::GetProcessTable();
	std::lock_guard<std::mutex> Lock(Table.Mutex);
	const auto Found = Table.Children.find(ProcessHandle.Get());
	if (Found != Table.Children.end())
	{
		Found->second.bHandleOpen = false;
		Table.Update(Found->first, false);
	}
	ProcessHandle.Reset();
}

void FPlatformProcess::TerminateProc(FProcHandle& ProcessHandle, bool KillTree)
{
	if (!ProcessHandle.IsValid())
	{
		return;
	}
	UE::StandIn::Private::FProcessTable& Table = UE::StandIn::Private::GetProcessTable();
	std::lock_guard<std::mutex> Lock(Table.Mutex);
	// Children are not put in process groups of their own, so KillTree ends only the process itself.
	if (!Table.Update(ProcessHandle.Get(), false))
	{
		kill(ProcessHandle.Get(), SIGKILL);
		Table.Update(ProcessHandle.Get(), true);
	}
}

bool FPlatformProcess::GetProcReturnCode(FProcHandle& ProcHandle, int32* ReturnCode)
{
	if (!ProcHandle.IsValid())
	{
		return false;
	}
	UE::StandIn::Private::FProcessTable& Table = UE::StandIn::Private::GetProcessTable();
	std::lock_guard<std::mutex> Lock(Table.Mutex);
	if (!Table.Update(ProcHandle.Get(), false))
	{
		return false;
	}
	const auto Found = Table.Children.find(ProcHandle.Get());
	if (ReturnCode)
	{
		*ReturnCode = Found != Table.Children.end() ? Found->second.ReturnCode : -1;
	}
	return true;
}
