// The build report of a pak of 10,000 files: a package of 2,500 main assets, each with its own three files and a
// share of 1,000 dependencies used by five main assets each, compared with the previous report and written. The
// pak itself is small, so the figure is the report's own work. Target: under 0.5 s.
#include "CoreMinimal.h"
#include "Misc/FileHelper.h"
#include "StandIn/TestProject.h"
#include "UObject/Package.h"
#include "Z4BuildReport.h"
#include "Z4Package.h"

#include <benchmark/benchmark.h>

namespace
{
	constexpr int32 NumMainAssets = 2500;
	constexpr int32 NumSharedDependencies = 1000;

	void BM_WriteBuildReport(benchmark::State& State)
	{
		UE::StandIn::FTestProject Project(TEXT("ReportBench"));
		UE::StandIn::FStandInEngine Engine(Project);
		UZ4Package* Package = NewObject<UZ4Package>(CreatePackage(TEXT("/Game/Pack/Package")), TEXT("Package"), RF_Public | RF_Standalone);
		Package->Data.Name = FName(TEXT("Bench Pack"));
		for (int32 Index = 0; Index < NumMainAssets; ++Index)
		{
			Package->Data.AssetsIndexMap.Add(FName(*FString::Printf(TEXT("/Game/Pack/SM_Mesh%05d"), Index)), Index);
		}
		for (int32 Index = 0; Index < NumSharedDependencies; ++Index)
		{
			FZ4ReferenceList& References = Package->Dependencies.Add(FName(*FString::Printf(TEXT("/Game/Pack/Shared/M_Material%04d"), Index)));
			for (int32 User = 0; User < 5; ++User)
			{
				References.References.Add(FName(*FString::Printf(TEXT("/Game/Pack/SM_Mesh%05d"), (Index * 5 + User) % NumMainAssets)));
			}
		}

		FZ4BuildReport Report(*Package);
		TArray<FZ4BuildReport::FListedFile> Listed;
		const auto AddFile = [&Report, &Listed](const FString& PackageName, const TCHAR* Extension, int64 Size)
		{
			const FString MountPath = TEXT("../../../QuillonVTT/Content/") + PackageName.RightChop(6) + Extension;
			Report.AddManifestEntry(MountPath, TEXT("C:/Cooked/Content/") + PackageName.RightChop(6) + Extension, FName(*PackageName));
			Listed.Add({MountPath, Size, Size / 2, FString::Printf(TEXT("%040d"), Listed.Num())});
		};
		for (int32 Index = 0; Index < NumMainAssets; ++Index)
		{
			const FString Name = FString::Printf(TEXT("/Game/Pack/SM_Mesh%05d"), Index);
			AddFile(Name, TEXT(".uasset"), 4000 + Index);
			AddFile(Name, TEXT(".uexp"), 90000 + Index);
			AddFile(Name, TEXT(".ubulk"), 500000 + Index);
		}
		for (int32 Index = 0; Listed.Num() < 10000; ++Index)
		{
			AddFile(FString::Printf(TEXT("/Game/Pack/Shared/M_Material%04d"), Index % NumSharedDependencies), Index < NumSharedDependencies ? TEXT(".uasset") : TEXT(".uexp"), 2000 + Index);
		}
		const FString PakPath = Project.GetProjectDir() + TEXT("Paks/BenchPack.pak");
		Project.WriteFile(TEXT("Paks/BenchPack.pak"), TEXT("pak"));
		// A previous report to compare with, as on every pak but the first.
		Report.Write(PakPath, Listed);

		for (auto _ : State)
		{
			benchmark::DoNotOptimize(Report.Write(PakPath, Listed));
		}
		State.SetItemsProcessed(State.iterations() * Listed.Num());
	}
}

BENCHMARK(BM_WriteBuildReport)->Name("BuildReport/Files:10000")->Unit(benchmark::kMillisecond)->UseRealTime();
