#pragma once

#include "CoreTypes.h"

/** The content browser's asset categories, as bits: the engine's own, then those registered at run time. */
namespace EAssetTypeCategories
{
	enum Type : uint32
	{
		None = 0,
		Basic = 1 << 0,
		Animation = 1 << 1,
		Materials = 1 << 2,
		Sounds = 1 << 3,
		Physics = 1 << 4,
		UI = 1 << 5,
		Misc = 1 << 6,
		Gameplay = 1 << 7,
		Blueprint = 1 << 8,
		Media = 1 << 9,
		Textures = 1 << 10,

		// Bits from here on are handed out by IAssetTools::RegisterAdvancedAssetCategory.
		FirstUser = 1 << 11,
		LastUser = 1u << 31,
	};
}
