#pragma once

#include "CoreMinimal.h"
#include "Engine/SkinnedAsset.h"
#include "SkeletalMesh.generated.h"

class UMaterialInterface;
class UPhysicsAsset;
class USkeleton;

USTRUCT()
struct ENGINE_API FSkeletalMaterial
{
	GENERATED_BODY()

	UPROPERTY()
	TObjectPtr<UMaterialInterface> MaterialInterface;

	UPROPERTY()
	FName MaterialSlotName;
};

UCLASS()
class ENGINE_API USkeletalMesh : public USkinnedAsset
{
	GENERATED_BODY()

public:
	USkeleton* GetSkeleton() const { return Skeleton; }
	void SetSkeleton(USkeleton* InSkeleton) { Skeleton = InSkeleton; }
	UPhysicsAsset* GetPhysicsAsset() const { return PhysicsAsset; }
	void SetPhysicsAsset(UPhysicsAsset* InPhysicsAsset) { PhysicsAsset = InPhysicsAsset; }
	const TArray<FSkeletalMaterial>& GetMaterials() const { return Materials; }
	void SetMaterials(const TArray<FSkeletalMaterial>& InMaterials) { Materials = InMaterials; }

private:
	UPROPERTY()
	TObjectPtr<USkeleton> Skeleton;

	UPROPERTY()
	TObjectPtr<UPhysicsAsset> PhysicsAsset;

	UPROPERTY()
	TArray<FSkeletalMaterial> Materials;
};
