#include "StandIn/EditorTick.h"

#include "Containers/Ticker.h"
#include "CookOnTheSide/CookOnTheFlyServer.h"
#include "TickableEditorObject.h"
#include "UObject/UObjectHash.h"

namespace UE::StandIn
{
	void TickEditor(float DeltaSeconds)
	{
		FTSTicker::GetCoreTicker().Tick(DeltaSeconds);
		FTickableEditorObject::TickObjects(DeltaSeconds);
	}

	bool IsEditorCooking()
	{
		TArray<UObject*> Cookers;
		GetObjectsOfClass(UCookOnTheFlyServer::StaticClass(), Cookers);
		return Cookers.ContainsByPredicate([](const UObject* Object)
			{
				const UCookOnTheFlyServer* Cooker = static_cast<const UCookOnTheFlyServer*>(Object);
				return IsValid(Cooker) && Cooker->IsTickable() && Cooker->IsInSession();
			});
	}

	void TickUntilIdle(float DeltaSeconds)
	{
		bool bWasCooking = false;
		do
		{
			bWasCooking = IsEditorCooking();
			TickEditor(DeltaSeconds);
		}
		while (bWasCooking);
	}
}
