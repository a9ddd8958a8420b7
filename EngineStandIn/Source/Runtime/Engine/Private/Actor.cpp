#include "GameFramework/Actor.h"

#include "UObject/Class.h"

#if WITH_EDITOR
FString AActor::GetDefaultActorLabel() const
{
	const UClass* ActorClass = GetClass();
	FString DefaultActorLabel = ActorClass->GetName();
	// A class made by a blueprint is named with a "_C" suffix nobody wants to read in the outliner.
	if (!ActorClass->IsNative())
	{
		DefaultActorLabel.RemoveFromEnd(TEXT("_C"), ESearchCase::CaseSensitive);
	}
	return DefaultActorLabel;
}
#endif
