#pragma once

#include "CoreMinimal.h"
#include "Materials/MaterialInterface.h"
#include "Material.generated.h"

UCLASS()
class ENGINE_API UMaterial : public UMaterialInterface
{
	GENERATED_BODY()
};
