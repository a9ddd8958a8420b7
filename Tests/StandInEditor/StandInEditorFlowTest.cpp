// The whole creator flow run by the headless editor as a process: collect, find dependencies, apply the
// cook settings, cook, make the pak and list it.
#include "StandInEditorTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace StandInEditorTest;

namespace
{
	const char* FlowOperations = "-Run=AddAllAssets,FindDependencies,ApplyCookSettings,CookContent,MakePakFile,LogPakFile";

	bool Lists(const std::vector<std::string>& MountPaths, const std::string& MountPath)
	{
		return std::find(MountPaths.begin(), MountPaths.end(), MountPath) != MountPaths.end();
	}

	// Each operation's heading, in the order given, then the summary.
	void ExpectStepsInOrder(const std::string& Output)
	{
		size_t At = 0;
		for (const char* Heading : {"== Add All Assets ==", "== Find Dependencies ==", "== Apply Cook Settings ==", "== Cook Content for Windows ==",
									"== Make Pak File ==", "== Log Pak File ==", "== Summary =="})
		{
			const size_t Found = Output.find(Heading, At);
			ASSERT_NE(Found, std::string::npos) << Heading << " after offset " << At << "\n" << Output;
			At = Found;
		}
	}
}

TEST(StandInEditorFlowTest, SampleProjectEndsWithItsPakListed)
{
	FSampleProjectCopy Project;
	const ProgramTest::FProcessResult Result = RunEditor(Project, {"SampleProject.uproject", "-Package=/Game/Tavern/TavernPack", "-Answer=Restart Required=No,Message=Ok", FlowOperations});
	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	ExpectStepsInOrder(Result.Output);
	EXPECT_NE(Result.Output.find("Dialog \"Message\" (Ok, Cancel): 1 assets are outside of this package's directory."), std::string::npos) << Result.Output;
	EXPECT_NE(Result.Output.find("Notification (success): Pak made: "), std::string::npos) << Result.Output;

	const std::vector<std::string> Listed = ListedMountPaths(Result.Output);
	for (const char* MountPath : {"../../../QuillonVTT/Content/Tavern/TavernPack.uasset", "../../../QuillonVTT/Content/Tavern/Maps/L_Cellar.umap",
								  "../../../QuillonVTT/Content/Tavern/Maps/L_Tavern.umap", "../../../QuillonVTT/Content/Tavern/Meshes/SM_Table.uasset",
								  "../../../QuillonVTT/Content/Tavern/Blueprints/BP_Crate.uasset", "../../../QuillonVTT/Content/Tavern/Characters/SK_Innkeeper.uasset",
								  "../../../QuillonVTT/Content/Tavern/Characters/SKEL_Innkeeper.uasset", "../../../QuillonVTT/Content/Tavern/Characters/ABP_Innkeeper.uasset",
								  "../../../QuillonVTT/Content/Tavern/Textures/T_Wood.ubulk", "../../../QuillonVTT/Content/Shared/Textures/T_Stone.uasset",
								  "../../../QuillonVTT/Content/Tavern/Thumbnails/T_SM_Table.uasset"})
	{
		EXPECT_TRUE(Lists(Listed, MountPath)) << MountPath << "\n" << Result.Output;
	}
	EXPECT_TRUE(std::none_of(Listed.begin(), Listed.end(), [](const std::string& Path) { return Path.find("BasicShapes") != std::string::npos; })) << "engine content stays out of the pak";

	EXPECT_NE(Result.Output.find("  Main assets: 10"), std::string::npos) << Result.Output;
	EXPECT_NE(Result.Output.find("    /Game/Shared/Textures/T_Stone (depth 1)"), std::string::npos) << Result.Output;
	EXPECT_NE(Result.Output.find("  Pak: " + UE::StandIn::ToUtf8(Project.GetProjectDir()) + "Paks/TavernPack.pak ("), std::string::npos) << Result.Output;
	EXPECT_FALSE(std::filesystem::exists(SourcePath("Examples/SampleProject/Paks"))) << "the checked-in sample stays untouched";
}

TEST(StandInEditorFlowTest, ProjectMadeFromADescriptionGoesAllTheWayToAPak)
{
	UE::StandIn::FTestProject Project;
	Project.WriteFile(TEXT("Quarry.json"), TEXT(R"({ "Assets": [
		{ "Class": "Texture2D", "Package": "/Game/Quarry/T_Rock" },
		{ "Class": "Material", "Package": "/Game/Quarry/M_Rock", "References": [ "/Game/Quarry/T_Rock" ] },
		{ "Class": "StaticMesh", "Package": "/Game/Quarry/SM_Rock", "References": [ "/Game/Quarry/M_Rock" ] },
		{ "Class": "Blueprint", "Package": "/Game/Quarry/BP_Rock", "References": [ "/Game/Quarry/SM_Rock" ] },
		{ "Class": "World", "Package": "/Game/Quarry/L_Quarry", "ExternalActors": [ "/Game/Quarry/BP_Rock" ] },
		{ "Class": "Z4Package", "Package": "/Game/Quarry/QuarryPack", "Name": "Quarry" } ] })"));
	const ProgramTest::FProcessResult Result = RunEditor(Project, {"TestProject.uproject", "-MakeContent=Quarry.json", "-Package=/Game/Quarry/QuarryPack", "-Answer=Restart Required=No", FlowOperations});
	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	ExpectStepsInOrder(Result.Output);
	EXPECT_EQ(Result.Output.find("are outside of this package's directory"), std::string::npos) << "nothing outside the package's folder\n" << Result.Output;
	const std::vector<std::string> Listed = ListedMountPaths(Result.Output);
	for (const char* MountPath : {"../../../QuillonVTT/Content/Quarry/QuarryPack.uasset", "../../../QuillonVTT/Content/Quarry/L_Quarry.umap",
								  "../../../QuillonVTT/Content/Quarry/SM_Rock.uasset", "../../../QuillonVTT/Content/Quarry/M_Rock.uasset",
								  "../../../QuillonVTT/Content/Quarry/T_Rock.ubulk", "../../../QuillonVTT/Content/Quarry/BP_Rock.uasset"})
	{
		EXPECT_TRUE(Lists(Listed, MountPath)) << MountPath << "\n" << Result.Output;
	}
	EXPECT_TRUE(std::filesystem::exists(UE::StandIn::ToUtf8(Project.GetProjectDir() + TEXT("Paks/Quarry.pak"))));
}

TEST(StandInEditorFlowTest, DialogWithoutAnAnswerStopsTheRunInsteadOfGuessing)
{
	FSampleProjectCopy Project;
	const ProgramTest::FProcessResult Result = RunEditor(Project, {"SampleProject.uproject", "-Package=/Game/Tavern/TavernPack", "-Run=AddAllAssets,FindDependencies,MakePakFile"});
	EXPECT_EQ(Result.ExitCode, 5);
	EXPECT_NE(Result.Output.find("Error: A message dialog was shown with no answer for it: \"Message\" (Ok, Cancel): 1 assets are outside of this package's directory."), std::string::npos) << Result.Output;
	EXPECT_FALSE(std::filesystem::exists(UE::StandIn::ToUtf8(Project.GetProjectDir() + TEXT("Paks"))));
}

// The package's own cook (its export set, not the project's cook lists) is enough for its pak.
TEST(StandInEditorFlowTest, CookAssetsCooksWhatThePakNeedsAndRemoveAllAssetsEmptiesThePackage)
{
	FSampleProjectCopy Project;
	const ProgramTest::FProcessResult Result = RunEditor(Project, {"SampleProject.uproject", "-Package=/Game/Tavern/TavernPack", "-Answer=Message=Ok",
																	 "-Run=AddAllAssets,FindDependencies,CookAssets,MakePakFile,RemoveAllAssets"});
	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_NE(Result.Output.find("== Cook Assets ==\n  LogCook: Cook by the book started for Windows"), std::string::npos) << Result.Output;
	EXPECT_EQ(Result.Output.find("has not been cooked"), std::string::npos) << Result.Output;
	EXPECT_NE(Result.Output.find("Notification (success): Pak made: "), std::string::npos) << Result.Output;
	EXPECT_NE(Result.Output.find("Dialog \"Message\" (Ok, Cancel): Really remove all assets from this package?"), std::string::npos) << Result.Output;
	EXPECT_NE(Result.Output.find("  Main assets: 0"), std::string::npos) << Result.Output;
}

// Cooked files carry their package's name: an external actor's package is named by a hash (its actor is
// BP_Crate_C_1), and a blueprint's package also holds its generated class (BP_Crate_C).
TEST(StandInEditorFlowTest, EveryCookedFileOfTheExportSetGoesIntoThePak)
{
	FSampleProjectCopy Project;
	// One Ok for the dialog about the dependency outside the package's folder; a dialog about uncooked files finds no answer.
	const ProgramTest::FProcessResult Result = RunEditor(Project, {"SampleProject.uproject", "-Package=/Game/Tavern/TavernPack", "-Answer=Restart Required=No,Ok", FlowOperations});
	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_EQ(Result.Output.find("has not been cooked"), std::string::npos) << Result.Output;
	const std::vector<std::string> Listed = ListedMountPaths(Result.Output);
	const size_t ExternalActors = std::count_if(Listed.begin(), Listed.end(), [](const std::string& Path) { return Path.find("/__ExternalActors__/Tavern/Maps/L_Cellar/") != std::string::npos && Path.ends_with(".uasset"); });
	EXPECT_EQ(ExternalActors, 3u) << Result.Output;
}

// The sample's one outside dependency, a shared texture, copied into the package before the pak is made: the pak
// carries the copy and not the shared original, and no dialog asks about outside dependencies (none is answered).
TEST(StandInEditorFlowTest, CopyDependenciesBringsTheSharedTextureIntoThePakAsACopy)
{
	FSampleProjectCopy Project;
	const ProgramTest::FProcessResult Result = RunEditor(Project, {"SampleProject.uproject", "-Package=/Game/Tavern/TavernPack", "-Answer=Restart Required=No",
																	 "-Run=AddAllAssets,FindDependencies,CopyDependencies,ApplyCookSettings,CookContent,MakePakFile,LogPakFile"});
	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_NE(Result.Output.find("== Copy Dependencies =="), std::string::npos) << Result.Output;
	EXPECT_EQ(Result.Output.find("are outside of this package's directory"), std::string::npos) << Result.Output;
	const std::vector<std::string> Listed = ListedMountPaths(Result.Output);
	EXPECT_TRUE(Lists(Listed, "../../../QuillonVTT/Content/Tavern/CopiedAssets/Shared/Textures/T_Stone.uasset")) << Result.Output;
	EXPECT_TRUE(std::none_of(Listed.begin(), Listed.end(), [](const std::string& Path) { return Path.find("/Content/Shared/") != std::string::npos; })) << Result.Output;
	EXPECT_NE(Result.Output.find("  Outside the package's folder /Game/Tavern: 0"), std::string::npos) << Result.Output;
}
