#pragma once

#include "CoreTypes.h"

#include <type_traits>
#include <utility>

template <typename T>
FORCEINLINE constexpr std::remove_reference_t<T>&& MoveTemp(T&& Obj) noexcept
{
	static_assert(!std::is_const_v<std::remove_reference_t<T>>, "MoveTemp called on a const object");
	return static_cast<std::remove_reference_t<T>&&>(Obj);
}

template <typename T>
FORCEINLINE constexpr std::remove_reference_t<T>&& MoveTempIfPossible(T&& Obj) noexcept
{
	return static_cast<std::remove_reference_t<T>&&>(Obj);
}

template <typename T>
FORCEINLINE constexpr T&& Forward(std::remove_reference_t<T>& Obj) noexcept
{
	return static_cast<T&&>(Obj);
}

template <typename T>
FORCEINLINE constexpr T&& Forward(std::remove_reference_t<T>&& Obj) noexcept
{
	return static_cast<T&&>(Obj);
}

template <typename T>
FORCEINLINE constexpr void Swap(T& A, T& B)
{
	T Temp = MoveTemp(A);
	A = MoveTemp(B);
	B = MoveTemp(Temp);
}

template <typename T>
FORCEINLINE constexpr T CopyTemp(const T& Val)
{
	return Val;
}

template <typename T, typename ArgType>
FORCEINLINE T StaticCast(ArgType&& Arg)
{
	return static_cast<T>(Arg);
}

template <typename T, uint32 N>
char (&UEArrayCountHelper(const T (&)[N]))[N + 1];

#define UE_ARRAY_COUNT(Array) (sizeof(UEArrayCountHelper(Array)) - 1)

#define STRUCT_OFFSET(Struct, Member) offsetof(Struct, Member)

/** Restores a variable's value when the scope ends. */
template <typename RefType, typename AssignedType = RefType>
class TGuardValue
{
public:
	TGuardValue(RefType& ReferenceValue, const AssignedType& NewValue)
		: RefValue(ReferenceValue), OriginalValue(ReferenceValue)
	{
		RefValue = NewValue;
	}

	~TGuardValue() { RefValue = OriginalValue; }

	TGuardValue(const TGuardValue&) = delete;
	TGuardValue& operator=(const TGuardValue&) = delete;

	const AssignedType& GetOriginalValue() const { return OriginalValue; }

private:
	RefType& RefValue;
	AssignedType OriginalValue;
};

class FNoncopyable
{
protected:
	FNoncopyable() = default;
	~FNoncopyable() = default;

private:
	FNoncopyable(const FNoncopyable&) = delete;
	FNoncopyable& operator=(const FNoncopyable&) = delete;
};

template <typename T>
FORCEINLINE constexpr T Align(T Val, uint64 Alignment)
{
	return (T)(((uint64)Val + Alignment - 1) & ~(Alignment - 1));
}
