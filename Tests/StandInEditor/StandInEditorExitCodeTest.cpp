// Runs of the headless editor that go wrong on the way end with the exit code -help documents for the kind of
// failure and one last line saying what failed, so a script can trust a zero.
#include "StandInEditorTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

using namespace StandInEditorTest;

namespace
{
	void MakeDirectory(UE::StandIn::FTestProject& Project, const char* RelativePath)
	{
		std::filesystem::create_directories(std::filesystem::path(UE::StandIn::ToUtf8(Project.GetProjectDir())) / RelativePath);
	}
}

TEST(StandInEditorExitCodeTest, EachKindOfFailureHasItsExitCode)
{
	const struct
	{
		const char* Case;
		std::function<void(UE::StandIn::FTestProject&)> Prepare;
		std::vector<std::string> Arguments;
		int ExitCode;
		const char* Line;
	} Cases[] = {
		{"cook with a failed package",
		 [](UE::StandIn::FTestProject& Project) { Project.WriteFile(TEXT("Content/Tavern/Meshes/SM_Chair.uasset"), TEXT("{ \"Format\": \"UnrealStandInPackage\", \"Objects\": [")); },
		 {"-Answer=Restart Required=No", "-Run=ApplyCookSettings,CookContent"}, 3, "Error: a step failed: Cook Content for Windows: LogCook: "},
		{"pak tool that cannot write the pak",
		 [](UE::StandIn::FTestProject& Project) { MakeDirectory(Project, "Paks/TavernPack.pak"); },
		 {"-Answer=Message=Ok", "-Run=AddAllAssets,CookAssets,MakePakFile"}, 3, "Error: a step failed: Make Pak File: Pak not made"},
		{"settings file that cannot be written",
		 [](UE::StandIn::FTestProject& Project) { std::filesystem::remove(std::filesystem::path(UE::StandIn::ToUtf8(Project.GetProjectDir())) / "Config/DefaultGame.ini"); MakeDirectory(Project, "Config/DefaultGame.ini"); },
		 {"-Answer=Restart Required=No", "-Run=ApplyCookSettings"}, 4, "Error: the run logged an error: Apply Cook Settings: Z4LogSDK: Could not write the cook settings to "},
		{"dialog without an answer", nullptr, {"-Run=AddAllAssets,FindDependencies,MakePakFile"}, 5,
		 "Error: A message dialog was shown with no answer for it: \"Message\" (Ok, Cancel): 1 assets are outside of this package's directory."},
		{"nothing wrong", nullptr, {"-Run=AddAllAssets"}, 0, nullptr},
	};
	for (const auto& Case : Cases)
	{
		FSampleProjectCopy Project;
		if (Case.Prepare)
		{
			Case.Prepare(Project);
		}
		std::vector<std::string> Arguments = {"SampleProject.uproject", "-Package=/Game/Tavern/TavernPack"};
		Arguments.insert(Arguments.end(), Case.Arguments.begin(), Case.Arguments.end());
		const ProgramTest::FProcessResult Result = RunEditor(Project, Arguments);
		EXPECT_EQ(Result.ExitCode, Case.ExitCode) << Case.Case << "\n" << Result.Output;
		const std::vector<std::string> Errors = LinesStartingWith(Result.Output, "Error: ");
		if (!Case.Line)
		{
			EXPECT_TRUE(Errors.empty()) << Case.Case << "\n" << Result.Output;
			continue;
		}
		ASSERT_EQ(Errors.size(), 1u) << Case.Case << "\n" << Result.Output;
		EXPECT_EQ(Errors[0].rfind(Case.Line, 0), 0u) << Case.Case << "\n" << Errors[0];
	}
}
