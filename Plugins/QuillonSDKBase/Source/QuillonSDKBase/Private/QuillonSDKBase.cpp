#include "QuillonSDKBase.h"

#include "Modules/ModuleManager.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "Z4PakToolWatcher.h"
#include "Z4SDKManager.h"

DEFINE_LOG_CATEGORY(Z4LogSDK);

TStrongObjectPtr<UZ4SDKManager> FQuillonSDKBaseModule::SDKManager;

void FQuillonSDKBaseModule::StartupModule()
{
	// The module loads at PostEngineInit (see the .uplugin): the manager's blueprint is content of this
	// plug-in, which can only be loaded once the engine is up and the plug-in's content is mounted.
	UClass* ManagerClass = StaticLoadClass(UZ4SDKManager::StaticClass(), nullptr, TEXT("/QuillonSDKBase/BP_SDKManager.BP_SDKManager_C"));
	if (!ManagerClass)
	{
		return;
	}

	UZ4SDKManager* Manager = NewObject<UZ4SDKManager>(GetTransientPackage(), ManagerClass);
	// A manager left by an earlier start-up is released for good: out of the root set as well.
	if (SDKManager.IsValid() && SDKManager->IsValidLowLevelFast(true))
	{
		SDKManager->RemoveFromRoot();
	}
	SDKManager.Reset(Manager);
	Manager->AddToRoot();
}

void FQuillonSDKBaseModule::ShutdownModule()
{
#if WITH_EDITOR
	// The watchers tick from the core ticker, which outlives this module.
	FZ4PakToolWatcher::StopAll();
#endif
	if (!SDKManager.IsValid())
	{
		return;
	}
	if (SDKManager->IsValidLowLevelFast(true))
	{
		SDKManager->RemoveFromRoot();
	}
	SDKManager.Reset();
}

UZ4SDKManager* FQuillonSDKBaseModule::GetSDKMananger()
{
	return SDKManager.Get();
}

IMPLEMENT_MODULE(FQuillonSDKBaseModule, QuillonSDKBase)
