// One main asset taken out of a package through its row's "Remove" button in the details panel, by the headless
// editor as a process: the other main assets and the dependencies they share stay, and a new process opening the
// saved package finds the same.
#include "StandInEditorTestSupport.h"

#include <gtest/gtest.h>

using namespace StandInEditorTest;

namespace
{
	// Three meshes; the chair and the table share the wood material, the chair alone uses the cloth.
	void WriteThreeMeshPack(UE::StandIn::FTestProject& Project)
	{
		Project.WriteFile(TEXT("Pack.json"), TEXT(R"({ "Assets": [
			{ "Class": "Texture2D", "Package": "/Game/Pack/T_Wood" },
			{ "Class": "Material", "Package": "/Game/Pack/M_Wood", "References": [ "/Game/Pack/T_Wood" ] },
			{ "Class": "Material", "Package": "/Game/Pack/M_Cloth" },
			{ "Class": "StaticMesh", "Package": "/Game/Pack/SM_Chair", "References": [ "/Game/Pack/M_Wood", "/Game/Pack/M_Cloth" ] },
			{ "Class": "StaticMesh", "Package": "/Game/Pack/SM_Table", "References": [ "/Game/Pack/M_Wood" ] },
			{ "Class": "StaticMesh", "Package": "/Game/Pack/SM_Lamp" },
			{ "Class": "Z4Package", "Package": "/Game/Pack/Furniture", "Name": "Furniture" } ] })"));
	}

	std::string Section(const std::string& Output, const std::string& From, const std::string& To)
	{
		const size_t Start = Output.find(From);
		if (Start == std::string::npos)
		{
			return std::string();
		}
		const size_t End = Output.find(To, Start + From.size());
		return Output.substr(Start, End == std::string::npos ? std::string::npos : End - Start);
	}
}

TEST(StandInEditorRemoveAssetTest, RemoveButtonOfOneRowTakesOnlyThatAssetOut)
{
	UE::StandIn::FTestProject Project;
	WriteThreeMeshPack(Project);
	const ProgramTest::FProcessResult Result = RunEditor(Project, {"TestProject.uproject", "-MakeContent=Pack.json", "-Package=/Game/Pack/Furniture", "-Details",
																	 "-Click=Add All Assets", "-Click=Find Dependencies", "-Click=Remove:/Game/Pack/SM_Chair"});
	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;

	// Each main asset has its row: name and type, package name, and its own button.
	const std::string BeforeRemoval = Section(Result.Output, "== Click \"Find Dependencies\" ==", "== Click \"Remove:/Game/Pack/SM_Chair\" ==");
	for (const char* Shown : {"Chair (StaticMesh)", "/Game/Pack/SM_Chair", "Table (StaticMesh)", "Lamp (StaticMesh)", "[Remove]  Take this asset out of the package; what other main assets use stays.",
							  "Main Assets: 3 | Assets To Cook: 6"})
	{
		EXPECT_NE(BeforeRemoval.find(Shown), std::string::npos) << Shown << "\n" << BeforeRemoval;
	}

	// The click rebuilds the panel without the chair's row; the wood stays for the table, the cloth goes.
	const std::string AfterRemoval = Section(Result.Output, "== Click \"Remove:/Game/Pack/SM_Chair\" ==", "== Summary ==");
	EXPECT_NE(AfterRemoval.find("== Details (rebuilt) =="), std::string::npos) << AfterRemoval;
	EXPECT_EQ(AfterRemoval.find("Chair (StaticMesh)"), std::string::npos) << AfterRemoval;
	EXPECT_NE(AfterRemoval.find("Main Assets: 2 | Assets To Cook: 4"), std::string::npos) << AfterRemoval;

	// A new process reads the same from the saved package.
	const ProgramTest::FProcessResult Reopened = RunEditor(Project, {"TestProject.uproject", "-Package=/Game/Pack/Furniture", "-Run=FindDependencies"});
	ASSERT_EQ(Reopened.ExitCode, 0) << Reopened.Output;
	const std::string Summary = Section(Reopened.Output, "== Summary ==", "  Pak:");
	EXPECT_NE(Summary.find("  Main assets: 2"), std::string::npos) << Summary;
	EXPECT_NE(Summary.find("/Game/Pack/SM_Table"), std::string::npos) << Summary;
	EXPECT_NE(Summary.find("/Game/Pack/SM_Lamp"), std::string::npos) << Summary;
	EXPECT_EQ(Summary.find("/Game/Pack/SM_Chair"), std::string::npos) << Summary;
	EXPECT_NE(Summary.find("  Dependencies: 2"), std::string::npos) << Summary;
}

TEST(StandInEditorRemoveAssetTest, RowThatIsNotShownNamesTheRowsThatAre)
{
	UE::StandIn::FTestProject Project;
	WriteThreeMeshPack(Project);
	const ProgramTest::FProcessResult Result = RunEditor(Project, {"TestProject.uproject", "-MakeContent=Pack.json", "-Package=/Game/Pack/Furniture", "-Details",
																	 "-Click=Add All Assets", "-Click=Remove:/Game/Pack/SM_Sofa"});
	EXPECT_EQ(Result.ExitCode, 2) << Result.Output;
	const std::vector<std::string> Errors = LinesStartingWith(Result.Output, "Error: ");
	ASSERT_EQ(Errors.size(), 1u) << Result.Output;
	EXPECT_NE(Errors[0].find("-Click=\"Remove:/Game/Pack/SM_Sofa\": no row with a \"Remove\" button shows /Game/Pack/SM_Sofa; those rows show: Chair (StaticMesh) /Game/Pack/SM_Chair, "), std::string::npos) << Errors[0];
}
