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
#endif
};
