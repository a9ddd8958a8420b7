#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "BlueprintFunctionLibrary.generated.h"

UCLASS(Abstract, MinimalAPI)
class UBlueprintFunctionLibrary : public UObject
{
	GENERATED_BODY()
};
