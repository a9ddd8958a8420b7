#pragma once

#include "CoreMinimal.h"

/**
 * Waits until the rendering thread has run every command sent to it. Game thread only. There is no rendering
 * thread here, so there is nothing to wait for; each call is counted (StandIn/RenderingCommandFlushes.h).
 */
RENDERCORE_API void FlushRenderingCommands();
