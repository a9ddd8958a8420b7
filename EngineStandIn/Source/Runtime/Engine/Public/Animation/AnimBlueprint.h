#pragma once

#include "CoreMinimal.h"
#include "Engine/Blueprint.h"
#include "AnimBlueprint.generated.h"

class USkeleton;

UCLASS()
class ENGINE_API UAnimBlueprint : public UBlueprint
{
	GENERATED_BODY()

public:
#if WITH_EDITORONLY_DATA
	UPROPERTY()
	TObjectPtr<USkeleton> TargetSkeleton;
#endif
};
