// What the headless editor prints while it works: progress bars, on a terminal and elsewhere.
#include "StandInEditorTestSupport.h"

#include <gtest/gtest.h>

using namespace StandInEditorTest;

namespace
{
	const TCHAR* ManyAssets()
	{
		return TEXT(R"({ "Assets": [
			{ "Class": "Texture2D", "Package": "/Game/Many/T_A" }, { "Class": "Texture2D", "Package": "/Game/Many/T_B" },
			{ "Class": "Texture2D", "Package": "/Game/Many/T_C" }, { "Class": "Texture2D", "Package": "/Game/Many/T_D" },
			{ "Class": "Texture2D", "Package": "/Game/Many/T_E" }, { "Class": "Texture2D", "Package": "/Game/Many/T_F" } ] })");
	}
}

TEST(StandInEditorOutputTest, ProgressIsRedrawnInPlaceOnATerminalAndPrintedAsLinesElsewhere)
{
	UE::StandIn::FTestProject PipedProject;
	PipedProject.WriteFile(TEXT("Many.json"), ManyAssets());
	const ProgramTest::FProcessResult Piped = RunEditor(PipedProject, {"TestProject.uproject", "-MakeContent=Many.json"});
	ASSERT_EQ(Piped.ExitCode, 0) << Piped.Output;
	EXPECT_EQ(Piped.Output.find('\r'), std::string::npos) << "no redrawing into a pipe";
	const std::vector<std::string> ProgressLines = LinesStartingWith(Piped.Output, "  Making content: ");
	ASSERT_GE(ProgressLines.size(), 3u) << Piped.Output;
	EXPECT_LE(ProgressLines.size(), 11u) << "one line for each tenth of the work at most";
	EXPECT_EQ(ProgressLines.front(), "  Making content: 0%");
	EXPECT_EQ(ProgressLines.back(), "  Making content: 100%");
	EXPECT_NE(Piped.Output.find("  Making content: 50% - Saving /Game/Many/T_A"), std::string::npos) << Piped.Output;

	UE::StandIn::FTestProject TerminalProject;
	TerminalProject.WriteFile(TEXT("Many.json"), ManyAssets());
	const ProgramTest::FProcessResult OnTerminal = RunEditorOnTerminal(TerminalProject, {"TestProject.uproject", "-MakeContent=Many.json"});
	ASSERT_EQ(OnTerminal.ExitCode, 0) << OnTerminal.Output;
	// Each redraw clears the line it draws on; the finished bar stays, followed by the next line.
	const std::string Redraw = "\r\x1b[K  Making content [";
	size_t Redraws = 0;
	for (size_t At = OnTerminal.Output.find(Redraw); At != std::string::npos; At = OnTerminal.Output.find(Redraw, At + 1))
	{
		++Redraws;
	}
	EXPECT_GE(Redraws, 12u) << "a redraw for every asset made and saved";
	EXPECT_NE(OnTerminal.Output.find("Making content [##############################] 100% Saving /Game/Many/T_F\r\n  Made 6 assets"), std::string::npos) << OnTerminal.Output;
	EXPECT_EQ(OnTerminal.Output.find("Making content: "), std::string::npos) << "no plain progress lines on a terminal";
}
