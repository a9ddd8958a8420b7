#include "Containers/Ticker.h"

FTSTicker& FTSTicker::GetCoreTicker()
{
	static FTSTicker* Ticker = new FTSTicker();
	return *Ticker;
}

FTSTicker::FDelegateHandle FTSTicker::AddTicker(const FTickerDelegate& InDelegate, float InDelay)
{
	return AddTicker(TEXT("FTSTicker"), InDelay, [Delegate = InDelegate](float DeltaTime)
		{
			return Delegate.IsBound() && Delegate.Execute(DeltaTime);
		});
}

FTSTicker::FDelegateHandle FTSTicker::AddTicker(const TCHAR* InName, float InDelay, TFunction<bool(float)> Function)
{
	FElementPtr Element = MakeShared<FElement>();
	Element->DelayTime = InDelay;
	Element->Function = MoveTemp(Function);
	std::lock_guard<std::mutex> Lock(AddedMutex);
	// The fire time is set when the element joins at the start of a tick.
	AddedElements.Add(Element);
	return FDelegateHandle(Element);
}

void FTSTicker::RemoveTicker(FDelegateHandle Handle)
{
	if (FElementPtr Element = Handle.Pin())
	{
		Element->bRemoved = true;
	}
}

void FTSTicker::Tick(float DeltaTime)
{
	{
		std::lock_guard<std::mutex> Lock(AddedMutex);
		for (FElementPtr& Added : AddedElements)
		{
			Added->FireTime = CurrentTime + Added->DelayTime;
			Elements.Add(MoveTemp(Added));
		}
		AddedElements.Reset();
	}
	CurrentTime += DeltaTime;

	// Fired from a copy: a ticker may add or remove tickers while it runs.
	const TArray<FElementPtr> Due = Elements;
	for (const FElementPtr& Element : Due)
	{
		if (Element->bRemoved || Element->FireTime > CurrentTime)
		{
			continue;
		}
		if (Element->Function(DeltaTime))
		{
			Element->FireTime = CurrentTime + Element->DelayTime;
		}
		else
		{
			Element->bRemoved = true;
		}
	}
	for (int32 Index = Elements.Num() - 1; Index >= 0; --Index)
	{
		if (Elements[Index]->bRemoved)
		{
			Elements.RemoveAt(Index);
		}
	}
}

void FTSTicker::Reset()
{
	std::lock_guard<std::mutex> Lock(AddedMutex);
	AddedElements.Reset();
	Elements.Reset();
}

namespace UE::StandIn
{
	bool HasActiveTickers(FTSTicker& Ticker)
	{
		std::lock_guard<std::mutex> Lock(Ticker.AddedMutex);
		const auto IsActive = [](const FTSTicker::FElementPtr& Element) { return !Element->bRemoved; };
		return Ticker.Elements.ContainsByPredicate(IsActive) || Ticker.AddedElements.ContainsByPredicate(IsActive);
	}
}
