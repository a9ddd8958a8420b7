#include "StandIn/StartedCookLog.h"

namespace UE::StandIn
{
	namespace
	{
		// Never destroyed: weak pointers in it must not outlive the object system at exit.
		TArray<FStartedCook>& StartedCooks()
		{
			static TArray<FStartedCook>* Cooks = new TArray<FStartedCook>();
			return *Cooks;
		}
	}

	FStartedCookLog::FStartedCookLog()
		: FirstCook(StartedCooks().Num())
	{
	}

	TArray<FStartedCook> FStartedCookLog::GetStartedCooks() const
	{
		TArray<FStartedCook> Result;
		for (int32 Index = FirstCook; Index < StartedCooks().Num(); ++Index)
		{
			Result.Add(StartedCooks()[Index]);
		}
		return Result;
	}

	void RecordStartedCook(FStartedCook&& StartedCook)
	{
		StartedCooks().Add(MoveTemp(StartedCook));
	}
}
