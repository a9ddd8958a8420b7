#pragma once

#include "CoreMinimal.h"
#include "PluginDescriptor.h"

/** A plug-in the editor found. */
class IPlugin : public TSharedFromThis<IPlugin>
{
public:
	virtual ~IPlugin() = default;

	virtual const FString& GetName() const = 0;
	/** The plug-in's folder. */
	virtual FString GetBaseDir() const = 0;
	virtual FString GetContentDir() const = 0;
	virtual const FString& GetDescriptorFileName() const = 0;
	virtual const FPluginDescriptor& GetDescriptor() const = 0;
};

/** Finds the project's and the engine's plug-ins. */
class IPluginManager
{
public:
	virtual ~IPluginManager() = default;

	static PROJECTS_API IPluginManager& Get();

	/** The plug-in called Name (letter case ignored), or null when there is none or its descriptor cannot be read. */
	virtual TSharedPtr<IPlugin> FindPlugin(const FString& Name) = 0;
};
