#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Misc/OutputDevice.h"

#include <mutex>

/**
 * Sends every line to the output devices registered with it (GLog is one). A line written while a device
 * is being called goes to the devices registered at that moment; devices may add or remove themselves
 * from inside Serialize.
 */
class CORE_API FOutputDeviceRedirector : public FOutputDevice
{
public:
	FOutputDeviceRedirector() = default;

	static FOutputDeviceRedirector* Get();

	void AddOutputDevice(FOutputDevice* OutputDevice);
	void RemoveOutputDevice(FOutputDevice* OutputDevice);
	bool IsRedirectingTo(FOutputDevice* OutputDevice);

	virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override;
	virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category,
						   const double Time) override;
	virtual void Flush() override;
	virtual void TearDown() override;
	virtual bool CanBeUsedOnAnyThread() const override { return true; }

	using FOutputDevice::Serialize;

private:
	std::recursive_mutex Mutex;
	TArray<FOutputDevice*> OutputDevices;
};
