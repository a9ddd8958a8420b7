#pragma once

#include "CoreMinimal.h"
#include "Templates/SharedPointer.h"
#include "UObject/GCObject.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/SoftObjectPtr.h"

struct FStreamableHandle;

/**
 * Loads assets on request and keeps what it loaded for a caller that asked it to. The engine's loads
 * asynchronously too and hands out handles; here every load is synchronous, and a managed load keeps its
 * objects for as long as the manager lives.
 */
struct ENGINE_API FStreamableManager : public FGCObject
{
	FStreamableManager() = default;
	FStreamableManager(const FStreamableManager&) = delete;
	FStreamableManager& operator=(const FStreamableManager&) = delete;

	/**
	 * The object at Target, loaded now if it is not in memory (a redirector is followed); null when there is none.
	 * With bManageActiveHandle the manager keeps the object from garbage collection.
	 */
	UObject* LoadSynchronous(const FSoftObjectPath& Target, bool bManageActiveHandle = false, TSharedPtr<FStreamableHandle>* RequestHandlePointer = nullptr);

	template<typename T>
	T* LoadSynchronous(const FSoftObjectPath& Target, bool bManageActiveHandle = false, TSharedPtr<FStreamableHandle>* RequestHandlePointer = nullptr)
	{
		return Cast<T>(LoadSynchronous(Target, bManageActiveHandle, RequestHandlePointer));
	}

	template<typename T>
	T* LoadSynchronous(const TSoftObjectPtr<T>& Target, bool bManageActiveHandle = false, TSharedPtr<FStreamableHandle>* RequestHandlePointer = nullptr)
	{
		return Cast<T>(LoadSynchronous(Target.ToSoftObjectPath(), bManageActiveHandle, RequestHandlePointer));
	}

	virtual void AddReferencedObjects(FReferenceCollector& Collector) override;
	virtual FString GetReferencerName() const override { return TEXT("FStreamableManager"); }

private:
	TArray<TObjectPtr<UObject>> ManagedObjects;
};
