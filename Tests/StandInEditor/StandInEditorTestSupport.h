#pragma once

#include "../Programs/ProgramTestSupport.h"
#include "StandIn/StringConv.h"
#include "StandIn/TestProject.h"

#include <filesystem>
#include <string>
#include <vector>

// Helpers for tests that run the headless editor as a process, as a creator runs it.
namespace StandInEditorTest
{
	// <build>/Engine/Binaries/Win64/StandInEditor, run from the project's folder.
	ProgramTest::FProcessResult RunEditor(const UE::StandIn::FTestProject& Project, const std::vector<std::string>& Arguments);

	// The same on a terminal (a pseudo-terminal 100 columns wide): what the terminal received, control
	// characters included.
	ProgramTest::FProcessResult RunEditorOnTerminal(const UE::StandIn::FTestProject& Project, const std::vector<std::string>& Arguments);

	std::filesystem::path SourcePath(const std::string& RelativePath);

	// Examples/SampleProject copied to a temporary folder, with the plug-in installed in the copy.
	class FSampleProjectCopy : public UE::StandIn::FTestProject
	{
	public:
		FSampleProjectCopy();
	};

	// The lines of Output that start with Prefix.
	std::vector<std::string> LinesStartingWith(const std::string& Output, const std::string& Prefix);

	// The mount paths a pak listing names.
	std::vector<std::string> ListedMountPaths(const std::string& Output);
}
