// The headless editor given something it cannot use: one line naming the problem and a non-zero exit.
#include "StandInEditorTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

using namespace StandInEditorTest;

namespace
{
	void RemovePlugin(UE::StandIn::FTestProject& Project)
	{
		std::filesystem::remove_all(UE::StandIn::ToUtf8(Project.GetPluginDir()));
	}
}

TEST(StandInEditorBadInputTest, EachProblemGivesOneLineNamingItAndANonZeroExit)
{
	const struct
	{
		const char* Case;
		std::function<void(UE::StandIn::FTestProject&)> Prepare;
		std::vector<std::string> Arguments;
		int ExitCode;
		const char* Line;
	} Cases[] = {
		{"no project", nullptr, {"-Package=/Game/Tavern/TavernPack"}, 2, "no project given"},
		{"wrong project path", nullptr, {"Missing/Missing.uproject"}, 1, "Missing/Missing.uproject: there is no such file"},
		{"not a project file", nullptr, {"Content/Tavern/TavernPack.uasset"}, 1, "TavernPack.uasset: it is not a .uproject file"},
		{"plug-in not installed", RemovePlugin, {"SampleProject.uproject"}, 1, "The plug-in QuillonSDKBase is not installed in this project: QuillonSDKBase.uplugin is missing from "},
		{"unknown package", nullptr, {"SampleProject.uproject", "-Package=/Game/Tavern/Missing"}, 1, "There is no package /Game/Tavern/Missing in this project"},
		{"not a package asset", nullptr, {"SampleProject.uproject", "-Package=/Game/Tavern/Meshes/SM_Table"}, 1, "/Game/Tavern/Meshes/SM_Table is a StaticMesh, not a package asset"},
		{"damaged package file",
		 [](UE::StandIn::FTestProject& Project) { Project.WriteFile(TEXT("Content/Tavern/TavernPack.uasset"), TEXT("{\"Format\": \"UnrealStandInPackage\", \"Objects\": [")); },
		 {"SampleProject.uproject", "-Package=/Game/Tavern/TavernPack"}, 1, "Cannot open the package /Game/Tavern/TavernPack: Failed to load '"},
		{"unknown operation", nullptr, {"SampleProject.uproject", "-Package=/Game/Tavern/TavernPack", "-Run=MakePak"}, 2, "unknown operation 'MakePak' in -Run; the operations are: "},
		{"unknown option", nullptr, {"SampleProject.uproject", "-Pakage=/Game/Tavern/TavernPack"}, 2, "unknown option -Pakage=/Game/Tavern/TavernPack"},
		{"answer that is no button", nullptr, {"SampleProject.uproject", "-Answer=Maybe"}, 2, "-Answer: 'Maybe' is not a dialog button"},
		{"description that is not JSON",
		 [](UE::StandIn::FTestProject& Project) { Project.WriteFile(TEXT("Bad.json"), TEXT("{ \"Assets\": [ { \"Class\": \"StaticMesh\", } ] }")); },
		 {"SampleProject.uproject", "-MakeContent=Bad.json"}, 1, "Bad.json: it is not valid JSON: parse error at line 1, column "},
		{"description with a misspelt key",
		 [](UE::StandIn::FTestProject& Project) { Project.WriteFile(TEXT("Bad.json"), TEXT("{ \"Assets\": [ { \"Class\": \"StaticMesh\", \"Package\": \"/Game/New/SM_A\", \"Refrences\": [] } ] }")); },
		 {"SampleProject.uproject", "-MakeContent=Bad.json"}, 1, "entry 1 (/Game/New/SM_A): unknown key \"Refrences\""},
		{"description with a reference of the wrong kind",
		 [](UE::StandIn::FTestProject& Project) { Project.WriteFile(TEXT("Bad.json"), TEXT("{ \"Assets\": [ { \"Class\": \"StaticMesh\", \"Package\": \"/Game/New/SM_A\", \"References\": [ \"/Game/Tavern/Textures/T_Wood\" ] } ] }")); },
		 {"SampleProject.uproject", "-MakeContent=Bad.json"}, 1, "entry 1 (/Game/New/SM_A): a StaticMesh refers to materials here, and /Game/Tavern/Textures/T_Wood is a Texture2D"},
		{"description that would replace an asset",
		 [](UE::StandIn::FTestProject& Project) { Project.WriteFile(TEXT("Bad.json"), TEXT("{ \"Assets\": [ { \"Class\": \"Texture2D\", \"Package\": \"/Game/New/T_New\" }, { \"Class\": \"Texture2D\", \"Package\": \"/Game/Tavern/Textures/T_Wood\" } ] }")); },
		 {"SampleProject.uproject", "-MakeContent=Bad.json"}, 1, "entry 2 (/Game/Tavern/Textures/T_Wood): the package exists already"},
		{"button the panel does not show", nullptr, {"SampleProject.uproject", "-Package=/Game/Tavern/TavernPack", "-Details", "-Click=Make Pak"}, 2,
		 "-Click=\"Make Pak\": the panel shows no button with this label; it shows: Add All Assets, Remove All Assets, Find Dependencies, Apply Cook Settings, Make Pak File, Log Pak File"},
		{"panel action without the panel", nullptr, {"SampleProject.uproject", "-Package=/Game/Tavern/TavernPack", "-Click=Make Pak File"}, 2, "act on the details panel: open it with -Details"},
		{"property edit without the panel", nullptr, {"SampleProject.uproject", "-Package=/Game/Tavern/TavernPack", "-Set=Data.Name=Inn"}, 2, "act on the details panel: open it with -Details"},
		{"new package that exists", nullptr, {"SampleProject.uproject", "-NewPackage=/Game/Tavern/TavernPack"}, 1, "the package exists already"},
		{"remove button of a row not shown", nullptr, {"SampleProject.uproject", "-Package=/Game/Tavern/TavernPack", "-Details", "-Click=Remove:/Game/Tavern/Meshes/SM_Sofa"}, 2,
		 "-Click=\"Remove:/Game/Tavern/Meshes/SM_Sofa\": the panel shows no row with a \"Remove\" button"},
		{"unknown property", nullptr, {"SampleProject.uproject", "-Package=/Game/Tavern/TavernPack", "-Details", "-Set=Data.Nmae=Inn"}, 2,
		 "-Set=Data.Nmae=Inn: the details panel shows no property Nmae in Data; Data shows: PackId, Name, Version, Thumbnail, Assets, Skeletons, Animations"},
		{"value not of the property's type", nullptr, {"SampleProject.uproject", "-Package=/Game/Tavern/TavernPack", "-Details", "-Set=Data.Version=one"}, 2,
		 "-Set=Data.Version=one: 'one' is not a value of Data.Version (float)"},
		{"read-only property", nullptr, {"SampleProject.uproject", "-Level=/Game/Tavern/Maps/L_Tavern", "-Place=Quillon/Recommended Settings", "-Select=Recommended Settings", "-Set=Settings=r.BloomQuality 0"}, 2,
		 "-Set=Settings=r.BloomQuality 0: Settings is read-only in the details panel"},
		{"unknown level", nullptr, {"SampleProject.uproject", "-Level=/Game/Tavern/Maps/L_Attic"}, 1, "-Level=/Game/Tavern/Maps/L_Attic: there is no level /Game/Tavern/Maps/L_Attic in this project"},
		{"unknown actor label", nullptr, {"SampleProject.uproject", "-Level=/Game/Tavern/Maps/L_Tavern", "-Select=Barkeeper"}, 2,
		 "-Select=\"Barkeeper\": the level has no actor with this label; it has: BP_Torch_C_0, BP_Torch_C_1, BP_Crate_C_0"},
		{"unknown placement item", nullptr, {"SampleProject.uproject", "-Level=/Game/Tavern/Maps/L_Tavern", "-Place=Quillon/Fog"}, 2,
		 "-Place=\"Quillon/Fog\": the placement mode has no such item; it has: Quillon/Recommended Settings"},
		{"level action without a level", nullptr, {"SampleProject.uproject", "-Select=Recommended Settings"}, 2, "-Select=\"Recommended Settings\" acts on a level: open one first with -Level="},
		{"surface the editor does not draw", nullptr, {"SampleProject.uproject", "-Show=Outliner"}, 2, "-Show=Outliner: the editor shows ContentBrowser:/Game/<folder>, NewAssetMenu or Placement"},
	};
	for (const auto& Case : Cases)
	{
		FSampleProjectCopy Project;
		if (Case.Prepare)
		{
			Case.Prepare(Project);
		}
		const ProgramTest::FProcessResult Result = RunEditor(Project, Case.Arguments);
		EXPECT_EQ(Result.ExitCode, Case.ExitCode) << Case.Case << "\n" << Result.Output;
		const std::vector<std::string> Errors = LinesStartingWith(Result.Output, "Error: ");
		ASSERT_EQ(Errors.size(), 1u) << Case.Case << "\n" << Result.Output;
		EXPECT_NE(Errors[0].find(Case.Line), std::string::npos) << Case.Case << "\n" << Errors[0];
		EXPECT_EQ(Result.Output.find("Assertion failed"), std::string::npos) << Case.Case;
		EXPECT_FALSE(std::filesystem::exists(UE::StandIn::ToUtf8(Project.GetContentDir() + TEXT("New")))) << Case.Case << ": a refused description writes nothing";
	}
}

TEST(StandInEditorBadInputTest, HelpExplainsTheEditorInOneScreen)
{
	UE::StandIn::FTestProject Project;
	const ProgramTest::FProcessResult Result = RunEditor(Project, {"-help"});
	EXPECT_EQ(Result.ExitCode, 0);
	EXPECT_LE(std::count(Result.Output.begin(), Result.Output.end(), '\n'), 40) << Result.Output;
	for (const char* Option : {"-Package=", "-Run=", "-Details", "-Click=", "Remove:", "-Pick=", "-Search=", "-Set=", "-SaveAll", "-Level=", "-Place=", "-Select=", "-SaveLevel", "-Console=",
							   "-Show=", "-ReloadPlugin", "-Answer=", "-NewPackage=", "-MakeContent=", "-Verbose", "ApplyRecommendedSettings",
							   "Docs/ContentDescription.md", "Exit codes", "3 a step failed", "4 an error was logged", "5 a dialog had no answer",
							   "AddAllAssets", "RemoveAllAssets", "FindDependencies", "CopyDependencies", "ApplyCookSettings", "CookContent", "CookAssets", "MakePakFile", "LogPakFile"})
	{
		EXPECT_NE(Result.Output.find(Option), std::string::npos) << Option;
	}
	for (const std::string& Line : LinesStartingWith(Result.Output, ""))
	{
		EXPECT_LE(Line.size(), 100u) << Line;
	}
}
