#pragma once

#include "CoreTypes.h"
#include "Misc/AssertionMacros.h"
#include "Templates/UnrealTemplate.h"

#include <functional>
#include <memory>
#include <type_traits>

template <typename FuncType>
class TFunction;

template <typename FuncType>
class TUniqueFunction;

template <typename FuncType>
class TFunctionRef;

namespace UE::Core::Private::Function
{
	template <typename T>
	struct TIsFunctionWrapper : std::false_type
	{
	};

	template <typename F>
	struct TIsFunctionWrapper<TFunction<F>> : std::true_type
	{
	};

	template <typename F>
	struct TIsFunctionWrapper<TUniqueFunction<F>> : std::true_type
	{
	};

	template <typename F>
	struct TIsFunctionWrapper<TFunctionRef<F>> : std::true_type
	{
	};

	template <typename FunctorType, typename Ret, typename... ParamTypes>
	inline constexpr bool TIsCallableAs =
		!TIsFunctionWrapper<std::decay_t<FunctorType>>::value &&
		(std::is_void_v<Ret> ? std::is_invocable_v<std::decay_t<FunctorType>&, ParamTypes...>
							 : std::is_invocable_r_v<Ret, std::decay_t<FunctorType>&, ParamTypes...>);

	template <typename FunctorType>
	bool IsNullCallable(const FunctorType& Functor)
	{
		if constexpr (std::is_pointer_v<FunctorType> || std::is_member_pointer_v<FunctorType>)
		{
			return Functor == nullptr;
		}
		else
		{
			return false;
		}
	}
}

/** A copyable, owning wrapper around any callable. */
template <typename Ret, typename... ParamTypes>
class TFunction<Ret(ParamTypes...)>
{
public:
	TFunction() = default;

	TFunction(TYPE_OF_NULLPTR) {}

	template <typename FunctorType,
			  typename = std::enable_if_t<UE::Core::Private::Function::TIsCallableAs<FunctorType, Ret, ParamTypes...>>>
	TFunction(FunctorType&& InFunc)
	{
		if (!UE::Core::Private::Function::IsNullCallable(InFunc))
		{
			Callable = Forward<FunctorType>(InFunc);
		}
	}

	TFunction(const TFunction&) = default;
	TFunction(TFunction&&) = default;
	TFunction& operator=(const TFunction&) = default;
	TFunction& operator=(TFunction&&) = default;

	TFunction& operator=(TYPE_OF_NULLPTR)
	{
		Callable = nullptr;
		return *this;
	}

	Ret operator()(ParamTypes... Params) const
	{
		checkf(Callable, TEXT("Attempting to call an unbound TFunction!"));
		return Callable(Forward<ParamTypes>(Params)...);
	}

	explicit operator bool() const { return static_cast<bool>(Callable); }

	bool IsSet() const { return static_cast<bool>(Callable); }

	void Reset() { Callable = nullptr; }

	friend bool operator==(const TFunction& Func, TYPE_OF_NULLPTR) { return !Func; }

private:
	std::function<Ret(ParamTypes...)> Callable;
};

/** A move-only, owning wrapper around any callable; accepts callables that cannot be copied. */
template <typename Ret, typename... ParamTypes>
class TUniqueFunction<Ret(ParamTypes...)>
{
	struct ICallable
	{
		virtual ~ICallable() = default;
		virtual Ret Call(ParamTypes... Params) = 0;
	};

	template <typename FunctorType>
	struct TCallable final : ICallable
	{
		FunctorType Functor;

		template <typename ArgType>
		explicit TCallable(ArgType&& Arg) : Functor(Forward<ArgType>(Arg))
		{
		}

		Ret Call(ParamTypes... Params) override
		{
			if constexpr (std::is_void_v<Ret>)
			{
				std::invoke(Functor, Forward<ParamTypes>(Params)...);
			}
			else
			{
				return std::invoke(Functor, Forward<ParamTypes>(Params)...);
			}
		}
	};

public:
	TUniqueFunction() = default;

	TUniqueFunction(TYPE_OF_NULLPTR) {}

	template <typename FunctorType,
			  typename = std::enable_if_t<UE::Core::Private::Function::TIsCallableAs<FunctorType, Ret, ParamTypes...>>>
	TUniqueFunction(FunctorType&& InFunc)
	{
		if (!UE::Core::Private::Function::IsNullCallable(InFunc))
		{
			Callable = std::make_unique<TCallable<std::decay_t<FunctorType>>>(Forward<FunctorType>(InFunc));
		}
	}

	TUniqueFunction(const TFunction<Ret(ParamTypes...)>& Other)
	{
		if (Other)
		{
			Callable = std::make_unique<TCallable<TFunction<Ret(ParamTypes...)>>>(Other);
		}
	}

	TUniqueFunction(TFunction<Ret(ParamTypes...)>&& Other)
	{
		if (Other)
		{
			Callable = std::make_unique<TCallable<TFunction<Ret(ParamTypes...)>>>(MoveTemp(Other));
		}
	}

	TUniqueFunction(TUniqueFunction&&) = default;
	TUniqueFunction& operator=(TUniqueFunction&&) = default;
	TUniqueFunction(const TUniqueFunction&) = delete;
	TUniqueFunction& operator=(const TUniqueFunction&) = delete;

	TUniqueFunction& operator=(TYPE_OF_NULLPTR)
	{
		Callable.reset();
		return *this;
	}

	Ret operator()(ParamTypes... Params) const
	{
		checkf(Callable, TEXT("Attempting to call an unbound TFunction!"));
		return Callable->Call(Forward<ParamTypes>(Params)...);
	}

	explicit operator bool() const { return static_cast<bool>(Callable); }

	bool IsSet() const { return static_cast<bool>(Callable); }

	void Reset() { Callable.reset(); }

private:
	std::unique_ptr<ICallable> Callable;
};

/** A non-owning reference to a callable; it must not outlive the callable it was made from. */
template <typename Ret, typename... ParamTypes>
class TFunctionRef<Ret(ParamTypes...)>
{
public:
	template <typename FunctorType,
			  typename = std::enable_if_t<UE::Core::Private::Function::TIsCallableAs<FunctorType, Ret, ParamTypes...>>>
	TFunctionRef(FunctorType&& InFunc)
	{
		using FBare = std::remove_reference_t<FunctorType>;
		if constexpr (std::is_function_v<FBare>)
		{
			Object = reinterpret_cast<void*>(&InFunc);
			Thunk = [](void* Obj, ParamTypes... Params) -> Ret
			{ return std::invoke(reinterpret_cast<FBare*>(Obj), Forward<ParamTypes>(Params)...); };
		}
		else
		{
			checkf(!UE::Core::Private::Function::IsNullCallable(InFunc),
				   TEXT("Cannot initialize a TFunctionRef with a null callable"));
			Object = const_cast<void*>(static_cast<const void*>(std::addressof(InFunc)));
			Thunk = [](void* Obj, ParamTypes... Params) -> Ret
			{ return std::invoke(*static_cast<FBare*>(Obj), Forward<ParamTypes>(Params)...); };
		}
	}

	TFunctionRef(const TFunctionRef&) = default;
	TFunctionRef& operator=(const TFunctionRef&) = delete;

	Ret operator()(ParamTypes... Params) const { return Thunk(Object, Forward<ParamTypes>(Params)...); }

private:
	void* Object = nullptr;
	Ret (*Thunk)(void*, ParamTypes...) = nullptr;
};
