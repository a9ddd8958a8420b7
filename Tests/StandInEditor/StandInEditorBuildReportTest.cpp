// The build report of the sample's pak, written by the headless editor's flow, checked against the pak tool's own
// listing; then the next paks of the same package, unchanged and with one texture changed.
#include "StandInEditorTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <regex>

using namespace StandInEditorTest;

namespace
{
	struct FListedEntry
	{
		uint64_t Size = 0;
		std::string Sha1;
	};

	std::map<std::string, FListedEntry> ListPak(const std::filesystem::path& Pak)
	{
		const ProgramTest::FProcessResult Listed = ProgramTest::RunProcess(ProgramTest::UnrealPakPath(), {Pak.string(), "-list"}, Pak.parent_path());
		EXPECT_EQ(Listed.ExitCode, 0) << Listed.Output;
		static const std::regex EntryLine(R"re(LogPakFile: Display: "([^"]+)" offset: \d+, size: (\d+) bytes, compressed: \d+ bytes, sha1: ([0-9A-F]{40}),)re");
		std::map<std::string, FListedEntry> Entries;
		for (auto It = std::sregex_iterator(Listed.Output.begin(), Listed.Output.end(), EntryLine); It != std::sregex_iterator(); ++It)
		{
			Entries[(*It)[1]] = {std::stoull((*It)[2]), (*It)[3]};
		}
		return Entries;
	}

	nlohmann::json ReadReport(const std::filesystem::path& Path)
	{
		return nlohmann::json::parse(ProgramTest::ReadFile(Path));
	}
}

TEST(StandInEditorBuildReportTest, SamplePakIsExplainedFileByFileAndTheNextPaksSayWhatChanged)
{
	FSampleProjectCopy Project;
	const std::filesystem::path Pak = UE::StandIn::ToUtf8(Project.GetProjectDir() + TEXT("Paks/TavernPack.pak"));
	const std::filesystem::path ReportPath = UE::StandIn::ToUtf8(Project.GetProjectDir() + TEXT("Paks/TavernPack.json"));
	const ProgramTest::FProcessResult First = RunEditor(Project, {"SampleProject.uproject", "-Package=/Game/Tavern/TavernPack", "-Answer=Restart Required=No,Message=Ok",
																	"-Run=AddAllAssets,FindDependencies,ApplyCookSettings,CookContent,MakePakFile"});
	ASSERT_EQ(First.ExitCode, 0) << First.Output;
	EXPECT_NE(First.Output.find("  Build report: " + ReportPath.string() + " (not compared with an earlier pak)"), std::string::npos) << First.Output;

	// Every file of the listing, with the listing's size and hash; a main asset's bytes are those of the files that
	// name it, and the total counts every file once.
	const nlohmann::json Report = ReadReport(ReportPath);
	const std::map<std::string, FListedEntry> Listed = ListPak(Pak);
	ASSERT_EQ(Report["files"].size(), Listed.size());
	std::map<std::string, uint64_t> BytesOfMainAsset;
	uint64_t TotalBytes = 0;
	for (const nlohmann::json& File : Report["files"])
	{
		const std::string MountPath = File["mountPath"];
		SCOPED_TRACE(MountPath);
		ASSERT_EQ(Listed.count(MountPath), 1u);
		EXPECT_EQ(File["size"].get<uint64_t>(), Listed.at(MountPath).Size);
		EXPECT_EQ(File["sha1"].get<std::string>(), Listed.at(MountPath).Sha1);
		for (const nlohmann::json& MainAsset : File["mainAssets"])
		{
			BytesOfMainAsset[MainAsset] += File["size"].get<uint64_t>();
		}
		TotalBytes += File["size"].get<uint64_t>();
	}
	EXPECT_EQ(Report["mainAssets"].size(), 10u);
	for (const nlohmann::json& MainAsset : Report["mainAssets"])
	{
		EXPECT_EQ(MainAsset["bytes"].get<uint64_t>(), BytesOfMainAsset[MainAsset["name"]]) << MainAsset["name"];
		EXPECT_GT(MainAsset["packages"].get<int>(), 0) << MainAsset["name"];
	}
	EXPECT_EQ(Report["total"]["bytes"].get<uint64_t>(), TotalBytes);
	EXPECT_EQ(Report["outsideDependencies"], nlohmann::json::array({"/Game/Shared/Textures/T_Stone"}));

	const ProgramTest::FProcessResult Again = RunEditor(Project, {"SampleProject.uproject", "-Package=/Game/Tavern/TavernPack", "-Answer=Message=Ok", "-Run=MakePakFile"});
	ASSERT_EQ(Again.ExitCode, 0) << Again.Output;
	EXPECT_NE(Again.Output.find("    No change since the last pak"), std::string::npos) << Again.Output;
	EXPECT_NE(Again.Output.find("  Build report: " + ReportPath.string() + " (No change since the last pak)"), std::string::npos) << Again.Output;

	// The wood texture given the cloth's picture and cooked again: its files, and only they, changed.
	const std::filesystem::path Textures = UE::StandIn::ToUtf8(Project.GetProjectDir() + TEXT("Content/Tavern/Textures/"));
	nlohmann::json Wood = nlohmann::json::parse(ProgramTest::ReadFile(Textures / "T_Wood.uasset"));
	const nlohmann::json Cloth = nlohmann::json::parse(ProgramTest::ReadFile(Textures / "T_Cloth.uasset"));
	Wood["Objects"][0]["Properties"]["Source"]["BulkData"] = Cloth["Objects"][0]["Properties"]["Source"]["BulkData"];
	ProgramTest::WriteFile(Textures / "T_Wood.uasset", Wood.dump(1, '\t'));
	const ProgramTest::FProcessResult Changed = RunEditor(Project, {"SampleProject.uproject", "-Package=/Game/Tavern/TavernPack", "-Answer=Message=Ok", "-Run=CookContent,MakePakFile"});
	ASSERT_EQ(Changed.ExitCode, 0) << Changed.Output;
	// Exactly the files whose listed hash differs from the first pak's, and each of them the texture's.
	const nlohmann::json Changes = ReadReport(ReportPath)["changes"];
	std::vector<std::string> ListedAsChanged;
	for (const auto& [MountPath, Entry] : ListPak(Pak))
	{
		if (Listed.count(MountPath) == 1 && Listed.at(MountPath).Sha1 != Entry.Sha1)
		{
			ListedAsChanged.push_back(MountPath);
			EXPECT_TRUE(MountPath.starts_with("../../../QuillonVTT/Content/Tavern/Textures/T_Wood.")) << MountPath;
		}
	}
	ASSERT_FALSE(ListedAsChanged.empty());
	EXPECT_EQ(Changes["changed"], nlohmann::json(ListedAsChanged)) << Changed.Output;
	EXPECT_EQ(Changes["added"], nlohmann::json::array());
	EXPECT_EQ(Changes["removed"], nlohmann::json::array());
	EXPECT_NE(Changed.Output.find("+0 files, \u22120, " + std::to_string(ListedAsChanged.size()) + " changed, "), std::string::npos) << Changed.Output;
}
