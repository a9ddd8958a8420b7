#include "SyntheticProject.h"

#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "Modules/ModuleManager.h"

#include <random>

namespace UE::Benchmark
{
	using UE::StandIn::FTestPackage;

	FProjectShape FProjectShape::WorldPartition()
	{
		return FProjectShape();
	}

	FProjectShape FProjectShape::CreatorPack()
	{
		FProjectShape Shape;
		Shape.NumLevels = 1;
		Shape.NumBlueprints = 0;
		Shape.BlueprintsPerMille = 1000 / 30;
		Shape.bBlueprintsReferenceLevels = false;
		Shape.NumShared = 0;
		Shape.SharedPerMille = 0;
		Shape.NumMarketplace = 0;
		Shape.MarketplacePerMille = 0;
		Shape.TexturesPerMille = 8000 / 30;
		Shape.MaterialsPerMille = 8000 / 30;
		Shape.MeshesPerMille = 8000 / 30;
		return Shape;
	}

	FSyntheticProject MakeSyntheticProject(const FProjectShape& Shape, int32 NumPackages)
	{
		const int32 NumLevels = Shape.NumLevels;
		const int32 NumBlueprints = Shape.NumBlueprints > 0 ? Shape.NumBlueprints : (int32)((int64)NumPackages * Shape.BlueprintsPerMille / 1000);
		const int32 NumShared = FMath::Max(Shape.NumShared, (int32)((int64)NumPackages * Shape.SharedPerMille / 1000));
		const int32 NumMarketplace = FMath::Max(Shape.NumMarketplace, (int32)((int64)NumPackages * Shape.MarketplacePerMille / 1000));
		const int32 NumTextures = (int32)((int64)NumPackages * Shape.TexturesPerMille / 1000);
		const int32 NumMaterials = (int32)((int64)NumPackages * Shape.MaterialsPerMille / 1000);
		const int32 NumMeshes = (int32)((int64)NumPackages * Shape.MeshesPerMille / 1000);
		const int32 NumActors = NumPackages - NumLevels - NumBlueprints - NumShared - NumMarketplace - NumTextures - NumMaterials - NumMeshes;
		check(NumActors >= 0 && NumLevels > 0 && NumMeshes >= NumLevels && NumTextures > 0);
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
		auto Marketplace = [](int32 Index) { return FString::Printf(TEXT("/Game/Marketplace/Kit/SM_Kit_%d"), Index); };
		auto Level = [](int32 Index) { return FString::Printf(TEXT("/Game/Pack/Maps/L_World_%d"), Index); };

		for (int32 Index = 0; Index < NumShared; ++Index)
		{
			Add(Shared(Index), TEXT("/Script/Engine.Texture2D"), {TEXT("/Script/Engine")});
		}
		for (int32 Index = 0; Index < NumMarketplace; ++Index)
		{
			Add(Marketplace(Index), TEXT("/Script/Engine.StaticMesh"), {TEXT("/Script/Engine"), TEXT("/Engine/EngineMaterials/DefaultMaterial"), Shared(Index % NumShared)});
		}
		for (int32 Index = 0; Index < NumTextures; ++Index)
		{
			Add(Texture(Index), TEXT("/Script/Engine.Texture2D"), {TEXT("/Script/Engine")});
		}
		for (int32 Index = 0; Index < NumMaterials; ++Index)
		{
			FTestPackage& Package = Add(Material(Index), TEXT("/Script/Engine.Material"),
				{TEXT("/Script/Engine"), TEXT("/Engine/EngineMaterials/WorldGridMaterial"), Texture(2 * Index % NumTextures), Texture((2 * Index + 1) % NumTextures)});
			if (NumShared > 0 && Index % Shape.SharedTextureEvery == 0)
			{
				Package.Imports.Add(Shared(Index / Shape.SharedTextureEvery % NumShared));
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
				const bool bMarketplace = Random() % Shape.MarketplaceActorEvery == 0 && NumMarketplace > 0;
				FTestPackage& Package = Add(Actor, TEXT("/Script/Engine.Actor"),
					{TEXT("/Script/Engine"), bMarketplace ? Marketplace((int32)(Random() % NumMarketplace)) : Mesh(LevelIndex * MeshesPerLevel + Random() % MeshesPerLevel)});
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
		for (int32 Index = 0; Index < NumBlueprints; ++Index)
		{
			const FString Blueprint = FString::Printf(TEXT("/Game/Pack/Blueprints/BP_Portal_%d"), Index);
			FTestPackage& Package = Add(Blueprint, TEXT("/Script/Engine.Blueprint"), {TEXT("/Script/Engine"), Mesh(Index % NumMeshes)});
			if (Shape.bBlueprintsReferenceLevels)
			{
				Package.SoftReferences.Add(Level(Index % NumLevels));
			}
			Project.MainAssets.Add(Blueprint);
		}
		check(Project.Packages.Num() == NumPackages);
		return Project;
	}

	void WriteSyntheticProject(const FSyntheticProject& Synthetic)
	{
		for (const UE::StandIn::FTestPackage& Package : Synthetic.Packages)
		{
			UE::StandIn::WriteTestPackage(Package);
		}
		FModuleManager::LoadModuleChecked<FAssetRegistryModule>(TEXT("AssetRegistry")).Get().ScanPathsSynchronous({TEXT("/Game/")}, true);
	}
}
