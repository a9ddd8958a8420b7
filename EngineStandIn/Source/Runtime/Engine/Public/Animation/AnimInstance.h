#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "AnimInstance.generated.h"

UCLASS(Abstract)
class ENGINE_API UAnimInstance : public UObject
{
	GENERATED_BODY()
};
