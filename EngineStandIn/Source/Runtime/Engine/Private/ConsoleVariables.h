#pragma once

#include "CoreMinimal.h"

class IConsoleObject;

namespace UE::Engine::Private
{
	/** Registers the engine's rendering, effects, grass and foliage console objects; adds each to OutObjects. */
	void RegisterConsoleObjects(TArray<IConsoleObject*>& OutObjects);
}
