// "Add All Assets" over a folder of 2,000 static meshes: the first run, which renders, writes and imports a
// thumbnail for every mesh, and a run over the same folder once every mesh is in the package, which only asks
// the registry and saves.
//
// Counters: us_per_asset, wall time of one run per asset of the folder.
#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "Modules/ModuleManager.h"
#include "StandIn/TestAssets.h"
#include "StandIn/TestProject.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "Z4Package.h"

#include <benchmark/benchmark.h>

#include <chrono>

using namespace UE::StandIn;

namespace
{
	constexpr int32 NumAssets = 2000;

	UZ4Package* MakeFolderOfMeshes()
	{
		for (int32 Index = 0; Index < NumAssets; ++Index)
		{
			WriteTestPackage({.PackageName = FString::Printf(TEXT("/Game/Pack/Meshes/SM_Mesh%04d"), Index), .Imports = {TEXT("/Game/Pack/M_Shared")}});
		}
		WriteTestPackage({.PackageName = TEXT("/Game/Pack/M_Shared"), .ClassPath = TEXT("/Script/Engine.Material")});
		FModuleManager::LoadModuleChecked<FAssetRegistryModule>(TEXT("AssetRegistry")).Get().ScanPathsSynchronous({TEXT("/Game/")}, true);
		return NewObject<UZ4Package>(CreatePackage(TEXT("/Game/Pack/PK_Bench")), TEXT("PK_Bench"), RF_Public | RF_Standalone);
	}

	void TimeRuns(benchmark::State& State, UZ4Package* Package)
	{
		double Seconds = 0.0;
		for (auto _ : State)
		{
			const auto Start = std::chrono::steady_clock::now();
			Package->FindAllAssets();
			Seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
		}
		State.counters["us_per_asset"] = Seconds * 1e6 / State.iterations() / NumAssets;
	}

	void BM_AddAllAssetsFirstRun(benchmark::State& State)
	{
		FTestProject Project(TEXT("BenchProject"));
		FStandInEngine Engine(Project);
		TimeRuns(State, MakeFolderOfMeshes());
	}

	void BM_AddAllAssetsAllPresent(benchmark::State& State)
	{
		FTestProject Project(TEXT("BenchProject"));
		FStandInEngine Engine(Project);
		UZ4Package* Package = MakeFolderOfMeshes();
		Package->FindAllAssets();
		TimeRuns(State, Package);
	}
}

BENCHMARK(BM_AddAllAssetsFirstRun)->Name("AssetCollection/AddAllAssets/FirstRun/assets:2000")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_AddAllAssetsAllPresent)->Name("AssetCollection/AddAllAssets/AllPresent/assets:2000")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
