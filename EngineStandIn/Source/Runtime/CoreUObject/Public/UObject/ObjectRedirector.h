#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "ObjectRedirector.generated.h"

/**
 * What stays at an asset's old path when the asset is moved or renamed, so that what still refers to the old path
 * finds the asset. The engine saves the destination in the redirector's own serialised form; here it is a
 * reflected property, so a package stays one readable document.
 */
UCLASS()
class COREUOBJECT_API UObjectRedirector : public UObject
{
	GENERATED_BODY()

public:
	UPROPERTY()
	TObjectPtr<UObject> DestinationObject;
};
