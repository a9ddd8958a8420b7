#pragma once

#include "CoreTypes.h"
#include "Misc/OutputDevice.h"

/** An output device for fatal errors. */
class CORE_API FOutputDeviceError : public FOutputDevice
{
public:
	virtual void HandleError() = 0;
};
