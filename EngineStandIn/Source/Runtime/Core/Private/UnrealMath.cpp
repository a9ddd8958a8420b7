#include "Math/UnrealMathUtility.h"

#include <cstdlib>
#include <mutex>
#include <random>

namespace
{
	std::mutex& RandomMutex()
	{
		static std::mutex Mutex;
		return Mutex;
	}

	std::mt19937& RandomEngine()
	{
		static std::mt19937 Engine(std::random_device{}());
		return Engine;
	}
}

int32 FMath::Rand()
{
	std::lock_guard<std::mutex> Lock(RandomMutex());
	return std::uniform_int_distribution<int32>(0, RAND_MAX)(RandomEngine());
}

float FMath::FRand()
{
	std::lock_guard<std::mutex> Lock(RandomMutex());
	return std::uniform_real_distribution<float>(0.0f, 1.0f)(RandomEngine());
}

void FMath::RandInit(int32 Seed)
{
	std::lock_guard<std::mutex> Lock(RandomMutex());
	RandomEngine().seed(static_cast<uint32>(Seed));
}

int32 FMath::RandRange(int32 Min, int32 Max)
{
	if (Max <= Min)
	{
		return Min;
	}
	std::lock_guard<std::mutex> Lock(RandomMutex());
	return std::uniform_int_distribution<int32>(Min, Max)(RandomEngine());
}

int64 FMath::RandRange(int64 Min, int64 Max)
{
	if (Max <= Min)
	{
		return Min;
	}
	std::lock_guard<std::mutex> Lock(RandomMutex());
	return std::uniform_int_distribution<int64>(Min, Max)(RandomEngine());
}

float FMath::RandRange(float InMin, float InMax)
{
	return InMin + (InMax - InMin) * FRand();
}

double FMath::RandRange(double InMin, double InMax)
{
	return InMin + (InMax - InMin) * static_cast<double>(FRand());
}

bool FMath::RandBool()
{
	return RandRange(0, 1) == 1;
}
