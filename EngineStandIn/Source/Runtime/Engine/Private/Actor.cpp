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

const FString& AActor::GetActorLabel(bool bCreateIfNone) const
{
	// The engine makes a label from the default one then; the object name is as unique and needs no change.
	if (ActorLabel.IsEmpty() && bCreateIfNone)
	{
		const_cast<AActor*>(this)->ActorLabel = GetName();
	}
	return ActorLabel;
}

void AActor::SetActorLabel(const FString& NewActorLabel, bool bMarkDirty)
{
	if (bMarkDirty)
	{
		Modify();
	}
	ActorLabel = NewActorLabel;
}
#endif
