#pragma once

#include "CoreMinimal.h"
#include "Misc/CoreMisc.h"
#include "Modules/ModuleInterface.h"

class ITargetPlatform;

/** The module "TargetPlatform": knows the target platforms installed with the editor. */
class ITargetPlatformManagerModule : public IModuleInterface
{
public:
	/**
	 * The installed platform of that name, or null when none is. The engine's virtual takes a string view, which
	 * the stand-in does not have; this overload, the one callers use with a literal, stands for it.
	 */
	virtual ITargetPlatform* FindTargetPlatform(const TCHAR* Name) = 0;
};
