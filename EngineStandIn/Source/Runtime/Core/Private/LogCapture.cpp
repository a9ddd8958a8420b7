#include "StandIn/LogCapture.h"

#include "CoreGlobals.h"
#include "Misc/OutputDeviceRedirector.h"

namespace UE::StandIn
{
	FLogCapture::FLogCapture()
	{
		GLog->AddOutputDevice(this);
	}

	FLogCapture::~FLogCapture()
	{
		GLog->RemoveOutputDevice(this);
	}

	void FLogCapture::Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category)
	{
		std::lock_guard<std::mutex> Lock(Mutex);
		Captured.Add(FCapturedLogLine{
			Category, static_cast<ELogVerbosity::Type>(Verbosity & ELogVerbosity::VerbosityMask), FString(V)});
	}

	TArray<FCapturedLogLine> FLogCapture::Lines() const
	{
		std::lock_guard<std::mutex> Lock(Mutex);
		return Captured;
	}

	int32 FLogCapture::Count(FName Category, ELogVerbosity::Type Verbosity) const
	{
		std::lock_guard<std::mutex> Lock(Mutex);
		int32 Result = 0;
		for (const FCapturedLogLine& Line : Captured)
		{
			Result += (Line.Category == Category && Line.Verbosity == Verbosity) ? 1 : 0;
		}
		return Result;
	}

	bool FLogCapture::Contains(FName Category, ELogVerbosity::Type Verbosity, const FString& SubString) const
	{
		std::lock_guard<std::mutex> Lock(Mutex);
		for (const FCapturedLogLine& Line : Captured)
		{
			if (Line.Category == Category && Line.Verbosity == Verbosity &&
				Line.Message.Contains(SubString, ESearchCase::CaseSensitive))
			{
				return true;
			}
		}
		return false;
	}

	void FLogCapture::Clear()
	{
		std::lock_guard<std::mutex> Lock(Mutex);
		Captured.Empty();
	}
}
