#pragma once

#include "CoreTypes.h"
#include "Delegates/Delegate.h"
#include "Templates/SharedPointer.h"
#include "Templates/UnrealTemplate.h"

#include <type_traits>

/**
 * A value or a getter that produces it on demand. A bound getter whose owner has gone (a weak binding)
 * is no longer called: the attribute then returns the last value it produced.
 */
template <typename ObjectType>
class TAttribute
{
public:
	using FGetter = TDelegate<ObjectType()>;

	TAttribute() : Value(), bIsSet(false) {}

	template <typename OtherType>
	requires std::is_constructible_v<ObjectType, const OtherType&>
	TAttribute(const OtherType& InInitialValue) : Value(static_cast<ObjectType>(InInitialValue)), bIsSet(true)
	{
	}

	TAttribute(ObjectType&& InInitialValue) : Value(MoveTemp(InInitialValue)), bIsSet(true) {}

	template <class SourceType>
	TAttribute(TSharedRef<SourceType> InUserObject, ObjectType (SourceType::*InMethodPtr)() const)
		: Value(), bIsSet(true), Getter(FGetter::CreateSP(InUserObject, InMethodPtr))
	{
	}

	template <class SourceType>
	TAttribute(SourceType* InUserObject, ObjectType (SourceType::*InMethodPtr)() const)
		: Value(), bIsSet(true), Getter(FGetter::CreateSP(InUserObject, InMethodPtr))
	{
	}

	static TAttribute Create(const FGetter& InGetter) { return TAttribute(InGetter, true); }

	static TAttribute Create(FGetter&& InGetter) { return TAttribute(MoveTemp(InGetter), true); }

	template <class SourceType>
	static TAttribute Create(SourceType* InUserObject, ObjectType (SourceType::*InMethodPtr)() const)
	{
		return TAttribute(InUserObject, InMethodPtr);
	}

	template <typename LambdaType, typename... PayloadTypes>
	static TAttribute CreateLambda(LambdaType&& InCallable, PayloadTypes&&... InputPayload)
	{
		return Create(FGetter::CreateLambda(Forward<LambdaType>(InCallable), Forward<PayloadTypes>(InputPayload)...));
	}

	template <typename UserClass, typename LambdaType, typename... PayloadTypes>
	static TAttribute CreateSPLambda(UserClass* InUserObject, LambdaType&& InCallable, PayloadTypes&&... InputPayload)
	{
		return Create(FGetter::CreateSPLambda(InUserObject, Forward<LambdaType>(InCallable),
											  Forward<PayloadTypes>(InputPayload)...));
	}

	template <typename UserClass, ESPMode Mode, typename LambdaType, typename... PayloadTypes>
	static TAttribute CreateSPLambda(const TSharedRef<UserClass, Mode>& InUserObjectRef, LambdaType&& InCallable,
									 PayloadTypes&&... InputPayload)
	{
		return Create(FGetter::CreateSPLambda(InUserObjectRef, Forward<LambdaType>(InCallable),
											  Forward<PayloadTypes>(InputPayload)...));
	}

	template <typename OtherType>
	void Set(const OtherType& InNewValue)
	{
		Getter.Unbind();
		Value = InNewValue;
		bIsSet = true;
	}

	bool IsSet() const { return bIsSet; }

	const ObjectType& Get(const ObjectType& DefaultValue) const { return bIsSet ? Get() : DefaultValue; }

	const ObjectType& Get() const
	{
		if (Getter.IsBound())
		{
			Value = Getter.Execute();
		}
		return Value;
	}

	void Bind(const FGetter& InGetter)
	{
		bIsSet = true;
		Getter = InGetter;
	}

	void Bind(FGetter&& InGetter)
	{
		bIsSet = true;
		Getter = MoveTemp(InGetter);
	}

	template <class SourceType>
	void Bind(SourceType* InUserObject, ObjectType (SourceType::*InMethodPtr)() const)
	{
		Bind(FGetter::CreateSP(InUserObject, InMethodPtr));
	}

	template <class SourceType>
	void Bind(TSharedRef<SourceType> InUserObject, ObjectType (SourceType::*InMethodPtr)() const)
	{
		Bind(FGetter::CreateSP(InUserObject, InMethodPtr));
	}

	template <class SourceType>
	void BindRaw(SourceType* InUserObject, ObjectType (SourceType::*InMethodPtr)() const)
	{
		Bind(FGetter::CreateRaw(InUserObject, InMethodPtr));
	}

	void BindStatic(ObjectType (*InFunction)())
	{
		Bind(FGetter::CreateStatic(InFunction));
	}

	template <typename LambdaType, typename... PayloadTypes>
	void BindLambda(LambdaType&& InCallable, PayloadTypes&&... InputPayload)
	{
		Bind(FGetter::CreateLambda(Forward<LambdaType>(InCallable), Forward<PayloadTypes>(InputPayload)...));
	}

	template <typename UserClass, typename LambdaType, typename... PayloadTypes>
	void BindSPLambda(const UserClass* InUserObject, LambdaType&& InCallable, PayloadTypes&&... InputPayload)
	{
		Bind(FGetter::CreateSPLambda(const_cast<UserClass*>(InUserObject), Forward<LambdaType>(InCallable),
									 Forward<PayloadTypes>(InputPayload)...));
	}

	template <class SourceType>
	void BindUObject(SourceType* InUserObject, ObjectType (SourceType::*InMethodPtr)() const)
	{
		Bind(FGetter::CreateUObject(InUserObject, InMethodPtr));
	}

	bool IsBound() const { return Getter.IsBound(); }

	const FGetter& GetBinding() const { return Getter; }

private:
	TAttribute(const FGetter& InGetter, bool bExplicitConstructor) : Value(), bIsSet(true), Getter(InGetter) {}

	TAttribute(FGetter&& InGetter, bool bExplicitConstructor) : Value(), bIsSet(true), Getter(MoveTemp(InGetter)) {}

	// The last value the getter produced, or the value set.
	mutable ObjectType Value;
	bool bIsSet;
	FGetter Getter;
};

template <typename LambdaType, typename... PayloadTypes>
decltype(auto) MakeAttributeLambda(LambdaType&& InCallable, PayloadTypes&&... InputPayload)
{
	using ResultType = std::decay_t<std::invoke_result_t<LambdaType, PayloadTypes...>>;
	return TAttribute<ResultType>::CreateLambda(Forward<LambdaType>(InCallable),
												Forward<PayloadTypes>(InputPayload)...);
}

template <typename UserClass, typename ResultType>
TAttribute<ResultType> MakeAttributeSP(UserClass* InUserObject, ResultType (UserClass::*InMethodPtr)() const)
{
	return TAttribute<ResultType>::Create(TAttribute<ResultType>::FGetter::CreateSP(InUserObject, InMethodPtr));
}

template <typename UserClass, typename LambdaType, typename... PayloadTypes>
decltype(auto) MakeAttributeSPLambda(UserClass* InUserObject, LambdaType&& InCallable, PayloadTypes&&... InputPayload)
{
	using ResultType = std::decay_t<std::invoke_result_t<LambdaType, PayloadTypes...>>;
	return TAttribute<ResultType>::CreateSPLambda(InUserObject, Forward<LambdaType>(InCallable),
												  Forward<PayloadTypes>(InputPayload)...);
}
