#pragma once

#include "CoreTypes.h"
#include "Logging/LogMacros.h"

class FOutputDeviceRedirector;
class FOutputDeviceError;
class FFeedbackContext;

CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogTemp, Log, All);
CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogInit, Log, All);
CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogOutputDevice, Log, All);

/** Every log line goes through here to the registered output devices. */
extern CORE_API FOutputDeviceRedirector* GLog;
/** Fatal errors: anything written to it ends the process. */
extern CORE_API FOutputDeviceError* GError;
extern CORE_API FFeedbackContext* GWarn;

extern CORE_API bool GIsEditor;
extern CORE_API bool GIsRunning;
extern CORE_API bool GIsCriticalError;

extern CORE_API TCHAR GInternalProjectName[64];
