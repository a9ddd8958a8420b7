// The creator's whole flow on generated creator packs of 3,000, 10,000 and 30,000 packages (the CreatorPack shape:
// textures, materials and meshes in equal numbers, a thirtieth as many blueprints, one level whose external actors
// are a sixth of the packages), each step once, in the order the creator clicks them; Find Dependencies, which starts
// from empty maps each time, is clicked a few times more and measured by the median, as one run of a few
// milliseconds says more about the machine than about the step:
//   Flow/AddAllAssets         "Add All Assets" on a package that has none yet: thumbnails rendered and imported
//   Flow/FindDependencies     "Find Dependencies"
//   Flow/ApplyCookSettings    "Apply Cook Settings" (the restart it offers declined)
//   Flow/CookContent          the editor's Cook Content for Windows, ticked by the editor until it has ended
//   Flow/MakePakFile          "Make Pak File" up to the manifest and the pak tool's start, the tool not started
//   Flow/PakCreate            the pak tool's create on that manifest, as Make Pak File starts it
//
// Counters of every case:
//   packages          packages of the project on disk before the flow
//   main_assets       the package's main assets after Add All Assets
//   files             cooked files the manifest lists
//   us_per_package    the step's wall time per package of the project
//   Flow/FindDependencies only:
//   first_us_per_package   the first click's wall time per package, right after Add All Assets
//   cpu_us_per_package     the median of the clicks' CPU time (the process's, all threads) per package, which
//                          other work on the machine changes less than wall time
//   peak_rss_MB       the process's peak resident memory from the start of that project's flow to the step's end
#include <benchmark/benchmark.h>

#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "HAL/PlatformProcess.h"
#include "Misc/FileHelper.h"
#include "Misc/MessageDialog.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "StandIn/CookContent.h"
#include "StandIn/DialogScript.h"
#include "StandIn/EditorTick.h"
#include "StandIn/NotificationLog.h"
#include "StandIn/ProcessLog.h"
#include "StandIn/StringConv.h"
#include "StandIn/TestProject.h"
#include "SyntheticProject.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "Z4Package.h"
#include "Z4SDKStatics.h"

#include <chrono>
#include <ctime>
#include <fstream>
#include <map>
#include <string>

using namespace UE::Benchmark;
using namespace UE::StandIn;

namespace
{
	enum class EFlowStep
	{
		AddAllAssets,
		FindDependencies,
		ApplyCookSettings,
		CookContent,
		MakePakFile,
		PakCreate,
		Num
	};

	constexpr const char* StepNames[] = {"AddAllAssets", "FindDependencies", "ApplyCookSettings", "CookContent", "MakePakFile", "PakCreate"};
	constexpr int32 ProjectSizes[] = {3000, 10000, 30000};
	constexpr int32 FindDependenciesRuns = 5;

	struct FFlowFigures
	{
		double Seconds[(int32)EFlowStep::Num] = {};
		double PeakRssMB[(int32)EFlowStep::Num] = {};
		double FirstFindDependenciesSeconds = 0.0;
		double FindDependenciesCpuSeconds = 0.0;
		int32 MainAssets = 0;
		int32 Files = 0;
		bool bFailed = false;
		std::string Failure;
	};

	// The kernel keeps the peak in VmHWM, and starts it again from the present size when told to.
	void ResetPeakResidentMemory()
	{
		std::ofstream("/proc/self/clear_refs") << "5";
	}

	double PeakResidentMemoryMB()
	{
		std::ifstream Status("/proc/self/status");
		std::string Line;
		while (std::getline(Status, Line))
		{
			if (Line.rfind("VmHWM:", 0) == 0)
			{
				return std::stod(Line.substr(6)) / 1024.0;
			}
		}
		return 0.0;
	}

	int32 CountLines(const FString& Filename)
	{
		FString Text;
		if (!FFileHelper::LoadFileToString(Text, *Filename))
		{
			return 0;
		}
		int32 Lines = 0;
		for (const TCHAR Character : Text)
		{
			Lines += Character == TEXT('\n');
		}
		return Lines;
	}

	// The -create="..." argument of the pak tool's command line.
	FString GetManifestArgument(const FString& Arguments)
	{
		const FString Key = TEXT("-create=\"");
		const int32 Start = Arguments.Find(Key);
		if (Start == INDEX_NONE)
		{
			return FString();
		}
		const int32 End = Arguments.Find(TEXT("\""), ESearchCase::CaseSensitive, ESearchDir::FromStart, Start + Key.Len());
		return End == INDEX_NONE ? FString() : Arguments.Mid(Start + Key.Len(), End - Start - Key.Len());
	}

	FFlowFigures RunFlow(int32 NumPackages)
	{
		FFlowFigures Figures;
		const FSyntheticProject Synthetic = MakeSyntheticProject(FProjectShape::CreatorPack(), NumPackages);
		FTestProject Project(TEXT("FlowBench"));
		FStandInEngine Engine(Project);
		WriteSyntheticProject(Synthetic);
		UZ4Package* Package = NewObject<UZ4Package>(CreatePackage(TEXT("/Game/Pack/PK_Flow")), TEXT("PK_Flow"), RF_Public | RF_Standalone);
		Package->Data.Name = FName(TEXT("Flow Pack"));
		UZ4SDKStatics::SaveAsset(Package);

		FDialogScript Dialogs;
		Dialogs.AnswerTitled(TEXT("Restart Required"), EAppReturnType::No);
		Dialogs.AnswerTitled(FMessageDialog::GetDefaultMessageTitle().ToString(), EAppReturnType::Ok);
		ResetPeakResidentMemory();
		auto Timed = [&Figures](EFlowStep Step, auto&& Run)
		{
			const auto Start = std::chrono::steady_clock::now();
			Run();
			Figures.Seconds[(int32)Step] = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
			Figures.PeakRssMB[(int32)Step] = PeakResidentMemoryMB();
		};

		Timed(EFlowStep::AddAllAssets, [Package] { Package->FindAllAssets(); });
		Figures.MainAssets = Package->Data.Assets.Num();
		TArray<double> FindDependenciesSeconds;
		TArray<double> FindDependenciesCpuSeconds;
		for (int32 Run = 0; Run < FindDependenciesRuns; ++Run)
		{
			const std::clock_t CpuStart = std::clock();
			Timed(EFlowStep::FindDependencies, [Package] { Package->FindAllDependencies(); });
			FindDependenciesCpuSeconds.Add((double)(std::clock() - CpuStart) / CLOCKS_PER_SEC);
			FindDependenciesSeconds.Add(Figures.Seconds[(int32)EFlowStep::FindDependencies]);
		}
		Figures.FirstFindDependenciesSeconds = FindDependenciesSeconds[0];
		FindDependenciesSeconds.Sort();
		FindDependenciesCpuSeconds.Sort();
		Figures.Seconds[(int32)EFlowStep::FindDependencies] = FindDependenciesSeconds[FindDependenciesRuns / 2];
		Figures.FindDependenciesCpuSeconds = FindDependenciesCpuSeconds[FindDependenciesRuns / 2];
		Timed(EFlowStep::ApplyCookSettings, [Package] { Package->ApplyCookSettings(); });
		Timed(EFlowStep::CookContent, []
			{
				CookContent(TEXT("Windows"));
				TickUntilIdle();
			});

		FProcessLog NotStarted;
		NotStarted.SetStartPrograms(false);
		Timed(EFlowStep::MakePakFile, [Package] { Package->MakePakFile(); });
		const TArray<FProcessLaunch> Launches = NotStarted.GetLaunches();
		if (Launches.Num() != 1)
		{
			Figures.bFailed = true;
			Figures.Failure = "Make Pak File did not start the pak tool";
			return Figures;
		}
		const FProcessLaunch PakTool = Launches[0];
		const FString ManifestArgument = GetManifestArgument(PakTool.Arguments);
		Figures.Files = CountLines(FPaths::IsRelative(ManifestArgument) ? FPaths::Combine(PakTool.ResolvedWorkingDirectory, ManifestArgument) : ManifestArgument);
		TickEditor(0.0f);
		ClearShownNotifications();

		FProcessLog Started;
		Started.SetStartPrograms(true);
		// The tool lists every file it adds.
		Started.SetConsoleFile(Project.GetSavedDir() + TEXT("PakTool.log"));
		Timed(EFlowStep::PakCreate, [&PakTool, &Started, &Figures]
			{
				FProcHandle Process = FPlatformProcess::CreateProc(*PakTool.Program, *PakTool.Arguments, false, true, true, nullptr, 0, *PakTool.WorkingDirectory, nullptr);
				FPlatformProcess::CloseProc(Process);
				const TOptional<int32> ReturnCode = Started.WaitForExit(0, 3600.0);
				if (!ReturnCode.IsSet() || ReturnCode.GetValue() != 0)
				{
					Figures.bFailed = true;
					Figures.Failure = "the pak tool failed";
				}
			});
		return Figures;
	}

	const FFlowFigures& GetFlowFigures(int32 NumPackages)
	{
		// One flow per size, run when the first of its steps is measured; the steps depend on the ones before.
		static std::map<int32, FFlowFigures> Flows;
		const auto Found = Flows.find(NumPackages);
		if (Found != Flows.end())
		{
			return Found->second;
		}
		return Flows.emplace(NumPackages, RunFlow(NumPackages)).first->second;
	}

	void BM_FlowStep(benchmark::State& State, EFlowStep Step)
	{
		const int32 NumPackages = (int32)State.range(0);
		const FFlowFigures& Figures = GetFlowFigures(NumPackages);
		if (Figures.bFailed)
		{
			State.SkipWithError(Figures.Failure.c_str());
			return;
		}
		const double Seconds = Figures.Seconds[(int32)Step];
		for (auto _ : State)
		{
			State.SetIterationTime(Seconds);
		}
		State.counters["packages"] = NumPackages;
		State.counters["main_assets"] = Figures.MainAssets;
		State.counters["files"] = Figures.Files;
		State.counters["us_per_package"] = Seconds * 1e6 / NumPackages;
		State.counters["peak_rss_MB"] = Figures.PeakRssMB[(int32)Step];
		if (Step == EFlowStep::FindDependencies)
		{
			State.counters["first_us_per_package"] = Figures.FirstFindDependenciesSeconds * 1e6 / NumPackages;
			State.counters["cpu_us_per_package"] = Figures.FindDependenciesCpuSeconds * 1e6 / NumPackages;
		}
	}

	// Sizes outermost, so that each project's flow runs whole before the next project is made.
	const bool bRegistered = []
	{
		for (const int32 NumPackages : ProjectSizes)
		{
			for (int32 Step = 0; Step < (int32)EFlowStep::Num; ++Step)
			{
				benchmark::RegisterBenchmark((std::string("Flow/") + StepNames[Step]).c_str(), BM_FlowStep, (EFlowStep)Step)
					->ArgName("packages")
					->Arg(NumPackages)
					->Unit(benchmark::kMillisecond)
					->UseManualTime()
					->Iterations(1);
			}
		}
		return true;
	}();
}
