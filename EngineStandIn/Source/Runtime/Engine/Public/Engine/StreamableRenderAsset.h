#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "StreamableRenderAsset.generated.h"

UCLASS(Abstract)
class ENGINE_API UStreamableRenderAsset : public UObject
{
	GENERATED_BODY()
};
