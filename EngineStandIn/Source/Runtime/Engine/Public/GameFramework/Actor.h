#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
// The engine's actor holds weak pointers, so its header brings them in full (delegates bound to actors need them).
#include "UObject/WeakObjectPtr.h"
#include "Actor.generated.h"

UCLASS(BlueprintType, Blueprintable, Config = Engine)
class ENGINE_API AActor : public UObject
{
	GENERATED_BODY()

public:
#if WITH_EDITOR
	/** The label a newly placed actor of this class gets in the outliner: its class name. */
	UFUNCTION(BlueprintCallable, Category = "Editor Scripting | Actor Editing", meta = (KeyWords = "Display Name"))
	virtual FString GetDefaultActorLabel() const;

	/** The name the outliner shows; an actor never labelled shows its object name. */
	const FString& GetActorLabel(bool bCreateIfNone = true) const;

	/** Renames the actor in the outliner, marking its package dirty unless told not to. */
	void SetActorLabel(const FString& NewActorLabel, bool bMarkDirty = true);
#endif

private:
#if WITH_EDITORONLY_DATA
	UPROPERTY()
	FString ActorLabel;
#endif
};
