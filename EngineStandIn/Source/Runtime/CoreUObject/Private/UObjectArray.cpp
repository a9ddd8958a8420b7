#include "UObjectArray.h"

#include "Algo/Sort.h"
#include "UObject/Class.h"
#include "UObject/Object.h"

FUObjectArray& FUObjectArray::Get()
{
	// Never destroyed: objects live until the process ends, as in the engine, and nothing that runs
	// at exit may find the array gone.
	static FUObjectArray* Array = new FUObjectArray();
	return *Array;
}

int32 FUObjectArray::Allocate(UObjectBase* Object)
{
	int32 Index;
	if (!FreeSlots.empty())
	{
		Index = FreeSlots.back();
		FreeSlots.pop_back();
	}
	else
	{
		Index = (int32)Items.size();
		Items.emplace_back();
	}
	FItem& Item = Items[Index];
	Item = FItem();
	Item.Object = Object;
	Item.SerialNumber = NextSerialNumber++;
	Item.bNative = bConstructingNativeTypes;
	LiveObjects[Object] = Index;
	return Index;
}

void FUObjectArray::Free(int32 Index)
{
	FItem& Item = Items[Index];
	LiveObjects.erase(Item.Object);
	Item = FItem();
	FreeSlots.push_back(Index);
}

FUObjectArray::FItem* FUObjectArray::GetItem(int32 Index)
{
	return Index >= 0 && Index < (int32)Items.size() && Items[Index].Object ? &Items[Index] : nullptr;
}

FUObjectArray::FItem* FUObjectArray::FindItem(const UObjectBase* Object)
{
	const auto Found = LiveObjects.find(Object);
	return Found == LiveObjects.end() ? nullptr : &Items[Found->second];
}

bool FUObjectArray::IsLive(const UObjectBase* Object) const
{
	return LiveObjects.find(Object) != LiveObjects.end();
}

uint64 FUObjectArray::HashKey(const UObject* Outer, FName Name)
{
	return (uint64)GetTypeHash(Name) ^ ((uint64)(UPTRINT)Outer * 0x9E3779B97F4A7C15ull);
}

template <class KeyType, class HasherType>
void FUObjectArray::TObjectLists<KeyType, HasherType>::Link(FUObjectArray& Array, const KeyType& Key, UObjectBase* Object)
{
	FListLinks& ObjectLinks = Array.GetHashedItem(Object).*Links;
	UObjectBase*& Head = Heads[Key];
	ObjectLinks.Prev = nullptr;
	ObjectLinks.Next = Head;
	if (Head)
	{
		(Array.GetHashedItem(Head).*Links).Prev = Object;
	}
	Head = Object;
}

template <class KeyType, class HasherType>
void FUObjectArray::TObjectLists<KeyType, HasherType>::Unlink(FUObjectArray& Array, const KeyType& Key, UObjectBase* Object)
{
	FListLinks& ObjectLinks = Array.GetHashedItem(Object).*Links;
	if (ObjectLinks.Prev)
	{
		(Array.GetHashedItem(ObjectLinks.Prev).*Links).Next = ObjectLinks.Next;
	}
	else
	{
		const auto Head = Heads.find(Key);
		check(Head != Heads.end() && Head->second == Object);
		if (ObjectLinks.Next)
		{
			Head->second = ObjectLinks.Next;
		}
		else
		{
			Heads.erase(Head);
		}
	}
	if (ObjectLinks.Next)
	{
		(Array.GetHashedItem(ObjectLinks.Next).*Links).Prev = ObjectLinks.Prev;
	}
	ObjectLinks = FListLinks();
}

template <class KeyType, class HasherType>
template <class VisitorType>
void FUObjectArray::TObjectLists<KeyType, HasherType>::ForEach(const FUObjectArray& Array, const KeyType& Key, VisitorType&& Visit) const
{
	const auto Head = Heads.find(Key);
	for (UObjectBase* Object = Head == Heads.end() ? nullptr : Head->second; Object; Object = (Array.GetHashedItem(Object).*Links).Next)
	{
		Visit(static_cast<UObject*>(Object));
	}
}

template <class KeyType, class HasherType>
template <class VisitorType>
void FUObjectArray::TObjectLists<KeyType, HasherType>::ForEachKey(VisitorType&& Visit) const
{
	for (const auto& Head : Heads)
	{
		Visit(Head.first);
	}
}

FUObjectArray::FItem& FUObjectArray::GetHashedItem(const UObjectBase* Object)
{
	check(Object->InternalIndex >= 0 && Object->InternalIndex < (int32)Items.size() && Items[Object->InternalIndex].Object == Object);
	return Items[Object->InternalIndex];
}

const FUObjectArray::FItem& FUObjectArray::GetHashedItem(const UObjectBase* Object) const
{
	return const_cast<FUObjectArray*>(this)->GetHashedItem(Object);
}

void FUObjectArray::AddToHash(UObjectBase* Object)
{
	NameHash.emplace(HashKey(Object->GetOuter(), Object->GetFName()), Object);
	ObjectsByOuter.Link(*this, Object->GetOuter(), Object);
	ObjectsByName.Link(*this, Object->GetFName(), Object);
	ObjectsByClass.Link(*this, Object->GetClass(), Object);
}

void FUObjectArray::RemoveFromHash(UObjectBase* Object)
{
	auto Range = NameHash.equal_range(HashKey(Object->GetOuter(), Object->GetFName()));
	for (auto It = Range.first; It != Range.second; ++It)
	{
		if (It->second == Object)
		{
			NameHash.erase(It);
			break;
		}
	}
	ObjectsByOuter.Unlink(*this, Object->GetOuter(), Object);
	ObjectsByName.Unlink(*this, Object->GetFName(), Object);
	ObjectsByClass.Unlink(*this, Object->GetClass(), Object);
}

void FUObjectArray::SetClass(UObjectBase* Object, UClass* Class)
{
	ObjectsByClass.Unlink(*this, Object->GetClass(), Object);
	Object->ClassPrivate = Class;
	ObjectsByClass.Link(*this, Object->GetClass(), Object);
}

UObject* FUObjectArray::FindByOuterAndName(const UObject* Outer, FName Name) const
{
	auto Range = NameHash.equal_range(HashKey(Outer, Name));
	for (auto It = Range.first; It != Range.second; ++It)
	{
		if (It->second->GetOuter() == Outer && It->second->GetFName() == Name)
		{
			return static_cast<UObject*>(It->second);
		}
	}
	return nullptr;
}

void FUObjectArray::ForEachWithOuter(const UObject* Outer, const TFunctionRef<void(UObject*)>& Visit) const
{
	// Gathered first: a visit may make or destroy objects with the same outer.
	TArray<UObject*> Inner;
	ObjectsByOuter.ForEach(*this, Outer, [&Inner](UObject* Object) { Inner.Add(Object); });
	for (UObject* Object : Inner)
	{
		Visit(Object);
	}
}

TArray<UObject*> FUObjectArray::GetObjectsWithName(FName Name) const
{
	TArray<UObject*> Found;
	ObjectsByName.ForEach(*this, Name, [&Found](UObject* Object) { Found.Add(Object); });
	SortBySlot(Found);
	return Found;
}

TArray<UObject*> FUObjectArray::GetObjectsOfClass(const UClass* Class, bool bIncludeDerivedClasses) const
{
	TArray<UObject*> Found;
	auto AddObjectsOf = [this, &Found](const UClass* Of) { ObjectsByClass.ForEach(*this, Of, [&Found](UObject* Object) { Found.Add(Object); }); };
	if (bIncludeDerivedClasses)
	{
		ObjectsByClass.ForEachKey([Class, &AddObjectsOf](const UClass* Candidate)
			{
				if (Class && Candidate && Candidate->IsChildOf(Class))
				{
					AddObjectsOf(Candidate);
				}
			});
	}
	else
	{
		AddObjectsOf(Class);
	}
	SortBySlot(Found);
	return Found;
}

void FUObjectArray::SortBySlot(TArray<UObject*>& Objects) const
{
	Algo::Sort(Objects, [](const UObject* A, const UObject* B) { return A->GetUniqueID() < B->GetUniqueID(); });
}
