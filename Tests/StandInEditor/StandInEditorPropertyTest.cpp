// Properties of the package shown, edited by the headless editor as a process through the details panel's property
// handles and saved with Save All: a package made from the new-asset menu gets its public name, and its pak is
// named after it.
#include "StandInEditorTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace StandInEditorTest;

namespace
{
	void WriteChairContent(UE::StandIn::FTestProject& Project)
	{
		Project.WriteFile(TEXT("Chairs.json"), TEXT(R"({ "Assets": [
			{ "Class": "Material", "Package": "/Game/Oak/M_Oak" },
			{ "Class": "StaticMesh", "Package": "/Game/Oak/SM_Chair", "References": [ "/Game/Oak/M_Oak" ] } ] })"));
	}
}

TEST(StandInEditorPropertyTest, PackageFromTheMenuIsNamedSavedAndPackedUnderItsName)
{
	UE::StandIn::FTestProject Project;
	WriteChairContent(Project);
	const ProgramTest::FProcessResult Named = RunEditor(Project, {"TestProject.uproject", "-MakeContent=Chairs.json", "-NewPackage=/Game/Oak/OakPack", "-Package=/Game/Oak/OakPack",
																	"-Details", "-Set=Data.Name=Oak Furniture", "-Set=Data.Version=1.5", "-SaveAll"});
	ASSERT_EQ(Named.ExitCode, 0) << Named.Output;
	for (const char* Shown : {"== Set Data.Name ==\n  Data.Name: None -> Oak Furniture", "  Data.Version: 0.100000 -> 1.500000", "== Save All ==\n  Saved /Game/Oak/OakPack"})
	{
		EXPECT_NE(Named.Output.find(Shown), std::string::npos) << Shown << "\n" << Named.Output;
	}

	// A new process finds the name saved, edits a main asset's row and packs the pak under the name.
	const ProgramTest::FProcessResult Packed = RunEditor(Project, {"TestProject.uproject", "-Package=/Game/Oak/OakPack", "-Details", "-Answer=Restart Required=No",
																	 "-Click=Add All Assets", "-Set=Data.Assets[0].Name=Oak Chair", "-Set=Data.Assets[0].bExclude=true",
																	 "-Set=Data.Assets[0].Tags=(Wood,Seat)", "-SaveAll", "-Click=Apply Cook Settings", "-Run=CookContent", "-Click=Make Pak File"});
	ASSERT_EQ(Packed.ExitCode, 0) << Packed.Output;
	for (const char* Shown : {"Package /Game/Oak/OakPack \"Oak Furniture\"", "  Data.Assets[0].Name: Chair -> Oak Chair", "  Data.Assets[0].bExclude: False -> True",
							  "  Data.Assets[0].Tags: () -> (\"Wood\",\"Seat\")", "Notification (success): Pak made: "})
	{
		EXPECT_NE(Packed.Output.find(Shown), std::string::npos) << Shown << "\n" << Packed.Output;
	}
	EXPECT_TRUE(std::filesystem::exists(UE::StandIn::ToUtf8(Project.GetProjectDir() + TEXT("Paks/OakFurniture.pak")))) << Packed.Output;
	EXPECT_FALSE(std::filesystem::exists(UE::StandIn::ToUtf8(Project.GetProjectDir() + TEXT("Paks/None.pak"))));

	std::ifstream File(UE::StandIn::ToUtf8(Project.GetContentDir() + TEXT("Oak/OakPack.uasset")));
	const std::string Saved((std::istreambuf_iterator<char>(File)), std::istreambuf_iterator<char>());
	for (const char* Value : {"\"Name\": \"Oak Chair\"", "\"bExclude\": true", "\"Seat\""})
	{
		EXPECT_NE(Saved.find(Value), std::string::npos) << Value << "\n" << Saved;
	}
}

TEST(StandInEditorPropertyTest, EditsThePanelDoesNotAllowAreRefusedInOneLine)
{
	const struct
	{
		const char* Set;
		const char* Line;
	} Cases[] = {
		{"-Set=Data.Nmae=Oak", "-Set=Data.Nmae=Oak: the details panel shows no property Nmae in Data; Data shows: PackId, Name, Version, Thumbnail, Assets, Skeletons, Animations"},
		{"-Set=Dta=Oak", "-Set=Dta=Oak: the details panel shows no property Dta; it shows: Data"},
		{"-Set=Data.bIsPakedInSDK=False", "the details panel shows no property bIsPakedInSDK in Data"},
		{"-Set=Data.Assets[0].bExclude=maybe", "'maybe' is not a value of Data.Assets[0].bExclude (bool)"},
		{"-Set=Data.Thumbnail=/Game/Oak/T_Missing", "'/Game/Oak/T_Missing' is not a value of Data.Thumbnail"},
		{"-Set=Data.Assets[4].Name=Oak", "-Set=Data.Assets[4].Name=Oak: Data.Assets has no entry [4]; it has: [0]"},
		{"-Set=Data.Assets=()", "-Set=Data.Assets=(): Data.Assets has a fixed size in the details panel (1 entries): its entries can be changed, not added or removed"},
		{"-Set=Data.Name", "-Set=Data.Name: give a property and its value"},
	};
	for (const auto& Case : Cases)
	{
		UE::StandIn::FTestProject Project;
		WriteChairContent(Project);
		const ProgramTest::FProcessResult Result = RunEditor(Project, {"TestProject.uproject", "-MakeContent=Chairs.json", "-NewPackage=/Game/Oak/OakPack", "-Package=/Game/Oak/OakPack",
																		 "-Details", "-Click=Add All Assets", Case.Set});
		EXPECT_EQ(Result.ExitCode, 2) << Case.Set << "\n" << Result.Output;
		const std::vector<std::string> Errors = LinesStartingWith(Result.Output, "Error: ");
		ASSERT_EQ(Errors.size(), 1u) << Case.Set << "\n" << Result.Output;
		EXPECT_NE(Errors[0].find(Case.Line), std::string::npos) << Case.Set << "\n" << Errors[0];
	}
}

// A name that is no file name gets no pak: the summary says so instead of naming a path nothing wrote.
TEST(StandInEditorPropertyTest, SummaryOfAPackageWhoseNameMakesNoPakSaysWhy)
{
	UE::StandIn::FTestProject Project;
	WriteChairContent(Project);
	const ProgramTest::FProcessResult Result = RunEditor(Project, {"TestProject.uproject", "-MakeContent=Chairs.json", "-NewPackage=/Game/Oak/OakPack", "-Package=/Game/Oak/OakPack",
																	 "-Details", "-Set=Data.Name=../evil", "-Answer=Ok", "-Run=MakePakFile"});
	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_NE(Result.Output.find("Dialog \"Message\" (Ok): The pak cannot be named \"../evil\""), std::string::npos) << Result.Output;
	EXPECT_NE(Result.Output.find("  Pak: not made: the package's name \"../evil\" is no file name (Make Pak File refuses it)\n"), std::string::npos) << Result.Output;
	EXPECT_EQ(Result.Output.find("evil.pak"), std::string::npos) << Result.Output;
}
