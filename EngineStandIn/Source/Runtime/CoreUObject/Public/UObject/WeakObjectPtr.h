#pragma once

#include "CoreMinimal.h"
#include "UObject/WeakObjectPtrTemplates.h"
#include "UObject/ObjectPtr.h"
#include <type_traits>

class UObject;

// Names an object by its slot and serial number, so it reads null once the object is destroyed.
struct COREUOBJECT_API FWeakObjectPtr
{
	FWeakObjectPtr() = default;
	FWeakObjectPtr(const UObject* Object) { operator=(Object); }
	FWeakObjectPtr& operator=(const UObject* Object);

	UObject* Get() const;
	bool IsValid() const { return Get() != nullptr; }
	bool IsStale() const;
	bool IsExplicitlyNull() const { return ObjectIndex == -1; }
	void Reset()
	{
		ObjectIndex = -1;
		ObjectSerialNumber = 0;
	}

	bool operator==(const FWeakObjectPtr& Other) const { return ObjectIndex == Other.ObjectIndex && ObjectSerialNumber == Other.ObjectSerialNumber; }
	bool operator!=(const FWeakObjectPtr& Other) const { return !(*this == Other); }
	friend uint32 GetTypeHash(const FWeakObjectPtr& Ptr) { return HashCombine(GetTypeHash(Ptr.ObjectIndex), GetTypeHash(Ptr.ObjectSerialNumber)); }

private:
	int32 ObjectIndex = -1;
	int32 ObjectSerialNumber = 0;
};

template<class T>
struct TWeakObjectPtr : private FWeakObjectPtr
{
	TWeakObjectPtr() = default;
	TWeakObjectPtr(TYPE_OF_NULLPTR) {}
	template<class U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TWeakObjectPtr(U* Object) : FWeakObjectPtr((const UObject*)static_cast<T*>(Object)) {}
	template<class U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TWeakObjectPtr(const TObjectPtr<U>& Object) : FWeakObjectPtr((const UObject*)static_cast<T*>(Object.Get())) {}
	template<class U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TWeakObjectPtr(const TWeakObjectPtr<U>& Other) : FWeakObjectPtr(Other.Get()) {}

	template<class U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TWeakObjectPtr& operator=(U* Object)
	{
		FWeakObjectPtr::operator=((const UObject*)static_cast<T*>(Object));
		return *this;
	}

	T* Get() const { return (T*)FWeakObjectPtr::Get(); }
	T* operator->() const { return Get(); }
	T& operator*() const { return *Get(); }
	explicit operator bool() const { return Get() != nullptr; }
	using FWeakObjectPtr::IsValid;
	using FWeakObjectPtr::IsStale;
	using FWeakObjectPtr::Reset;
	using FWeakObjectPtr::IsExplicitlyNull;

	bool operator==(const TWeakObjectPtr& Other) const { return FWeakObjectPtr::operator==(Other); }
	bool operator!=(const TWeakObjectPtr& Other) const { return !(*this == Other); }
	bool operator==(const T* Other) const { return Get() == Other; }
	friend uint32 GetTypeHash(const TWeakObjectPtr& Ptr) { return GetTypeHash(static_cast<const FWeakObjectPtr&>(Ptr)); }
};

template<class T>
TWeakObjectPtr<T> MakeWeakObjectPtr(T* Object)
{
	return TWeakObjectPtr<T>(Object);
}
