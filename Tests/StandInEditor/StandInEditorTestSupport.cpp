#include "StandInEditorTestSupport.h"

#include "StandIn/StringConv.h"

#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <regex>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace StandInEditorTest
{
	ProgramTest::FProcessResult RunEditor(const UE::StandIn::FTestProject& Project, const std::vector<std::string>& Arguments)
	{
		return ProgramTest::RunProcess(ProgramTest::UnrealPakPath().parent_path() / "StandInEditor", Arguments, UE::StandIn::ToUtf8(Project.GetProjectDir()));
	}

	ProgramTest::FProcessResult RunEditorOnTerminal(const UE::StandIn::FTestProject& Project, const std::vector<std::string>& Arguments)
	{
		ProgramTest::FProcessResult Result;
		int Terminal = -1;
		int Child = -1;
		winsize Size{};
		Size.ws_row = 40;
		Size.ws_col = 100;
		if (openpty(&Terminal, &Child, nullptr, nullptr, &Size) != 0)
		{
			Result.Output = "openpty failed";
			return Result;
		}
		posix_spawn_file_actions_t Actions;
		posix_spawn_file_actions_init(&Actions);
		for (int Stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
		{
			posix_spawn_file_actions_adddup2(&Actions, Child, Stream);
		}
		posix_spawn_file_actions_addclose(&Actions, Terminal);
		posix_spawn_file_actions_addchdir_np(&Actions, UE::StandIn::ToUtf8(Project.GetProjectDir()).c_str());
		const std::string Program = (ProgramTest::UnrealPakPath().parent_path() / "StandInEditor").string();
		std::vector<std::string> ArgStrings = Arguments;
		ArgStrings.insert(ArgStrings.begin(), Program);
		std::vector<char*> ArgV;
		for (std::string& Argument : ArgStrings)
		{
			ArgV.push_back(Argument.data());
		}
		ArgV.push_back(nullptr);
		pid_t Pid = 0;
		const int SpawnError = posix_spawn(&Pid, Program.c_str(), &Actions, nullptr, ArgV.data(), environ);
		posix_spawn_file_actions_destroy(&Actions);
		close(Child);
		if (SpawnError != 0)
		{
			close(Terminal);
			Result.Output = "cannot start " + Program;
			return Result;
		}
		// Reading the terminal ends with EIO once the program and everything it started have closed it.
		char Buffer[4096];
		for (ssize_t Count; (Count = read(Terminal, Buffer, sizeof(Buffer))) != 0;)
		{
			if (Count < 0)
			{
				if (errno == EINTR)
				{
					continue;
				}
				break;
			}
			Result.Output.append(Buffer, static_cast<size_t>(Count));
		}
		close(Terminal);
		int Status = 0;
		while (waitpid(Pid, &Status, 0) < 0 && errno == EINTR)
		{
		}
		Result.ExitCode = WIFEXITED(Status) ? WEXITSTATUS(Status) : 128 + WTERMSIG(Status);
		return Result;
	}

	std::filesystem::path SourcePath(const std::string& RelativePath)
	{
		return std::filesystem::path(QUILLON_SOURCE_DIR) / RelativePath;
	}

	FSampleProjectCopy::FSampleProjectCopy()
		: FTestProject(TEXT("SampleProject"))
	{
		const std::filesystem::path Target = UE::StandIn::ToUtf8(GetProjectDir());
		std::filesystem::copy(SourcePath("Examples/SampleProject"), Target, std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
	}

	std::vector<std::string> LinesStartingWith(const std::string& Output, const std::string& Prefix)
	{
		std::vector<std::string> Lines;
		std::istringstream Stream(Output);
		for (std::string Line; std::getline(Stream, Line);)
		{
			if (Line.rfind(Prefix, 0) == 0)
			{
				Lines.push_back(Line);
			}
		}
		return Lines;
	}

	std::vector<std::string> ListedMountPaths(const std::string& Output)
	{
		static const std::regex EntryLine(R"re(LogPakFile: Display: "([^"]+)" offset: \d+, size: \d+ bytes)re");
		std::vector<std::string> Paths;
		for (auto It = std::sregex_iterator(Output.begin(), Output.end(), EntryLine); It != std::sregex_iterator(); ++It)
		{
			Paths.push_back((*It)[1]);
		}
		return Paths;
	}
}
