#pragma once

#include "CoreMinimal.h"

namespace UE::StandIn
{
	/**
	 * One frame of the editor's main loop, in the engine's order: the core ticker, then every tickable editor object
	 * (among them the cookers initialised with AutoTick). Garbage is not collected here; the caller does that.
	 */
	UNREALED_API void TickEditor(float DeltaSeconds);

	/** Whether a cooker the editor ticks (AutoTick) is in a session. */
	UNREALED_API bool IsEditorCooking();

	/**
	 * Ticks frames while the editor is cooking, and one frame more, in which what waits on the cooks' end (on the core
	 * ticker) sees them ended. At least one frame.
	 */
	UNREALED_API void TickUntilIdle(float DeltaSeconds = 1.0f / 30.0f);
}
