#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "Templates/SubclassOf.h"
#include "BlueprintCore.generated.h"

UCLASS()
class ENGINE_API UBlueprintCore : public UObject
{
	GENERATED_BODY()

public:
	UPROPERTY()
	TSubclassOf<UObject> SkeletonGeneratedClass;

	UPROPERTY()
	TSubclassOf<UObject> GeneratedClass;
};
