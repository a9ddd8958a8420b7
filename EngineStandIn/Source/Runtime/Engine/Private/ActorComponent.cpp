#include "Components/ActorComponent.h"

void UActorComponent::RegisterComponent()
{
	bRegistered = true;
}

void UActorComponent::UnregisterComponent()
{
	bRegistered = false;
}
