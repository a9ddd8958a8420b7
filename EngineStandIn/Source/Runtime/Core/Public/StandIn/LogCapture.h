#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "Logging/LogVerbosity.h"
#include "Misc/OutputDevice.h"
#include "UObject/NameTypes.h"

#include <mutex>

namespace UE::StandIn
{
	struct FCapturedLogLine
	{
		FName Category;
		ELogVerbosity::Type Verbosity = ELogVerbosity::Log;
		FString Message;
	};

	/** Records every line written to GLog while it exists. */
	class CORE_API FLogCapture : public FOutputDevice
	{
	public:
		FLogCapture();
		virtual ~FLogCapture() override;

		FLogCapture(const FLogCapture&) = delete;
		FLogCapture& operator=(const FLogCapture&) = delete;

		virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override;
		virtual bool CanBeUsedOnAnyThread() const override { return true; }

		TArray<FCapturedLogLine> Lines() const;
		int32 Count(FName Category, ELogVerbosity::Type Verbosity) const;
		bool Contains(FName Category, ELogVerbosity::Type Verbosity, const FString& SubString) const;
		void Clear();

	private:
		mutable std::mutex Mutex;
		TArray<FCapturedLogLine> Captured;
	};
}
