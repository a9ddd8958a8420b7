#pragma once

#include "CoreTypes.h"

struct CORE_API FPlatformTime
{
	/** Seconds from an arbitrary start, monotonic. */
	static double Seconds();

	static uint32 Cycles();
	static uint64 Cycles64();

	static double GetSecondsPerCycle() { return 1.0e-9; }

	static double GetSecondsPerCycle64() { return 1.0e-9; }

	static double ToSeconds64(uint64 Cycles) { return static_cast<double>(Cycles) * 1.0e-9; }

	static double ToMilliseconds64(uint64 Cycles) { return static_cast<double>(Cycles) * 1.0e-6; }
};
