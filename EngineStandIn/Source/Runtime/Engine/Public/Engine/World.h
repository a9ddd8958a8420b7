#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "World.generated.h"

class ULevel;

UCLASS()
class ENGINE_API UWorld : public UObject
{
	GENERATED_BODY()

public:
	UPROPERTY()
	TObjectPtr<ULevel> PersistentLevel;
};
