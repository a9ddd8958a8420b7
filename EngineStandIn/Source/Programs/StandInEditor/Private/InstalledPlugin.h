#pragma once

#include "CoreMinimal.h"

namespace UE::StandInEditor
{
	struct FPluginModuleDescriptor
	{
		FName Name;
		FString Type;
		FString LoadingPhase;
	};

	// A plug-in installed in a project, read from its .uplugin file as the engine's plug-in manager reads it.
	struct FInstalledPlugin
	{
		FString Name;
		FString VersionName;
		// Absolute, ending with '/'.
		FString BaseDir;
		TArray<FPluginModuleDescriptor> Modules;

		// The modules an editor loads, in the order it loads them: by loading phase, then as listed.
		TArray<FName> GetEditorModulesInLoadOrder() const;
	};

	// Finds Name.uplugin anywhere below the project's Plugins folder, as the engine does. False with a reason
	// when it is not there or cannot be read.
	bool FindInstalledPlugin(const FString& ProjectDir, const FString& Name, FInstalledPlugin& OutPlugin, FString& OutError);
}
