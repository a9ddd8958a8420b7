#pragma once

#include "CoreMinimal.h"
#include "UObject/Class.h"

// A class reference that reads as null unless the class derives from T.
template<class T>
class TSubclassOf
{
public:
	TSubclassOf() = default;
	TSubclassOf(TYPE_OF_NULLPTR) {}
	TSubclassOf(UClass* From) : Class(From) {}
	template<class U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TSubclassOf(const TSubclassOf<U>& From) : Class(*From) {}

	TSubclassOf& operator=(UClass* From)
	{
		Class = From;
		return *this;
	}

	UClass* Get() const { return Class && Class->IsChildOf(T::StaticClass()) ? Class : nullptr; }
	UClass* operator*() const { return Get(); }
	UClass* operator->() const { return Get(); }
	operator UClass*() const { return Get(); }
	T* GetDefaultObject() const
	{
		UClass* Result = Get();
		return Result ? static_cast<T*>(Result->GetDefaultObject()) : nullptr;
	}

	friend uint32 GetTypeHash(const TSubclassOf& Subclass) { return GetTypeHash(static_cast<const void*>(Subclass.Class)); }

private:
	UClass* Class = nullptr;
};
