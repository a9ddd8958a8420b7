#pragma once

#include "CoreMinimal.h"

namespace UE::StandIn
{
	// Builds the reflection of every compiled-in type, as the engine's start-up does. Safe to call again:
	// only types registered since the last call are processed.
	COREUOBJECT_API void ProcessNewlyLoadedUObjects();

	// Drops every object that content or code made (everything but the compiled-in types), as closing
	// the editor would, so the next project starts from a clean object system.
	COREUOBJECT_API void DestroyAllContent();
}
