#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectMacros.h"
#include "UObject/ObjectPtr.h"
#include "UObject/SoftObjectPtr.h"
#include "Templates/SubclassOf.h"
#include "UObject/WeakObjectPtr.h"
#include "Z4SDKTypes.generated.h"

class UAnimBlueprint;
class UAnimInstance;
class USkeletalMesh;
class UTexture2D;

UENUM(BlueprintType)
enum class EZ4AssetType : uint8
{
	E_NONE = 0 UMETA(Hidden),
	Package = 1,
	Level = 2,
	Mesh = 3,
	Actor = 4,
	Skeleton = 5,
	Animation = 6,
	E_NUM = 7 UMETA(Hidden)
};

UENUM(BlueprintType)
enum class EZ4PackageType : uint8
{
	E_NONE = 0 UMETA(DisplayName = "NONE"),
	Base = 1,
	SDK = 2,
	ThirdParty = 3,
	E_NUM = 4 UMETA(Hidden)
};

UENUM(BlueprintType)
enum class EZ4SkeletalMeshType : uint8
{
	Both = 0,
	FirstPerson = 1,
	ThirdPerson = 2,
	E_NUM = 3 UMETA(Hidden)
};

USTRUCT(BlueprintType)
struct QUILLONSDKBASE_API FZ4SkeletalMesh
{
	GENERATED_BODY()

	FZ4SkeletalMesh();

	/** Resolves the mesh: the cached one while it lives, else the loaded soft reference, else a load of Path. */
	USkeletalMesh* Get();

	UPROPERTY(EditDefaultsOnly, Category = "SkeletalMesh")
	EZ4SkeletalMeshType Type = EZ4SkeletalMeshType::Both;

	UPROPERTY(EditDefaultsOnly, Category = "SkeletalMesh")
	TSoftObjectPtr<USkeletalMesh> Mesh;

	UPROPERTY()
	FString Path;

	UPROPERTY(EditDefaultsOnly, Category = "SkeletalMesh")
	TObjectPtr<UTexture2D> Thumbnail;

	// Held weakly so that a mesh the garbage collector destroyed is never handed out again.
	TWeakObjectPtr<USkeletalMesh> CachedMesh;
};

USTRUCT(BlueprintType)
struct QUILLONSDKBASE_API FZ4AnimationInstance
{
	GENERATED_BODY()

	FZ4AnimationInstance();

	/** Resolves the animation blueprint's generated class, caching it like FZ4SkeletalMesh::Get. */
	TSubclassOf<UAnimInstance> Get();

	UPROPERTY(EditDefaultsOnly, Category = "Animation")
	EZ4SkeletalMeshType Type = EZ4SkeletalMeshType::Both;

	UPROPERTY(EditDefaultsOnly, Category = "Animation")
	TSoftObjectPtr<UAnimBlueprint> AnimBP;

	UPROPERTY()
	FString GeneratedClassPath;

	UPROPERTY(EditDefaultsOnly, Category = "Animation")
	TObjectPtr<UTexture2D> Thumbnail;

	// A raw class is kept (not a TSubclassOf), so a generated class that is no anim instance is still
	// cached as found; weak, so a collected class is never handed out again.
	TWeakObjectPtr<UClass> CachedClass;
};

USTRUCT(BlueprintType)
struct QUILLONSDKBASE_API FZ4ChunkInfo
{
	GENERATED_BODY()

	UPROPERTY()
	int32 ChunkID = -1;

	UPROPERTY()
	int32 SizeInBytes = 0;

	UPROPERTY()
	FString FileVersion;
};
