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
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "Z4Package.h"
#include "Z4SDKStatics.h"

#include <chrono>
#include <random>

using namespace UE::StandIn;

namespace
{
	struct FSyntheticProject
	{
		/** Every package on disk, with what it lists. */
		TArray<FTestPackage> Packages;
		TArray<FString> MainAssets;
	};

	bool IsCustomName(const FString& Name)
	{
		return UZ4Package::IsCustomAsset(Name);
	}

	FSyntheticProject MakeSyntheticProject(int32 NumPackages)
	{
		constexpr int32 NumLevels = 10;
		constexpr int32 NumPortals = 40;
		const int32 NumShared = FMath::Max(20, NumPackages / 100);
		const int32 NumMarketplace = FMath::Max(10, NumPackages / 200);
		const int32 NumTextures = NumPackages * 12 / 100;
		const int32 NumMaterials = NumPackages * 6 / 100;
		const int32 NumMeshes = NumPackages * 22 / 100;
		const int32 NumActors = NumPackages - NumLevels - NumPortals - NumShared - NumMarketplace - NumTextures - NumMaterials - NumMeshes;
		std::mt19937 Random(NumPackages);

		FSyntheticProject Project;
		auto Add = [&Project](FString Name, FString ClassPath, TArray<FString> Imports, TArray<FString> SoftReferences = {}) -> FTestPackage&
		{
			FTestPackage& Package = Project.Packages.AddDefaulted_GetRef();
			Package.PackageName = MoveTemp(Name);
			Package.ClassPath = MoveTemp(ClassPath);
			Package.Imports = MoveTemp(Imports);
			Package.SoftReferences = MoveTemp(SoftReferences);
			return Package;
		};
		auto Texture = [](int32 Index) { return FString::Printf(TEXT("/Game/Pack/Textures/T_Surface_%d"), Index); };
		auto Material = [](int32 Index) { return FString::Printf(TEXT("/Game/Pack/Materials/M_Surface_%d"), Index); };
		auto Mesh = [](int32 Index) { return FString::Printf(TEXT("/Game/Pack/Meshes/SM_Prop_%d"), Index); };
		auto Shared = [](int32 Index) { return FString::Printf(TEXT("/Game/Shared/Textures/T_Shared_%d"), Index); };
		auto Level = [](int32 Index) { return FString::Printf(TEXT("/Game/Pack/Maps/L_World_%d"), Index); };

		for (int32 Index = 0; Index < NumShared; ++Index)
		{
			Add(Shared(Index), TEXT("/Script/Engine.Texture2D"), {TEXT("/Script/Engine")});
		}
		for (int32 Index = 0; Index < NumMarketplace; ++Index)
		{
			Add(FString::Printf(TEXT("/Game/Marketplace/Kit/SM_Kit_%d"), Index), TEXT("/Script/Engine.StaticMesh"),
				{TEXT("/Script/Engine"), TEXT("/Engine/EngineMaterials/DefaultMaterial"), Shared(Index % NumShared)});
		}
		for (int32 Index = 0; Index < NumTextures; ++Index)
		{
			Add(Texture(Index), TEXT("/Script/Engine.Texture2D"), {TEXT("/Script/Engine")});
		}
		for (int32 Index = 0; Index < NumMaterials; ++Index)
		{
			FTestPackage& Package = Add(Material(Index), TEXT("/Script/Engine.Material"),
				{TEXT("/Script/Engine"), TEXT("/Engine/EngineMaterials/WorldGridMaterial"), Texture(2 * Index % NumTextures), Texture((2 * Index + 1) % NumTextures)});
			if (Index % 20 == 0)
			{
				Package.Imports.Add(Shared(Index / 20 % NumShared));
			}
		}
		for (int32 Index = 0; Index < NumMeshes; ++Index)
		{
			// Neighbouring meshes share materials, as the meshes of one kit do.
			Add(Mesh(Index), TEXT("/Script/Engine.StaticMesh"), {TEXT("/Script/Engine"), Material((int64)Index * NumMaterials / NumMeshes)});
		}
		const int32 MeshesPerLevel = NumMeshes / NumLevels;
		for (int32 LevelIndex = 0; LevelIndex < NumLevels; ++LevelIndex)
		{
			const int32 FirstActor = (int64)NumActors * LevelIndex / NumLevels;
			const int32 EndActor = (int64)NumActors * (LevelIndex + 1) / NumLevels;
			TArray<FString> Actors;
			for (int32 ActorIndex = FirstActor; ActorIndex < EndActor; ++ActorIndex)
			{
				const uint32 Hash = Random();
				FString Actor = FString::Printf(TEXT("/Game/__ExternalActors__/Pack/Maps/L_World_%d/%02X/%02X/A%08X%d"), LevelIndex, Hash & 0xff, (Hash >> 8) & 0xff, Hash, ActorIndex);
				const bool bMarketplace = Random() % 50 == 0;
				FTestPackage& Package = Add(Actor, TEXT("/Script/Engine.Actor"),
					{TEXT("/Script/Engine"), bMarketplace ? FString::Printf(TEXT("/Game/Marketplace/Kit/SM_Kit_%d"), (int32)(Random() % NumMarketplace))
														  : Mesh(LevelIndex * MeshesPerLevel + Random() % MeshesPerLevel)});
				if (Random() % 500 == 0)
				{
					Package.SoftReferences.Add(FString::Printf(TEXT("/Game/Pack/Deleted/SM_Gone_%d"), ActorIndex));
				}
				Actors.Add(MoveTemp(Actor));
			}
			Actors.Insert(TEXT("/Script/Engine"), 0);
			Add(Level(LevelIndex), TEXT("/Script/Engine.World"), MoveTemp(Actors));
			Project.MainAssets.Add(Level(LevelIndex));
		}
		for (int32 Index = 0; Index < NumPortals; ++Index)
		{
			const FString Portal = FString::Printf(TEXT("/Game/Pack/Blueprints/BP_Portal_%d"), Index);
			Add(Portal, TEXT("/Script/Engine.Blueprint"), {TEXT("/Script/Engine"), Mesh(Index)}, {Level(Index % NumLevels)});
			Project.MainAssets.Add(Portal);
		}
		check(Project.Packages.Num() == NumPackages);
		return Project;
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

	void BM_FindAllDependencies(benchmark::State& State)
	{
		const int32 NumPackages = (int32)State.range(0);
		const FSyntheticProject Synthetic = MakeSyntheticProject(NumPackages);
		const FWalkCounts Literal = CountLiteralWalks(Synthetic);

		FTestProject Project(TEXT("BenchProject"));
		FStandInEngine Engine(Project);
		for (const FTestPackage& Package : Synthetic.Packages)
		{
			WriteTestPackage(Package);
		}
		FModuleManager::LoadModuleChecked<FAssetRegistryModule>(TEXT("AssetRegistry")).Get().ScanPathsSynchronous({TEXT("/Game/")}, true);

		UZ4Package* Package = NewObject<UZ4Package>(CreatePackage(TEXT("/Game/Pack/PK_Bench")), TEXT("PK_Bench"), RF_Public | RF_Standalone);
		for (const FString& MainAsset : Synthetic.MainAssets)
		{
			Package->Data.AssetsIndexMap.Add(FName(*MainAsset), Package->Data.AssetsIndexMap.Num());
		}
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
		const FSyntheticProject Synthetic = MakeSyntheticProject(NumPackages);
		const FWalkCounts Literal = CountLiteralWalks(Synthetic);

		FTestProject Project(TEXT("BenchProject"));
		FStandInEngine Engine(Project);
		TSet<FName> Maps;
		for (const FTestPackage& Package : Synthetic.Packages)
		{
			WriteTestPackage(Package);
			if (Package.ClassPath == TEXT("/Script/Engine.World"))
			{
				Maps.Add(FName(*Package.PackageName));
			}
		}
		FModuleManager::LoadModuleChecked<FAssetRegistryModule>(TEXT("AssetRegistry")).Get().ScanPathsSynchronous({TEXT("/Game/")}, true);

		UZ4Package* Package = NewObject<UZ4Package>(CreatePackage(TEXT("/Game/Pack/PK_Bench")), TEXT("PK_Bench"), RF_Public | RF_Standalone);
		Package->Data.Name = FName(TEXT("Bench"));
		for (const FString& MainAsset : Synthetic.MainAssets)
		{
			Package->Data.AssetsIndexMap.Add(FName(*MainAsset), Package->Data.AssetsIndexMap.Num());
		}
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
