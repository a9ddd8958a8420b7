#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Delegates/DelegateCombinations.h"
#include "Templates/Function.h"
#include "Templates/SharedPointer.h"

#include <atomic>
#include <mutex>

class FTSTicker;

namespace UE::StandIn
{
	/** Whether a ticker is waiting to fire (added and not removed); the headless editor runs until none is. */
	CORE_API bool HasActiveTickers(FTSTicker& Ticker);
}

/** Returns true to fire again after the same delay, false to be removed. */
DECLARE_DELEGATE_RetVal_OneParam(bool, FTickerDelegate, float);

/**
 * Fires delegates on later ticks of the thread that ticks it (for the core ticker: the main loop). A ticker
 * added during a tick fires on the next one at the earliest; one removed is never fired again.
 */
class CORE_API FTSTicker
{
public:
	struct FElement
	{
		double FireTime = 0.0;
		float DelayTime = 0.0f;
		TFunction<bool(float)> Function;
		std::atomic<bool> bRemoved = false;
	};

	using FElementPtr = TSharedPtr<FElement>;
	using FDelegateHandle = TWeakPtr<FElement>;

	/** The ticker the engine's main loop ticks. */
	static FTSTicker& GetCoreTicker();

	/** InDelay is the time until the first and every later fire; 0 means the next tick. */
	FDelegateHandle AddTicker(const FTickerDelegate& InDelegate, float InDelay = 0.0f);
	FDelegateHandle AddTicker(const TCHAR* InName, float InDelay, TFunction<bool(float)> Function);

	static void RemoveTicker(FDelegateHandle Handle);

	/** Advances the ticker's time by DeltaTime and fires every ticker that is due. */
	void Tick(float DeltaTime);

	/** Drops every ticker. */
	void Reset();

private:
	friend bool UE::StandIn::HasActiveTickers(FTSTicker& Ticker);

	double CurrentTime = 0.0;
	TArray<FElementPtr> Elements;
	std::mutex AddedMutex;
	TArray<FElementPtr> AddedElements;
};
