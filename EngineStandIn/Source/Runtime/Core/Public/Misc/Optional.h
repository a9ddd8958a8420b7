#pragma once

#include "CoreTypes.h"
#include "Misc/AssertionMacros.h"
#include "Templates/TypeHash.h"
#include "Templates/UnrealTemplate.h"

#include <optional>

struct FNullOpt
{
	explicit constexpr FNullOpt(int) {}
};

inline constexpr FNullOpt NullOpt{0};

template <typename OptionalType>
struct TOptional
{
public:
	using ElementType = OptionalType;

	constexpr TOptional() = default;

	constexpr TOptional(FNullOpt) {}

	TOptional(const OptionalType& InValue) : Storage(InValue) {}

	TOptional(OptionalType&& InValue) : Storage(MoveTemp(InValue)) {}

	template <typename... ArgTypes>
	explicit TOptional(EInPlace, ArgTypes&&... Args) : Storage(std::in_place, Forward<ArgTypes>(Args)...)
	{
	}

	TOptional& operator=(const OptionalType& InValue)
	{
		Storage = InValue;
		return *this;
	}

	TOptional& operator=(OptionalType&& InValue)
	{
		Storage = MoveTemp(InValue);
		return *this;
	}

	template <typename... ArgTypes>
	OptionalType& Emplace(ArgTypes&&... Args)
	{
		return Storage.emplace(Forward<ArgTypes>(Args)...);
	}

	void Reset() { Storage.reset(); }

	bool IsSet() const { return Storage.has_value(); }

	explicit operator bool() const { return IsSet(); }

	OptionalType& GetValue()
	{
		checkf(IsSet(), TEXT("It is an error to call GetValue() on an unset TOptional. Please either check IsSet() or "
							 "use Get(DefaultValue) instead."));
		return *Storage;
	}

	const OptionalType& GetValue() const
	{
		checkf(IsSet(), TEXT("It is an error to call GetValue() on an unset TOptional. Please either check IsSet() or "
							 "use Get(DefaultValue) instead."));
		return *Storage;
	}

	OptionalType* operator->() { return &GetValue(); }

	const OptionalType* operator->() const { return &GetValue(); }

	OptionalType& operator*() { return GetValue(); }

	const OptionalType& operator*() const { return GetValue(); }

	const OptionalType& Get(const OptionalType& DefaultValue) const { return IsSet() ? *Storage : DefaultValue; }

	OptionalType* GetPtrOrNull() { return IsSet() ? &*Storage : nullptr; }

	const OptionalType* GetPtrOrNull() const { return IsSet() ? &*Storage : nullptr; }

	friend bool operator==(const TOptional& Lhs, const TOptional& Rhs) { return Lhs.Storage == Rhs.Storage; }

	friend bool operator!=(const TOptional& Lhs, const TOptional& Rhs) { return !(Lhs == Rhs); }

	friend uint32 GetTypeHash(const TOptional& Optional)
	{
		return Optional.IsSet() ? GetTypeHashHelper(*Optional.Storage) : 0;
	}

private:
	std::optional<OptionalType> Storage;
};

template <typename T>
TOptional<std::decay_t<T>> MakeOptional(T&& Value)
{
	return TOptional<std::decay_t<T>>(Forward<T>(Value));
}
