#pragma once

#include "CoreMinimal.h"

class AActor;
class UClass;
class UWorld;

namespace UE::StandIn
{
	/** The world the level editor shows (the engine's GEditor->GetEditorWorldContext().World()); null before a map is opened. */
	UNREALED_API UWorld* GetEditorWorld();
	UNREALED_API void SetEditorWorld(UWorld* World);

	/**
	 * Places a new actor of the class in the editor world's level, as dropping a class from the placement mode does:
	 * labelled by the class's GetDefaultActorLabel, made unique with a number, and the level marked dirty.
	 */
	UNREALED_API AActor* PlaceActor(UClass* ActorClass);

	/** The editor world's actors with this label, as the outliner finds them. */
	UNREALED_API TArray<AActor*> FindActorsByLabel(const FString& Label);

	/** The labels of the editor world's actors, in the level's order. */
	UNREALED_API TArray<FString> GetActorLabels();
}
