#pragma once

#if WITH_EDITOR

#include "CoreMinimal.h"

class UCookOnTheFlyServer;

/**
 * Keeps a cooker that "Cook Assets" started alive while it cooks. A cooker in the transient package that nothing
 * references would go at the next garbage collection, its cook unfinished; once the cook has ended it is let go.
 */
class FZ4CookKeeper
{
public:
	static void KeepWhileCooking(UCookOnTheFlyServer* Cooker);
};

#endif
