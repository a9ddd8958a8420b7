#include "ConsoleVariables.h"
#include "Engine/AssetManager.h"
#include "Engine/Engine.h"
#include "HAL/IConsoleManager.h"
#include "Modules/ModuleManager.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

class FEngineModule : public IModuleInterface
{
public:
	virtual void StartupModule() override
	{
		UE::Engine::Private::RegisterConsoleObjects(ConsoleObjects);
		GEngine = NewObject<UEngine>(GetTransientPackage(), NAME_None, RF_Transient);
		GEngine->AddToRoot();
		GEngine->AssetManager = NewObject<UAssetManager>(GEngine);
	}

	virtual void ShutdownModule() override
	{
		if (GEngine)
		{
			GEngine->RemoveFromRoot();
			GEngine = nullptr;
		}
		// Dropped for good, so a later start-up begins from the defaults again.
		for (IConsoleObject* Object : ConsoleObjects)
		{
			IConsoleManager::Get().UnregisterConsoleObject(Object, false);
		}
		ConsoleObjects.Reset();
	}

private:
	TArray<IConsoleObject*> ConsoleObjects;
};

IMPLEMENT_MODULE(FEngineModule, Engine)
