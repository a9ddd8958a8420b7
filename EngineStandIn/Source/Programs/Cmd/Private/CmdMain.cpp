// cmd.exe [/s] [/q] ... /c <command line>
// cmd.exe [/s] [/q] ... /k <command line>
//
// A Windows program reads its command line as one string; here the arguments are joined with single
// spaces to get it back, so a launcher should pass everything after "cmd.exe" as one argument (or
// split only at blanks) for the quote rule below to see the line as written.
#include "CommandLineParsing.h"
#include "CommandRunner.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <unistd.h>

namespace
{
	std::string JoinArguments(int ArgC, char** ArgV)
	{
		std::string Line;
		for (int Index = 1; Index < ArgC; ++Index)
		{
			if (Index > 1)
			{
				Line.push_back(' ');
			}
			Line.append(ArgV[Index]);
		}
		return Line;
	}

	std::string WorkingFolder()
	{
		char Buffer[4096];
		return getcwd(Buffer, sizeof(Buffer)) ? Buffer : ".";
	}

	// Reads and runs commands until exit or the end of input, prompting when a person is typing.
	int RunCommandLoop(FCommandRunner& Runner)
	{
		const bool bTerminal = isatty(STDIN_FILENO);
		std::string Line;
		while (!Runner.IsExitRequested())
		{
			if (bTerminal)
			{
				std::cout << '\n' << WorkingFolder() << '>' << std::flush;
			}
			if (!std::getline(std::cin, Line))
			{
				break;
			}
			if (!Line.empty() && Line.back() == '\r')
			{
				Line.pop_back();
			}
			Runner.RunLine(Line);
		}
		return Runner.GetErrorLevel();
	}
}

int main(int ArgC, char** ArgV)
{
	const FCmdInvocation Invocation = ParseInvocation(JoinArguments(ArgC, ArgV));
	FCommandRunner Runner;
	if (Invocation.Mode == ECmdMode::Interactive)
	{
		return RunCommandLoop(Runner);
	}

	const std::string Line =
		ApplyQuoteRule(Invocation.CommandText, Invocation.bSwitchS,
					   [](const std::string& Name) { return !FCommandRunner::FindProgram(Name).empty(); });
	Runner.RunLine(Line);
	// With /k a real console stays open for more commands; without a terminal nobody can type them.
	if (Invocation.Mode == ECmdMode::RunAndStay && !Runner.IsExitRequested() && isatty(STDIN_FILENO))
	{
		RunCommandLoop(Runner);
	}
	std::fflush(stdout);
	return Runner.GetErrorLevel();
}
