#include "RenderingThread.h"

#include "StandIn/RenderingCommandFlushes.h"

namespace
{
	int32 NumFlushes = 0;
}

void FlushRenderingCommands()
{
	++NumFlushes;
}

namespace UE::StandIn
{
	int32 GetNumRenderingCommandFlushes()
	{
		return NumFlushes;
	}
}
