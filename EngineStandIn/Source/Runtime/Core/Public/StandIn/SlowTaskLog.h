#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Containers/UnrealString.h"

namespace UE::StandIn
{
	struct FSlowTaskFrameRecord
	{
		float ExpectedWork = 0.f;
		FString Message;
	};

	/** One slow task as its code drove it: what it announced, the frames it entered, how it ended. */
	struct FSlowTaskRecord
	{
		FString DefaultMessage;
		float TotalAmountOfWork = 0.f;
		/** 0 for a task that ran in no other, 1 for one that ran inside it, and so on. */
		int32 Depth = 0;
		bool bMadeDialog = false;
		bool bFinished = false;
		TArray<FSlowTaskFrameRecord> Frames;
	};

	/** The enabled slow tasks since the last reset, oldest first; only the most recent few hundred are kept. */
	CORE_API TArray<FSlowTaskRecord> GetSlowTaskLog();
	CORE_API void ResetSlowTaskLog();
}
