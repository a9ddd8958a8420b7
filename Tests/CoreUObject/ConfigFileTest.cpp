#include "Settings/ProjectPackagingSettings.h"
#include "StandIn/LogCapture.h"
#include "StandIn/StringConv.h"
#include "StandIn/TestProject.h"
#include <gtest/gtest.h>

using namespace UE::StandIn;

namespace
{
	std::string MapsToCookOf(const FString& SectionLines)
	{
		FTestProject Project;
		Project.WriteFile(TEXT("Config/DefaultGame.ini"), SectionLines);
		FStandInEngine Engine(Project);
		std::string Maps;
		for (const FFilePath& Map : GetDefault<UProjectPackagingSettings>()->MapsToCook)
		{
			Maps += ToUtf8(Map.FilePath) + ";";
		}
		return Maps;
	}
}

TEST(ConfigFileTest, ArrayLinesFollowTheEngineOperators)
{
	const struct
	{
		const TCHAR* Ini;
		const char* Expected;
	} Cases[] = {
		{TEXT("[/Script/UnrealEd.ProjectPackagingSettings]\n+MapsToCook=(FilePath=\"/Game/A\")\n+MapsToCook=(FilePath=\"/Game/B\")\n+MapsToCook=(FilePath=\"/Game/A\")\n"), "/Game/A;/Game/B;"},
		{TEXT("[/Script/UnrealEd.ProjectPackagingSettings]\n.MapsToCook=(FilePath=\"/Game/A\")\n.MapsToCook=(FilePath=\"/Game/A\")\n"), "/Game/A;/Game/A;"},
		{TEXT("[/Script/UnrealEd.ProjectPackagingSettings]\n+MapsToCook=(FilePath=\"/Game/A\")\n+MapsToCook=(FilePath=\"/Game/B\")\n-MapsToCook=(FilePath=\"/Game/A\")\n"), "/Game/B;"},
		{TEXT("[/Script/UnrealEd.ProjectPackagingSettings]\n+MapsToCook=(FilePath=\"/Game/A\")\n!MapsToCook=ClearArray\n+MapsToCook=(FilePath=\"/Game/C\")\n"), "/Game/C;"},
		{TEXT("[/script/unrealed.projectpackagingsettings]\n  +mapstocook = ( FilePath = \"/Game/A\" , Unknown=(1,\"x)\") )\n"), "/Game/A;"},
		{TEXT("[/Script/UnrealEd.ProjectPackagingSettings]\n+MapsToCook=(FilePath=\"/Game/With, comma \\\"quoted\\\"\")\n"), "/Game/With, comma \"quoted\";"},
		{TEXT("[/Script/Other.Section]\n+MapsToCook=(FilePath=\"/Game/A\")\n[/Script/UnrealEd.ProjectPackagingSettings]\n; +MapsToCook=(FilePath=\"/Game/Comment\")\n"), ""},
	};
	for (const auto& Case : Cases)
	{
		EXPECT_EQ(MapsToCookOf(Case.Ini), Case.Expected) << ToUtf8(Case.Ini);
	}
}

TEST(ConfigFileTest, ValueThatDoesNotFitIsLeftOutWithAWarning)
{
	FLogCapture Log;
	EXPECT_EQ(MapsToCookOf(TEXT("[/Script/UnrealEd.ProjectPackagingSettings]\n+MapsToCook=/Game/NotAStruct\n+MapsToCook=(FilePath=\"/Game/A\")\nbUseZenStore=Perhaps\n")), "/Game/A;");
	EXPECT_EQ(Log.Count(TEXT("LogConfig"), ELogVerbosity::Warning), 2);
	EXPECT_TRUE(Log.Contains(TEXT("LogConfig"), ELogVerbosity::Warning, TEXT("MapsToCook=/Game/NotAStruct")));
}
