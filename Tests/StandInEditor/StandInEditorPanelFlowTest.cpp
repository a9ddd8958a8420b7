// The creator's flow driven through the package's details panel by the headless editor as a process: a package
// made from the new-asset menu, opened, its buttons clicked with the editor's Cook Content between them, and the
// pak listed. The panel is drawn when opened and again each time a click rebuilds it.
#include "StandInEditorTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace StandInEditorTest;

namespace
{
	// Where Text starts in Output at or after From; npos when it is not there.
	size_t FindAfter(const std::string& Output, const std::string& Text, size_t From)
	{
		return From == std::string::npos ? std::string::npos : Output.find(Text, From);
	}
}

TEST(StandInEditorPanelFlowTest, NewPackageFromTheMenuGoesToAListedPakThroughItsPanel)
{
	FSampleProjectCopy Project;
	const ProgramTest::FProcessResult Result = RunEditor(Project, {"SampleProject.uproject", "-NewPackage=/Game/Tavern/MenuPack", "-Package=/Game/Tavern/MenuPack", "-Details",
																	 "-Answer=Restart Required=No,Message=Ok", "-Click=Add All Assets", "-Click=Find Dependencies",
																	 "-Click=Apply Cook Settings", "-Run=CookContent", "-Click=Make Pak File", "-Click=Log Pak File"});
	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_NE(Result.Output.find("Made the package asset /Game/Tavern/MenuPack with \"Package\" from the new-asset menu"), std::string::npos) << Result.Output;

	// Opened with no assets (no counter), then rebuilt by the package's broadcast and by Find Dependencies.
	size_t At = Result.Output.find("== Details of /Game/Tavern/MenuPack.MenuPack ==");
	const size_t FirstClick = Result.Output.find("== Click \"Add All Assets\" ==");
	ASSERT_NE(At, std::string::npos) << Result.Output;
	EXPECT_EQ(Result.Output.substr(At, FirstClick - At).find("Main Assets:"), std::string::npos) << Result.Output;
	for (const char* Shown : {"== Click \"Add All Assets\" ==", "== Details (rebuilt) ==", "Main Assets: 10 | Assets To Cook: 20",
							  "== Click \"Find Dependencies\" ==", "== Details (rebuilt) ==", "1 referenced assets are outside of this package's directory.",
							  "[Copy Dependencies]", "== Click \"Apply Cook Settings\" ==", "== Cook Content for Windows ==", "== Click \"Make Pak File\" ==",
							  "Notification (success): Pak made: ", "== Click \"Log Pak File\" ==", "== Summary =="})
	{
		At = FindAfter(Result.Output, Shown, At);
		EXPECT_NE(At, std::string::npos) << Shown << "\n" << Result.Output;
	}
	// Apply Cook Settings, Make Pak File and Log Pak File leave the panel as it is.
	const size_t ApplyCook = Result.Output.find("== Click \"Apply Cook Settings\" ==");
	EXPECT_EQ(FindAfter(Result.Output, "== Details (rebuilt) ==", ApplyCook), std::string::npos) << Result.Output;

	const std::vector<std::string> Listed = ListedMountPaths(Result.Output);
	for (const char* MountPath : {"../../../QuillonVTT/Content/Tavern/MenuPack.uasset", "../../../QuillonVTT/Content/Tavern/Maps/L_Tavern.umap",
								  "../../../QuillonVTT/Content/Tavern/Characters/ABP_Innkeeper.uasset", "../../../QuillonVTT/Content/Shared/Textures/T_Stone.uasset"})
	{
		EXPECT_NE(std::find(Listed.begin(), Listed.end(), MountPath), Listed.end()) << MountPath << "\n" << Result.Output;
	}
}
