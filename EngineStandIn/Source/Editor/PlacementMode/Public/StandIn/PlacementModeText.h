#pragma once

#include "CoreMinimal.h"

namespace UE::StandIn
{
	/**
	 * Draws the placement mode as text, as a creator sees its tab strip: every tab in the order shown, with its
	 * label, sort order, tag and icon (its style set and brush, and the image drawn or why none is), and the
	 * items it offers for dragging into a level.
	 */
	PLACEMENTMODE_API FString DrawPlacementMode();
}
