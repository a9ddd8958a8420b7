#include "CommandRunner.h"

#include "CommandLineParsing.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace
{
	// Windows gives a command it cannot find the error level 9009, which does not fit a Linux exit
	// status; a shell's "command not found" code says the same here.
	constexpr int NotRecognizedErrorLevel = 127;

	std::string AsciiLower(std::string Text)
	{
		std::transform(Text.begin(), Text.end(), Text.begin(),
					   [](char Character) {
						   return (Character >= 'A' && Character <= 'Z') ? static_cast<char>(Character - 'A' + 'a')
																		 : Character;
					   });
		return Text;
	}

	bool IsExecutableFile(const std::string& Path)
	{
		struct stat Status;
		return stat(Path.c_str(), &Status) == 0 && S_ISREG(Status.st_mode) && access(Path.c_str(), X_OK) == 0;
	}

	// The file itself, or with ".exe" when its name has no extension (Windows' PATHEXT, reduced).
	std::string ExecutableVariant(const std::string& Path)
	{
		if (IsExecutableFile(Path))
		{
			return Path;
		}
		const size_t NameStart = Path.rfind('/') == std::string::npos ? 0 : Path.rfind('/') + 1;
		if (Path.find('.', NameStart) == std::string::npos && IsExecutableFile(Path + ".exe"))
		{
			return Path + ".exe";
		}
		return {};
	}

	void FlushStandardStreams()
	{
		std::fflush(stdout);
		std::fflush(stderr);
	}

	// Waits for one key press without echoing it, as pause does on a console.
	void WaitForKey()
	{
		termios Saved;
		const bool bRaw = tcgetattr(STDIN_FILENO, &Saved) == 0;
		if (bRaw)
		{
			termios Raw = Saved;
			Raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
			Raw.c_cc[VMIN] = 1;
			Raw.c_cc[VTIME] = 0;
			tcsetattr(STDIN_FILENO, TCSANOW, &Raw);
		}
		char Key;
		while (read(STDIN_FILENO, &Key, 1) < 0 && errno == EINTR)
		{
		}
		if (bRaw)
		{
			tcsetattr(STDIN_FILENO, TCSANOW, &Saved);
		}
	}
}

std::string FCommandRunner::FindProgram(const std::string& Name)
{
	std::string Path = Name;
	std::replace(Path.begin(), Path.end(), '\\', '/');
	if (Path.empty())
	{
		return {};
	}
	if (Path.find('/') != std::string::npos)
	{
		return ExecutableVariant(Path);
	}
	if (std::string Found = ExecutableVariant("./" + Path); !Found.empty())
	{
		return Found;
	}
	const char* SearchPath = std::getenv("PATH");
	std::string Folders = SearchPath ? SearchPath : "";
	size_t Start = 0;
	while (Start <= Folders.size())
	{
		size_t End = Folders.find(':', Start);
		if (End == std::string::npos)
		{
			End = Folders.size();
		}
		const std::string Folder = Folders.substr(Start, End - Start);
		Start = End + 1;
		if (!Folder.empty())
		{
			if (std::string Found = ExecutableVariant(Folder + "/" + Path); !Found.empty())
			{
				return Found;
			}
		}
	}
	return {};
}

int FCommandRunner::RunLine(const std::string& Line)
{
	std::vector<FChainedCommand> Commands;
	std::string Error;
	if (!SplitCommandChain(Line, Commands, Error))
	{
		FlushStandardStreams();
		std::fprintf(stderr, "%s\n", Error.c_str());
		std::fflush(stderr);
		ErrorLevel = 1;
		bLastSucceeded = false;
		return ErrorLevel;
	}
	for (const FChainedCommand& Command : Commands)
	{
		if (bExitRequested)
		{
			break;
		}
		const bool bRun = Command.Operator == EChainOperator::Always ||
						  (Command.Operator == EChainOperator::IfSucceeded && bLastSucceeded) ||
						  (Command.Operator == EChainOperator::IfFailed && !bLastSucceeded);
		if (bRun)
		{
			RunCommand(Command.Text);
		}
	}
	return ErrorLevel;
}

void FCommandRunner::RunCommand(const std::string& CommandText)
{
	const FProgramAndArguments Parsed = SplitProgram(CommandText);
	const std::string Name = AsciiLower(Parsed.Program);
	const bool bEchoWithPunctuation =
		Name.rfind("echo", 0) == 0 && Name.size() > 4 && (Name[4] == '.' || Name[4] == ':' || Name[4] == '(');
	if (Name == "echo")
	{
		RunEcho(Parsed.ArgumentText, true);
	}
	else if (bEchoWithPunctuation)
	{
		// "echo." and its kin print what follows the punctuation, or an empty line.
		RunEcho(Parsed.Program.substr(4) + Parsed.ArgumentText, false);
	}
	else if (Name == "pause")
	{
		RunPause();
	}
	else if (Name == "exit")
	{
		RunExit(Parsed.ArgumentText);
	}
	else
	{
		RunProgram(Parsed.Program, Parsed.ArgumentText);
	}
}

void FCommandRunner::RunEcho(const std::string& Text, bool bEmptyShowsState)
{
	bLastSucceeded = true;
	if (bEmptyShowsState && Text.find_first_not_of(" \t") == std::string::npos)
	{
		std::fputs("ECHO is on.\n", stdout);
		return;
	}
	// The text is printed as written (quotes and trailing blanks included), after one separator.
	const std::string Message = (Text.empty() ? Text : Text.substr(1)) + "\n";
	std::fputs(Message.c_str(), stdout);
}

void FCommandRunner::RunPause()
{
	bLastSucceeded = true;
	std::fputs("Press any key to continue . . . ", stdout);
	std::fflush(stdout);
	// Without a terminal nobody could press a key; carry on as a console fed from a file does.
	if (isatty(STDIN_FILENO))
	{
		WaitForKey();
	}
	std::fputs("\n", stdout);
	std::fflush(stdout);
}

void FCommandRunner::RunExit(const std::string& ArgumentText)
{
	bExitRequested = true;
	for (const std::string& Argument : SplitArguments(ArgumentText))
	{
		if (AsciiLower(Argument) == "/b")
		{
			continue;
		}
		ErrorLevel = static_cast<int>(std::strtol(Argument.c_str(), nullptr, 10));
		break;
	}
	bLastSucceeded = ErrorLevel == 0;
}

void FCommandRunner::RunProgram(const std::string& Program, const std::string& ArgumentText)
{
	const std::string Path = FindProgram(Program);
	FlushStandardStreams();
	if (Path.empty())
	{
		std::fprintf(stderr,
					 "'%s' is not recognized as an internal or external command,\noperable program or batch file.\n",
					 Program.c_str());
		std::fflush(stderr);
		ErrorLevel = NotRecognizedErrorLevel;
		bLastSucceeded = false;
		return;
	}

	std::vector<std::string> Arguments = SplitArguments(ArgumentText);
	Arguments.insert(Arguments.begin(), Program);
	std::vector<char*> ArgV;
	for (std::string& Argument : Arguments)
	{
		ArgV.push_back(Argument.data());
	}
	ArgV.push_back(nullptr);

	ErrorLevel = 1;
	pid_t Child = 0;
	if (posix_spawn(&Child, Path.c_str(), nullptr, nullptr, ArgV.data(), environ) != 0)
	{
		std::fprintf(stderr, "The system cannot execute the specified program (%s).\n", Program.c_str());
		std::fflush(stderr);
	}
	else
	{
		int Status = 0;
		pid_t Waited;
		while ((Waited = waitpid(Child, &Status, 0)) < 0 && errno == EINTR)
		{
		}
		if (Waited == Child && WIFEXITED(Status))
		{
			ErrorLevel = WEXITSTATUS(Status);
		}
		else if (Waited == Child && WIFSIGNALED(Status))
		{
			ErrorLevel = 128 + WTERMSIG(Status);
		}
	}
	bLastSucceeded = ErrorLevel == 0;
}
