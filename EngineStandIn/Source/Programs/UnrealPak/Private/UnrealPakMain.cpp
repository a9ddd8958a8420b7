// UnrealPak.exe <PakFile> -create=<ResponseFile> [-compress] [-log]
// UnrealPak.exe <PakFile> -list [-log]
// UnrealPak.exe <PakFile> -extract=<Folder> [-log]
#include "AsciiText.h"
#include "PakCommands.h"
#include "PakFile.h"
#include "PakLog.h"

#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

namespace
{
	constexpr const char* Usage =
		"Usage:\n"
		"  UnrealPak.exe <PakFile> -create=<ResponseFile> [-compress] [-log]\n"
		"  UnrealPak.exe <PakFile> -list [-log]\n"
		"  UnrealPak.exe <PakFile> -extract=<Folder> [-log]\n"
		"Response file: one \"<source file>\" \"<mount path>\" pair a line; quotes are needed "
		"only around paths that hold spaces.\n";

	int PrintUsage(std::string_view Problem)
	{
		if (!Problem.empty())
		{
			PakLog::Error(Problem);
		}
		std::fputs(Usage, stderr);
		return 1;
	}

	// A path given on the command line: surrounding quotes (left by callers that quote the value after
	// "=") are dropped and backslashes become slashes.
	std::string PathArgument(std::string_view Value)
	{
		if (Value.size() >= 2 && Value.front() == '"' && Value.back() == '"')
		{
			Value = Value.substr(1, Value.size() - 2);
		}
		return NormalizeSlashes(std::string(Value));
	}

	// Parses the arguments; on a problem returns nothing and Problem says what.
	std::optional<FPakCommandLine> ParseCommandLine(int ArgC, char** ArgV, std::string& Problem)
	{
		if (ArgC < 2)
		{
			return std::nullopt;
		}
		FPakCommandLine CommandLine;
		if (ArgV[1][0] == '-')
		{
			Problem = "The first argument must be the pak file, not the option \"" + std::string(ArgV[1]) + "\".";
			return std::nullopt;
		}
		CommandLine.PakPath = PathArgument(ArgV[1]);
		if (CommandLine.PakPath.empty())
		{
			Problem = "The pak file path is empty.";
			return std::nullopt;
		}

		int NumModes = 0;
		for (int Index = 2; Index < ArgC; ++Index)
		{
			const std::string_view Argument = ArgV[Index];
			const size_t Equals = Argument.find('=');
			const std::string_view Name = Argument.substr(0, Equals);
			const std::string Value =
				Equals == std::string_view::npos ? std::string() : PathArgument(Argument.substr(Equals + 1));
			if (EqualsIgnoreCase(Name, "-create") || EqualsIgnoreCase(Name, "-extract"))
			{
				if (Value.empty())
				{
					Problem = "\"" + std::string(Name) + "\" needs a path: " + std::string(Name) + "=<path>.";
					return std::nullopt;
				}
				const bool bCreate = EqualsIgnoreCase(Name, "-create");
				CommandLine.Mode = bCreate ? EPakMode::Create : EPakMode::Extract;
				(bCreate ? CommandLine.ResponseFile : CommandLine.ExtractFolder) = Value;
				++NumModes;
			}
			else if (EqualsIgnoreCase(Argument, "-list"))
			{
				CommandLine.Mode = EPakMode::List;
				++NumModes;
			}
			else if (EqualsIgnoreCase(Argument, "-compress"))
			{
				CommandLine.bCompress = true;
			}
			else if (EqualsIgnoreCase(Argument, "-log"))
			{
				CommandLine.bVerbose = true;
			}
			else if (!Argument.empty() && Argument[0] == '-')
			{
				PakLog::Warning("Ignoring unknown option \"" + std::string(Argument) + "\".");
			}
			else
			{
				Problem = "Unexpected argument \"" + std::string(Argument) +
						  "\" (put paths that hold spaces between double quotes).";
				return std::nullopt;
			}
		}
		if (NumModes != 1)
		{
			Problem = NumModes == 0 ? "Nothing to do: give -create=, -list or -extract=."
									: "Give only one of -create=, -list and -extract=.";
			return std::nullopt;
		}
		return CommandLine;
	}
}

int main(int ArgC, char** ArgV)
{
	std::string Problem;
	const std::optional<FPakCommandLine> CommandLine = ParseCommandLine(ArgC, ArgV, Problem);
	if (!CommandLine)
	{
		return PrintUsage(Problem);
	}
	PakLog::SetVerbose(CommandLine->bVerbose);
	try
	{
		switch (CommandLine->Mode)
		{
			case EPakMode::Create:
				return RunCreate(*CommandLine);
			case EPakMode::List:
				return RunList(*CommandLine);
			case EPakMode::Extract:
				return RunExtract(*CommandLine);
		}
	}
	catch (const FPakError& Error)
	{
		PakLog::Error(Error.what());
	}
	catch (const std::exception& Error)
	{
		PakLog::Error(std::string("Unexpected failure: ") + Error.what());
	}
	return 1;
}
