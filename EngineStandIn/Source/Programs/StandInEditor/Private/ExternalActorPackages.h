#pragma once

#include "CoreMinimal.h"

namespace UE::StandInEditor
{
	// The package of an actor a level keeps outside its own file, as World Partition names them:
	// /Game/__ExternalActors__/<the level's path below /Game/>/<X>/<YY>/<the rest of the actor's id>.
	// The id is a hash of the level and the actor's name, so the same content gets the same packages.
	FString MakeExternalActorPackageName(const FString& LevelPackageName, const FString& ActorName);
}
