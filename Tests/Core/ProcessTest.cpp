// Starting programs as the editor does on Windows, reading their output through pipes, and the core ticker.
#include "CoreMinimal.h"
#include "Containers/Ticker.h"
#include "CoreTestPrinters.h"
#include "HAL/PlatformMisc.h"
#include "HAL/PlatformProcess.h"
#include "StandIn/EnginePaths.h"
#include "StandIn/ProcessLog.h"
#include "StandIn/StringConv.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sys/stat.h>
#include <thread>

using UE::StandIn::FProcessLaunch;
using UE::StandIn::FProcessLog;

namespace
{
	struct FRunResult
	{
		bool bStarted = false;
		int32 ReturnCode = -1;
		FString Output;
	};

	// Starts a program with its output in a pipe, reads until it ends, as a caller ticking on it would.
	FRunResult RunWithPipe(const TCHAR* Program, const TCHAR* Arguments, const TCHAR* WorkingFolder = nullptr)
	{
		FRunResult Result;
		void* ReadPipe = nullptr;
		void* WritePipe = nullptr;
		EXPECT_TRUE(FPlatformProcess::CreatePipe(ReadPipe, WritePipe));
		FProcHandle Handle =
			FPlatformProcess::CreateProc(Program, Arguments, false, true, true, nullptr, 0, WorkingFolder, WritePipe, nullptr);
		Result.bStarted = Handle.IsValid();
		TArray<uint8> Bytes;
		while (Result.bStarted)
		{
			const bool bRunning = FPlatformProcess::IsProcRunning(Handle);
			TArray<uint8> Chunk;
			FPlatformProcess::ReadPipeToArray(ReadPipe, Chunk);
			Bytes.Append(Chunk);
			if (!bRunning)
			{
				break;
			}
			std::this_thread::sleep_for(std::chrono::milliseconds(2));
		}
		if (Result.bStarted)
		{
			EXPECT_TRUE(FPlatformProcess::GetProcReturnCode(Handle, &Result.ReturnCode));
			FPlatformProcess::CloseProc(Handle);
		}
		FPlatformProcess::ClosePipe(ReadPipe, WritePipe);
		Result.Output = UE::StandIn::FromUtf8(std::string_view(reinterpret_cast<const char*>(Bytes.GetData()), Bytes.Num()));
		return Result;
	}

	class FTempDir
	{
	public:
		FTempDir() : Path(std::filesystem::temp_directory_path() / ("quillon-process-" + std::to_string(std::random_device()())))
		{
			std::filesystem::create_directories(Path);
		}
		~FTempDir() { std::filesystem::remove_all(Path); }

		FString Get() const { return UE::StandIn::FromUtf8(Path.string()); }

		std::filesystem::path Path;
	};
}

TEST(ProcessTest, ProgramsOtherThanTheConsoleGetTheirArgumentsSplitByTheWindowsRules)
{
	struct FCase
	{
		const TCHAR* CommandLine;
		const TCHAR* Expected;
	};
	const FCase Cases[] = {
		{TEXT("a  b\tc"), TEXT("[a][b][c]")},
		{TEXT("\"a b\" c"), TEXT("[a b][c]")},
		{TEXT("-create=\"C:/Unreal Projects/Manifest.txt\""), TEXT("[-create=C:/Unreal Projects/Manifest.txt]")},
		{TEXT("\"a\"\"b\" c"), TEXT("[a\"b][c]")},
		{TEXT("a\\\"b"), TEXT("[a\"b]")},
		{TEXT("a\\\\\"b c\""), TEXT("[a\\b c]")},
		{TEXT("a\\\\b"), TEXT("[a\\\\b]")},
		{TEXT("\"\" x"), TEXT("[][x]")},
	};
	for (const FCase& Case : Cases)
	{
		// printf repeats its format for every argument; the bare name is found on PATH.
		const FRunResult Result = RunWithPipe(TEXT("printf"), *(FString(TEXT("[%s] ")) + Case.CommandLine));
		ASSERT_TRUE(Result.bStarted);
		EXPECT_EQ(Result.ReturnCode, 0);
		EXPECT_EQ(Result.Output, Case.Expected) << Case.CommandLine;
	}
}

TEST(ProcessTest, ConsoleGetsItsWholeCommandLineAsOneString)
{
	UE::StandIn::SetWindowsDir(UE::StandIn::FromUtf8(STANDIN_WINDOWS_DIR));
	// Split and joined again, the two spaces and the quotes would be lost.
	const FRunResult Result = RunWithPipe(TEXT("cmd.exe"), TEXT("/c echo \"a  b\""));
	ASSERT_TRUE(Result.bStarted) << "cmd.exe is found in <WINDIR>/System32";
	EXPECT_EQ(Result.Output, TEXT("\"a  b\"\n"));
}

TEST(ProcessTest, FindsProgramsWhereWindowsLooksAndStartsThemInTheirOwnWorkingFolder)
{
	FTempDir Folder;
	const std::filesystem::path Tool = Folder.Path / "tool.exe";
	std::ofstream(Tool) << "#!/bin/sh\npwd\nexit 3\n";
	chmod(Tool.c_str(), 0755);

	FProcessLog Log;
	const FRunResult Absolute = RunWithPipe(*UE::StandIn::FromUtf8(Tool.string()), TEXT(""), *Folder.Get());
	ASSERT_TRUE(Absolute.bStarted);
	EXPECT_EQ(Absolute.ReturnCode, 3);
	EXPECT_EQ(Absolute.Output, Folder.Get() + TEXT("\n")) << "the child runs in the working folder it was given";

	// A bare name is not looked for in the new process's working folder, as with CreateProcess.
	EXPECT_FALSE(RunWithPipe(TEXT("tool.exe"), TEXT(""), *Folder.Get()).bStarted);
	// The engine's own programs sit beside the running program; ".exe" is added to a bare name.
	EXPECT_TRUE(RunWithPipe(TEXT("UnrealPak"), TEXT("-list"), *Folder.Get()).bStarted);

	const TArray<FProcessLaunch> Launches = Log.GetLaunches();
	ASSERT_EQ(Launches.Num(), 3);
	EXPECT_EQ(Launches[0].WorkingDirectory, Folder.Get());
	EXPECT_NE(Launches[0].ProcessId, 0u);
	EXPECT_EQ(Launches[1].Program, TEXT("tool.exe"));
	EXPECT_EQ(Launches[1].ResolvedProgram, TEXT(""));
	EXPECT_EQ(Launches[1].ProcessId, 0u);
	EXPECT_EQ(Launches[2].ResolvedProgram, UE::StandIn::FromUtf8(STANDIN_BINARIES_DIR) + TEXT("/UnrealPak.exe"));
	EXPECT_EQ(Launches[2].Arguments, TEXT("-list"));

	// Recorded but not started, for measuring a caller without its programs.
	Log.SetStartPrograms(false);
	EXPECT_FALSE(RunWithPipe(TEXT("printf"), TEXT("x")).bStarted);
	ASSERT_EQ(Log.GetLaunches().Num(), 4);
	EXPECT_TRUE(Log.GetLaunches()[3].ResolvedProgram.EndsWith(TEXT("/printf")));
	EXPECT_EQ(Log.GetLaunches()[3].ProcessId, 0u);
}

TEST(ProcessTest, ReturnCodeIsKnownOnlyOnceTheProcessEndsEvenAfterItsHandleIsClosed)
{
	FTempDir Folder;
	const FString Gate = Folder.Get() + TEXT("/go");
	FProcessLog Log;
	Log.SetConsoleFile(Folder.Get() + TEXT("/console.txt"));
	FProcHandle Handle = FPlatformProcess::CreateProc(TEXT("/bin/sh"),
		*FString::Printf(TEXT("-c \"while [ ! -e '%s' ]; do sleep 0.01; done; echo done; exit 5\""), *Gate), false, false,
		false, nullptr, 0, nullptr, nullptr);
	ASSERT_TRUE(Handle.IsValid());
	int32 ReturnCode = -1;
	EXPECT_TRUE(FPlatformProcess::IsProcRunning(Handle));
	EXPECT_FALSE(FPlatformProcess::GetProcReturnCode(Handle, &ReturnCode));

	FPlatformProcess::CloseProc(Handle);
	EXPECT_FALSE(Handle.IsValid());
	std::ofstream(UE::StandIn::ToUtf8(Gate)) << "";
	EXPECT_EQ(Log.WaitForExit(0, 10.0), TOptional<int32>(5));
	std::ifstream Console(UE::StandIn::ToUtf8(Folder.Get() + TEXT("/console.txt")));
	std::string Line;
	std::getline(Console, Line);
	EXPECT_EQ(Line, "done") << "output without a pipe goes to the console file";
}

TEST(TickerTest, FiresDueTickersOnLaterTicksUntilTheyEndOrAreRemoved)
{
	FTSTicker Ticker;
	TArray<FString> Fired;
	int32 Repeats = 0;
	Ticker.AddTicker(TEXT("Once"), 0.0f, [&Fired](float) { Fired.Add(TEXT("Once")); return false; });
	Ticker.AddTicker(TEXT("Delayed"), 1.0f, [&Fired](float) { Fired.Add(TEXT("Delayed")); return false; });
	FTSTicker::FDelegateHandle Repeating = Ticker.AddTicker(FTickerDelegate::CreateLambda([&](float)
		{
			++Repeats;
			// Added while ticking: fires on the next tick at the earliest.
			Ticker.AddTicker(TEXT("Added"), 0.0f, [&Fired](float) { Fired.Add(TEXT("Added")); return false; });
			return true;
		}));

	Ticker.Tick(0.5f);
	EXPECT_EQ(Fired, TArray<FString>({TEXT("Once")}));
	EXPECT_EQ(Repeats, 1);

	Ticker.Tick(0.6f);
	EXPECT_EQ(Fired, TArray<FString>({TEXT("Once"), TEXT("Delayed"), TEXT("Added")}));
	EXPECT_EQ(Repeats, 2);

	FTSTicker::RemoveTicker(Repeating);
	Ticker.Tick(0.1f);
	EXPECT_EQ(Repeats, 2);
	EXPECT_EQ(Fired.Num(), 4) << "the ticker added by the second repeat fired; nothing else did";
}
