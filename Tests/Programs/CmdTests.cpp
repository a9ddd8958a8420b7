// The stand-in cmd.exe run as a process: the quote rule of /c and /k, command chains, built-ins, and
// the command line "Log Pak File" starts.
#include "ProgramTestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace ProgramTest;

namespace
{
	constexpr const char* NotRecognized = " is not recognized as an internal or external command,\n"
										  "operable program or batch file.\n";

	class FCmdTest : public testing::Test
	{
	protected:
		void SetUp() override
		{
			// Prints each argument on its own line between brackets, then fails with 7.
			const std::filesystem::path Script = Root.Path() / "My Tools" / "show args";
			WriteFile(Script, "#!/bin/sh\nfor Arg in \"$@\"; do printf '[%s]\\n' \"$Arg\"; done\nexit 7\n");
			chmod(Script.c_str(), 0755);
		}

		// cmd.exe gets everything after its name as one argument, as a Windows program reads its
		// command line.
		FProcessResult RunCmd(const std::string& CommandLine) const
		{
			return RunProcess(CmdPath(), {CommandLine}, Root.Path());
		}

		FTempFolder Root;
	};
}

TEST_F(FCmdTest, RunsCommandLinesAsTheWindowsConsoleDoes)
{
	struct FCase
	{
		const char* CommandLine;
		std::string ExpectedOutput;
		int ExpectedExitCode;
	};
	const std::vector<FCase> Cases = {
		{"/c echo hello", "hello\n", 0},
		// Outer quotes go; echo keeps the blank before "&".
		{"/c \"echo one & echo two\"", "one \ntwo\n", 0},
		{"/c \"\"My Tools/show args\" one \"two three\"\"", "[one]\n[two three]\n", 7},
		// Only the first and the last quote go; text after the last quote stays.
		{"/c \"\"My Tools/show args\" \"a b\"\" tail", "[a b]\n[tail]\n", 7},
		// Exactly two quotes around an executable path with a blank: the quotes stay.
		{"/c \"My Tools/show args\"", "", 7},
		{"/c \"My Tools/show args\" x", "[x]\n", 7},
		// Two quotes around what is not an executable: stripped, so the line is "no such x".
		{"/c \"no such\" x", std::string("'no'") + NotRecognized, 127},
		// Not a quote first: nothing is stripped.
		{"/c echo x & \"My Tools/show args\" \"a \"\"b\"\" c\" d\\e", "x \n[a \"b\" c]\n[d\\e]\n", 7},
		{"/c missing-program || echo fallback", std::string("'missing-program'") + NotRecognized + "fallback\n", 127},
		{"/c echo first && missing-program && echo never", std::string("first \n'missing-program'") + NotRecognized,
		 127},
		{"/c \"My Tools/show args\" && echo never || echo after", "after\n", 7},
		{"/c exit 3 & echo never", "", 3},
		{"/c echo a ^& b", "a & b\n", 0},
		{"/c pause", "Press any key to continue . . . \n", 0},
		// /k without a terminal: nobody can type more commands, so the console ends.
		{"/k echo kept", "kept\n", 0},
	};
	for (const FCase& Case : Cases)
	{
		const FProcessResult Result = RunCmd(Case.CommandLine);
		EXPECT_EQ(Result.Output, Case.ExpectedOutput) << Case.CommandLine;
		EXPECT_EQ(Result.ExitCode, Case.ExpectedExitCode) << Case.CommandLine;
	}
}

TEST_F(FCmdTest, ListsAPakWithTheCommandLineOfLogPakFile)
{
	WriteFile(Root.Path() / "Src/SM_Rock.uasset", CompressibleBytes(10000, 5));
	WriteFile(Root.Path() / "Manifest.txt", "Src/SM_Rock.uasset ../../../QuillonVTT/Content/Pack/SM_Rock.uasset\n");
	const std::filesystem::path Pak = Root.Path() / "My Project/Paks/MyPack.pak";
	ASSERT_EQ(RunProcess(UnrealPakPath(), {Pak.string(), "-create=Manifest.txt", "-compress"}, Root.Path()).ExitCode,
			  0);

	const std::string CommandLine =
		"/k \"" + UnrealPakPath().string() + " \"" + Pak.string() + "\" -list -log & pause\"";
	const FProcessResult Result = RunProcess(CmdPath(), {CommandLine}, CmdPath().parent_path());

	EXPECT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_NE(Result.Output.find("\"../../../QuillonVTT/Content/Pack/SM_Rock.uasset\" offset: 16, size: 10000 bytes"),
			  std::string::npos)
		<< Result.Output;
	EXPECT_NE(Result.Output.find("1 files (10000 bytes)"), std::string::npos) << Result.Output;
	const std::string Pause = "Press any key to continue . . . \n";
	ASSERT_GE(Result.Output.size(), Pause.size());
	EXPECT_EQ(Result.Output.substr(Result.Output.size() - Pause.size()), Pause);
}

TEST_F(FCmdTest, ConsoleShowsTheToolsErrorAndItsExitCode)
{
	const std::string CommandLine =
		"/k \"" + UnrealPakPath().string() + " \"" + (Root.Path() / "No Such.pak").string() + "\" -list -log & pause\"";
	const FProcessResult Result = RunProcess(CmdPath(), {CommandLine}, Root.Path());

	// pause leaves the error level of the tool, as on Windows.
	EXPECT_EQ(Result.ExitCode, 1);
	EXPECT_NE(Result.Output.find("No Such.pak\": No such file or directory"), std::string::npos) << Result.Output;
	EXPECT_NE(Result.Output.find("Press any key to continue . . . "), std::string::npos) << Result.Output;
}
