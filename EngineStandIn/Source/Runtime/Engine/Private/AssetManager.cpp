#include "Engine/AssetManager.h"

#include "Engine/Engine.h"

UAssetManager& UAssetManager::Get()
{
	checkf(GEngine && GEngine->AssetManager, TEXT("Cannot use AssetManager if no AssetManagerClassName is defined!"));
	return *GEngine->AssetManager;
}

UObject* FStreamableManager::LoadSynchronous(const FSoftObjectPath& Target, bool bManageActiveHandle, TSharedPtr<FStreamableHandle>* RequestHandlePointer)
{
	UObject* Loaded = Target.IsNull() ? nullptr : StaticLoadObject(UObject::StaticClass(), nullptr, *Target.ToString(), nullptr, LOAD_NoWarn);
	if (Loaded && bManageActiveHandle)
	{
		ManagedObjects.AddUnique(Loaded);
	}
	return Loaded;
}

void FStreamableManager::AddReferencedObjects(FReferenceCollector& Collector)
{
	Collector.AddReferencedObjects(ManagedObjects);
}
