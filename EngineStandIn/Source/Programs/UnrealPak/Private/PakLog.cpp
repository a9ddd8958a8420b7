#include "PakLog.h"

#include <cstdio>

namespace
{
	bool bVerbose = false;

	void WriteLine(std::FILE* Stream, std::string_view Verbosity, std::string_view Message)
	{
		std::string Line;
		Line.reserve(Message.size() + 32);
		Line.append("LogPakFile: ").append(Verbosity).append(": ").append(Message).push_back('\n');
		std::fwrite(Line.data(), 1, Line.size(), Stream);
	}
}

namespace PakLog
{
	void SetVerbose(bool bInVerbose)
	{
		bVerbose = bInVerbose;
	}

	bool IsVerbose()
	{
		return bVerbose;
	}

	void Display(std::string_view Message)
	{
		WriteLine(stdout, "Display", Message);
	}

	void Verbose(std::string_view Message)
	{
		if (bVerbose)
		{
			WriteLine(stdout, "Log", Message);
		}
	}

	void Warning(std::string_view Message)
	{
		WriteLine(stdout, "Warning", Message);
	}

	void Error(std::string_view Message)
	{
		// Errors go to stderr; flushing stdout first keeps both streams in order when they share a console.
		std::fflush(stdout);
		WriteLine(stderr, "Error", Message);
		std::fflush(stderr);
	}

	std::string Quote(std::string_view Path)
	{
		std::string Result;
		Result.reserve(Path.size() + 2);
		Result.push_back('"');
		Result.append(Path);
		Result.push_back('"');
		return Result;
	}
}
