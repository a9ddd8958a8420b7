#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"

#include <mutex>

namespace UE::StandIn::Private
{
	/** The engine and project folders the path functions answer from. All paths absolute, ending with '/'. */
	struct FWorld
	{
		std::recursive_mutex Mutex;
		FString EngineRoot;
		FString BaseDir;
		FString ProjectRoot;
		FString ProjectFilePath;
		FString RelativeProjectFilePath;
		FString ProjectSavedDir;
		FString LaunchDir;
	};

	FWorld& GetWorld();

	/** Path of To relative to the folder From (both absolute, normalized); each folder part ends with '/'. */
	FString MakeRelativePath(const FString& FromDirectory, const FString& To);
}
