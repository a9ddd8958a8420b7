#include "Async/ParallelFor.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

void ParallelFor(int32 Num, TFunctionRef<void(int32)> Body, EParallelForFlags Flags)
{
	const int32 NumThreads = std::min<int32>(Num, std::max(1u, std::thread::hardware_concurrency()));
	if (NumThreads <= 1 || EnumHasAnyFlags(Flags, EParallelForFlags::ForceSingleThread))
	{
		for (int32 Index = 0; Index < Num; ++Index)
		{
			Body(Index);
		}
		return;
	}

	// Each thread takes the next index until none is left, so uneven calls still spread over the threads.
	std::atomic<int32> NextIndex = 0;
	auto Work = [&NextIndex, &Body, Num]()
	{
		for (int32 Index = NextIndex++; Index < Num; Index = NextIndex++)
		{
			Body(Index);
		}
	};
	std::vector<std::thread> Workers;
	Workers.reserve(NumThreads - 1);
	for (int32 Worker = 1; Worker < NumThreads; ++Worker)
	{
		Workers.emplace_back(Work);
	}
	Work();
	for (std::thread& Worker : Workers)
	{
		Worker.join();
	}
}
