#pragma once

#include "CoreMinimal.h"

namespace UE::StandIn
{
	// Builds the reflection of every compiled-in type, as the engine's start-up does. Safe to call again:
	// only types registered since the last call are processed.
	COREUOBJECT_API void ProcessNewlyLoadedUObjects();
}
