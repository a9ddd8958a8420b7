#pragma once

#include "CoreTypes.h"
#include "Templates/TypeHash.h"
#include "Templates/UnrealTemplate.h"

#include <memory>
#include <type_traits>

template <typename T>
struct TDefaultDelete : std::default_delete<T>
{
};

/** Single ownership of a heap object, as std::unique_ptr with the engine's member names. */
template <typename T, typename Deleter = TDefaultDelete<T>>
class TUniquePtr : private std::unique_ptr<T, Deleter>
{
	using Super = std::unique_ptr<T, Deleter>;

	template <typename, typename>
	friend class TUniquePtr;

public:
	using ElementType = T;

	TUniquePtr() = default;

	TUniquePtr(TYPE_OF_NULLPTR) {}

	template <typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*> || std::is_same_v<U, T>>>
	explicit TUniquePtr(U* Ptr) : Super(Ptr)
	{
	}

	template <typename U, typename OtherDeleter, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TUniquePtr(TUniquePtr<U, OtherDeleter>&& Other) : Super(static_cast<std::unique_ptr<U, OtherDeleter>&&>(Other))
	{
	}

	TUniquePtr(TUniquePtr&&) = default;
	TUniquePtr& operator=(TUniquePtr&&) = default;

	TUniquePtr& operator=(TYPE_OF_NULLPTR)
	{
		Super::reset();
		return *this;
	}

	T* Get() const { return Super::get(); }

	bool IsValid() const { return Super::get() != nullptr; }

	explicit operator bool() const { return IsValid(); }

	T* operator->() const { return Super::get(); }

	std::add_lvalue_reference_t<T> operator*() const { return *Super::get(); }

	T* Release() { return Super::release(); }

	void Reset(T* InPtr = nullptr) { Super::reset(InPtr); }

	friend bool operator==(const TUniquePtr& Lhs, const TUniquePtr& Rhs) { return Lhs.Get() == Rhs.Get(); }

	friend bool operator==(const TUniquePtr& Lhs, TYPE_OF_NULLPTR) { return !Lhs.IsValid(); }

	friend bool operator!=(const TUniquePtr& Lhs, TYPE_OF_NULLPTR) { return Lhs.IsValid(); }

	friend uint32 GetTypeHash(const TUniquePtr& Ptr) { return PointerHash(Ptr.Get()); }
};

template <typename T, typename... ArgTypes>
std::enable_if_t<!std::is_array_v<T>, TUniquePtr<T>> MakeUnique(ArgTypes&&... Args)
{
	return TUniquePtr<T>(new T(Forward<ArgTypes>(Args)...));
}
