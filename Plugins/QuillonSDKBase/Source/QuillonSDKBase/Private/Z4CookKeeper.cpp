#include "Z4CookKeeper.h"

#if WITH_EDITOR

#include "Containers/Ticker.h"
#include "CookOnTheSide/CookOnTheFlyServer.h"
#include "UObject/WeakObjectPtr.h"

void FZ4CookKeeper::KeepWhileCooking(UCookOnTheFlyServer* Cooker)
{
	Cooker->AddToRoot();
	// The weak pointer, not the cooker: the editor may destroy every object (closing the project) before the cook ends.
	FTSTicker::GetCoreTicker().AddTicker(TEXT("Z4CookKeeper"), 0.0f, [WeakCooker = TWeakObjectPtr<UCookOnTheFlyServer>(Cooker)](float DeltaTime)
	{
		UCookOnTheFlyServer* KeptCooker = WeakCooker.Get();
		if (KeptCooker && KeptCooker->IsCookByTheBookRunning())
		{
			return true;
		}
		if (KeptCooker)
		{
			KeptCooker->RemoveFromRoot();
		}
		return false;
	});
}

#endif
