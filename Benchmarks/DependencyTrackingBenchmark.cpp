// "Find Dependencies" on synthetic projects shaped like real ones, at 10,000, 30,000 and 100,000 packages.
//
// A project: ten World-Partition-style levels, each listing its actors, which live in thousands of packages under
// /Game/__ExternalActors__/ and place meshes from the level's own part of a shared mesh library; the meshes use
// shared materials, the materials shared textures and engine content; a few materials and actors use content
// outside the package folder (/Game/Shared, /Game/Marketplace); a few actors keep soft references to packages
// deleted from disk. Forty portal blueprints each reference one level softly. The ten levels and forty portals are
// the package's 50 main assets; each reaches about a tenth of the project.
//
// Counters of DependencyTracking/FindAllDependencies:
//   queries, existence_checks    registry dependency queries and disk checks made by one FindAllDependencies
//   literal_queries,             the same two counts for the walk that asks again for every main asset that
//   literal_existence_checks     reaches a package (computed from the graph, not run)
//   packages                     distinct packages the walks reach (the main assets and every custom dependency
//                                on disk), computed from the graph
//   reached_per_main_asset       packages one main asset's walk reaches, on average
//   us_per_package               wall time of one FindAllDependencies per package of the project
//   save_ms                      wall time of the package's save alone, which FindAllDependencies ends with
//
// Counters of DependencyTracking/CheckPackage, on the same project once Find Dependencies has run and every package
// of the export set is cooked (so each has its cooked file looked for and its times compared):
//   queries, existence_checks    registry dependency queries and disk checks made by one CheckPackage
//   packages                     distinct packages the walks reach, as above
//   findings                     what one CheckPackage finds (outside dependencies, engine content, missing packages)
//   check_ms                     wall time of one CheckPackage
//   find_all_dependencies_ms     wall time of one FindAllDependencies on the same project, for comparison
#include <benchmark/benchmark.h>

#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "StandIn/PackageQueryLog.h"
#include "StandIn/TestAssets.h"
#include "StandIn/TestProject.h"
#include "SyntheticProject.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "Z4Package.h"
#include "Z4SDKStatics.h"

#include <chrono>

using namespace UE::Benchmark;
using namespace UE::StandIn;

namespace
{
	bool IsCustomName(const FString& Name)
	{
		return UZ4Package::IsCustomAsset(Name);
	}

	struct FWalkCounts
	{
		int64 Queries = 0;
		int64 ExistenceChecks = 0;
		int64 DistinctReached = 0;
	};

	/**
	 * The counts of the walk that asks the registry again for every main asset that reaches a package: one query per
	 * package a main asset's walk reaches, one existence check per custom name listed by a package it reaches.
	 */
	FWalkCounts CountLiteralWalks(const FSyntheticProject& Project)
	{
		TMap<FString, const FTestPackage*> ByName;
		for (const FTestPackage& Package : Project.Packages)
		{
			ByName.Add(Package.PackageName, &Package);
		}
		FWalkCounts Counts;
		TSet<FString> Union;
		for (const FString& MainAsset : Project.MainAssets)
		{
			TSet<FString> Visited{MainAsset};
			TArray<const FTestPackage*> ToVisit{ByName.FindRef(MainAsset)};
			while (ToVisit.Num() > 0)
			{
				const FTestPackage* Package = ToVisit.Pop();
				++Counts.Queries;
				Union.Add(Package->PackageName);
				for (const TArray<FString>* Names : {&Package->Imports, &Package->SoftReferences})
				{
					for (const FString& Name : *Names)
					{
						if (!IsCustomName(Name))
						{
							continue;
						}
						++Counts.ExistenceChecks;
						const FTestPackage* Dependency = ByName.FindRef(Name);
						if (Dependency && !Visited.Contains(Name))
						{
							Visited.Add(Name);
							ToVisit.Add(Dependency);
						}
					}
				}
			}
		}
		Counts.DistinctReached = Union.Num();
		return Counts;
	}

	/** The package asset whose main assets are the project's. */
	UZ4Package* MakeBenchPackage(const FSyntheticProject& Synthetic)
	{
		UZ4Package* Package = NewObject<UZ4Package>(CreatePackage(TEXT("/Game/Pack/PK_Bench")), TEXT("PK_Bench"), RF_Public | RF_Standalone);
		for (const FString& MainAsset : Synthetic.MainAssets)
		{
			Package->Data.AssetsIndexMap.Add(FName(*MainAsset), Package->Data.AssetsIndexMap.Num());
		}
		return Package;
	}

	void BM_FindAllDependencies(benchmark::State& State)
	{
		const int32 NumPackages = (int32)State.range(0);
		const FSyntheticProject Synthetic = MakeSyntheticProject(FProjectShape::WorldPartition(), NumPackages);
		const FWalkCounts Literal = CountLiteralWalks(Synthetic);

		FTestProject Project(TEXT("BenchProject"));
		FStandInEngine Engine(Project);
		WriteSyntheticProject(Synthetic);

		UZ4Package* Package = MakeBenchPackage(Synthetic);
		int64 Queries = 0;
		int64 ExistenceChecks = 0;
		{
			FPackageQueryLog Log;
			Package->FindAllDependencies();
			Queries = Log.Num(EPackageQuery::GetDependencies);
			ExistenceChecks = Log.Num(EPackageQuery::DoesPackageExist);
		}

		double Seconds = 0.0;
		for (auto _ : State)
		{
			const auto Start = std::chrono::steady_clock::now();
			Package->FindAllDependencies();
			Seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
		}
		// The save that ends every FindAllDependencies, on its own: the package file lists every dependency found.
		const auto SaveStart = std::chrono::steady_clock::now();
		UZ4SDKStatics::SaveAsset(Package);
		State.counters["save_ms"] = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - SaveStart).count();
		State.counters["queries"] = (double)Queries;
		State.counters["existence_checks"] = (double)ExistenceChecks;
		State.counters["literal_queries"] = (double)Literal.Queries;
		State.counters["literal_existence_checks"] = (double)Literal.ExistenceChecks;
		State.counters["packages"] = (double)Literal.DistinctReached;
		State.counters["reached_per_main_asset"] = (double)Literal.Queries / Synthetic.MainAssets.Num();
		State.counters["us_per_package"] = Seconds * 1e6 / State.iterations() / NumPackages;
	}

	void BM_CheckPackage(benchmark::State& State)
	{
		const int32 NumPackages = (int32)State.range(0);
		const FSyntheticProject Synthetic = MakeSyntheticProject(FProjectShape::WorldPartition(), NumPackages);
		const FWalkCounts Literal = CountLiteralWalks(Synthetic);

		FTestProject Project(TEXT("BenchProject"));
		FStandInEngine Engine(Project);
		WriteSyntheticProject(Synthetic);
		TSet<FName> Maps;
		for (const FTestPackage& Package : Synthetic.Packages)
		{
			if (Package.ClassPath == TEXT("/Script/Engine.World"))
			{
				Maps.Add(FName(*Package.PackageName));
			}
		}

		UZ4Package* Package = MakeBenchPackage(Synthetic);
		Package->Data.Name = FName(TEXT("Bench"));
		Package->FindAllDependencies();
		FModuleManager::LoadModuleChecked<FAssetRegistryModule>(TEXT("AssetRegistry")).Get().ScanPathsSynchronous({TEXT("/Game/Pack/")}, true);

		// The export set cooked after its sources were written.
		const FString CookedContentDir = Project.GetSavedDir() + TEXT("Cooked/Windows/") + Project.GetName() + TEXT("/Content/");
		TArray<FName> ExportSet;
		Package->Data.AssetsIndexMap.GetKeys(ExportSet);
		for (const TPair<FName, FZ4ReferenceList>& Dependency : Package->Dependencies)
		{
			ExportSet.Add(Dependency.Key);
		}
		ExportSet.Add(Package->GetOutermost()->GetFName());
		for (const FName& Name : ExportSet)
		{
			const FString Cooked = CookedContentDir + Name.ToString().RightChop(6) + (Maps.Contains(Name) ? TEXT(".umap") : TEXT(".uasset"));
			FFileHelper::SaveStringToFile(TEXT("cooked"), *Cooked);
		}

		int64 Queries = 0;
		int64 ExistenceChecks = 0;
		int32 NumFindings = 0;
		{
			FPackageQueryLog Log;
			NumFindings = Package->CheckPackage().Num();
			Queries = Log.Num(EPackageQuery::GetDependencies);
			ExistenceChecks = Log.Num(EPackageQuery::DoesPackageExist);
		}

		double CheckSeconds = 0.0;
		double FindSeconds = 0.0;
		for (auto _ : State)
		{
			const auto Start = std::chrono::steady_clock::now();
			benchmark::DoNotOptimize(Package->CheckPackage());
			const auto Checked = std::chrono::steady_clock::now();
			State.PauseTiming();
			Package->FindAllDependencies();
			FindSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - Checked).count();
			State.ResumeTiming();
			CheckSeconds += std::chrono::duration<double>(Checked - Start).count();
		}
		State.counters["queries"] = (double)Queries;
		State.counters["existence_checks"] = (double)ExistenceChecks;
		State.counters["packages"] = (double)Literal.DistinctReached;
		State.counters["findings"] = (double)NumFindings;
		State.counters["check_ms"] = CheckSeconds * 1e3 / State.iterations();
		State.counters["find_all_dependencies_ms"] = FindSeconds * 1e3 / State.iterations();
	}
}

BENCHMARK(BM_CheckPackage)
	->Name("DependencyTracking/CheckPackage")
	->ArgName("packages")
	->Arg(10000)
	->Arg(100000)
	->Unit(benchmark::kMillisecond)
	->UseRealTime()
	->Iterations(3);

BENCHMARK(BM_FindAllDependencies)
	->Name("DependencyTracking/FindAllDependencies")
	->ArgName("packages")
	->Arg(10000)
	->Arg(30000)
	->Arg(100000)
	->Unit(benchmark::kMillisecond)
	->UseRealTime()
	->Iterations(3);
