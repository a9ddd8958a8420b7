// Synthetic projects shaped like real ones, for the benchmarks: packages on disk with the references the engine's
// would have, laid out without making their objects.
#pragma once

#include "CoreMinimal.h"
#include "StandIn/TestAssets.h"

namespace UE::Benchmark
{
	/**
	 * How a project divides its packages. The meshes use materials, the materials textures, the external actors of
	 * each level place meshes from the level's own part of the mesh library, the blueprints each reference one mesh
	 * (and, as portals, one level softly). Shared textures and a marketplace kit lie outside the package folder
	 * /Game/Pack.
	 */
	struct FProjectShape
	{
		int32 NumLevels = 10;
		/** Blueprints, as counts or as a share of the packages (per mille) when the count is 0. */
		int32 NumBlueprints = 40;
		int32 BlueprintsPerMille = 0;
		int32 NumShared = 20;
		int32 SharedPerMille = 10;
		int32 NumMarketplace = 10;
		int32 MarketplacePerMille = 5;
		int32 TexturesPerMille = 120;
		int32 MaterialsPerMille = 60;
		int32 MeshesPerMille = 220;
		/** Whether each blueprint also references a level softly, as a portal to it does. */
		bool bBlueprintsReferenceLevels = true;
		/** One material in this many also uses a shared texture, one actor in this many a marketplace mesh. */
		int32 SharedTextureEvery = 20;
		int32 MarketplaceActorEvery = 50;

		/**
		 * World Partition levels full of actors and a few portal blueprints, the main assets of the package, each reaching
		 * about a tenth of the project; outside content included. Shared and marketplace counts are floors.
		 */
		static FProjectShape WorldPartition();
		/**
		 * A creator's pack: as many textures, materials and meshes, a thirtieth as many blueprints (props, each with its
		 * mesh) and one level with a sixth of the packages as external actors; everything in the package folder.
		 */
		static FProjectShape CreatorPack();
	};

	struct FSyntheticProject
	{
		/** Every package on disk, with what it lists. */
		TArray<UE::StandIn::FTestPackage> Packages;
		/** The levels and blueprints. */
		TArray<FString> MainAssets;
	};

	/** The same project for the same shape and size: the layout is drawn from a generator seeded with the size. */
	FSyntheticProject MakeSyntheticProject(const FProjectShape& Shape, int32 NumPackages);

	/** Writes every package of the project into the running engine's project and has the asset registry read them. */
	void WriteSyntheticProject(const FSyntheticProject& Synthetic);
}
