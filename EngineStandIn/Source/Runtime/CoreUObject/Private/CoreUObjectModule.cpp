#include "Modules/ModuleManager.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
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

	void DestroyAllContent()
	{
		FUObjectArray& Array = FUObjectArray::Get();
		UPackage* Transient = GetTransientPackage();
		for (int32 Index = 0; Index < Array.Num(); ++Index)
		{
			FUObjectArray::FItem* Item = Array.GetItem(Index);
			UObject* Object = Item ? static_cast<UObject*>(Item->Object) : nullptr;
			// The defaults of a config class hold the project's settings, so they go with the project and
			// are read again from the next project's files when first asked for.
			if (Object && Object->HasAnyFlags(RF_ClassDefaultObject) && Object->GetClass()->HasAnyClassFlags(CLASS_Config)
				&& Object->GetClass()->ClassDefaultObject == Object)
			{
				Object->GetClass()->ClassDefaultObject = nullptr;
				Item->bNative = false;
			}
			if (Item && !Item->bNative && Item->Object != Transient)
			{
				Item->bRootSet = false;
				Item->bGarbage = true;
			}
		}
		CollectGarbage(RF_NoFlags);
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
