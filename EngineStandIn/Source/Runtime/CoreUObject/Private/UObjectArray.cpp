#include "UObjectArray.h"

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

void FUObjectArray::AddToHash(UObjectBase* Object)
{
	NameHash.emplace(HashKey(Object->GetOuter(), Object->GetFName()), Object);
	OuterHash.emplace(Object->GetOuter(), Object);
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
	auto OuterRange = OuterHash.equal_range(Object->GetOuter());
	for (auto It = OuterRange.first; It != OuterRange.second; ++It)
	{
		if (It->second == Object)
		{
			OuterHash.erase(It);
			break;
		}
	}
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
	std::vector<UObject*> Inner;
	auto Range = OuterHash.equal_range(Outer);
	for (auto It = Range.first; It != Range.second; ++It)
	{
		Inner.push_back(static_cast<UObject*>(It->second));
	}
	for (UObject* Object : Inner)
	{
		Visit(Object);
	}
}
