#include "Misc/OutputDeviceRedirector.h"

#include "HAL/PlatformMisc.h"
#include "StandIn/StringConv.h"

#include <cstdio>

namespace
{
	/**
	 * Echoes lines to stderr in the engine's form ("LogTemp: Warning: text"): warnings and errors always,
	 * everything when STANDIN_VERBOSE=1.
	 */
	class FOutputDeviceStdErr final : public FOutputDevice
	{
	public:
		FOutputDeviceStdErr() : bVerbose(FPlatformMisc::GetEnvironmentVariable(TEXT("STANDIN_VERBOSE")) == TEXT("1")) {}

		virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override
		{
			const ELogVerbosity::Type Level =
				static_cast<ELogVerbosity::Type>(Verbosity & ELogVerbosity::VerbosityMask);
			if (Level > ELogVerbosity::Warning && !bVerbose)
			{
				return;
			}
			FString Line;
			if (!Category.IsNone())
			{
				Line += Category.ToString();
				Line += TEXT(": ");
			}
			if (Level != ELogVerbosity::Log)
			{
				Line += ToString(Level);
				Line += TEXT(": ");
			}
			Line += V;
			std::fprintf(stderr, "%s\n", UE::StandIn::ToUtf8(Line).c_str());
		}

		virtual void Flush() override { std::fflush(stderr); }

	private:
		bool bVerbose;
	};
}

FOutputDeviceRedirector* FOutputDeviceRedirector::Get()
{
	// Never destroyed: static objects log during shut-down.
	static FOutputDeviceRedirector* Singleton = []()
	{
		FOutputDeviceRedirector* Redirector = new FOutputDeviceRedirector();
		Redirector->AddOutputDevice(new FOutputDeviceStdErr());
		return Redirector;
	}();
	return Singleton;
}

void FOutputDeviceRedirector::AddOutputDevice(FOutputDevice* OutputDevice)
{
	if (OutputDevice)
	{
		std::lock_guard<std::recursive_mutex> Lock(Mutex);
		OutputDevices.AddUnique(OutputDevice);
	}
}

void FOutputDeviceRedirector::RemoveOutputDevice(FOutputDevice* OutputDevice)
{
	std::lock_guard<std::recursive_mutex> Lock(Mutex);
	OutputDevices.Remove(OutputDevice);
}

bool FOutputDeviceRedirector::IsRedirectingTo(FOutputDevice* OutputDevice)
{
	std::lock_guard<std::recursive_mutex> Lock(Mutex);
	return OutputDevices.Contains(OutputDevice);
}

void FOutputDeviceRedirector::Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category)
{
	std::lock_guard<std::recursive_mutex> Lock(Mutex);
	// A copy: a device may add or remove devices while it is being called.
	const TArray<FOutputDevice*> Devices = OutputDevices;
	for (FOutputDevice* Device : Devices)
	{
		if (OutputDevices.Contains(Device))
		{
			Device->Serialize(V, Verbosity, Category);
		}
	}
}

void FOutputDeviceRedirector::Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category,
										const double Time)
{
	Serialize(V, Verbosity, Category);
}

void FOutputDeviceRedirector::Flush()
{
	std::lock_guard<std::recursive_mutex> Lock(Mutex);
	const TArray<FOutputDevice*> Devices = OutputDevices;
	for (FOutputDevice* Device : Devices)
	{
		Device->Flush();
	}
}

void FOutputDeviceRedirector::TearDown()
{
	Flush();
}
