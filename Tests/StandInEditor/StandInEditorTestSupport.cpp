#include "StandInEditorTestSupport.h"

#include "StandIn/StringConv.h"

#include <regex>
#include <sstream>

namespace StandInEditorTest
{
	ProgramTest::FProcessResult RunEditor(const UE::StandIn::FTestProject& Project, const std::vector<std::string>& Arguments)
	{
		return ProgramTest::RunProcess(ProgramTest::UnrealPakPath().parent_path() / "StandInEditor", Arguments, UE::StandIn::ToUtf8(Project.GetProjectDir()));
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
