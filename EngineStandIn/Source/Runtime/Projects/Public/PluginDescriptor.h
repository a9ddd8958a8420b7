#pragma once

#include "CoreMinimal.h"

/** What a plug-in's .uplugin file says about it; the stand-in reads the fields callers use. */
struct PROJECTS_API FPluginDescriptor
{
	int32 FileVersion = 3;
	int32 Version = 0;
	FString VersionName;
	FString FriendlyName;
	FString Description;
	FString Category;
	FString CreatedBy;
	FString EngineVersion;
	bool bCanContainContent = false;

	/** False, with the reason, when Text is no plug-in descriptor. */
	bool Read(const FString& Text, FText& OutFailReason);
};
