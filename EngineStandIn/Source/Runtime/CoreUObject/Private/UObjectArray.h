#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectMacros.h"
#include <unordered_map>
#include <vector>

class UObject;
class UObjectBase;

// Every live object has a slot. A slot's serial number changes when its object dies, which is how weak
// pointers learn that the object is gone. Objects are also hashed by outer and name, and listed by outer, by
// name and by class, for lookups.
class FUObjectArray
{
public:
	struct FListLinks
	{
		UObjectBase* Prev = nullptr;
		UObjectBase* Next = nullptr;
	};

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
		// Neighbours in the lists of objects with the same outer, name and class.
		FListLinks OuterLinks;
		FListLinks NameLinks;
		FListLinks ClassLinks;
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
	/** The objects named Name, whatever their outer, in slot order. */
	TArray<UObject*> GetObjectsWithName(FName Name) const;
	/** The objects of Class (or of a class derived from it), in slot order. */
	TArray<UObject*> GetObjectsOfClass(const UClass* Class, bool bIncludeDerivedClasses) const;
	/** Gives an object made before its class existed its class. */
	void SetClass(UObjectBase* Object, UClass* Class);

	// While true, every object made is native (compiled-in types and their packages).
	bool bConstructingNativeTypes = false;

private:
	struct FNameHasher
	{
		size_t operator()(FName Name) const { return GetTypeHash(Name); }
	};

	/**
	 * The objects that share a key (an outer, a name, a class) as a list threaded through their items, the most
	 * recently added first, so that an object leaves its list in constant time however many share its key.
	 */
	template <class KeyType, class HasherType = std::hash<KeyType>>
	class TObjectLists
	{
	public:
		explicit TObjectLists(FListLinks FItem::*InLinks) : Links(InLinks) {}
		void Link(FUObjectArray& Array, const KeyType& Key, UObjectBase* Object);
		void Unlink(FUObjectArray& Array, const KeyType& Key, UObjectBase* Object);
		template <class VisitorType>
		void ForEach(const FUObjectArray& Array, const KeyType& Key, VisitorType&& Visit) const;
		template <class VisitorType>
		void ForEachKey(VisitorType&& Visit) const;

	private:
		std::unordered_map<KeyType, UObjectBase*, HasherType> Heads;
		FListLinks FItem::*Links;
	};

	static uint64 HashKey(const UObject* Outer, FName Name);
	FItem& GetHashedItem(const UObjectBase* Object);
	const FItem& GetHashedItem(const UObjectBase* Object) const;
	void SortBySlot(TArray<UObject*>& Objects) const;

	std::vector<FItem> Items;
	std::vector<int32> FreeSlots;
	std::unordered_map<const UObjectBase*, int32> LiveObjects;
	std::unordered_multimap<uint64, UObjectBase*> NameHash;
	TObjectLists<const UObject*> ObjectsByOuter{&FItem::OuterLinks};
	TObjectLists<FName, FNameHasher> ObjectsByName{&FItem::NameLinks};
	TObjectLists<const UClass*> ObjectsByClass{&FItem::ClassLinks};
	int32 NextSerialNumber = 1;
};
