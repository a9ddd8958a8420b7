#pragma once

#include "CoreTypes.h"
#include "Delegates/IDelegateInstance.h"
#include "Templates/SharedPointer.h"
#include "Templates/UnrealTemplate.h"
#include "UObject/WeakObjectPtrTemplates.h"

#include <functional>
#include <tuple>
#include <type_traits>

template <bool bConst, typename Class, typename FuncType>
struct TMemFunPtrType;

template <typename Class, typename RetType, typename... ArgTypes>
struct TMemFunPtrType<false, Class, RetType(ArgTypes...)>
{
	using Type = RetType (Class::*)(ArgTypes...);
};

template <typename Class, typename RetType, typename... ArgTypes>
struct TMemFunPtrType<true, Class, RetType(ArgTypes...)>
{
	using Type = RetType (Class::*)(ArgTypes...) const;
};

namespace UE::Delegates::Private
{
	/** One binding of a delegate. Bindings never change once made; rebinding makes a new one. */
	template <typename RetType, typename... ParamTypes>
	class TDelegateInstance
	{
	public:
		TDelegateInstance() : Handle(FDelegateHandle::GenerateNewHandle) {}

		virtual ~TDelegateInstance() = default;

		/** The object RemoveAll and IsBoundToObject match against; null for free functions and lambdas. */
		virtual const void* GetUserObject() const = 0;

		/** False once a weakly held owner has gone. */
		virtual bool IsSafeToExecute() const = 0;

		/** Calls the binding; checks that its owner is still there. */
		virtual RetType Execute(ParamTypes... Params) const = 0;

		/** Calls the binding if its owner is still there (keeping it alive for the call). */
		virtual bool ExecuteIfSafe(ParamTypes... Params) const = 0;

		FDelegateHandle GetHandle() const { return Handle; }

	private:
		FDelegateHandle Handle;
	};

	template <typename FuncType, typename... VarTypes>
	class TBaseStaticDelegateInstance;

	template <typename RetType, typename... ParamTypes, typename... VarTypes>
	class TBaseStaticDelegateInstance<RetType(ParamTypes...), VarTypes...> final
		: public TDelegateInstance<RetType, ParamTypes...>
	{
	public:
		using FFuncPtr = RetType (*)(ParamTypes..., VarTypes...);

		template <typename... InVarTypes>
		explicit TBaseStaticDelegateInstance(FFuncPtr InStaticFuncPtr, InVarTypes&&... Vars)
			: StaticFuncPtr(InStaticFuncPtr), Payload(Forward<InVarTypes>(Vars)...)
		{
		}

		const void* GetUserObject() const override { return nullptr; }

		bool IsSafeToExecute() const override { return true; }

		RetType Execute(ParamTypes... Params) const override
		{
			return std::apply([&](auto&... PayloadValues) -> RetType
							  { return StaticFuncPtr(Forward<ParamTypes>(Params)..., PayloadValues...); },
							  Payload);
		}

		bool ExecuteIfSafe(ParamTypes... Params) const override
		{
			(void)Execute(Forward<ParamTypes>(Params)...);
			return true;
		}

	private:
		FFuncPtr StaticFuncPtr;
		mutable std::tuple<VarTypes...> Payload;
	};

	template <typename FuncType, typename FunctorType, typename... VarTypes>
	class TBaseFunctorDelegateInstance;

	template <typename RetType, typename... ParamTypes, typename FunctorType, typename... VarTypes>
	class TBaseFunctorDelegateInstance<RetType(ParamTypes...), FunctorType, VarTypes...> final
		: public TDelegateInstance<RetType, ParamTypes...>
	{
	public:
		template <typename InFunctorType, typename... InVarTypes>
		explicit TBaseFunctorDelegateInstance(InFunctorType&& InFunctor, InVarTypes&&... Vars)
			: Functor(Forward<InFunctorType>(InFunctor)), Payload(Forward<InVarTypes>(Vars)...)
		{
		}

		const void* GetUserObject() const override { return nullptr; }

		bool IsSafeToExecute() const override { return true; }

		RetType Execute(ParamTypes... Params) const override
		{
			return std::apply([&](auto&... PayloadValues) -> RetType
							  { return std::invoke(Functor, Forward<ParamTypes>(Params)..., PayloadValues...); },
							  Payload);
		}

		bool ExecuteIfSafe(ParamTypes... Params) const override
		{
			(void)Execute(Forward<ParamTypes>(Params)...);
			return true;
		}

	private:
		mutable FunctorType Functor;
		mutable std::tuple<VarTypes...> Payload;
	};

	template <typename UserClass, typename FuncType, typename MethodPtrType, typename... VarTypes>
	class TBaseRawMethodDelegateInstance;

	template <typename UserClass, typename RetType, typename... ParamTypes, typename MethodPtrType,
			  typename... VarTypes>
	class TBaseRawMethodDelegateInstance<UserClass, RetType(ParamTypes...), MethodPtrType, VarTypes...> final
		: public TDelegateInstance<RetType, ParamTypes...>
	{
	public:
		template <typename... InVarTypes>
		TBaseRawMethodDelegateInstance(UserClass* InUserObject, MethodPtrType InMethodPtr, InVarTypes&&... Vars)
			: UserObject(InUserObject), MethodPtr(InMethodPtr), Payload(Forward<InVarTypes>(Vars)...)
		{
			checkf(InUserObject != nullptr && InMethodPtr != nullptr,
				   TEXT("Binding a null object or method to a delegate"));
		}

		const void* GetUserObject() const override { return UserObject; }

		bool IsSafeToExecute() const override { return true; }

		RetType Execute(ParamTypes... Params) const override
		{
			return std::apply(
				[&](auto&... PayloadValues) -> RetType
				{ return std::invoke(MethodPtr, UserObject, Forward<ParamTypes>(Params)..., PayloadValues...); },
				Payload);
		}

		bool ExecuteIfSafe(ParamTypes... Params) const override
		{
			(void)Execute(Forward<ParamTypes>(Params)...);
			return true;
		}

	private:
		UserClass* UserObject;
		MethodPtrType MethodPtr;
		mutable std::tuple<VarTypes...> Payload;
	};

	template <typename UserClass, ESPMode Mode, typename FuncType, typename MethodPtrType, typename... VarTypes>
	class TBaseSPMethodDelegateInstance;

	template <typename UserClass, ESPMode Mode, typename RetType, typename... ParamTypes, typename MethodPtrType,
			  typename... VarTypes>
	class TBaseSPMethodDelegateInstance<UserClass, Mode, RetType(ParamTypes...), MethodPtrType, VarTypes...> final
		: public TDelegateInstance<RetType, ParamTypes...>
	{
	public:
		template <typename... InVarTypes>
		TBaseSPMethodDelegateInstance(const TSharedRef<UserClass, Mode>& InUserObject, MethodPtrType InMethodPtr,
									  InVarTypes&&... Vars)
			: UserObject(InUserObject), RawUserObject(InUserObject.Get()), MethodPtr(InMethodPtr),
			  Payload(Forward<InVarTypes>(Vars)...)
		{
			checkf(InMethodPtr != nullptr, TEXT("Binding a null method to a delegate"));
		}

		const void* GetUserObject() const override { return RawUserObject; }

		bool IsSafeToExecute() const override { return UserObject.IsValid(); }

		RetType Execute(ParamTypes... Params) const override
		{
			const TSharedPtr<UserClass, Mode> Pinned = UserObject.Pin();
			checkf(Pinned.IsValid(), TEXT("Executing a delegate whose shared object has been destroyed"));
			return Call(Pinned.Get(), Forward<ParamTypes>(Params)...);
		}

		bool ExecuteIfSafe(ParamTypes... Params) const override
		{
			const TSharedPtr<UserClass, Mode> Pinned = UserObject.Pin();
			if (!Pinned.IsValid())
			{
				return false;
			}
			(void)Call(Pinned.Get(), Forward<ParamTypes>(Params)...);
			return true;
		}

	private:
		RetType Call(UserClass* Object, ParamTypes... Params) const
		{
			return std::apply(
				[&](auto&... PayloadValues) -> RetType
				{ return std::invoke(MethodPtr, Object, Forward<ParamTypes>(Params)..., PayloadValues...); },
				Payload);
		}

		TWeakPtr<UserClass, Mode> UserObject;
		const void* RawUserObject;
		MethodPtrType MethodPtr;
		mutable std::tuple<VarTypes...> Payload;
	};

	template <typename UserClass, ESPMode Mode, typename FuncType, typename FunctorType, typename... VarTypes>
	class TBaseSPLambdaDelegateInstance;

	template <typename UserClass, ESPMode Mode, typename RetType, typename... ParamTypes, typename FunctorType,
			  typename... VarTypes>
	class TBaseSPLambdaDelegateInstance<UserClass, Mode, RetType(ParamTypes...), FunctorType, VarTypes...> final
		: public TDelegateInstance<RetType, ParamTypes...>
	{
	public:
		template <typename InFunctorType, typename... InVarTypes>
		TBaseSPLambdaDelegateInstance(const TSharedRef<UserClass, Mode>& InUserObject, InFunctorType&& InFunctor,
									  InVarTypes&&... Vars)
			: UserObject(InUserObject), RawUserObject(InUserObject.Get()), Functor(Forward<InFunctorType>(InFunctor)),
			  Payload(Forward<InVarTypes>(Vars)...)
		{
		}

		const void* GetUserObject() const override { return RawUserObject; }

		bool IsSafeToExecute() const override { return UserObject.IsValid(); }

		RetType Execute(ParamTypes... Params) const override
		{
			const TSharedPtr<UserClass, Mode> Pinned = UserObject.Pin();
			checkf(Pinned.IsValid(), TEXT("Executing a delegate whose shared object has been destroyed"));
			return Call(Forward<ParamTypes>(Params)...);
		}

		bool ExecuteIfSafe(ParamTypes... Params) const override
		{
			const TSharedPtr<UserClass, Mode> Pinned = UserObject.Pin();
			if (!Pinned.IsValid())
			{
				return false;
			}
			(void)Call(Forward<ParamTypes>(Params)...);
			return true;
		}

	private:
		RetType Call(ParamTypes... Params) const
		{
			return std::apply([&](auto&... PayloadValues) -> RetType
							  { return std::invoke(Functor, Forward<ParamTypes>(Params)..., PayloadValues...); },
							  Payload);
		}

		TWeakPtr<UserClass, Mode> UserObject;
		const void* RawUserObject;
		mutable FunctorType Functor;
		mutable std::tuple<VarTypes...> Payload;
	};

	/**
	 * Bindings to UObjects hold them through TWeakObjectPtr, which CoreUObject defines; only the code that
	 * binds one needs it complete.
	 */
	template <typename UserClass, typename FuncType, typename MethodPtrType, typename... VarTypes>
	class TBaseUObjectMethodDelegateInstance;

	template <typename UserClass, typename RetType, typename... ParamTypes, typename MethodPtrType,
			  typename... VarTypes>
	class TBaseUObjectMethodDelegateInstance<UserClass, RetType(ParamTypes...), MethodPtrType, VarTypes...> final
		: public TDelegateInstance<RetType, ParamTypes...>
	{
		using FMutableUserClass = std::remove_const_t<UserClass>;

	public:
		template <typename... InVarTypes>
		TBaseUObjectMethodDelegateInstance(UserClass* InUserObject, MethodPtrType InMethodPtr, InVarTypes&&... Vars)
			: UserObject(InUserObject), RawUserObject(InUserObject), MethodPtr(InMethodPtr),
			  Payload(Forward<InVarTypes>(Vars)...)
		{
			checkf(InUserObject != nullptr && InMethodPtr != nullptr,
				   TEXT("Binding a null object or method to a delegate"));
		}

		const void* GetUserObject() const override { return RawUserObject; }

		bool IsSafeToExecute() const override { return UserObject.Get() != nullptr; }

		RetType Execute(ParamTypes... Params) const override
		{
			UserClass* Object = UserObject.Get();
			checkf(Object != nullptr, TEXT("Executing a delegate whose object has been destroyed"));
			return Call(Object, Forward<ParamTypes>(Params)...);
		}

		bool ExecuteIfSafe(ParamTypes... Params) const override
		{
			UserClass* Object = UserObject.Get();
			if (!Object)
			{
				return false;
			}
			(void)Call(Object, Forward<ParamTypes>(Params)...);
			return true;
		}

	private:
		RetType Call(UserClass* Object, ParamTypes... Params) const
		{
			return std::apply(
				[&](auto&... PayloadValues) -> RetType
				{ return std::invoke(MethodPtr, Object, Forward<ParamTypes>(Params)..., PayloadValues...); },
				Payload);
		}

		TWeakObjectPtr<FMutableUserClass> UserObject;
		const void* RawUserObject;
		MethodPtrType MethodPtr;
		mutable std::tuple<VarTypes...> Payload;
	};

	template <typename UserClass, typename FuncType, typename FunctorType, typename... VarTypes>
	class TWeakBaseFunctorDelegateInstance;

	template <typename UserClass, typename RetType, typename... ParamTypes, typename FunctorType, typename... VarTypes>
	class TWeakBaseFunctorDelegateInstance<UserClass, RetType(ParamTypes...), FunctorType, VarTypes...> final
		: public TDelegateInstance<RetType, ParamTypes...>
	{
		using FMutableUserClass = std::remove_const_t<UserClass>;

	public:
		template <typename InFunctorType, typename... InVarTypes>
		TWeakBaseFunctorDelegateInstance(UserClass* InUserObject, InFunctorType&& InFunctor, InVarTypes&&... Vars)
			: UserObject(InUserObject), RawUserObject(InUserObject), Functor(Forward<InFunctorType>(InFunctor)),
			  Payload(Forward<InVarTypes>(Vars)...)
		{
		}

		const void* GetUserObject() const override { return RawUserObject; }

		bool IsSafeToExecute() const override { return UserObject.Get() != nullptr; }

		RetType Execute(ParamTypes... Params) const override
		{
			checkf(UserObject.Get() != nullptr, TEXT("Executing a delegate whose object has been destroyed"));
			return Call(Forward<ParamTypes>(Params)...);
		}

		bool ExecuteIfSafe(ParamTypes... Params) const override
		{
			if (!UserObject.Get())
			{
				return false;
			}
			(void)Call(Forward<ParamTypes>(Params)...);
			return true;
		}

	private:
		RetType Call(ParamTypes... Params) const
		{
			return std::apply([&](auto&... PayloadValues) -> RetType
							  { return std::invoke(Functor, Forward<ParamTypes>(Params)..., PayloadValues...); },
							  Payload);
		}

		TWeakObjectPtr<FMutableUserClass> UserObject;
		const void* RawUserObject;
		mutable FunctorType Functor;
		mutable std::tuple<VarTypes...> Payload;
	};
}
