#include "Modules/ModuleManager.h"
#include "StandIn/ObjectSystem.h"
#include "UObjectArray.h"

namespace UE::CodeGen
{
	void ProcessPendingRegistrations();
}

namespace UE::StandIn
{
	void ProcessNewlyLoadedUObjects()
	{
		FUObjectArray::Get().bConstructingNativeTypes = true;
		UE::CodeGen::ProcessPendingRegistrations();
		FUObjectArray::Get().bConstructingNativeTypes = false;
	}
}

class FCoreUObjectModule : public IModuleInterface
{
public:
	virtual void StartupModule() override
	{
		UE::StandIn::ProcessNewlyLoadedUObjects();
		// Modules loaded later register their types before their start-up runs, as the engine does.
		FModuleManager::Get().OnProcessLoadedObjectsCallback().AddLambda([](FName, bool bCanProcess)
			{
				if (bCanProcess)
				{
					UE::StandIn::ProcessNewlyLoadedUObjects();
				}
			});
	}
};

IMPLEMENT_MODULE(FCoreUObjectModule, CoreUObject)
