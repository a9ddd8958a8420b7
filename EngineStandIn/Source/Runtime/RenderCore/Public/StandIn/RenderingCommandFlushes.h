#pragma once

#include "CoreMinimal.h"

namespace UE::StandIn
{
	/** How many times FlushRenderingCommands has been called in this process. */
	RENDERCORE_API int32 GetNumRenderingCommandFlushes();
}
