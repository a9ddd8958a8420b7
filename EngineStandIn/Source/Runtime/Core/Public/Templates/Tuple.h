#pragma once

#include "CoreTypes.h"
#include "Templates/TypeHash.h"
#include "Templates/UnrealTemplate.h"

#include <functional>
#include <tuple>
#include <type_traits>
#include <utility>

template <typename... Types>
struct TTuple;

namespace UE::Core::Private::Tuple
{
	template <SIZE_T Index, typename T>
	struct TTupleElement
	{
		T Value{};

		TTupleElement() = default;

		template <typename ArgType>
		explicit TTupleElement(ArgType&& Arg) : Value(Forward<ArgType>(Arg))
		{
		}
	};

	template <typename Indices, typename... Types>
	struct TTupleStorage;

	template <SIZE_T... Indices, typename... Types>
	struct TTupleStorage<std::index_sequence<Indices...>, Types...> : TTupleElement<Indices, Types>...
	{
		TTupleStorage() = default;

		template <typename... ArgTypes>
		explicit TTupleStorage(int, ArgTypes&&... Args) : TTupleElement<Indices, Types>(Forward<ArgTypes>(Args))...
		{
		}
	};

	template <SIZE_T Index, typename T>
	T& GetElement(TTupleElement<Index, T>& Element)
	{
		return Element.Value;
	}

	template <SIZE_T Index, typename T>
	const T& GetElement(const TTupleElement<Index, T>& Element)
	{
		return Element.Value;
	}
}

template <typename... Types>
struct TTuple : UE::Core::Private::Tuple::TTupleStorage<std::index_sequence_for<Types...>, Types...>
{
private:
	using Super = UE::Core::Private::Tuple::TTupleStorage<std::index_sequence_for<Types...>, Types...>;

public:
	TTuple() = default;

	template <typename... ArgTypes,
			  typename = std::enable_if_t<sizeof...(ArgTypes) == sizeof...(Types) && (sizeof...(Types) > 0) &&
										  !(sizeof...(ArgTypes) == 1 &&
											(std::is_same_v<std::decay_t<ArgTypes>, TTuple> || ...))>>
	explicit TTuple(ArgTypes&&... Args) : Super(0, Forward<ArgTypes>(Args)...)
	{
	}

	template <SIZE_T Index>
	decltype(auto) Get() &
	{
		return UE::Core::Private::Tuple::GetElement<Index>(*this);
	}

	template <SIZE_T Index>
	decltype(auto) Get() const&
	{
		return UE::Core::Private::Tuple::GetElement<Index>(*this);
	}

	template <SIZE_T Index>
	decltype(auto) Get() &&
	{
		return MoveTemp(UE::Core::Private::Tuple::GetElement<Index>(*this));
	}

	template <typename FuncType, typename... ArgTypes>
	decltype(auto) ApplyAfter(FuncType&& Func, ArgTypes&&... Args) const
	{
		return ApplyAfterImpl(std::index_sequence_for<Types...>(), Forward<FuncType>(Func), Forward<ArgTypes>(Args)...);
	}

	template <typename FuncType, typename... ArgTypes>
	decltype(auto) ApplyBefore(FuncType&& Func, ArgTypes&&... Args) const
	{
		return ApplyBeforeImpl(std::index_sequence_for<Types...>(), Forward<FuncType>(Func),
							   Forward<ArgTypes>(Args)...);
	}

	friend bool operator==(const TTuple& Lhs, const TTuple& Rhs)
	{
		return Lhs.EqualsImpl(Rhs, std::index_sequence_for<Types...>());
	}

	friend bool operator!=(const TTuple& Lhs, const TTuple& Rhs) { return !(Lhs == Rhs); }

	friend bool operator<(const TTuple& Lhs, const TTuple& Rhs) { return Lhs.LessImpl<0>(Rhs); }

	friend uint32 GetTypeHash(const TTuple& Tuple) { return Tuple.HashImpl(std::index_sequence_for<Types...>()); }

private:
	template <SIZE_T... Indices, typename FuncType, typename... ArgTypes>
	decltype(auto) ApplyAfterImpl(std::index_sequence<Indices...>, FuncType&& Func, ArgTypes&&... Args) const
	{
		return std::invoke(Forward<FuncType>(Func), Forward<ArgTypes>(Args)..., Get<Indices>()...);
	}

	template <SIZE_T... Indices, typename FuncType, typename... ArgTypes>
	decltype(auto) ApplyBeforeImpl(std::index_sequence<Indices...>, FuncType&& Func, ArgTypes&&... Args) const
	{
		return std::invoke(Forward<FuncType>(Func), Get<Indices>()..., Forward<ArgTypes>(Args)...);
	}

	template <SIZE_T... Indices>
	bool EqualsImpl(const TTuple& Other, std::index_sequence<Indices...>) const
	{
		return ((Get<Indices>() == Other.template Get<Indices>()) && ...);
	}

	template <SIZE_T Index>
	bool LessImpl(const TTuple& Other) const
	{
		if constexpr (Index == sizeof...(Types))
		{
			return false;
		}
		else
		{
			if (Get<Index>() < Other.template Get<Index>())
			{
				return true;
			}
			if (Other.template Get<Index>() < Get<Index>())
			{
				return false;
			}
			return LessImpl<Index + 1>(Other);
		}
	}

	template <SIZE_T... Indices>
	uint32 HashImpl(std::index_sequence<Indices...>) const
	{
		uint32 Hash = 0;
		((Hash = HashCombineFast(Hash, GetTypeHashHelper(Get<Indices>()))), ...);
		return Hash;
	}
};

/** The two-element tuple names its members Key and Value, which maps and pairs rely on. */
template <typename KeyType, typename ValueType>
struct TTuple<KeyType, ValueType>
{
	KeyType Key{};
	ValueType Value{};

	TTuple() = default;
	TTuple(const TTuple&) = default;
	TTuple(TTuple&&) = default;
	TTuple& operator=(const TTuple&) = default;
	TTuple& operator=(TTuple&&) = default;

	template <typename KeyArgType, typename ValueArgType>
	TTuple(KeyArgType&& InKey, ValueArgType&& InValue)
		: Key(Forward<KeyArgType>(InKey)), Value(Forward<ValueArgType>(InValue))
	{
	}

	template <typename OtherKeyType, typename OtherValueType,
			  typename = std::enable_if_t<!std::is_same_v<TTuple<OtherKeyType, OtherValueType>, TTuple>>>
	TTuple(const TTuple<OtherKeyType, OtherValueType>& Other) : Key(Other.Key), Value(Other.Value)
	{
	}

	template <SIZE_T Index>
	decltype(auto) Get() &
	{
		static_assert(Index < 2, "Tuple index out of range");
		if constexpr (Index == 0)
		{
			return (Key);
		}
		else
		{
			return (Value);
		}
	}

	template <SIZE_T Index>
	decltype(auto) Get() const&
	{
		static_assert(Index < 2, "Tuple index out of range");
		if constexpr (Index == 0)
		{
			return (Key);
		}
		else
		{
			return (Value);
		}
	}

	template <typename FuncType, typename... ArgTypes>
	decltype(auto) ApplyAfter(FuncType&& Func, ArgTypes&&... Args) const
	{
		return std::invoke(Forward<FuncType>(Func), Forward<ArgTypes>(Args)..., Key, Value);
	}

	template <typename FuncType, typename... ArgTypes>
	decltype(auto) ApplyBefore(FuncType&& Func, ArgTypes&&... Args) const
	{
		return std::invoke(Forward<FuncType>(Func), Key, Value, Forward<ArgTypes>(Args)...);
	}

	friend bool operator==(const TTuple& Lhs, const TTuple& Rhs)
	{
		return Lhs.Key == Rhs.Key && Lhs.Value == Rhs.Value;
	}

	friend bool operator!=(const TTuple& Lhs, const TTuple& Rhs) { return !(Lhs == Rhs); }

	friend bool operator<(const TTuple& Lhs, const TTuple& Rhs)
	{
		if (Lhs.Key < Rhs.Key)
		{
			return true;
		}
		if (Rhs.Key < Lhs.Key)
		{
			return false;
		}
		return Lhs.Value < Rhs.Value;
	}

	friend uint32 GetTypeHash(const TTuple& Tuple)
	{
		return HashCombineFast(GetTypeHashHelper(Tuple.Key), GetTypeHashHelper(Tuple.Value));
	}
};

template <typename KeyType, typename ValueType>
using TPair = TTuple<KeyType, ValueType>;

template <typename... Types>
FORCEINLINE TTuple<std::decay_t<Types>...> MakeTuple(Types&&... Args)
{
	return TTuple<std::decay_t<Types>...>(Forward<Types>(Args)...);
}

template <typename... Types>
FORCEINLINE TTuple<Types&...> Tie(Types&... Args)
{
	return TTuple<Types&...>(Args...);
}

template <typename T>
struct TTupleArity;

template <typename... Types>
struct TTupleArity<TTuple<Types...>> : std::integral_constant<uint32, sizeof...(Types)>
{
};

// Structured bindings: auto [Key, Value] = Pair;
template <SIZE_T Index, typename... Types>
decltype(auto) get(TTuple<Types...>& Tuple)
{
	return Tuple.template Get<Index>();
}

template <SIZE_T Index, typename... Types>
decltype(auto) get(const TTuple<Types...>& Tuple)
{
	return Tuple.template Get<Index>();
}

template <SIZE_T Index, typename... Types>
decltype(auto) get(TTuple<Types...>&& Tuple)
{
	return MoveTemp(Tuple.template Get<Index>());
}

namespace std
{
	template <typename... Types>
	struct tuple_size<TTuple<Types...>> : std::integral_constant<size_t, sizeof...(Types)>
	{
	};

	template <size_t Index, typename... Types>
	struct tuple_element<Index, TTuple<Types...>>
	{
		using type = std::tuple_element_t<Index, std::tuple<Types...>>;
	};
}
