#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Delegates/DelegateInstancesImpl.h"
#include "Delegates/IDelegateInstance.h"
#include "Misc/AssertionMacros.h"
#include "Templates/SharedPointer.h"
#include "Templates/UnrealTemplate.h"

#include <memory>
#include <type_traits>

struct FDefaultDelegateUserPolicy
{
};

template <typename DelegateSignature, typename UserPolicy = FDefaultDelegateUserPolicy>
class TDelegate;

template <typename DelegateSignature, typename UserPolicy = FDefaultDelegateUserPolicy>
class TMulticastDelegate;

/**
 * A single-cast delegate. Bindings through shared pointers (CreateSP, CreateSPLambda) and UObjects
 * (CreateUObject, CreateWeakLambda) hold their owner weakly: once it is gone the delegate is no longer bound.
 */
template <typename InRetValType, typename... ParamTypes, typename UserPolicy>
class TDelegate<InRetValType(ParamTypes...), UserPolicy>
{
	template <typename, typename>
	friend class TMulticastDelegate;

	using FInstance = UE::Delegates::Private::TDelegateInstance<InRetValType, ParamTypes...>;
	using FFuncType = InRetValType(ParamTypes...);

	template <bool bConst, typename UserClass, typename... VarTypes>
	using TMethodPtr = typename TMemFunPtrType<bConst, std::remove_const_t<UserClass>,
											   InRetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type;

public:
	using RetValType = InRetValType;
	using TFuncType = InRetValType(ParamTypes...);

	TDelegate() = default;

	TDelegate(TYPE_OF_NULLPTR) {}

	template <typename... VarTypes>
	[[nodiscard]] static TDelegate
	CreateStatic(std::type_identity_t<InRetValType (*)(ParamTypes..., std::decay_t<VarTypes>...)> InFunc,
				 VarTypes&&... Vars)
	{
		using FBinding = UE::Delegates::Private::TBaseStaticDelegateInstance<FFuncType, std::decay_t<VarTypes>...>;
		return TDelegate(std::make_shared<FBinding>(InFunc, Forward<VarTypes>(Vars)...));
	}

	template <typename FunctorType, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateLambda(FunctorType&& InFunctor, VarTypes&&... Vars)
	{
		using FBinding = UE::Delegates::Private::TBaseFunctorDelegateInstance<FFuncType, std::decay_t<FunctorType>,
																			  std::decay_t<VarTypes>...>;
		return TDelegate(std::make_shared<FBinding>(Forward<FunctorType>(InFunctor), Forward<VarTypes>(Vars)...));
	}

	template <typename UserClass, typename... VarTypes>
	requires(!std::is_const_v<UserClass>) [[nodiscard]] static TDelegate
		CreateRaw(UserClass* InUserObject, TMethodPtr<false, UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		return MakeRaw(InUserObject, InFunc, Forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateRaw(UserClass* InUserObject, TMethodPtr<true, UserClass, VarTypes...> InFunc,
											 VarTypes&&... Vars)
	{
		return MakeRaw(InUserObject, InFunc, Forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, ESPMode Mode, typename... VarTypes>
	requires(!std::is_const_v<UserClass>) [[nodiscard]] static TDelegate
		CreateSP(const TSharedRef<UserClass, Mode>& InUserObjectRef, TMethodPtr<false, UserClass, VarTypes...> InFunc,
				 VarTypes&&... Vars)
	{
		return MakeSP(InUserObjectRef, InFunc, Forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, ESPMode Mode, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateSP(const TSharedRef<UserClass, Mode>& InUserObjectRef,
											TMethodPtr<true, UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		return MakeSP(InUserObjectRef, InFunc, Forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, ESPMode Mode, typename... VarTypes>
	requires(!std::is_const_v<UserClass>) [[nodiscard]] static TDelegate
		CreateSP(const TSharedPtr<UserClass, Mode>& InUserObjectPtr, TMethodPtr<false, UserClass, VarTypes...> InFunc,
				 VarTypes&&... Vars)
	{
		return MakeSP(InUserObjectPtr.ToSharedRef(), InFunc, Forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, ESPMode Mode, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateSP(const TSharedPtr<UserClass, Mode>& InUserObjectPtr,
											TMethodPtr<true, UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		return MakeSP(InUserObjectPtr.ToSharedRef(), InFunc, Forward<VarTypes>(Vars)...);
	}

	/** Binds an object that derives from TSharedFromThis, typically `this`. */
	template <typename UserClass, typename... VarTypes>
	requires(!std::is_const_v<UserClass>) [[nodiscard]] static TDelegate
		CreateSP(UserClass* InUserObject, TMethodPtr<false, UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		return MakeSP(StaticCastSharedRef<UserClass>(InUserObject->AsShared()), InFunc, Forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateSP(UserClass* InUserObject, TMethodPtr<true, UserClass, VarTypes...> InFunc,
											VarTypes&&... Vars)
	{
		return MakeSP(StaticCastSharedRef<UserClass>(InUserObject->AsShared()), InFunc, Forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, ESPMode Mode, typename FunctorType, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateSPLambda(const TSharedRef<UserClass, Mode>& InUserObjectRef,
												  FunctorType&& InFunctor, VarTypes&&... Vars)
	{
		using FBinding =
			UE::Delegates::Private::TBaseSPLambdaDelegateInstance<UserClass, Mode, FFuncType, std::decay_t<FunctorType>,
																  std::decay_t<VarTypes>...>;
		return TDelegate(
			std::make_shared<FBinding>(InUserObjectRef, Forward<FunctorType>(InFunctor), Forward<VarTypes>(Vars)...));
	}

	template <typename UserClass, typename FunctorType, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateSPLambda(UserClass* InUserObject, FunctorType&& InFunctor, VarTypes&&... Vars)
	{
		return CreateSPLambda(StaticCastSharedRef<UserClass>(InUserObject->AsShared()), Forward<FunctorType>(InFunctor),
							  Forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, typename... VarTypes>
	requires(!std::is_const_v<UserClass>) [[nodiscard]] static TDelegate
		CreateUObject(UserClass* InUserObject, TMethodPtr<false, UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		return MakeUObject(InUserObject, InFunc, Forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateUObject(UserClass* InUserObject,
												 TMethodPtr<true, UserClass, VarTypes...> InFunc, VarTypes&&... Vars)
	{
		return MakeUObject(InUserObject, InFunc, Forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, typename FunctorType, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateWeakLambda(UserClass* InUserObject, FunctorType&& InFunctor,
													VarTypes&&... Vars)
	{
		using FBinding =
			UE::Delegates::Private::TWeakBaseFunctorDelegateInstance<UserClass, FFuncType, std::decay_t<FunctorType>,
																	 std::decay_t<VarTypes>...>;
		return TDelegate(
			std::make_shared<FBinding>(InUserObject, Forward<FunctorType>(InFunctor), Forward<VarTypes>(Vars)...));
	}

	template <typename... ArgTypes>
	void BindStatic(ArgTypes&&... Args)
	{
		*this = CreateStatic(Forward<ArgTypes>(Args)...);
	}

	template <typename... ArgTypes>
	void BindLambda(ArgTypes&&... Args)
	{
		*this = CreateLambda(Forward<ArgTypes>(Args)...);
	}

	template <typename UserClass, typename... ArgTypes>
	void BindRaw(UserClass* InUserObject, ArgTypes&&... Args)
	{
		*this = CreateRaw(InUserObject, Forward<ArgTypes>(Args)...);
	}

	template <typename UserObjectType, typename... ArgTypes>
	void BindSP(UserObjectType&& InUserObject, ArgTypes&&... Args)
	{
		*this = CreateSP(Forward<UserObjectType>(InUserObject), Forward<ArgTypes>(Args)...);
	}

	template <typename UserObjectType, typename... ArgTypes>
	void BindSPLambda(UserObjectType&& InUserObject, ArgTypes&&... Args)
	{
		*this = CreateSPLambda(Forward<UserObjectType>(InUserObject), Forward<ArgTypes>(Args)...);
	}

	template <typename UserClass, typename... ArgTypes>
	void BindUObject(UserClass* InUserObject, ArgTypes&&... Args)
	{
		*this = CreateUObject(InUserObject, Forward<ArgTypes>(Args)...);
	}

	template <typename UserClass, typename... ArgTypes>
	void BindWeakLambda(UserClass* InUserObject, ArgTypes&&... Args)
	{
		*this = CreateWeakLambda(InUserObject, Forward<ArgTypes>(Args)...);
	}

	/** Bound and, for weak bindings, its owner still alive. */
	bool IsBound() const { return Instance != nullptr && Instance->IsSafeToExecute(); }

	bool IsBoundToObject(const void* InUserObject) const
	{
		return InUserObject != nullptr && Instance != nullptr && Instance->GetUserObject() == InUserObject;
	}

	void Unbind() { Instance.reset(); }

	FDelegateHandle GetHandle() const { return Instance ? Instance->GetHandle() : FDelegateHandle(); }

	InRetValType Execute(ParamTypes... Params) const
	{
		checkf(Instance != nullptr, TEXT("Executing an unbound delegate"));
		// Keeps the binding alive even if the call rebinds or destroys this delegate.
		const std::shared_ptr<const FInstance> LocalInstance = Instance;
		return LocalInstance->Execute(Forward<ParamTypes>(Params)...);
	}

	template <typename DummyRetType = InRetValType>
	requires std::is_void_v<DummyRetType>
	bool ExecuteIfBound(ParamTypes... Params) const
	{
		const std::shared_ptr<const FInstance> LocalInstance = Instance;
		return LocalInstance != nullptr && LocalInstance->ExecuteIfSafe(Forward<ParamTypes>(Params)...);
	}

private:
	explicit TDelegate(std::shared_ptr<const FInstance> InInstance) : Instance(MoveTemp(InInstance)) {}

	template <typename UserClass, typename MethodPtrType, typename... VarTypes>
	static TDelegate MakeRaw(UserClass* InUserObject, MethodPtrType InFunc, VarTypes&&... Vars)
	{
		using FBinding = UE::Delegates::Private::TBaseRawMethodDelegateInstance<UserClass, FFuncType, MethodPtrType,
																				std::decay_t<VarTypes>...>;
		return TDelegate(std::make_shared<FBinding>(InUserObject, InFunc, Forward<VarTypes>(Vars)...));
	}

	template <typename UserClass, ESPMode Mode, typename MethodPtrType, typename... VarTypes>
	static TDelegate MakeSP(const TSharedRef<UserClass, Mode>& InUserObject, MethodPtrType InFunc, VarTypes&&... Vars)
	{
		using FBinding =
			UE::Delegates::Private::TBaseSPMethodDelegateInstance<UserClass, Mode, FFuncType, MethodPtrType,
																  std::decay_t<VarTypes>...>;
		return TDelegate(std::make_shared<FBinding>(InUserObject, InFunc, Forward<VarTypes>(Vars)...));
	}

	template <typename UserClass, typename MethodPtrType, typename... VarTypes>
	static TDelegate MakeUObject(UserClass* InUserObject, MethodPtrType InFunc, VarTypes&&... Vars)
	{
		using FBinding = UE::Delegates::Private::TBaseUObjectMethodDelegateInstance<UserClass, FFuncType, MethodPtrType,
																					std::decay_t<VarTypes>...>;
		return TDelegate(std::make_shared<FBinding>(InUserObject, InFunc, Forward<VarTypes>(Vars)...));
	}

	std::shared_ptr<const FInstance> Instance;
};

/**
 * A delegate with any number of bindings. Broadcast calls them last-added first, as the engine does. A
 * binding added during a broadcast is not called by it; one removed during a broadcast is not called after
 * its removal. Bindings whose weak owner has gone are skipped and then dropped.
 */
template <typename... ParamTypes, typename UserPolicy>
class TMulticastDelegate<void(ParamTypes...), UserPolicy>
{
public:
	using FDelegate = TDelegate<void(ParamTypes...), UserPolicy>;

	TMulticastDelegate() = default;

	TMulticastDelegate(const TMulticastDelegate& Other) : InvocationList(Other.InvocationList) {}

	TMulticastDelegate& operator=(const TMulticastDelegate& Other)
	{
		if (this != &Other)
		{
			Clear();
			for (const FDelegate& Delegate : Other.InvocationList)
			{
				InvocationList.Add(Delegate);
			}
		}
		return *this;
	}

	FDelegateHandle Add(const FDelegate& InNewDelegate)
	{
		if (!InNewDelegate.Instance)
		{
			return FDelegateHandle();
		}
		InvocationList.Add(InNewDelegate);
		return InNewDelegate.GetHandle();
	}

	FDelegateHandle Add(FDelegate&& InNewDelegate)
	{
		if (!InNewDelegate.Instance)
		{
			return FDelegateHandle();
		}
		const FDelegateHandle Handle = InNewDelegate.GetHandle();
		InvocationList.Add(MoveTemp(InNewDelegate));
		return Handle;
	}

	template <typename... ArgTypes>
	FDelegateHandle AddStatic(ArgTypes&&... Args)
	{
		return Add(FDelegate::CreateStatic(Forward<ArgTypes>(Args)...));
	}

	template <typename... ArgTypes>
	FDelegateHandle AddLambda(ArgTypes&&... Args)
	{
		return Add(FDelegate::CreateLambda(Forward<ArgTypes>(Args)...));
	}

	template <typename UserClass, typename... ArgTypes>
	FDelegateHandle AddRaw(UserClass* InUserObject, ArgTypes&&... Args)
	{
		return Add(FDelegate::CreateRaw(InUserObject, Forward<ArgTypes>(Args)...));
	}

	template <typename UserObjectType, typename... ArgTypes>
	FDelegateHandle AddSP(UserObjectType&& InUserObject, ArgTypes&&... Args)
	{
		return Add(FDelegate::CreateSP(Forward<UserObjectType>(InUserObject), Forward<ArgTypes>(Args)...));
	}

	template <typename UserObjectType, typename... ArgTypes>
	FDelegateHandle AddSPLambda(UserObjectType&& InUserObject, ArgTypes&&... Args)
	{
		return Add(FDelegate::CreateSPLambda(Forward<UserObjectType>(InUserObject), Forward<ArgTypes>(Args)...));
	}

	template <typename UserClass, typename... ArgTypes>
	FDelegateHandle AddUObject(UserClass* InUserObject, ArgTypes&&... Args)
	{
		return Add(FDelegate::CreateUObject(InUserObject, Forward<ArgTypes>(Args)...));
	}

	template <typename UserClass, typename... ArgTypes>
	FDelegateHandle AddWeakLambda(UserClass* InUserObject, ArgTypes&&... Args)
	{
		return Add(FDelegate::CreateWeakLambda(InUserObject, Forward<ArgTypes>(Args)...));
	}

	bool Remove(FDelegateHandle Handle)
	{
		for (int32 Index = 0; Index < InvocationList.Num(); ++Index)
		{
			if (InvocationList[Index].Instance && InvocationList[Index].GetHandle() == Handle)
			{
				RemoveAtIndex(Index);
				return true;
			}
		}
		return false;
	}

	int32 RemoveAll(const void* InUserObject)
	{
		int32 NumRemoved = 0;
		for (int32 Index = InvocationList.Num() - 1; Index >= 0; --Index)
		{
			if (InvocationList[Index].IsBoundToObject(InUserObject))
			{
				RemoveAtIndex(Index);
				++NumRemoved;
			}
		}
		return NumRemoved;
	}

	void Clear()
	{
		for (int32 Index = InvocationList.Num() - 1; Index >= 0; --Index)
		{
			RemoveAtIndex(Index);
		}
	}

	bool IsBound() const
	{
		for (const FDelegate& Delegate : InvocationList)
		{
			if (Delegate.IsBound())
			{
				return true;
			}
		}
		return false;
	}

	bool IsBoundToObject(const void* InUserObject) const
	{
		for (const FDelegate& Delegate : InvocationList)
		{
			if (Delegate.IsBoundToObject(InUserObject))
			{
				return true;
			}
		}
		return false;
	}

	void Broadcast(ParamTypes... Params) const
	{
		++LockCount;
		bool bNeedsCompaction = false;
		for (int32 Index = InvocationList.Num() - 1; Index >= 0; --Index)
		{
			// A copy keeps the binding alive if the call removes it.
			const std::shared_ptr<const typename FDelegate::FInstance> Instance = InvocationList[Index].Instance;
			if (!Instance || !Instance->ExecuteIfSafe(Params...))
			{
				bNeedsCompaction = true;
			}
		}
		--LockCount;
		if (bNeedsCompaction && LockCount == 0)
		{
			InvocationList.RemoveAll([](const FDelegate& Delegate) { return !Delegate.IsBound(); });
		}
	}

private:
	void RemoveAtIndex(int32 Index)
	{
		if (LockCount > 0)
		{
			// A broadcast is walking the list by index: leave an empty slot for it to skip.
			InvocationList[Index].Unbind();
		}
		else
		{
			InvocationList.RemoveAt(Index);
		}
	}

	mutable TArray<FDelegate> InvocationList;
	mutable int32 LockCount = 0;
};

#include "Delegates/DelegateCombinations.h"
