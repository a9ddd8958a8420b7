#pragma once

#include "CoreTypes.h"

class ITargetPlatformManagerModule;

/** The target platform manager (the module "TargetPlatform"), loaded on first use; null when it cannot be loaded. */
CORE_API ITargetPlatformManagerModule* GetTargetPlatformManager(bool bFailOnInitErrors = true);

/** The target platform manager; fatal when it cannot be loaded. */
CORE_API ITargetPlatformManagerModule& GetTargetPlatformManagerRef();
