#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "MaterialInterface.generated.h"

class UTexture;

UCLASS(Abstract)
class ENGINE_API UMaterialInterface : public UObject
{
	GENERATED_BODY()

public:
	// The engine finds a material's textures through its expressions; the stand-in keeps the list itself.
	UPROPERTY()
	TArray<TObjectPtr<UTexture>> ReferencedTextures;
};
