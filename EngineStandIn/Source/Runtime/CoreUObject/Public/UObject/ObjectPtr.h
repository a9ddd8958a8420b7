#pragma once

#include "CoreTypes.h"
#include "Templates/TypeHash.h"
#include <type_traits>

class UObject;

// A reflected object reference. The engine can resolve these lazily; here it is always a plain pointer,
// with the same conversions.
template<typename T>
class TObjectPtr
{
public:
	TObjectPtr() = default;
	TObjectPtr(TYPE_OF_NULLPTR) {}
	TObjectPtr(T* InObject) : Object(InObject) {}
	template<typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TObjectPtr(const TObjectPtr<U>& Other) : Object(Other.Get()) {}

	TObjectPtr& operator=(T* InObject)
	{
		Object = InObject;
		return *this;
	}
	TObjectPtr& operator=(TYPE_OF_NULLPTR)
	{
		Object = nullptr;
		return *this;
	}

	T* Get() const { return Object; }
	operator T*() const { return Object; }
	T* operator->() const { return Object; }
	T& operator*() const { return *Object; }
	explicit operator bool() const { return Object != nullptr; }

	friend bool operator==(const TObjectPtr& A, const TObjectPtr& B) { return A.Object == B.Object; }
	template<typename U>
	friend bool operator==(const TObjectPtr& A, const U* B) { return A.Object == B; }
	template<typename U>
	friend bool operator==(const U* A, const TObjectPtr& B) { return A == B.Object; }
	friend bool operator==(const TObjectPtr& A, TYPE_OF_NULLPTR) { return A.Object == nullptr; }
	friend uint32 GetTypeHash(const TObjectPtr& Ptr) { return GetTypeHash(static_cast<const void*>(Ptr.Object)); }

private:
	T* Object = nullptr;
};

template<typename T>
T* ToRawPtr(const TObjectPtr<T>& Ptr)
{
	return Ptr.Get();
}

template<typename T>
T* ToRawPtr(T* Ptr)
{
	return Ptr;
}
