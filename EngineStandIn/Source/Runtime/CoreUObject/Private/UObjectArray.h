#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectMacros.h"
#include <unordered_map>
#include <vector>

class UObject;
class UObjectBase;

// Every live object has a slot. A slot's serial number changes when its object dies, which is how weak
// pointers learn that the object is gone. Objects are also hashed by outer and name for lookups.
class FUObjectArray
{
public:
	struct FItem
	{
		UObjectBase* Object = nullptr;
		int32 SerialNumber = 0;
		int32 StrongRefCount = 0;
		bool bRootSet = false;
		bool bGarbage = false;
		// Types and script packages made from compiled-in code live as long as the process.
		bool bNative = false;
		// Memory and layout, so the object can be destroyed without a class that may already be gone.
		void* Memory = nullptr;
		size_t Alignment = 0;
	};

	static FUObjectArray& Get();

	int32 Allocate(UObjectBase* Object);
	void Free(int32 Index);
	FItem* GetItem(int32 Index);
	FItem* FindItem(const UObjectBase* Object);
	bool IsLive(const UObjectBase* Object) const;
	int32 Num() const { return (int32)Items.size(); }

	void AddToHash(UObjectBase* Object);
	void RemoveFromHash(UObjectBase* Object);
	UObject* FindByOuterAndName(const UObject* Outer, FName Name) const;
	void ForEachWithOuter(const UObject* Outer, const TFunctionRef<void(UObject*)>& Visit) const;

	// While true, every object made is native (compiled-in types and their packages).
	bool bConstructingNativeTypes = false;

private:
	static uint64 HashKey(const UObject* Outer, FName Name);

	std::vector<FItem> Items;
	std::vector<int32> FreeSlots;
	std::unordered_map<const UObjectBase*, int32> LiveObjects;
	std::unordered_multimap<uint64, UObjectBase*> NameHash;
	std::unordered_multimap<const UObject*, UObjectBase*> OuterHash;
	int32 NextSerialNumber = 1;
};
