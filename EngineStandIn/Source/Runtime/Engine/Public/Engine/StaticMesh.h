#pragma once

#include "CoreMinimal.h"
#include "Engine/StreamableRenderAsset.h"
#include "StaticMesh.generated.h"

class UMaterialInterface;

USTRUCT()
struct ENGINE_API FStaticMaterial
{
	GENERATED_BODY()

	UPROPERTY()
	TObjectPtr<UMaterialInterface> MaterialInterface;

	UPROPERTY()
	FName MaterialSlotName;
};

UCLASS()
class ENGINE_API UStaticMesh : public UStreamableRenderAsset
{
	GENERATED_BODY()

public:
	const TArray<FStaticMaterial>& GetStaticMaterials() const { return StaticMaterials; }
	void SetStaticMaterials(const TArray<FStaticMaterial>& InMaterials) { StaticMaterials = InMaterials; }

private:
	UPROPERTY()
	TArray<FStaticMaterial> StaticMaterials;
};
