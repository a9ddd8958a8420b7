#include "HAL/PlatformTime.h"

#include <chrono>

double FPlatformTime::Seconds()
{
	return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

uint64 FPlatformTime::Cycles64()
{
	return static_cast<uint64>(
		std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
			.count());
}

uint32 FPlatformTime::Cycles()
{
	return static_cast<uint32>(Cycles64());
}
