#pragma once

#include "CoreTypes.h"

/** What a module implements; the module manager creates it, starts it up and shuts it down. */
class IModuleInterface
{
public:
	virtual ~IModuleInterface() = default;

	virtual void StartupModule() {}

	virtual void PreUnloadCallback() {}

	virtual void PostLoadCallback() {}

	virtual void ShutdownModule() {}

	virtual bool SupportsDynamicReloading() { return true; }

	virtual bool SupportsAutomaticShutdown() { return true; }

	virtual bool IsGameModule() const { return false; }
};
