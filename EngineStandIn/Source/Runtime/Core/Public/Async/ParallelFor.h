#pragma once

#include "CoreTypes.h"
#include "Misc/EnumClassFlags.h"
#include "Templates/Function.h"

enum class EParallelForFlags
{
	None = 0,
	/** Runs every call on the calling thread, in order. */
	ForceSingleThread = 1,
	Unbalanced = 2,
	PumpRenderingThread = 4,
	BackgroundPriority = 8,
};

ENUM_CLASS_FLAGS(EParallelForFlags)

/**
 * Calls Body(0) to Body(Num - 1) on the calling thread and on worker threads, one per further core, and returns
 * when every call has returned. The calls may run in any order and at the same time.
 */
CORE_API void ParallelFor(int32 Num, TFunctionRef<void(int32)> Body, EParallelForFlags Flags = EParallelForFlags::None);
