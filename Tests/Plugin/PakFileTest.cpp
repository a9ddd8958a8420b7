// "Make Pak File" and "Log Pak File": the manifest of the cooked export set, the pak tool really run on it,
// the creator told how it ended, and the console listing. The project lies under a folder with spaces, as
// the engine's default "Unreal Projects" does.
#include "../Core/CoreTestPrinters.h"
// The build report is the runtime module's own; its listing parser is tested here on its own.
#include "../../Plugins/QuillonSDKBase/Source/QuillonSDKBase/Private/Z4BuildReport.h"
#include "NotificationTestUtils.h"
#include "../Cooker/CookerTestUtils.h"
#include "Containers/Ticker.h"
#include "Dom/JsonObject.h"
#include "Engine/StaticMesh.h"
#include "Engine/World.h"
#include "HAL/FileManager.h"
#include "HAL/PlatformMisc.h"
#include "HAL/PlatformProcess.h"
#include "Materials/Material.h"
#include "Misc/EngineVersion.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "Modules/ModuleManager.h"
#include "Serialization/JsonSerializer.h"
#include "StandIn/DialogScript.h"
#include "StandIn/EditorTick.h"
#include "StandIn/EnginePaths.h"
#include "StandIn/LogCapture.h"
#include "StandIn/NotificationLog.h"
#include "StandIn/ProcessLog.h"
#include "StandIn/TestAssets.h"
#include "StandIn/StringConv.h"
#include "StandIn/TestProject.h"
#include "UObject/Package.h"
#include "Z4Package.h"
#include "Z4SDKStatics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <thread>

using namespace UE::StandIn;
using namespace UE::Quillon::Test;

namespace
{
	namespace fs = std::filesystem;

	const FName Z4LogSDKName(TEXT("Z4LogSDK"));
	const FName LogTempName(TEXT("LogTemp"));

	std::string ReadBytes(const FString& Path)
	{
		std::ifstream File(ToUtf8(Path), std::ios::binary);
		return std::string(std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>());
	}

	struct FToolRun
	{
		int32 ReturnCode = -1;
		FString Output;
	};

	// Runs the stand-in's pak tool to completion, its output through a pipe.
	FToolRun RunPakTool(const FString& Arguments)
	{
		void* ReadPipe = nullptr;
		void* WritePipe = nullptr;
		FPlatformProcess::CreatePipe(ReadPipe, WritePipe);
		FProcHandle Tool = FPlatformProcess::CreateProc(TEXT("UnrealPak.exe"), *Arguments, false, true, true, nullptr, 0, nullptr, WritePipe);
		FToolRun Run;
		TArray<uint8> Bytes;
		TArray<uint8> Chunk;
		for (bool bRunning = Tool.IsValid(); bRunning;)
		{
			bRunning = FPlatformProcess::IsProcRunning(Tool);
			FPlatformProcess::ReadPipeToArray(ReadPipe, Chunk);
			Bytes.Append(Chunk);
			std::this_thread::sleep_for(std::chrono::milliseconds(2));
		}
		FPlatformProcess::GetProcReturnCode(Tool, &Run.ReturnCode);
		FPlatformProcess::CloseProc(Tool);
		FPlatformProcess::ClosePipe(ReadPipe, WritePipe);
		Run.Output = FromUtf8(std::string_view(reinterpret_cast<const char*>(Bytes.GetData()), Bytes.Num()));
		return Run;
	}

	// The mount paths a pak lists, in its order.
	TArray<FString> ListPak(const FString& PakPath)
	{
		const FToolRun Run = RunPakTool(FString::Printf(TEXT("\"%s\" -list"), *PakPath));
		EXPECT_EQ(Run.ReturnCode, 0) << ToUtf8(Run.Output);
		TArray<FString> Lines;
		Run.Output.ParseIntoArrayLines(Lines);
		TArray<FString> MountPaths;
		for (const FString& Line : Lines)
		{
			FString Rest;
			if (Line.Split(TEXT("LogPakFile: Display: \""), nullptr, &Rest) && Rest.Contains(TEXT("\" offset: ")))
			{
				MountPaths.Add(Rest.Left(Rest.Find(TEXT("\" offset: "))));
			}
		}
		return MountPaths;
	}

	class FPakFileTest : public ::testing::Test
	{
	protected:
		FTestProject Project{TEXT("My Project")};
		FStandInEngine Engine{Project};
		FLogCapture Log;
		FProcessLog Processes;

		void SetUp() override
		{
			SetWindowsDir(FromUtf8(STANDIN_WINDOWS_DIR));
			ClearShownNotifications();
			// The pak tool's own console, kept out of the test's output.
			Processes.SetConsoleFile(Project.GetSavedDir() + TEXT("PakTool.txt"));
		}

		template <class T>
		T* SaveNewAsset(const TCHAR* PackageName)
		{
			UPackage* Package = CreatePackage(PackageName);
			T* Asset = NewObject<T>(Package, FName(*FPaths::GetBaseFilename(PackageName)), RF_Public | RF_Standalone);
			UZ4SDKStatics::SaveAsset(Asset);
			return Asset;
		}

		// A package "My Pack" with a mesh and a level as main assets and a dependency whose path holds /Game/ twice.
		UZ4Package* MakePackage()
		{
			SaveNewAsset<UStaticMesh>(TEXT("/Game/MyPack/SM_Rock"));
			SaveNewAsset<UWorld>(TEXT("/Game/MyPack/L_Cave"));
			SaveNewAsset<UMaterial>(TEXT("/Game/MyPack/Game/M_Moss"));
			UZ4Package* Package = NewObject<UZ4Package>(CreatePackage(TEXT("/Game/MyPack/MyPackage")), TEXT("MyPackage"), RF_Public | RF_Standalone);
			Package->Data.Name = FName(TEXT("My Pack"));
			Package->Data.AssetsIndexMap.Add(FName(TEXT("/Game/MyPack/SM_Rock")), 0);
			Package->Data.AssetsIndexMap.Add(FName(TEXT("/Game/MyPack/L_Cave")), 1);
			Package->Dependencies.Add(FName(TEXT("/Game/MyPack/Game/M_Moss")));
			UZ4SDKStatics::SaveAsset(Package);
			return Package;
		}

		FString CookedDir() const
		{
			return Project.GetSavedDir() + TEXT("Cooked/Windows/") + Project.GetName() + TEXT("/Content/");
		}

		void WriteCooked(const FString& ContentRelativePath, const FString& Text) const
		{
			Project.WriteFile(TEXT("Saved/Cooked/Windows/") + Project.GetName() + TEXT("/Content/") + ContentRelativePath, Text);
		}

		// Every file of the package's export set, and a .uasset of the level that must not be packed.
		void CookPackage() const
		{
			WriteCooked(TEXT("MyPack/SM_Rock.uasset"), TEXT("rock"));
			WriteCooked(TEXT("MyPack/SM_Rock.uexp"), TEXT("rock exports"));
			WriteCooked(TEXT("MyPack/L_Cave.umap"), TEXT("cave"));
			WriteCooked(TEXT("MyPack/L_Cave.uasset"), TEXT("not a level file"));
			WriteCooked(TEXT("MyPack/L_Cave.ubulk"), TEXT("cave bulk"));
			WriteCooked(TEXT("MyPack/L_Cave.uexp"), TEXT("cave exports"));
			WriteCooked(TEXT("MyPack/Game/M_Moss.uasset"), TEXT("moss"));
			WriteCooked(TEXT("MyPack/MyPackage.uasset"), TEXT("package"));
		}

		FString ManifestPath() const { return Project.GetConfigDir() + TEXT("Manifest.txt"); }

		FString PakPath() const { return Project.GetProjectDir() + TEXT("Paks/MyPack.pak"); }

		static FString ManifestLine(const FString& Disk, const FString& Mount)
		{
			return FString::Printf(TEXT("\"%s\" \"%s\"\n"), *Disk, *Mount);
		}

		// The pak tool's outcome, once shown.
		static FShownNotification TickUntilNotified()
		{
			const TArray<FShownNotification> Shown = TickEditorUntilNotified();
			EXPECT_EQ(Shown.Num(), 1);
			return Shown.Num() > 0 ? Shown.Last() : FShownNotification();
		}
	};
}

TEST_F(FPakFileTest, PacksTheCookedExportSetUnderThePublicNameWithoutSpaces)
{
	UZ4Package* Package = MakePackage();
	CookPackage();
	FDialogScript NoDialogs;

	Package->MakePakFile();

	const FString Cooked = CookedDir();
	const FString Mount = TEXT("../../../QuillonVTT/Content/");
	// The registry's records in its order (by package name), not the export set's; the level as .umap, its
	// missing .ubulk skipped; both "/Game/" of the material's path replaced.
	const TCHAR* const Files[] = {TEXT("MyPack/Game/M_Moss.uasset"), TEXT("MyPack/L_Cave.umap"), TEXT("MyPack/L_Cave.ubulk"),
		TEXT("MyPack/L_Cave.uexp"), TEXT("MyPack/MyPackage.uasset"), TEXT("MyPack/SM_Rock.uasset"), TEXT("MyPack/SM_Rock.uexp")};
	FString ExpectedManifest;
	TArray<FString> ExpectedMounts;
	for (const TCHAR* File : Files)
	{
		ExpectedManifest += ManifestLine(Cooked + File, Mount + File);
		ExpectedMounts.Add(Mount + File);
	}
	EXPECT_EQ(FromUtf8(ReadBytes(ManifestPath())), ExpectedManifest);
	EXPECT_TRUE(NoDialogs.GetShownDialogs().IsEmpty());

	const TArray<FProcessLaunch> Launches = Processes.GetLaunches();
	ASSERT_EQ(Launches.Num(), 1);
	const FString RelativePak = FPaths::ProjectDir() + TEXT("Paks/MyPack.pak");
	const FString RelativeManifest = FPaths::ProjectConfigDir() + TEXT("Manifest.txt");
	const FString Arguments = FString::Printf(TEXT("\"%s\" -log -create=\"%s\" -compress"), *RelativePak, *RelativeManifest);
	EXPECT_EQ(Launches[0].Program, TEXT("UnrealPak.exe"));
	EXPECT_EQ(Launches[0].Arguments, Arguments);
	EXPECT_EQ(Launches[0].WorkingDirectory, FPaths::EngineDir() + TEXT("Binaries/Win64"));
	EXPECT_NE(Launches[0].ProcessId, 0u);

	const TArray<FCapturedLogLine> Lines = Log.Lines();
	TArray<FString> PakLines;
	for (const FCapturedLogLine& Line : Lines)
	{
		if (Line.Category == Z4LogSDKName)
		{
			EXPECT_EQ(Line.Verbosity, ELogVerbosity::Log) << ToUtf8(Line.Message);
			PakLines.Add(Line.Message);
		}
	}
	EXPECT_EQ(PakLines, TArray<FString>({TEXT("Pak Command: UnrealPak.exe ") + Arguments, TEXT("Pak Manifest: ") + ExpectedManifest,
							TEXT("UnrealPak Directory: ") + FPaths::EngineDir() + TEXT("Binaries/Win64")}));
	EXPECT_TRUE(GetShownNotifications().IsEmpty()) << "the tool is not waited for";

	const FShownNotification Outcome = TickUntilNotified();
	EXPECT_EQ(Outcome.CompletionState, SNotificationItem::CS_Success);
	EXPECT_TRUE(Outcome.Text.StartsWith(FString::Printf(TEXT("Pak made: %s (7 files, "), *PakPath()))) << ToUtf8(Outcome.Text);
	EXPECT_EQ(ListPak(PakPath()), ExpectedMounts);
}

// Cooked files carry their package's name. An external actor's package has a hashed name and holds the actor;
// a blueprint's package also holds its generated class: each package is packed once, with no uncooked warning.
TEST_F(FPakFileTest, PackagesWhoseAssetsAreNamedOtherwiseArePackedOnceUnderThePackageName)
{
	const FString ActorPackage = TEXT("/Game/__ExternalActors__/MyPack/L_Cave/A/BC/DEF123");
	WriteTestPackage({.PackageName = ActorPackage, .Objects = {{TEXT("BP_Crate_C_1"), TEXT("/Game/MyPack/BP_Crate.BP_Crate_C")}}});
	WriteTestPackage({.PackageName = TEXT("/Game/MyPack/BP_Crate"),
		.Objects = {{TEXT("BP_Crate"), TEXT("/Script/Engine.Blueprint")}, {TEXT("BP_Crate_C"), TEXT("/Script/Engine.BlueprintGeneratedClass")}}});
	FModuleManager::LoadModuleChecked<FAssetRegistryModule>(TEXT("AssetRegistry")).Get().ScanPathsSynchronous({TEXT("/Game/")}, true);
	UZ4Package* Package = NewObject<UZ4Package>(CreatePackage(TEXT("/Game/MyPack/MyPackage")), TEXT("MyPackage"), RF_Public | RF_Standalone);
	Package->Data.Name = FName(TEXT("My Pack"));
	Package->Data.AssetsIndexMap.Add(FName(TEXT("/Game/MyPack/BP_Crate")), 0);
	Package->Dependencies.Add(FName(*ActorPackage));
	UZ4SDKStatics::SaveAsset(Package);
	WriteCooked(TEXT("__ExternalActors__/MyPack/L_Cave/A/BC/DEF123.uasset"), TEXT("actor"));
	WriteCooked(TEXT("MyPack/BP_Crate.uasset"), TEXT("crate"));
	WriteCooked(TEXT("MyPack/BP_Crate.uexp"), TEXT("crate exports"));
	WriteCooked(TEXT("MyPack/MyPackage.uasset"), TEXT("package"));
	FDialogScript NoDialogs;

	Package->MakePakFile();

	const FString Cooked = CookedDir();
	const FString Mount = TEXT("../../../QuillonVTT/Content/");
	FString ExpectedManifest;
	for (const TCHAR* File : {TEXT("__ExternalActors__/MyPack/L_Cave/A/BC/DEF123.uasset"), TEXT("MyPack/BP_Crate.uasset"),
			 TEXT("MyPack/BP_Crate.uexp"), TEXT("MyPack/MyPackage.uasset")})
	{
		ExpectedManifest += ManifestLine(Cooked + File, Mount + File);
	}
	EXPECT_EQ(FromUtf8(ReadBytes(ManifestPath())), ExpectedManifest);
	EXPECT_TRUE(NoDialogs.GetShownDialogs().IsEmpty());
	EXPECT_EQ(Log.Count(Z4LogSDKName, ELogVerbosity::Warning), 0);
	EXPECT_EQ(TickUntilNotified().CompletionState, SNotificationItem::CS_Success);
}

TEST_F(FPakFileTest, LogPakFileListsThePakInAConsoleStartedInTheSystemFolder)
{
	UZ4Package* Package = MakePackage();
	CookPackage();
	Package->MakePakFile();
	ASSERT_EQ(TickUntilNotified().CompletionState, SNotificationItem::CS_Success);
	const FString ConsoleFile = Project.GetSavedDir() + TEXT("Console.txt");
	Processes.SetConsoleFile(ConsoleFile);
	Log.Clear();

	Package->LogPakFile();

	const FString SystemDir = FromUtf8(STANDIN_WINDOWS_DIR) + TEXT("/System32");
	const FString UnrealPak = FromUtf8(STANDIN_BINARIES_DIR) + TEXT("/UnrealPak.exe");
	const FString CmdArguments = FString::Printf(TEXT("/k \"\"%s\" \"%s\" -list -log & pause\""), *UnrealPak, *PakPath());
	EXPECT_EQ(Log.Count(LogTempName, ELogVerbosity::Log), 2);
	EXPECT_TRUE(Log.Contains(LogTempName, ELogVerbosity::Log, TEXT("UnrealPakPath: ") + UnrealPak));
	EXPECT_TRUE(Log.Contains(LogTempName, ELogVerbosity::Log, TEXT("CmdArguments: ") + CmdArguments));

	const TArray<FProcessLaunch> Launches = Processes.GetLaunches();
	ASSERT_EQ(Launches.Num(), 3) << "the pak tool, its check listing and the console";
	EXPECT_EQ(Launches[2].Program, TEXT("cmd.exe"));
	EXPECT_EQ(Launches[2].Arguments, CmdArguments);
	EXPECT_EQ(Launches[2].WorkingDirectory, SystemDir);
	EXPECT_EQ(Launches[2].ResolvedProgram, SystemDir + TEXT("/cmd.exe"));
	EXPECT_EQ(Processes.WaitForExit(2, 60.0), TOptional<int32>(0));
	const FString Console = FromUtf8(ReadBytes(ConsoleFile));
	EXPECT_TRUE(Console.Contains(TEXT("\"../../../QuillonVTT/Content/MyPack/L_Cave.umap\" offset: "))) << ToUtf8(Console);
	EXPECT_TRUE(Console.Contains(TEXT("7 files"))) << ToUtf8(Console);
	EXPECT_TRUE(Console.Contains(TEXT("Press any key to continue"))) << ToUtf8(Console);
}

TEST_F(FPakFileTest, NothingCookedAsksWithTheCountAndWritesAnEmptyManifestOnlyOnOk)
{
	UZ4Package* Package = MakePackage();
	for (const EAppReturnType::Type Answer : {EAppReturnType::Cancel, EAppReturnType::Ok})
	{
		SCOPED_TRACE(Answer == EAppReturnType::Ok ? "Ok" : "Cancel");
		FDialogScript Script;
		Script.Answer(Answer);
		Log.Clear();

		Package->MakePakFile();

		ASSERT_EQ(Script.GetShownDialogs().Num(), 1);
		EXPECT_EQ(Script.GetShownDialogs()[0].Message,
			TEXT("4 uncooked files. Unable to add these to the package. Check output log for details.\nPackage anyway?"));
		EXPECT_EQ(Log.Count(Z4LogSDKName, ELogVerbosity::Warning), 4);
		EXPECT_TRUE(Log.Contains(Z4LogSDKName, ELogVerbosity::Warning,
			TEXT("File '/Game/MyPack/L_Cave.umap' has not been cooked. Path on disk: ") + CookedDir() + TEXT("MyPack/L_Cave.umap")));
		const bool bOk = Answer == EAppReturnType::Ok;
		EXPECT_EQ(fs::exists(ToUtf8(ManifestPath())), bOk);
		EXPECT_EQ(Processes.GetLaunches().Num(), bOk ? 1 : 0);
		EXPECT_EQ(Log.Count(Z4LogSDKName, ELogVerbosity::Log), bOk ? 3 : 0);
	}
	EXPECT_EQ(ReadBytes(ManifestPath()), "");
	EXPECT_EQ(TickUntilNotified().CompletionState, SNotificationItem::CS_Success) << "an empty pak is still made";
}

// The mesh's file was cut short after it was cooked, and a dependency was deleted: the registry lists neither, so
// neither has a cooked file looked for. Each is counted and named as a file that cannot be packed.
TEST_F(FPakFileTest, PackagesTheRegistryCannotListAreCountedAsUncookedBeforeAnythingIsWritten)
{
	UZ4Package* Package = MakePackage();
	Package->Dependencies.Add(FName(TEXT("/Game/MyPack/M_Deleted")));
	CookPackage();
	const FString MeshFile = Project.GetContentDir() + TEXT("MyPack/SM_Rock.uasset");
	const std::string MeshText = ReadBytes(MeshFile);
	Project.WriteFile(TEXT("Content/MyPack/SM_Rock.uasset"), FromUtf8(MeshText.substr(0, MeshText.size() / 2)));
	IAssetRegistry& Registry = FModuleManager::LoadModuleChecked<FAssetRegistryModule>(TEXT("AssetRegistry")).Get();
	Registry.ScanPathsSynchronous({TEXT("/Game/MyPack")}, true);
	ASSERT_FALSE(Registry.GetAssetByObjectPath(FSoftObjectPath(TEXT("/Game/MyPack/SM_Rock.SM_Rock"))).IsValid());
	FDialogScript Script;
	Script.Answer(EAppReturnType::Cancel);
	Log.Clear();

	Package->MakePakFile();

	ASSERT_EQ(Script.GetShownDialogs().Num(), 1);
	EXPECT_EQ(Script.GetShownDialogs()[0].Message,
		TEXT("2 uncooked files. Unable to add these to the package. Check output log for details.\nPackage anyway?"));
	for (const TCHAR* Missing : {TEXT("/Game/MyPack/SM_Rock"), TEXT("/Game/MyPack/M_Deleted")})
	{
		EXPECT_TRUE(Log.Contains(Z4LogSDKName, ELogVerbosity::Warning, FString::Printf(
			TEXT("Package '%s' cannot be packed: the asset registry has no record of it, so its file is missing or cannot be read."), Missing)))
			<< ToUtf8(Missing);
	}
	EXPECT_EQ(Log.Count(Z4LogSDKName, ELogVerbosity::Warning), 2);
	EXPECT_FALSE(fs::exists(ToUtf8(ManifestPath())));
	EXPECT_TRUE(Processes.GetLaunches().IsEmpty());
}

TEST_F(FPakFileTest, OutsideDependenciesAreConfirmedBeforeTheCookedFilesAreLookedAt)
{
	UZ4Package* Package = MakePackage();
	Package->ExternalDependencies.Add(FName(TEXT("/Game/Shared/T_Wood")), 0);
	Package->ExternalDependencies.Add(FName(TEXT("/Game/Shared/M_Wood")), 1);
	{
		FDialogScript Script;
		Script.Answer(EAppReturnType::Cancel);
		Package->MakePakFile();
		ASSERT_EQ(Script.GetShownDialogs().Num(), 1);
		EXPECT_EQ(Script.GetShownDialogs()[0].Type, EAppMsgType::OkCancel);
		EXPECT_EQ(Script.GetShownDialogs()[0].Message,
			TEXT("2 assets are outside of this package's directory. It's recommended that you keep all assets in the same uniquely-named directory, else there can be naming conflicts with other packages.\n\nPackage anyway?"));
		EXPECT_EQ(Log.Count(Z4LogSDKName, ELogVerbosity::Warning), 0) << "nothing is cooked, yet nothing was looked for";
	}
	{
		FDialogScript Script;
		Script.Answer(EAppReturnType::Ok).Answer(EAppReturnType::Cancel);
		Package->MakePakFile();
		ASSERT_EQ(Script.GetShownDialogs().Num(), 2);
		EXPECT_TRUE(Script.GetShownDialogs()[1].Message.StartsWith(TEXT("4 uncooked files.")));
	}
	EXPECT_FALSE(fs::exists(ToUtf8(ManifestPath())));
	EXPECT_TRUE(Processes.GetLaunches().IsEmpty());
}

TEST_F(FPakFileTest, NonAnsiNameGivesAUtf16ManifestThatThePakToolReads)
{
	SaveNewAsset<UStaticMesh>(TEXT("/Game/MyPack/SM_Drache_\u9F8D"));
	UZ4Package* Package = NewObject<UZ4Package>(CreatePackage(TEXT("/Game/MyPack/MyPackage")), TEXT("MyPackage"), RF_Public | RF_Standalone);
	Package->Data.Name = FName(TEXT("My Pack"));
	Package->Data.AssetsIndexMap.Add(FName(TEXT("/Game/MyPack/SM_Drache_\u9F8D")), 0);
	UZ4SDKStatics::SaveAsset(Package);
	WriteCooked(TEXT("MyPack/SM_Drache_\u9F8D.uasset"), TEXT("dragon"));
	WriteCooked(TEXT("MyPack/MyPackage.uasset"), TEXT("package"));

	Package->MakePakFile();

	const std::string Bytes = ReadBytes(ManifestPath());
	ASSERT_GE(Bytes.size(), 2u);
	EXPECT_EQ(Bytes.substr(0, 2), std::string("\xFF\xFE", 2));
	FString Decoded;
	for (size_t Index = 2; Index + 1 < Bytes.size(); Index += 2)
	{
		Decoded.AppendChar(static_cast<TCHAR>(static_cast<uint8>(Bytes[Index]) | static_cast<uint8>(Bytes[Index + 1]) << 8));
	}
	const FString DragonMount = TEXT("../../../QuillonVTT/Content/MyPack/SM_Drache_\u9F8D.uasset");
	EXPECT_TRUE(Decoded.Contains(ManifestLine(CookedDir() + TEXT("MyPack/SM_Drache_\u9F8D.uasset"), DragonMount))) << ToUtf8(Decoded);

	EXPECT_EQ(TickUntilNotified().CompletionState, SNotificationItem::CS_Success);
	EXPECT_TRUE(ListPak(PakPath()).Contains(DragonMount));
}

TEST_F(FPakFileTest, UnsafePakNamesAreRefusedWithNothingWrittenOrStarted)
{
	UZ4Package* Package = MakePackage();
	CookPackage();
	const TCHAR* const UnsafeNames[] = {
		TEXT("../../Evil"), TEXT("Sub/Pack"), TEXT("Sub\\Pack"), TEXT("Two..Dots"), TEXT("Say \"Hi\""), TEXT("Rock & Roll"),
		TEXT("A|B"), TEXT("A<B"), TEXT("A>B"), TEXT("Up^Arrow"), TEXT("100%"), TEXT("C:Pack"), TEXT("Tab\tPack"), TEXT("Line\nPack"),
		TEXT("CON"), TEXT("nul"), TEXT("Com1.Backup"), TEXT("   "),
	};
	for (const TCHAR* Name : UnsafeNames)
	{
		SCOPED_TRACE(ToUtf8(Name));
		Package->Data.Name = FName(Name);
		FDialogScript Script;
		Script.Answer(EAppReturnType::Ok).Answer(EAppReturnType::Ok);

		Package->MakePakFile();
		Package->LogPakFile();

		ASSERT_EQ(Script.GetShownDialogs().Num(), 2);
		EXPECT_EQ(Script.GetShownDialogs()[0].Type, EAppMsgType::Ok);
		EXPECT_TRUE(Script.GetShownDialogs()[0].Message.Contains(TEXT("/ \\ \" : * ? < > | & ^ %"))) << "says which characters";
		EXPECT_EQ(Script.GetShownDialogs()[1].Message, Script.GetShownDialogs()[0].Message);
	}
	EXPECT_TRUE(Processes.GetLaunches().IsEmpty());
	EXPECT_FALSE(fs::exists(ToUtf8(ManifestPath())));
	EXPECT_FALSE(fs::exists(ToUtf8(Project.GetProjectDir() + TEXT("Paks"))));
	EXPECT_EQ(Log.Count(Z4LogSDKName, ELogVerbosity::Log) + Log.Count(LogTempName, ELogVerbosity::Log), 0);
}

TEST_F(FPakFileTest, SecondMakeWhileThePakToolRunsIsRefusedUntilItHasEnded)
{
	UZ4Package* Package = MakePackage();
	CookPackage();
	Package->MakePakFile();
	{
		FDialogScript Script;
		Script.Answer(EAppReturnType::Ok);
		Package->MakePakFile();
		ASSERT_EQ(Script.GetShownDialogs().Num(), 1);
		EXPECT_EQ(Script.GetShownDialogs()[0].Message, FString::Printf(TEXT("The pak tool is still making %s. Wait until it has finished (a notification will tell), then try again."), *PakPath()));
	}
	EXPECT_EQ(Processes.GetLaunches().Num(), 1);

	EXPECT_EQ(TickUntilNotified().CompletionState, SNotificationItem::CS_Success);
	Package->MakePakFile();
	EXPECT_EQ(Processes.GetLaunches().Num(), 3) << "the first tool, its check listing, the second tool";
}

TEST_F(FPakFileTest, PakToolThatFailsEndsInAFailureNotificationAndNoPak)
{
	UZ4Package* Package = MakePackage();
	CookPackage();
	const FString Vanished = CookedDir() + TEXT("MyPack/L_Cave.ubulk");
	Processes.SetBeforeStart([&Vanished](const FProcessLaunch&) { fs::remove(ToUtf8(Vanished)); });

	Package->MakePakFile();

	const FShownNotification Outcome = TickUntilNotified();
	EXPECT_EQ(Outcome.CompletionState, SNotificationItem::CS_Fail);
	EXPECT_EQ(Outcome.Text, FString::Printf(TEXT("Pak not made: UnrealPak.exe ended with exit code 1 for %s"), *PakPath()));
	EXPECT_TRUE(Outcome.SubText.StartsWith(TEXT("Missing source files: ") + Vanished + TEXT(". "))) << ToUtf8(Outcome.SubText);
	EXPECT_TRUE(Outcome.SubText.Contains(TEXT("Output Log")));
	EXPECT_FALSE(fs::exists(ToUtf8(PakPath())));
	EXPECT_TRUE(Log.Contains(Z4LogSDKName, ELogVerbosity::Error, Vanished));
}

TEST(PakFileEndToEndTest, CookedPackageIsPackedWithEveryCookedFileByteForByte)
{
	FTestProject Project(TEXT("My Project"));
	UE::Cook::Test::WritePackageFile(Project, TEXT("/Game/MyPack/L_Cave"), TEXT("/Script/Engine.World"), {TEXT("/Game/MyPack/SM_Rock")});
	UE::Cook::Test::WritePackageFile(Project, TEXT("/Game/MyPack/SM_Rock"), TEXT("/Script/Engine.StaticMesh"), {TEXT("/Game/MyPack/M_Moss")});
	UE::Cook::Test::WritePackageFile(Project, TEXT("/Game/MyPack/M_Moss"), TEXT("/Script/Engine.Material"));
	FStandInEngine Engine(Project);
	SetWindowsDir(FromUtf8(STANDIN_WINDOWS_DIR));
	ClearShownNotifications();
	FProcessLog Processes;
	Processes.SetConsoleFile(Project.GetSavedDir() + TEXT("PakTool.txt"));

	UZ4Package* Package = NewObject<UZ4Package>(CreatePackage(TEXT("/Game/MyPack/MyPackage")), TEXT("MyPackage"), RF_Public | RF_Standalone);
	Package->Data.Name = FName(TEXT("My Pack"));
	FZ4Asset& Cave = Package->Data.Assets.AddDefaulted_GetRef();
	Cave.AssetName = FName(TEXT("/Game/MyPack/L_Cave"));
	Cave.ObjectPath = TEXT("/Game/MyPack/L_Cave.L_Cave");
	Cave.Class = UWorld::StaticClass();
	Package->Data.AssetsIndexMap.Add(Cave.AssetName, 0);
	Package->FindAllDependencies();
	ASSERT_EQ(Package->Dependencies.Num(), 2);
	Package->CookAssets();
	TickUntilIdle();

	Package->MakePakFile();
	TickEditorUntilNotified();
	ASSERT_EQ(GetShownNotifications().Num(), 1);
	EXPECT_EQ(GetShownNotifications()[0].CompletionState, SNotificationItem::CS_Success) << ToUtf8(GetShownNotifications()[0].Text);

	// Every line of the manifest is in the pak, and every entry holds the bytes of the cooked file it names.
	const FString PakPath = Project.GetProjectDir() + TEXT("Paks/MyPack.pak");
	const TArray<FString> Listed = ListPak(PakPath);
	TArray<FString> ManifestLines;
	FromUtf8(ReadBytes(Project.GetConfigDir() + TEXT("Manifest.txt"))).ParseIntoArrayLines(ManifestLines);
	ASSERT_EQ(ManifestLines.Num(), Listed.Num());
	const FString Extracted = Project.GetSavedDir() + TEXT("Extracted");
	ASSERT_EQ(RunPakTool(FString::Printf(TEXT("\"%s\" -extract=\"%s\""), *PakPath, *Extracted)).ReturnCode, 0);
	const FString CookedContent = UE::Cook::Test::CookedWindowsDir(Project) + Project.GetName() + TEXT("/Content/");
	for (const FString& Line : ManifestLines)
	{
		TArray<FString> Paths;
		Line.ParseIntoArray(Paths, TEXT("\""), true);
		ASSERT_EQ(Paths.Num(), 3) << ToUtf8(Line);
		const FString& Source = Paths[0];
		const FString& Mount = Paths[2];
		EXPECT_TRUE(Source.StartsWith(CookedContent)) << ToUtf8(Source);
		EXPECT_TRUE(Listed.Contains(Mount)) << ToUtf8(Mount);
		const FString ExtractedFile = Extracted + TEXT("/") + Mount.Replace(TEXT("../../../"), TEXT(""));
		EXPECT_EQ(ReadBytes(ExtractedFile), ReadBytes(Source)) << ToUtf8(Mount);
	}
	for (const TCHAR* Expected : {TEXT("MyPack/L_Cave.umap"), TEXT("MyPack/SM_Rock.uasset"), TEXT("MyPack/M_Moss.uasset"), TEXT("MyPack/MyPackage.uasset")})
	{
		EXPECT_TRUE(Listed.Contains(FString(TEXT("../../../QuillonVTT/Content/")) + Expected)) << ToUtf8(Expected);
	}
}

namespace
{
	struct FListedEntry
	{
		int64 Size = 0;
		int64 SizeInPak = 0;
		FString Sha1;
	};

	// The pak tool's listing of a pak, by mount path.
	TMap<FString, FListedEntry> ListPakEntries(const FString& PakPath)
	{
		const FToolRun Run = RunPakTool(FString::Printf(TEXT("\"%s\" -list"), *PakPath));
		EXPECT_EQ(Run.ReturnCode, 0) << ToUtf8(Run.Output);
		static const std::wregex EntryLine(LR"re(LogPakFile: Display: "([^"]+)" offset: \d+, size: (\d+) bytes, compressed: (\d+) bytes, sha1: ([0-9A-F]{40}),)re");
		const std::wstring Output(*Run.Output);
		TMap<FString, FListedEntry> Entries;
		for (auto It = std::wsregex_iterator(Output.begin(), Output.end(), EntryLine); It != std::wsregex_iterator(); ++It)
		{
			Entries.Add((*It)[1].str().c_str(), {std::stoll((*It)[2]), std::stoll((*It)[3]), (*It)[4].str().c_str()});
		}
		return Entries;
	}

	TSharedPtr<FJsonObject> ParseReport(const FString& Text)
	{
		TSharedPtr<FJsonObject> Report;
		const TSharedRef<TJsonReader<>> Reader = TJsonReaderFactory<>::Create(Text);
		EXPECT_TRUE(FJsonSerializer::Deserialize(Reader, Report)) << ToUtf8(Reader->GetErrorMessage());
		return Report;
	}

	TSharedPtr<FJsonObject> ReadReport(const FString& Path)
	{
		FString Text;
		EXPECT_TRUE(FFileHelper::LoadFileToString(Text, *Path)) << ToUtf8(Path);
		return ParseReport(Text);
	}

	TArray<FString> StringsOf(const FJsonObject& Object, const TCHAR* Field)
	{
		TArray<FString> Strings;
		const TArray<TSharedPtr<FJsonValue>>* Values = nullptr;
		if (Object.TryGetArrayField(Field, Values))
		{
			for (const TSharedPtr<FJsonValue>& Value : *Values)
			{
				Strings.Add(Value->AsString());
			}
		}
		return Strings;
	}

	const FJsonObject& ObjectOf(const FJsonObject& Object, const TCHAR* Field)
	{
		static const FJsonObject Empty;
		const TSharedPtr<FJsonObject>* Found = nullptr;
		return Object.TryGetObjectField(Field, Found) ? **Found : Empty;
	}

	TArray<TSharedPtr<FJsonObject>> ObjectsOf(const FJsonObject& Object, const TCHAR* Field)
	{
		TArray<TSharedPtr<FJsonObject>> Objects;
		const TArray<TSharedPtr<FJsonValue>>* Values = nullptr;
		if (Object.TryGetArrayField(Field, Values))
		{
			for (const TSharedPtr<FJsonValue>& Value : *Values)
			{
				Objects.Add(Value->AsObject());
			}
		}
		return Objects;
	}

	int64 NumberOf(const FJsonObject& Object, const TCHAR* Field)
	{
		int64 Number = -1;
		Object.TryGetNumberField(Field, Number);
		return Number;
	}

	FString StringOf(const FJsonObject& Object, const TCHAR* Field)
	{
		FString String;
		Object.TryGetStringField(Field, String);
		return String;
	}

	class FBuildReportTest : public FPakFileTest
	{
	protected:
		// MakePackage's package with its material needed by both main assets.
		UZ4Package* MakeSharingPackage()
		{
			UZ4Package* Package = MakePackage();
			Package->Dependencies.FindOrAdd(FName(TEXT("/Game/MyPack/Game/M_Moss"))).References = {FName(TEXT("/Game/MyPack/SM_Rock")), FName(TEXT("/Game/MyPack/L_Cave"))};
			return Package;
		}

		FShownNotification MakePak(UZ4Package& Package)
		{
			ClearShownNotifications();
			Package.MakePakFile();
			return TickUntilNotified();
		}

		FString ReportPath() const { return Project.GetProjectDir() + TEXT("Paks/MyPack.json"); }
	};
}

TEST_F(FBuildReportTest, ReportHoldsEveryListedFileWithWhyItIsInThePak)
{
	UZ4Package* Package = MakeSharingPackage();
	Package->Data.PackId = TEXT("PACK-1");
	CookPackage();

	const FShownNotification Outcome = MakePak(*Package);
	ASSERT_EQ(Outcome.CompletionState, SNotificationItem::CS_Success) << ToUtf8(Outcome.Text);
	EXPECT_EQ(Outcome.SubText, TEXT("First build report of this pak"));
	EXPECT_TRUE(Log.Contains(Z4LogSDKName, ELogVerbosity::Log, FString::Printf(TEXT("Build report: %s (First build report of this pak)"), *ReportPath())));

	const TSharedPtr<FJsonObject> Report = ReadReport(ReportPath());
	ASSERT_TRUE(Report.IsValid());
	EXPECT_EQ(NumberOf(*Report, TEXT("formatVersion")), 1);
	const FJsonObject& PackageObject = ObjectOf(*Report, TEXT("package"));
	EXPECT_EQ(StringOf(PackageObject, TEXT("path")), TEXT("/Game/MyPack/MyPackage"));
	EXPECT_EQ(StringOf(PackageObject, TEXT("packId")), TEXT("PACK-1"));
	EXPECT_EQ(StringOf(PackageObject, TEXT("name")), TEXT("My Pack"));
	EXPECT_EQ(StringOf(PackageObject, TEXT("version")), TEXT("0.1"));
	EXPECT_EQ(StringOf(ObjectOf(*Report, TEXT("plugin")), TEXT("versionName")), TEXT("1.0"));
	EXPECT_EQ(StringOf(*Report, TEXT("engineVersion")), FEngineVersion::Current().ToString());
	EXPECT_EQ(NumberOf(ObjectOf(*Report, TEXT("pak")), TEXT("size")), IFileManager::Get().FileSize(*PakPath()));
	EXPECT_EQ(StringOf(ObjectOf(*Report, TEXT("pak")), TEXT("sha1")).Len(), 40);
	EXPECT_TRUE(StringsOf(*Report, TEXT("outsideDependencies")).IsEmpty());
	EXPECT_TRUE(Report->HasField(TEXT("findings")));

	// Every listed file with the listing's size and hash, and the package and main assets it is there for.
	const TMap<FString, FListedEntry> Listed = ListPakEntries(PakPath());
	const TArray<TSharedPtr<FJsonObject>> Files = ObjectsOf(*Report, TEXT("files"));
	ASSERT_EQ(Files.Num(), Listed.Num());
	ASSERT_EQ(Files.Num(), 7);
	const FString Rock = TEXT("/Game/MyPack/SM_Rock");
	const FString Cave = TEXT("/Game/MyPack/L_Cave");
	const FString Moss = TEXT("/Game/MyPack/Game/M_Moss");
	struct FWhyPacked
	{
		const TCHAR* Relative;
		FString Package;
		TArray<FString> MainAssets;
	};
	const FWhyPacked WhyPacked[] = {
		{TEXT("MyPack/Game/M_Moss.uasset"), Moss, {Cave, Rock}},
		{TEXT("MyPack/L_Cave.ubulk"), Cave, {Cave}},
		{TEXT("MyPack/L_Cave.uexp"), Cave, {Cave}},
		{TEXT("MyPack/L_Cave.umap"), Cave, {Cave}},
		{TEXT("MyPack/MyPackage.uasset"), TEXT("/Game/MyPack/MyPackage"), {}},
		{TEXT("MyPack/SM_Rock.uasset"), Rock, {Rock}},
		{TEXT("MyPack/SM_Rock.uexp"), Rock, {Rock}},
	};
	TArray<FString> MountPaths;
	TMap<FString, int64> BytesOfMainAsset;
	int64 TotalBytes = 0;
	for (const TSharedPtr<FJsonObject>& File : Files)
	{
		const FString MountPath = StringOf(*File, TEXT("mountPath"));
		SCOPED_TRACE(ToUtf8(MountPath));
		MountPaths.Add(MountPath);
		const FListedEntry* Entry = Listed.Find(MountPath);
		ASSERT_NE(Entry, nullptr);
		EXPECT_EQ(NumberOf(*File, TEXT("size")), Entry->Size);
		EXPECT_EQ(NumberOf(*File, TEXT("sizeInPak")), Entry->SizeInPak);
		EXPECT_EQ(StringOf(*File, TEXT("sha1")), Entry->Sha1);
		const FString Relative = MountPath.RightChop(FString(TEXT("../../../QuillonVTT/Content/")).Len());
		EXPECT_EQ(StringOf(*File, TEXT("cookedPath")), CookedDir() + Relative);
		const FWhyPacked* Why = std::find_if(std::begin(WhyPacked), std::end(WhyPacked), [&Relative](const FWhyPacked& Each) { return Relative == Each.Relative; });
		ASSERT_NE(Why, std::end(WhyPacked));
		EXPECT_EQ(StringOf(*File, TEXT("package")), Why->Package);
		EXPECT_EQ(StringsOf(*File, TEXT("mainAssets")), Why->MainAssets);
		for (const FString& MainAsset : Why->MainAssets)
		{
			BytesOfMainAsset.FindOrAdd(MainAsset) += Entry->Size;
		}
		TotalBytes += Entry->Size;
	}
	TArray<FString> Sorted = MountPaths;
	Sorted.Sort([](const FString& A, const FString& B) { return A.Compare(B, ESearchCase::CaseSensitive) < 0; });
	EXPECT_EQ(MountPaths, Sorted);

	// A main asset's bytes are those of its closure's files, the shared material counted for both; once in the total.
	const TArray<TSharedPtr<FJsonObject>> MainAssets = ObjectsOf(*Report, TEXT("mainAssets"));
	ASSERT_EQ(MainAssets.Num(), 2);
	EXPECT_EQ(StringOf(*MainAssets[0], TEXT("name")), Cave);
	EXPECT_EQ(StringOf(*MainAssets[1], TEXT("name")), Rock);
	for (const TSharedPtr<FJsonObject>& MainAsset : MainAssets)
	{
		EXPECT_EQ(NumberOf(*MainAsset, TEXT("packages")), 2);
		EXPECT_EQ(NumberOf(*MainAsset, TEXT("bytes")), BytesOfMainAsset.FindRef(StringOf(*MainAsset, TEXT("name"))));
	}
	EXPECT_EQ(NumberOf(ObjectOf(*Report, TEXT("total")), TEXT("files")), 7);
	EXPECT_EQ(NumberOf(ObjectOf(*Report, TEXT("total")), TEXT("bytes")), TotalBytes);

	// The report, written as it goes, is to the byte the text the serializer gives its values, as readers expect it.
	FString Written;
	ASSERT_TRUE(FFileHelper::LoadFileToString(Written, *ReportPath()));
	FString Serialized;
	FJsonSerializer::Serialize(Report.ToSharedRef(), TJsonWriterFactory<>::Create(&Serialized));
	EXPECT_EQ(Written, Serialized + LINE_TERMINATOR);
}

TEST(BuildReportListingTest, EveryEntryLineIsReadWhateverItsLineEnd)
{
	// As the pak tool lists on Windows and elsewhere: CR LF, LF, blank lines, other lines, the last without an end.
	const FString Listing = TEXT("LogPakFile: Display: Mount point ../../../\r\n")
		TEXT("LogPakFile: Display: \"Mount/A.uasset\" offset: 0, size: 120 bytes, sha1: 00AA, compression: None.\r\n\r\n")
		TEXT("LogPakFile: Display: \"Mount/B C.uexp\" offset: 120, size: 4000 bytes, compressed: 900 bytes, sha1: 11BB, compression: Zlib.\n")
		TEXT("LogPakFile: Display: 3 files (4130 bytes), (0 filtered bytes).\n")
		TEXT("LogPakFile: Display: \"Mount/D.ubulk\" offset: 1020, size: 10 bytes, sha1: 22CC, compression: None.");
	const TArray<FZ4BuildReport::FListedFile> Files = FZ4BuildReport::ParseListing(Listing);
	ASSERT_EQ(Files.Num(), 3);
	struct FExpected
	{
		const TCHAR* MountPath;
		int64 Size;
		int64 SizeInPak;
		const TCHAR* Sha1;
	};
	const FExpected Expected[] = {
		{TEXT("Mount/A.uasset"), 120, 120, TEXT("00AA")},
		{TEXT("Mount/B C.uexp"), 4000, 900, TEXT("11BB")},
		{TEXT("Mount/D.ubulk"), 10, 10, TEXT("22CC")},
	};
	for (int32 Index = 0; Index < Files.Num(); ++Index)
	{
		EXPECT_EQ(Files[Index].MountPath, Expected[Index].MountPath);
		EXPECT_EQ(Files[Index].Size, Expected[Index].Size);
		EXPECT_EQ(Files[Index].SizeInPak, Expected[Index].SizeInPak);
		EXPECT_EQ(Files[Index].Sha1, Expected[Index].Sha1);
	}
}

TEST_F(FBuildReportTest, NextPakSaysWhatChangedSinceTheLast)
{
	UZ4Package* Package = MakeSharingPackage();
	CookPackage();
	ASSERT_EQ(MakePak(*Package).CompletionState, SNotificationItem::CS_Success);
	FString FirstText;
	ASSERT_TRUE(FFileHelper::LoadFileToString(FirstText, *ReportPath()));

	// The same inputs give the same report, apart from the time and the comparison.
	EXPECT_EQ(MakePak(*Package).SubText, TEXT("No change since the last pak"));
	const TSharedPtr<FJsonObject> Unchanged = ReadReport(ReportPath());
	const TSharedPtr<FJsonObject> FirstAgain = ParseReport(FirstText);
	ASSERT_TRUE(Unchanged.IsValid() && FirstAgain.IsValid());
	EXPECT_EQ(StringsOf(ObjectOf(*Unchanged, TEXT("changes")), TEXT("changed")), TArray<FString>());
	EXPECT_EQ(StringOf(ObjectOf(*Unchanged, TEXT("changes")), TEXT("summary")), TEXT("No change since the last pak"));
	for (const TSharedPtr<FJsonObject>& Report : {Unchanged, FirstAgain})
	{
		Report->RemoveField(TEXT("time"));
		Report->RemoveField(TEXT("changes"));
	}
	FString UnchangedText;
	FString FirstAgainText;
	FJsonSerializer::Serialize(Unchanged.ToSharedRef(), TJsonWriterFactory<>::Create(&UnchangedText));
	FJsonSerializer::Serialize(FirstAgain.ToSharedRef(), TJsonWriterFactory<>::Create(&FirstAgainText));
	EXPECT_EQ(UnchangedText, FirstAgainText);

	// The level cooked again with other bulk data and exports, and the mesh's exports gone: a smaller pak.
	const int64 PakSizeBefore = IFileManager::Get().FileSize(*PakPath());
	WriteCooked(TEXT("MyPack/L_Cave.ubulk"), TEXT("cave bulk, cooked again with more in it"));
	WriteCooked(TEXT("MyPack/L_Cave.uexp"), TEXT("cave expor!"));
	IFileManager::Get().Delete(*(CookedDir() + TEXT("MyPack/SM_Rock.uexp")));
	const FShownNotification Changed = MakePak(*Package);
	const int64 SizeDifference = IFileManager::Get().FileSize(*PakPath()) - PakSizeBefore;
	ASSERT_LT(SizeDifference, 0) << "the pak lost a file's entry and gained a few bytes of bulk data";
	EXPECT_EQ(Changed.SubText, FString::Printf(TEXT("+0 files, \u22121, 2 changed, \u2212%lld B"), -SizeDifference));
	const TSharedPtr<FJsonObject> Report = ReadReport(ReportPath());
	ASSERT_TRUE(Report.IsValid());
	const FJsonObject& Changes = ObjectOf(*Report, TEXT("changes"));
	EXPECT_EQ(StringsOf(Changes, TEXT("added")), TArray<FString>());
	EXPECT_EQ(StringsOf(Changes, TEXT("removed")), TArray<FString>({TEXT("../../../QuillonVTT/Content/MyPack/SM_Rock.uexp")}));
	EXPECT_EQ(StringsOf(Changes, TEXT("changed")),
		TArray<FString>({TEXT("../../../QuillonVTT/Content/MyPack/L_Cave.ubulk"), TEXT("../../../QuillonVTT/Content/MyPack/L_Cave.uexp")}));
	EXPECT_EQ(NumberOf(Changes, TEXT("sizeDifference")), SizeDifference);
	EXPECT_FALSE(StringOf(Changes, TEXT("previousTime")).IsEmpty());
}

TEST_F(FBuildReportTest, UnreadablePreviousReportIsReplacedWithOneWarning)
{
	UZ4Package* Package = MakeSharingPackage();
	CookPackage();
	struct FCase
	{
		const TCHAR* Previous;
		const TCHAR* Problem;
	};
	const FCase Cases[] = {
		{TEXT("{\"formatVersion\": 1, \"files\": ["), TEXT("it is no JSON object (Line 1, character 32: the text ends where a value was expected)")},
		{TEXT("{\"formatVersion\": 2, \"pak\": {\"size\": 1}, \"files\": []}"), TEXT("its format version is 2 and this plug-in reads 1")},
		{TEXT("{\"formatVersion\": 1, \"pak\": {\"size\": 1}}"), TEXT("it lacks the pak's size or its file list")},
		{TEXT("{\"formatVersion\": 1, \"pak\": {\"size\": 1}, \"files\": [{\"mountPath\": \"a\"}]}"), TEXT("an entry of its file list lacks its mount path or hash")},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(ToUtf8(Case.Previous));
		Project.WriteFile(TEXT("Paks/MyPack.json"), Case.Previous);
		Log.Clear();

		const FShownNotification Outcome = MakePak(*Package);

		EXPECT_EQ(Outcome.CompletionState, SNotificationItem::CS_Success);
		EXPECT_EQ(Outcome.SubText, TEXT("Not compared with the last pak: its build report could not be read (see the Output Log)"));
		EXPECT_EQ(Log.Count(Z4LogSDKName, ELogVerbosity::Warning), 1);
		EXPECT_TRUE(Log.Contains(Z4LogSDKName, ELogVerbosity::Warning,
			FString::Printf(TEXT("The previous build report %s was not compared with the new pak: %s. The new report replaces it."), *ReportPath(), Case.Problem)));
		EXPECT_EQ(Log.Count(Z4LogSDKName, ELogVerbosity::Error), 0);
		const TSharedPtr<FJsonObject> Report = ReadReport(ReportPath());
		ASSERT_TRUE(Report.IsValid());
		EXPECT_EQ(NumberOf(*Report, TEXT("formatVersion")), 1);
		EXPECT_EQ(ObjectsOf(*Report, TEXT("files")).Num(), 7);
	}
}
