#pragma once

#include "CoreMinimal.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/WeakObjectPtr.h"
#include "UObject/ObjectPtr.h"
#include "Templates/Casts.h"
#include <type_traits>

class UClass;

struct COREUOBJECT_API FSoftObjectPtr
{
	FSoftObjectPtr() = default;
	FSoftObjectPtr(const FSoftObjectPath& InPath) : ObjectPath(InPath) {}
	FSoftObjectPtr(const UObject* Object) { *this = Object; }
	FSoftObjectPtr& operator=(const UObject* Object);
	FSoftObjectPtr& operator=(const FSoftObjectPath& InPath);

	UObject* Get() const;
	UObject* LoadSynchronous() const;
	const FSoftObjectPath& ToSoftObjectPath() const { return ObjectPath; }
	FSoftObjectPath& GetUniqueID() { return ObjectPath; }
	bool IsNull() const { return ObjectPath.IsNull(); }
	bool IsValid() const { return Get() != nullptr; }
	bool IsPending() const { return !ObjectPath.IsNull() && Get() == nullptr; }
	void Reset();
	FString ToString() const { return ObjectPath.ToString(); }

	bool operator==(const FSoftObjectPtr& Other) const { return ObjectPath == Other.ObjectPath; }

private:
	FSoftObjectPath ObjectPath;
	mutable FWeakObjectPtr WeakPtr;
};

template<class T = UObject>
struct TSoftObjectPtr
{
	TSoftObjectPtr() = default;
	TSoftObjectPtr(TYPE_OF_NULLPTR) {}
	TSoftObjectPtr(const FSoftObjectPath& InPath) : SoftPtr(InPath) {}
	template<class U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TSoftObjectPtr(U* Object) : SoftPtr((const UObject*)static_cast<const T*>(Object)) {}
	template<class U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TSoftObjectPtr(const TObjectPtr<U>& Object) : SoftPtr((const UObject*)static_cast<const T*>(Object.Get())) {}

	template<class U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TSoftObjectPtr& operator=(U* Object)
	{
		SoftPtr = (const UObject*)static_cast<const T*>(Object);
		return *this;
	}
	TSoftObjectPtr& operator=(TYPE_OF_NULLPTR)
	{
		SoftPtr.Reset();
		return *this;
	}

	// The object when it is loaded; never loads.
	T* Get() const { return Cast<T>(SoftPtr.Get()); }
	T* LoadSynchronous() const { return Cast<T>(SoftPtr.LoadSynchronous()); }
	const FSoftObjectPath& ToSoftObjectPath() const { return SoftPtr.ToSoftObjectPath(); }
	FString ToString() const { return SoftPtr.ToString(); }
	FString GetLongPackageName() const { return SoftPtr.ToSoftObjectPath().GetLongPackageName(); }
	FString GetAssetName() const { return SoftPtr.ToSoftObjectPath().GetAssetName(); }
	bool IsNull() const { return SoftPtr.IsNull(); }
	bool IsValid() const { return Get() != nullptr; }
	bool IsPending() const { return SoftPtr.IsPending(); }
	void Reset() { SoftPtr.Reset(); }
	explicit operator bool() const { return IsValid(); }
	T* operator->() const { return Get(); }

	bool operator==(const TSoftObjectPtr& Other) const { return SoftPtr == Other.SoftPtr; }
	friend uint32 GetTypeHash(const TSoftObjectPtr& Ptr) { return GetTypeHash(Ptr.ToSoftObjectPath()); }

private:
	FSoftObjectPtr SoftPtr;
};

template<class T = UObject>
struct TSoftClassPtr
{
	TSoftClassPtr() = default;
	TSoftClassPtr(TYPE_OF_NULLPTR) {}
	TSoftClassPtr(const FSoftObjectPath& InPath) : SoftPtr(InPath) {}
	TSoftClassPtr(const UClass* Class) : SoftPtr((const UObject*)Class) {}

	UClass* Get() const { return Cast<UClass>(SoftPtr.Get()); }
	UClass* LoadSynchronous() const { return Cast<UClass>(SoftPtr.LoadSynchronous()); }
	const FSoftObjectPath& ToSoftObjectPath() const { return SoftPtr.ToSoftObjectPath(); }
	FString ToString() const { return SoftPtr.ToString(); }
	bool IsNull() const { return SoftPtr.IsNull(); }
	bool IsValid() const { return Get() != nullptr; }
	void Reset() { SoftPtr.Reset(); }
	bool operator==(const TSoftClassPtr& Other) const { return SoftPtr == Other.SoftPtr; }

private:
	FSoftObjectPtr SoftPtr;
};
