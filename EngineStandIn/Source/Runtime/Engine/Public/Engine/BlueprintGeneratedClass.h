#pragma once

#include "CoreMinimal.h"
#include "UObject/Class.h"
#include "BlueprintGeneratedClass.generated.h"

UCLASS()
class ENGINE_API UBlueprintGeneratedClass : public UClass
{
	GENERATED_BODY()
};
