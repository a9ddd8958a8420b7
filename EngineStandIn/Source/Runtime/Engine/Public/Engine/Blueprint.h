#pragma once

#include "CoreMinimal.h"
#include "Engine/BlueprintCore.h"
#include "Blueprint.generated.h"

UCLASS()
class ENGINE_API UBlueprint : public UBlueprintCore
{
	GENERATED_BODY()

public:
#if WITH_EDITORONLY_DATA
	UPROPERTY()
	TSubclassOf<UObject> ParentClass;
#endif

#if WITH_EDITOR
	virtual void PostDuplicate(bool bDuplicateForPIE) override;
#endif
};
