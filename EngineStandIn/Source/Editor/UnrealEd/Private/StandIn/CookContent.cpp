#include "StandIn/CookContent.h"

#include "Containers/Ticker.h"
#include "CookOnTheSide/CookOnTheFlyServer.h"
#include "CookOnTheSide/ProjectCookSettings.h"
#include "Interfaces/ITargetPlatformManagerModule.h"
#include "UObject/Package.h"
#include "UObject/WeakObjectPtr.h"

namespace UE::StandIn
{
	bool CookContent(const TCHAR* PlatformName)
	{
		ITargetPlatform* Platform = GetTargetPlatformManagerRef().FindTargetPlatform(PlatformName);
		if (!Platform)
		{
			UE_LOG(LogCook, Error, TEXT("Cannot cook content for %s: the platform is not installed."), PlatformName);
			return false;
		}
		UCookOnTheFlyServer* Cooker = NewObject<UCookOnTheFlyServer>(GetTransientPackage());
		Cooker->Initialize(ECookMode::CookByTheBookFromTheEditor, ECookInitializationFlags::AutoTick);
		UCookOnTheFlyServer::FCookByTheBookStartupOptions Options;
		Options.TargetPlatforms.Add(Platform);
		Options.CookMaps = UE::Cook::Private::ReadProjectCookSettings().MapsToCook;
		Cooker->StartCookByTheBook(Options);

		Cooker->AddToRoot();
		FTSTicker::GetCoreTicker().AddTicker(TEXT("CookContent"), 0.0f, [WeakCooker = TWeakObjectPtr<UCookOnTheFlyServer>(Cooker)](float)
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
		return true;
	}
}
