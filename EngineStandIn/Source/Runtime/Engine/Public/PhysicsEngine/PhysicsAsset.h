#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "PhysicsAsset.generated.h"

UCLASS()
class ENGINE_API UPhysicsAsset : public UObject
{
	GENERATED_BODY()
};
