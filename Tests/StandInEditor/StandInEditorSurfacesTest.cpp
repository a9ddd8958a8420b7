// The content browser, its new-asset menu and the placement mode drawn by the headless editor as a process, before
// and after the plug-in's modules are reloaded: what the plug-in registers is there, once.
#include "StandInEditorTestSupport.h"

#include <gtest/gtest.h>

using namespace StandInEditorTest;

namespace
{
	size_t CountOf(const std::string& Text, const std::string& Part)
	{
		size_t Count = 0;
		for (size_t At = Text.find(Part); At != std::string::npos; At = Text.find(Part, At + Part.size()))
		{
			++Count;
		}
		return Count;
	}
}

TEST(StandInEditorSurfacesTest, PluginRegistrationsShowOnceAlsoAfterAReload)
{
	FSampleProjectCopy Project;
	const std::vector<std::string> Show = {"-Show=ContentBrowser:/Game/Tavern", "-Show=NewAssetMenu", "-Show=Placement"};
	std::vector<std::string> Arguments = {"SampleProject.uproject", "-Package=/Game/Tavern/TavernPack", "-Details"};
	Arguments.insert(Arguments.end(), Show.begin(), Show.end());
	Arguments.push_back("-ReloadPlugin");
	Arguments.insert(Arguments.end(), Show.begin(), Show.end());
	Arguments.push_back("-Click=Add All Assets");
	const ProgramTest::FProcessResult Result = RunEditor(Project, Arguments);
	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;

	const size_t Reload = Result.Output.find("== Reload Plug-in ==");
	ASSERT_NE(Reload, std::string::npos) << Result.Output;
	for (const std::string& Part : {Result.Output.substr(0, Reload), Result.Output.substr(Reload)})
	{
		// The content browser's filter menu and the folder's package tile, the menu's Quillon category with its entry,
		// and the placement mode's Quillon tab with its item.
		EXPECT_EQ(CountOf(Part, "\n      Quillon\n        Package  (colour "), 1u) << Part;
		EXPECT_EQ(CountOf(Part, "\n      TavernPack  [Package, "), 1u) << Part;
		EXPECT_EQ(CountOf(Part, "\n    [Quillon]\n      Package  (Z4PackageFactory, makes Z4Package)\n"), 1u) << Part;
		EXPECT_EQ(CountOf(Part, "\n    [Quillon]  sort order 25"), 1u) << Part;
		EXPECT_EQ(CountOf(Part, "Recommended Settings  (/Script/QuillonSDKBase.Z4RecommendedSettingsActor)"), 1u) << Part;
	}
	// The package's editor opens again with the reloaded module's panel, which still works.
	EXPECT_NE(Result.Output.find("== Details of /Game/Tavern/TavernPack.TavernPack ==", Reload), std::string::npos) << Result.Output;
	EXPECT_NE(Result.Output.find("Main Assets: 10 |", Reload), std::string::npos) << Result.Output;
}
