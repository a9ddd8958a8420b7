// The recommended settings actor as a creator uses it, by the headless editor as a process: placed in a level from
// the placement mode, a console variable set, its settings captured with its details panel's button and the level
// saved; a new process opening the level applies them as the client does and finds the value restored.
#include "StandInEditorTestSupport.h"

#include <gtest/gtest.h>

using namespace StandInEditorTest;

TEST(StandInEditorLevelTest, CapturedSettingsTravelWithTheLevelAndApplyInANewProcess)
{
	FSampleProjectCopy Project;
	const ProgramTest::FProcessResult Captured = RunEditor(Project, {"SampleProject.uproject", "-Level=/Game/Tavern/Maps/L_Tavern", "-Place=Quillon/Recommended Settings",
																	   "-Console=r.BloomQuality 2", "-Select=Recommended Settings", "-Click=Capture Settings", "-SaveLevel"});
	ASSERT_EQ(Captured.ExitCode, 0) << Captured.Output;
	for (const char* Shown : {"== Open Level /Game/Tavern/Maps/L_Tavern ==", "Placed \"Recommended Settings\" (Z4RecommendedSettingsActor) in /Game/Tavern/Maps/L_Tavern",
							  "== Details of \"Recommended Settings\" ==", "  Recommended Settings\n    Settings (read-only)", "[Capture Settings]",
							  "== Save Current Level ==\n  Saved /Game/Tavern/Maps/L_Tavern"})
	{
		EXPECT_NE(Captured.Output.find(Shown), std::string::npos) << Shown << "\n" << Captured.Output;
	}
	// The click fills the read-only row, which the panel shows as it changes.
	const size_t Click = Captured.Output.find("== Click \"Capture Settings\" ==\n== Details (changed) ==\n  Recommended Settings\n    Settings (read-only)\n");
	ASSERT_NE(Click, std::string::npos) << Captured.Output;
	EXPECT_NE(Captured.Output.find("      r.BloomQuality 2\n", Click), std::string::npos) << Captured.Output;

	const ProgramTest::FProcessResult Applied = RunEditor(Project, {"SampleProject.uproject", "-Level=/Game/Tavern/Maps/L_Tavern", "-Select=Recommended Settings",
																	  "-Console=r.BloomQuality", "-Run=ApplyRecommendedSettings", "-Console=r.BloomQuality"});
	ASSERT_EQ(Applied.ExitCode, 0) << Applied.Output;
	const size_t Details = Applied.Output.find("== Details of \"Recommended Settings\" ==");
	ASSERT_NE(Details, std::string::npos) << Applied.Output;
	EXPECT_NE(Applied.Output.find("r.BloomQuality 2", Details), std::string::npos) << "the saved actor carries the captured value\n" << Applied.Output;
	const size_t Before = Applied.Output.find("== Console: r.BloomQuality ==");
	const size_t Apply = Applied.Output.find("== Apply Recommended Settings ==");
	const size_t After = Applied.Output.find("== Console: r.BloomQuality ==", Apply);
	ASSERT_NE(After, std::string::npos) << Applied.Output;
	EXPECT_NE(Applied.Output.substr(Before, Apply - Before).find("r.BloomQuality = \"5\""), std::string::npos) << Applied.Output;
	EXPECT_NE(Applied.Output.substr(After).find("r.BloomQuality = \"2\""), std::string::npos) << Applied.Output;
}
