#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "ActorComponent.generated.h"

/**
 * A part of an actor. Registering puts a component into its world's scene (and the render state with it); there is
 * no scene here, so a component only keeps whether it is registered.
 */
UCLASS(DefaultToInstanced, BlueprintType, Abstract, Config = Engine)
class ENGINE_API UActorComponent : public UObject
{
	GENERATED_BODY()

public:
	void RegisterComponent();
	void UnregisterComponent();
	bool IsRegistered() const { return bRegistered; }

private:
	bool bRegistered = false;
};
