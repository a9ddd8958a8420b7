#pragma once

#include <string>

// The tool's commands. Each reports through PakLog and returns the process exit code.
enum class EPakMode
{
	Create,
	List,
	Extract,
};

struct FPakCommandLine
{
	EPakMode Mode = EPakMode::List;
	std::string PakPath;
	std::string ResponseFile;  // -create=
	std::string ExtractFolder; // -extract=
	bool bCompress = false;	   // -compress
	bool bVerbose = false;	   // -log
};

int RunCreate(const FPakCommandLine& CommandLine);
int RunList(const FPakCommandLine& CommandLine);
int RunExtract(const FPakCommandLine& CommandLine);
