#pragma once

#include "CoreMinimal.h"
#include "Engine/StreamableRenderAsset.h"
#include "Texture.generated.h"

UCLASS(Abstract)
class ENGINE_API UTexture : public UStreamableRenderAsset
{
	GENERATED_BODY()
};
