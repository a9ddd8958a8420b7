#include "CoreGlobals.h"

#include "Misc/FeedbackContext.h"
#include "Misc/OutputDeviceError.h"
#include "Misc/OutputDeviceRedirector.h"
#include "StandIn/StringConv.h"

#include <cstdio>
#include <cstdlib>

DEFINE_LOG_CATEGORY(LogTemp);
DEFINE_LOG_CATEGORY(LogInit);
DEFINE_LOG_CATEGORY(LogOutputDevice);

namespace
{
	/** GError: writing to it is a fatal error, as with the engine's error device. */
	class FOutputDeviceFatalError final : public FOutputDeviceError
	{
	public:
		virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override
		{
			GIsCriticalError = true;
			const FString Line = FString::Printf(TEXT("Fatal error: %s"), V);
			if (GLog)
			{
				GLog->Serialize(*Line, ELogVerbosity::Fatal, Category);
			}
			std::fprintf(stderr, "%s\n", UE::StandIn::ToUtf8(Line).c_str());
			std::fflush(stderr);
			HandleError();
		}

		virtual void HandleError() override { std::abort(); }
	};

	FOutputDeviceError* GetErrorDevice()
	{
		static FOutputDeviceError* Device = new FOutputDeviceFatalError();
		return Device;
	}

	FFeedbackContext* GetWarnContext()
	{
		static FFeedbackContext* Context = new FFeedbackContext();
		return Context;
	}
}

FOutputDeviceRedirector* GLog = FOutputDeviceRedirector::Get();
FOutputDeviceError* GError = GetErrorDevice();
FFeedbackContext* GWarn = GetWarnContext();

bool GIsEditor = false;
bool GIsRunning = false;
bool GIsCriticalError = false;

TCHAR GInternalProjectName[64] = {};
