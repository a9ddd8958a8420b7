// "Make Pak File" over an export set of 10,000 cooked records: the export set from the registry, the
// cooked-file checks and the manifest, without the pak tool it starts.
#include "CoreMinimal.h"
#include "Engine/StaticMesh.h"
#include "StandIn/NotificationLog.h"
#include "StandIn/ProcessLog.h"
#include "StandIn/TestProject.h"
#include "UObject/Package.h"
#include "Z4Package.h"
#include "Z4SDKStatics.h"

#include <benchmark/benchmark.h>

namespace
{
	constexpr int32 NumRecords = 10000;

	void BM_MakePakFile(benchmark::State& State)
	{
		UE::StandIn::FTestProject Project(TEXT("PakBench"));
		UE::StandIn::FStandInEngine Engine(Project);
		UZ4Package* Package = NewObject<UZ4Package>(CreatePackage(TEXT("/Game/Pack/Package")), TEXT("Package"), RF_Public | RF_Standalone);
		Package->Data.Name = FName(TEXT("Bench Pack"));
		const FString Cooked = TEXT("Saved/Cooked/Windows/PakBench/Content/Pack/");
		for (int32 Index = 0; Index < NumRecords - 1; ++Index)
		{
			const FString Name = FString::Printf(TEXT("SM_Mesh%05d"), Index);
			const FString PackageName = TEXT("/Game/Pack/") + Name;
			UStaticMesh* Mesh = NewObject<UStaticMesh>(CreatePackage(*PackageName), FName(*Name), RF_Public | RF_Standalone);
			UZ4SDKStatics::SaveAsset(Mesh);
			Package->Data.AssetsIndexMap.Add(FName(*PackageName), Index);
			Project.WriteFile(Cooked + Name + TEXT(".uasset"), TEXT("a"));
			Project.WriteFile(Cooked + Name + TEXT(".uexp"), TEXT("b"));
		}
		UZ4SDKStatics::SaveAsset(Package);
		Project.WriteFile(Cooked + TEXT("Package.uasset"), TEXT("p"));

		UE::StandIn::FProcessLog Processes;
		Processes.SetStartPrograms(false);
		for (auto _ : State)
		{
			Package->MakePakFile();
			State.PauseTiming();
			UE::StandIn::ClearShownNotifications();
			State.ResumeTiming();
		}
		State.SetItemsProcessed(State.iterations() * NumRecords);
	}
}

BENCHMARK(BM_MakePakFile)->Name("MakePakFile/CookedRecords:10000")->Unit(benchmark::kMillisecond)->UseRealTime();
