#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "Skeleton.generated.h"

UCLASS()
class ENGINE_API USkeleton : public UObject
{
	GENERATED_BODY()
};
