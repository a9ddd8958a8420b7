#pragma once

#include "CoreMinimal.h"
#include "Misc/Attribute.h"
#include "Widgets/SNullWidget.h"
#include "Widgets/SWidget.h"

#include <tuple>
#include <type_traits>

/**
 * Slate's declarative syntax:
 *
 *   SNew(SHorizontalBox)
 *   + SHorizontalBox::Slot().AutoWidth()
 *   [
 *       SNew(SButton).Text(this, &FMyPanel::GetLabel).OnClicked(this, &FMyPanel::OnClicked)
 *   ]
 *
 * A widget declares its arguments between SLATE_BEGIN_ARGS and SLATE_END_ARGS; SNew makes the widget, fills
 * an FArguments through the chained calls and hands it to the widget's Construct. Member-function bindings
 * given with an object pointer hold the object weakly (it must derive from TSharedFromThis).
 */

namespace UE::Slate::Private
{
	template <typename DelegateType>
	struct TDelegateMethods;

	template <typename RetType, typename... ParamTypes, typename UserPolicy>
	struct TDelegateMethods<TDelegate<RetType(ParamTypes...), UserPolicy>>
	{
		template <class UserClass>
		using TMethodPtr = RetType (std::remove_const_t<UserClass>::*)(ParamTypes...);
		template <class UserClass>
		using TConstMethodPtr = RetType (std::remove_const_t<UserClass>::*)(ParamTypes...) const;
		using TStaticFuncPtr = RetType (*)(ParamTypes...);
	};

	template <typename AttrType, class UserClass>
	using TAttributeGetterPtr = AttrType (std::remove_const_t<UserClass>::*)() const;
}

/** The content of a widget slot; never null (an empty slot holds SNullWidget::NullWidget). */
struct TAlwaysValidWidget
{
	TAlwaysValidWidget() : Widget(SNullWidget::NullWidget) {}

	TSharedRef<SWidget> Widget;
};

// An attribute argument: a value, a getter bound to a shared-from-this object or a raw object, a lambda or a
// static function.
#define SLATE_PRIVATE_ATTRIBUTE_FUNCTION(AttrType, AttrName)                                                          \
	WidgetArgsType& AttrName(TAttribute<AttrType> InAttribute)                                                         \
	{                                                                                                                  \
		_##AttrName = MoveTemp(InAttribute);                                                                           \
		return static_cast<WidgetArgsType*>(this)->Me();                                                               \
	}                                                                                                                  \
	template <class UserClass>                                                                                         \
	WidgetArgsType& AttrName(UserClass* InUserObject,                                                                  \
							 std::type_identity_t<UE::Slate::Private::TAttributeGetterPtr<AttrType, UserClass>> InFunc) \
	{                                                                                                                  \
		_##AttrName = TAttribute<AttrType>::Create(TAttribute<AttrType>::FGetter::CreateSP(                            \
			const_cast<std::remove_const_t<UserClass>*>(InUserObject), InFunc));                                       \
		return static_cast<WidgetArgsType*>(this)->Me();                                                               \
	}                                                                                                                  \
	template <class UserClass>                                                                                         \
	WidgetArgsType& AttrName(const TSharedRef<UserClass>& InUserObjectRef,                                             \
							 std::type_identity_t<UE::Slate::Private::TAttributeGetterPtr<AttrType, UserClass>> InFunc) \
	{                                                                                                                  \
		_##AttrName = TAttribute<AttrType>::Create(TAttribute<AttrType>::FGetter::CreateSP(InUserObjectRef, InFunc));  \
		return static_cast<WidgetArgsType*>(this)->Me();                                                               \
	}                                                                                                                  \
	template <class UserClass>                                                                                         \
	WidgetArgsType& AttrName##_Raw(UserClass* InUserObject,                                                            \
								   std::type_identity_t<UE::Slate::Private::TAttributeGetterPtr<AttrType, UserClass>>  \
									   InFunc)                                                                         \
	{                                                                                                                  \
		_##AttrName = TAttribute<AttrType>::Create(TAttribute<AttrType>::FGetter::CreateRaw(InUserObject, InFunc));    \
		return static_cast<WidgetArgsType*>(this)->Me();                                                               \
	}                                                                                                                  \
	template <typename LambdaType>                                                                                     \
	WidgetArgsType& AttrName##_Lambda(LambdaType&& InFunctor)                                                          \
	{                                                                                                                  \
		_##AttrName = TAttribute<AttrType>::Create(                                                                    \
			TAttribute<AttrType>::FGetter::CreateLambda(Forward<LambdaType>(InFunctor)));                              \
		return static_cast<WidgetArgsType*>(this)->Me();                                                               \
	}                                                                                                                  \
	WidgetArgsType& AttrName##_Static(AttrType (*InFunc)())                                                            \
	{                                                                                                                  \
		_##AttrName = TAttribute<AttrType>::Create(TAttribute<AttrType>::FGetter::CreateStatic(InFunc));               \
		return static_cast<WidgetArgsType*>(this)->Me();                                                               \
	}

#define SLATE_PRIVATE_ATTRIBUTE_VARIABLE(AttrType, AttrName) TAttribute<AttrType> _##AttrName

/** The arguments every widget takes. */
struct SLATECORE_API FSlateBaseNamedArgs
{
	FSlateBaseNamedArgs() : _IsEnabled(true) {}

	SLATE_PRIVATE_ATTRIBUTE_VARIABLE(FText, ToolTipText);
	SLATE_PRIVATE_ATTRIBUTE_VARIABLE(bool, IsEnabled);
};

template <typename InWidgetType>
struct TSlateBaseNamedArgs : public FSlateBaseNamedArgs
{
	using WidgetArgsType = typename InWidgetType::FArguments;

	SLATE_PRIVATE_ATTRIBUTE_FUNCTION(FText, ToolTipText)
	SLATE_PRIVATE_ATTRIBUTE_FUNCTION(bool, IsEnabled)

	WidgetArgsType& Me() { return *static_cast<WidgetArgsType*>(this); }
};

#define SLATE_BEGIN_ARGS(InWidgetType)                                                                                 \
public:                                                                                                                \
	struct FArguments : public TSlateBaseNamedArgs<InWidgetType>                                                       \
	{                                                                                                                  \
		typedef FArguments WidgetArgsType;                                                                             \
		typedef InWidgetType WidgetType;                                                                               \
		FArguments()

#define SLATE_END_ARGS()                                                                                               \
	}                                                                                                                  \
	;

#define SLATE_ATTRIBUTE(AttrType, AttrName)                                                                            \
	SLATE_PRIVATE_ATTRIBUTE_VARIABLE(AttrType, AttrName);                                                              \
	SLATE_PRIVATE_ATTRIBUTE_FUNCTION(AttrType, AttrName)

#define SLATE_ARGUMENT(ArgType, ArgName)                                                                               \
	ArgType _##ArgName;                                                                                                \
	WidgetArgsType& ArgName(ArgType InArg)                                                                             \
	{                                                                                                                  \
		_##ArgName = InArg;                                                                                            \
		return static_cast<WidgetArgsType*>(this)->Me();                                                               \
	}

// An event argument: a delegate, a method of a shared-from-this object (held weakly), a raw object's method,
// a UObject's method, a lambda or a static function.
#define SLATE_EVENT(DelegateName, EventName)                                                                           \
	DelegateName _##EventName;                                                                                         \
	WidgetArgsType& EventName(const DelegateName& InDelegate)                                                          \
	{                                                                                                                  \
		_##EventName = InDelegate;                                                                                     \
		return static_cast<WidgetArgsType*>(this)->Me();                                                               \
	}                                                                                                                  \
	template <class UserClass>                                                                                         \
	WidgetArgsType& EventName(                                                                                         \
		UserClass* InUserObject,                                                                                       \
		typename UE::Slate::Private::TDelegateMethods<DelegateName>::template TMethodPtr<UserClass> InFunc)            \
	{                                                                                                                  \
		_##EventName = DelegateName::CreateSP(InUserObject, InFunc);                                                   \
		return static_cast<WidgetArgsType*>(this)->Me();                                                               \
	}                                                                                                                  \
	template <class UserClass>                                                                                         \
	WidgetArgsType& EventName(                                                                                         \
		UserClass* InUserObject,                                                                                       \
		typename UE::Slate::Private::TDelegateMethods<DelegateName>::template TConstMethodPtr<UserClass> InFunc)       \
	{                                                                                                                  \
		_##EventName = DelegateName::CreateSP(InUserObject, InFunc);                                                   \
		return static_cast<WidgetArgsType*>(this)->Me();                                                               \
	}                                                                                                                  \
	template <class UserClass>                                                                                         \
	WidgetArgsType& EventName(                                                                                         \
		const TSharedRef<UserClass>& InUserObjectRef,                                                                  \
		typename UE::Slate::Private::TDelegateMethods<DelegateName>::template TMethodPtr<UserClass> InFunc)            \
	{                                                                                                                  \
		_##EventName = DelegateName::CreateSP(InUserObjectRef, InFunc);                                                \
		return static_cast<WidgetArgsType*>(this)->Me();                                                               \
	}                                                                                                                  \
	template <class UserClass>                                                                                         \
	WidgetArgsType& EventName##_Raw(                                                                                   \
		UserClass* InUserObject,                                                                                       \
		typename UE::Slate::Private::TDelegateMethods<DelegateName>::template TMethodPtr<UserClass> InFunc)            \
	{                                                                                                                  \
		_##EventName = DelegateName::CreateRaw(InUserObject, InFunc);                                                  \
		return static_cast<WidgetArgsType*>(this)->Me();                                                               \
	}                                                                                                                  \
	template <class UserClass>                                                                                         \
	WidgetArgsType& EventName##_UObject(                                                                               \
		UserClass* InUserObject,                                                                                       \
		typename UE::Slate::Private::TDelegateMethods<DelegateName>::template TMethodPtr<UserClass> InFunc)            \
	{                                                                                                                  \
		_##EventName = DelegateName::CreateUObject(InUserObject, InFunc);                                              \
		return static_cast<WidgetArgsType*>(this)->Me();                                                               \
	}                                                                                                                  \
	template <typename LambdaType>                                                                                     \
	WidgetArgsType& EventName##_Lambda(LambdaType&& InFunctor)                                                         \
	{                                                                                                                  \
		_##EventName = DelegateName::CreateLambda(Forward<LambdaType>(InFunctor));                                     \
		return static_cast<WidgetArgsType*>(this)->Me();                                                               \
	}                                                                                                                  \
	WidgetArgsType& EventName##_Static(typename UE::Slate::Private::TDelegateMethods<DelegateName>::TStaticFuncPtr InFunc) \
	{                                                                                                                  \
		_##EventName = DelegateName::CreateStatic(InFunc);                                                             \
		return static_cast<WidgetArgsType*>(this)->Me();                                                               \
	}

#define SLATE_NAMED_SLOT(DeclarationType, SlotName) TAlwaysValidWidget _##SlotName;

// The slot filled by [ ... ] after the widget's arguments.
#define SLATE_DEFAULT_SLOT(DeclarationType, SlotName)                                                                  \
	SLATE_NAMED_SLOT(DeclarationType, SlotName)                                                                        \
	DeclarationType& operator[](const TSharedRef<SWidget>& InChild)                                                    \
	{                                                                                                                  \
		_##SlotName.Widget = InChild;                                                                                  \
		return static_cast<WidgetArgsType*>(this)->Me();                                                               \
	}

// Slots added with "+ SMyPanel::Slot()".
#define SLATE_SLOT_ARGUMENT(SlotType, SlotName)                                                                        \
	TArray<typename SlotType::FSlotArguments> _##SlotName;                                                             \
	WidgetArgsType& operator+(typename SlotType::FSlotArguments& SlotToAdd)                                            \
	{                                                                                                                  \
		_##SlotName.Add(MoveTemp(SlotToAdd));                                                                          \
		return static_cast<WidgetArgsType*>(this)->Me();                                                               \
	}                                                                                                                  \
	WidgetArgsType& operator+(typename SlotType::FSlotArguments&& SlotToAdd)                                           \
	{                                                                                                                  \
		_##SlotName.Add(MoveTemp(SlotToAdd));                                                                          \
		return static_cast<WidgetArgsType*>(this)->Me();                                                               \
	}

/** One SNew or SAssignNew: the widget made up front, constructed once its arguments are complete. */
template <typename WidgetType, typename RequiredArgsPayloadType>
struct TSlateDecl
{
	TSlateDecl(const ANSICHAR* InType, const ANSICHAR* InFile, int32 OnLine, RequiredArgsPayloadType&& InRequiredArgs)
		: Widget(MakeShared<WidgetType>())
		, RequiredArgs(MoveTemp(InRequiredArgs))
	{
		Widget->SetTypeOfWidget(FName(InType));
	}

	template <class ExposeAsWidgetType>
	TSlateDecl&& Expose(TSharedPtr<ExposeAsWidgetType>& OutVarToInit) &&
	{
		OutVarToInit = Widget;
		return MoveTemp(*this);
	}

	template <class ExposeAsWidgetType>
	TSlateDecl&& Expose(TSharedRef<ExposeAsWidgetType>& OutVarToInit) &&
	{
		OutVarToInit = Widget;
		return MoveTemp(*this);
	}

	TSharedRef<WidgetType> operator<<=(const typename WidgetType::FArguments& InArgs) &&
	{
		Widget->SWidgetConstruct(InArgs);
		std::apply([this, &InArgs](auto&&... Args) { Widget->Construct(InArgs, Args...); }, RequiredArgs);
		return Widget;
	}

	TSharedRef<WidgetType> Widget;
	RequiredArgsPayloadType RequiredArgs;
};

template <typename WidgetType, typename RequiredArgsPayloadType>
TSlateDecl<WidgetType, RequiredArgsPayloadType> MakeTDecl(const ANSICHAR* InType, const ANSICHAR* InFile,
														  int32 OnLine, RequiredArgsPayloadType&& InRequiredArgs)
{
	return TSlateDecl<WidgetType, RequiredArgsPayloadType>(InType, InFile, OnLine, MoveTemp(InRequiredArgs));
}

#define SNew(WidgetType, ...)                                                                                          \
	MakeTDecl<WidgetType>(#WidgetType, __FILE__, __LINE__, std::make_tuple(__VA_ARGS__)) <<=                           \
		typename WidgetType::FArguments()

#define SAssignNew(ExposeAs, WidgetType, ...)                                                                          \
	MakeTDecl<WidgetType>(#WidgetType, __FILE__, __LINE__, std::make_tuple(__VA_ARGS__)).Expose(ExposeAs) <<=         \
		typename WidgetType::FArguments()
