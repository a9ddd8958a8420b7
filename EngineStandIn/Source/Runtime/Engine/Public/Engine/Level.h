#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "Level.generated.h"

class AActor;

UCLASS()
class ENGINE_API ULevel : public UObject
{
	GENERATED_BODY()

public:
	// The level's actors, its own and those saved in packages of their own (external actors).
	UPROPERTY()
	TArray<TObjectPtr<AActor>> Actors;
};
