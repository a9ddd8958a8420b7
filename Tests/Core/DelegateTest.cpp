#include "CoreMinimal.h"
#include "CoreTestPrinters.h"

#include <gtest/gtest.h>

namespace
{
	class FPanel : public TSharedFromThis<FPanel>
	{
	public:
		void Refresh() { ++NumRefreshes; }

		void RefreshBy(int32 Amount, int32 Payload) { NumRefreshes += Amount * Payload; }

		int32 GetNumRefreshes() const { return NumRefreshes; }

		TDelegate<int32()> MakeCounterDelegate()
		{
			return TDelegate<int32()>::CreateSP(this, &FPanel::GetNumRefreshes);
		}

		int32 NumRefreshes = 0;
	};

	/** Stands in for a UObject whose liveness the test controls. */
	struct FFakeObject
	{
		bool bAlive = true;
		int32 Calls = 0;

		void Touch() { ++Calls; }
	};
}

// The delegate code only needs construction from a pointer and Get(); CoreUObject defines the real one.
template <>
struct TWeakObjectPtr<FFakeObject>
{
	FFakeObject* Object;

	TWeakObjectPtr(const FFakeObject* InObject) : Object(const_cast<FFakeObject*>(InObject)) {}

	FFakeObject* Get() const { return Object->bAlive ? Object : nullptr; }
};

TEST(DelegateTest, SharedPointerBindingsDoNothingOnceTheOwnerIsGone)
{
	FSimpleMulticastDelegate OnChanged;
	TSharedPtr<FPanel> Panel = MakeShared<FPanel>();
	TWeakPtr<FPanel> WeakPanel = Panel;
	int32 LambdaCalls = 0;

	OnChanged.AddSP(Panel.ToSharedRef(), &FPanel::Refresh);
	OnChanged.AddSPLambda(Panel.Get(), [&LambdaCalls]() { ++LambdaCalls; });
	FSimpleDelegate Single = FSimpleDelegate::CreateSP(Panel.Get(), &FPanel::Refresh);
	TDelegate<int32()> Counter = Panel->MakeCounterDelegate();

	OnChanged.Broadcast();
	EXPECT_TRUE(Single.ExecuteIfBound());
	EXPECT_EQ(Counter.Execute(), 2);
	EXPECT_EQ(LambdaCalls, 1);
	EXPECT_EQ(Panel.GetSharedReferenceCount(), 1) << "bindings hold the panel weakly";

	Panel.Reset();
	EXPECT_FALSE(WeakPanel.IsValid());
	EXPECT_FALSE(Single.IsBound());
	EXPECT_FALSE(Single.ExecuteIfBound());
	EXPECT_FALSE(Counter.IsBound());
	EXPECT_FALSE(OnChanged.IsBound());
	OnChanged.Broadcast();
	EXPECT_EQ(LambdaCalls, 1);
}

TEST(DelegateTest, BroadcastCallsNewestFirstAndToleratesChangesFromCallees)
{
	FSimpleMulticastDelegate Event;
	TArray<FString> Calls;
	FDelegateHandle HandleB;
	FDelegateHandle HandleC;

	Event.AddLambda([&]() { Calls.Add(TEXT("A")); });
	HandleB = Event.AddLambda([&]() { Calls.Add(TEXT("B")); });
	HandleC = Event.AddLambda(
		[&]()
		{
			Calls.Add(TEXT("C"));
			// Removing a binding not yet called, removing itself and adding one: none of this may crash or
			// call the removed or added bindings in this broadcast.
			Event.Remove(HandleB);
			Event.Remove(HandleC);
			Event.AddLambda([&]() { Calls.Add(TEXT("D")); });
		});

	Event.Broadcast();
	EXPECT_EQ(Calls, TArray<FString>({TEXT("C"), TEXT("A")}));

	Calls.Reset();
	Event.Broadcast();
	EXPECT_EQ(Calls, TArray<FString>({TEXT("D"), TEXT("A")}));
	EXPECT_FALSE(Event.Remove(HandleB));
}

TEST(DelegateTest, BindingKindsPassArgumentsAndPayloads)
{
	DECLARE_DELEGATE_RetVal_TwoParams(int32, FCombine, int32, int32);
	struct FStatics
	{
		static int32 Sum(int32 A, int32 B, int32 Extra) { return A + B + Extra; }
	};
	EXPECT_EQ(FCombine::CreateStatic(&FStatics::Sum, 100).Execute(1, 2), 103);
	EXPECT_EQ(
		FCombine::CreateLambda([](int32 A, int32 B, FString Tag) { return A * B + Tag.Len(); }, FString(TEXT("xy")))
			.Execute(3, 4),
		14);

	FPanel Panel;
	TDelegate<void(int32)> Raw = TDelegate<void(int32)>::CreateRaw(&Panel, &FPanel::RefreshBy, 10);
	Raw.Execute(2);
	EXPECT_EQ(Panel.NumRefreshes, 20);
	EXPECT_TRUE(Raw.IsBoundToObject(&Panel));

	FFakeObject Object;
	FSimpleDelegate UObjectBound = FSimpleDelegate::CreateUObject(&Object, &FFakeObject::Touch);
	int32 WeakLambdaCalls = 0;
	FSimpleDelegate WeakLambda = FSimpleDelegate::CreateWeakLambda(&Object, [&]() { ++WeakLambdaCalls; });
	EXPECT_TRUE(UObjectBound.ExecuteIfBound());
	EXPECT_TRUE(WeakLambda.ExecuteIfBound());
	Object.bAlive = false;
	EXPECT_FALSE(UObjectBound.IsBound());
	EXPECT_FALSE(UObjectBound.ExecuteIfBound());
	EXPECT_FALSE(WeakLambda.ExecuteIfBound());
	EXPECT_EQ(Object.Calls, 1);
	EXPECT_EQ(WeakLambdaCalls, 1);
}

TEST(DelegateTest, RemoveAllAndHandles)
{
	DECLARE_MULTICAST_DELEGATE_OneParam(FOnValue, int32);
	FOnValue OnValue;
	FPanel First;
	FPanel Second;
	OnValue.AddRaw(&First, &FPanel::RefreshBy, 1);
	OnValue.AddRaw(&Second, &FPanel::RefreshBy, 1);
	OnValue.AddRaw(&First, &FPanel::RefreshBy, 100);
	EXPECT_EQ(OnValue.RemoveAll(&First), 2);
	EXPECT_FALSE(OnValue.IsBoundToObject(&First));
	OnValue.Broadcast(5);
	EXPECT_EQ(First.NumRefreshes, 0);
	EXPECT_EQ(Second.NumRefreshes, 5);

	EXPECT_FALSE(OnValue.Add(FOnValue::FDelegate()).IsValid()) << "adding an unbound delegate gives no handle";
	FDelegateHandle Handle = OnValue.AddLambda([](int32) {});
	EXPECT_TRUE(Handle.IsValid());
	EXPECT_TRUE(OnValue.Remove(Handle));
	Handle.Reset();
	EXPECT_FALSE(Handle.IsValid());
	OnValue.Clear();
	EXPECT_FALSE(OnValue.IsBound());
}

TEST(SharedPointerTest, OwnershipCastsAndWeakPointers)
{
	struct FBase
	{
		virtual ~FBase() = default;
		int32 Value = 1;
	};
	struct FDerived : FBase
	{
		FDerived() { Value = 2; }
	};

	TSharedRef<FDerived> Derived = MakeShared<FDerived>();
	TSharedRef<FBase> Base = Derived;
	EXPECT_EQ(Base->Value, 2);
	EXPECT_EQ(Derived.GetSharedReferenceCount(), 2);
	EXPECT_EQ(StaticCastSharedRef<FDerived>(Base), Derived);

	TSharedPtr<FBase> Shareable = MakeShareable(new FDerived());
	EXPECT_TRUE(Shareable.IsUnique());
	TWeakPtr<FBase> Weak = Shareable;
	EXPECT_EQ(Weak.Pin(), Shareable);
	Shareable = nullptr;
	EXPECT_FALSE(Weak.Pin().IsValid());
	EXPECT_FALSE(Shareable.IsValid());

	TSharedRef<FPanel> Panel = MakeShared<FPanel>();
	EXPECT_EQ(Panel->AsShared(), Panel);
	EXPECT_EQ(Panel->AsWeak().Pin(), Panel.ToSharedPtr());
}

TEST(SharedPointerDeathTest, NullDereferencesAreFatal)
{
	TSharedPtr<FPanel> Null;
	EXPECT_DEATH(Null.ToSharedRef(), "ToSharedRef called on a null TSharedPtr");
	FPanel NotShared;
	EXPECT_DEATH(NotShared.AsShared(), "AsShared called on an object that no shared pointer owns");
}
