#include "UObject/GCObject.h"
#include "UObject/UObjectGlobals.h"
#include "UObject/Class.h"
#include "UObject/UnrealType.h"
#include "UObject/Package.h"
#include "ObjectConstruction.h"
#include "UObjectArray.h"

namespace
{
	TArray<FGCObject*>& GCObjectReferencers()
	{
		static TArray<FGCObject*> Referencers;
		return Referencers;
	}

	bool GIsGarbageCollecting = false;

	// Marks everything reachable. References to objects marked as garbage are cleared on the way,
	// as the engine does, so garbage dies even while something still points at it.
	class FReachability final : public FReferenceCollector, public FReferenceVisitor
	{
	public:
		explicit FReachability(FUObjectArray& InArray) : Array(InArray), Marks(InArray.Num(), false) {}

		void Reach(UObject* Object)
		{
			if (!Object)
			{
				return;
			}
			FUObjectArray::FItem* Item = Array.FindItem(Object);
			if (!Item || Item->bGarbage)
			{
				return;
			}
			const int32 Index = Object->GetUniqueID();
			if (!Marks[Index])
			{
				Marks[Index] = true;
				Pending.Add(Object);
			}
		}

		virtual void HandleObjectReference(UObject*& Object, const UObject* ReferencingObject) override { Follow(Object); }
		virtual void VisitObject(UObject*& Object, const FProperty* Property) override { Follow(Object); }

		void Run()
		{
			while (Pending.Num())
			{
				UObject* Object = Pending.Pop();
				Reach(Object->GetClass());
				Reach(Object->GetOuter());
				if (UStruct* Struct = Cast<UStruct>(Object))
				{
					Reach(Struct->GetSuperStruct());
					if (UClass* Class = Cast<UClass>(Struct))
					{
						Reach(Class->ClassDefaultObject);
					}
				}
				for (FProperty* Property = Object->GetClass()->PropertyLink; Property; Property = Property->PropertyLinkNext)
				{
					Property->VisitReferences_InContainer(Object, *this);
				}
				if (Object->GetClass()->ClassAddReferencedObjects)
				{
					Object->GetClass()->ClassAddReferencedObjects(Object, *this);
				}
			}
		}

		bool IsMarked(int32 Index) const { return Marks[Index]; }

	private:
		void Follow(UObject*& Object)
		{
			if (!Object)
			{
				return;
			}
			FUObjectArray::FItem* Item = Array.FindItem(Object);
			if (Item && Item->bGarbage && !Item->bRootSet)
			{
				Object = nullptr;
				return;
			}
			Reach(Object);
		}

		FUObjectArray& Array;
		std::vector<bool> Marks;
		TArray<UObject*> Pending;
	};
}

FGCObject::FGCObject()
{
	GCObjectReferencers().Add(this);
}

FGCObject::FGCObject(const FGCObject&)
{
	GCObjectReferencers().Add(this);
}

FGCObject::~FGCObject()
{
	GCObjectReferencers().RemoveSingle(this);
}

namespace UE::Core::Private
{
	void AddStrongReference(const UObject* Object)
	{
		if (FUObjectArray::FItem* Item = FUObjectArray::Get().FindItem(Object))
		{
			++Item->StrongRefCount;
		}
	}

	void ReleaseStrongReference(const UObject* Object)
	{
		if (FUObjectArray::FItem* Item = FUObjectArray::Get().FindItem(Object))
		{
			--Item->StrongRefCount;
		}
	}
}

bool IsGarbageCollecting()
{
	return GIsGarbageCollecting;
}

void CollectGarbage(EObjectFlags KeepFlags, bool bPerformFullPurge)
{
	FUObjectArray& Array = FUObjectArray::Get();
	GIsGarbageCollecting = true;
	FReachability Reachability(Array);
	for (int32 Index = 0; Index < Array.Num(); ++Index)
	{
		FUObjectArray::FItem* Item = Array.GetItem(Index);
		if (!Item)
		{
			continue;
		}
		UObject* Object = static_cast<UObject*>(Item->Object);
		const bool bKept = Item->bRootSet || Item->bNative || Item->StrongRefCount > 0 || (!Item->bGarbage && Object->HasAnyFlags(KeepFlags));
		if (bKept)
		{
			Item->bGarbage = Item->bGarbage && !Item->bRootSet;
			if (!Item->bGarbage)
			{
				Reachability.Reach(Object);
			}
		}
	}
	for (FGCObject* Referencer : TArray<FGCObject*>(GCObjectReferencers()))
	{
		Referencer->AddReferencedObjects(Reachability);
	}
	Reachability.Run();

	TArray<UObject*> Unreachable;
	for (int32 Index = 0; Index < Array.Num(); ++Index)
	{
		FUObjectArray::FItem* Item = Array.GetItem(Index);
		if (Item && !Item->bNative && !Item->bRootSet && !Reachability.IsMarked(Index))
		{
			Unreachable.Add(static_cast<UObject*>(Item->Object));
		}
	}
	for (UObject* Object : Unreachable)
	{
		Object->ConditionalBeginDestroy();
	}
	for (UObject* Object : Unreachable)
	{
		if (!Object->HasAnyFlags(RF_FinishDestroyed))
		{
			Object->SetFlags(RF_FinishDestroyed);
			Object->FinishDestroy();
		}
	}
	// Objects go before the classes that describe them, so each is destroyed with its layout known.
	Unreachable.StableSort([](const UObject& A, const UObject& B) { return !A.IsA(UStruct::StaticClass()) && B.IsA(UStruct::StaticClass()); });
	for (UObject* Object : Unreachable)
	{
		UE::CoreUObject::Private::DestroyObject(Object);
	}
	UE_LOG(LogGarbage, Log, TEXT("Collected %d objects"), Unreachable.Num());
	GIsGarbageCollecting = false;
}
