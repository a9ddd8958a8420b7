#pragma once

#include "CoreMinimal.h"
#include "Engine/StreamableRenderAsset.h"
#include "SkinnedAsset.generated.h"

UCLASS(Abstract)
class ENGINE_API USkinnedAsset : public UStreamableRenderAsset
{
	GENERATED_BODY()
};
