#pragma once

#include "CoreMinimal.h"

namespace UE::StandIn
{
	// Starts the engine on a project as the editor does: the engine and project folders, the working folder
	// at the engine's binaries (relative paths resolve against it), the mount points of the project's
	// content, the engine's content and the installed plug-in's content, the object system and the engine's
	// modules. The plug-in's own modules are left to the caller. Folders are absolute.
	STANDINLAUNCH_API void StartEngine(const FString& EngineDir, const FString& UProjectPath, const FString& PluginDir);

	// Undoes StartEngine: the engine's modules go and every object that content or code made with them, so
	// the next project starts with a new engine.
	STANDINLAUNCH_API void StopEngine();
}
