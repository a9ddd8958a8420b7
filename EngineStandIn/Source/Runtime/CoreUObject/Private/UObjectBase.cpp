#include "UObject/UObjectBase.h"
#include "UObject/UObjectBaseUtility.h"
#include "UObject/Object.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "ObjectConstruction.h"
#include "UObjectArray.h"

namespace
{
	thread_local TArray<FObjectConstructionContext*> GConstructionStack;
}

FObjectConstructionContext* FObjectConstructionContext::Current()
{
	return GConstructionStack.Num() ? GConstructionStack.Last() : nullptr;
}

void FObjectConstructionContext::Push(FObjectConstructionContext* Context)
{
	GConstructionStack.Add(Context);
}

void FObjectConstructionContext::Pop()
{
	GConstructionStack.Pop();
}

UObjectBase::UObjectBase()
{
	FObjectConstructionContext* Context = FObjectConstructionContext::Current();
	checkf(Context && Context->Memory == (void*)this, TEXT("Objects are made with NewObject, never constructed directly"));
	ObjectFlags = Context->Flags;
	ClassPrivate = Context->Class;
	NamePrivate = Context->Name;
	OuterPrivate = Context->Outer;
	FUObjectArray& Array = FUObjectArray::Get();
	InternalIndex = Array.Allocate(this);
	FUObjectArray::FItem* Item = Array.GetItem(InternalIndex);
	Item->Memory = Context->Memory;
	Item->Alignment = Context->Alignment;
	Array.AddToHash(this);
	// Only the innermost object of a construction takes the context.
	Context->Memory = nullptr;
}

UObjectBase::~UObjectBase()
{
	FUObjectArray& Array = FUObjectArray::Get();
	if (InternalIndex >= 0 && Array.IsLive(this))
	{
		Array.RemoveFromHash(this);
		Array.Free(InternalIndex);
	}
}

bool UObjectBase::IsValidLowLevel() const
{
	return FUObjectArray::Get().IsLive(this);
}

bool UObjectBase::IsValidLowLevelFast(bool bRecursive) const
{
	if (!IsValidLowLevel())
	{
		return false;
	}
	return !bRecursive || !ClassPrivate || FUObjectArray::Get().IsLive(ClassPrivate);
}

void UObjectBase::SetNameAndOuter(FName NewName, UObject* NewOuter)
{
	FUObjectArray& Array = FUObjectArray::Get();
	Array.RemoveFromHash(this);
	NamePrivate = NewName;
	OuterPrivate = NewOuter;
	Array.AddToHash(this);
}

void UObjectBase::LowLevelRename(FName NewName, UObject* NewOuter)
{
	SetNameAndOuter(NewName, NewOuter ? NewOuter : OuterPrivate);
}

void UObjectBaseUtility::AddToRoot()
{
	if (FUObjectArray::FItem* Item = FUObjectArray::Get().FindItem(this))
	{
		Item->bRootSet = true;
	}
}

void UObjectBaseUtility::RemoveFromRoot()
{
	if (FUObjectArray::FItem* Item = FUObjectArray::Get().FindItem(this))
	{
		Item->bRootSet = false;
	}
}

bool UObjectBaseUtility::IsRooted() const
{
	const FUObjectArray::FItem* Item = FUObjectArray::Get().FindItem(this);
	return Item && Item->bRootSet;
}

void UObjectBaseUtility::MarkAsGarbage()
{
	if (FUObjectArray::FItem* Item = FUObjectArray::Get().FindItem(this))
	{
		Item->bGarbage = true;
		ObjectFlags |= RF_MirroredGarbage;
	}
}

void UObjectBaseUtility::ClearGarbage()
{
	if (FUObjectArray::FItem* Item = FUObjectArray::Get().FindItem(this))
	{
		Item->bGarbage = false;
		ObjectFlags &= ~RF_MirroredGarbage;
	}
}

bool UObjectBaseUtility::HasAnyInternalFlags(EInternalObjectFlags Flags) const
{
	const FUObjectArray::FItem* Item = FUObjectArray::Get().FindItem(this);
	if (!Item)
	{
		return false;
	}
	return ((int32(Flags) & int32(EInternalObjectFlags::Garbage)) && Item->bGarbage) || ((int32(Flags) & int32(EInternalObjectFlags::RootSet)) && Item->bRootSet);
}

FString UObjectBaseUtility::GetPathName(const UObject* StopOuter) const
{
	if (this == StopOuter)
	{
		return TEXT("None");
	}
	const UObject* Outer = GetOuter();
	if (!Outer || Outer == StopOuter)
	{
		return GetName();
	}
	FString Result = Outer->GetPathName(StopOuter);
	// A subobject of an asset is separated by ':', everything else by '.'.
	const bool bSubobject = Outer->GetClass() != UPackage::StaticClass() && Outer->GetOuter() && Outer->GetOuter()->GetClass() == UPackage::StaticClass();
	Result += bSubobject ? TEXT(":") : TEXT(".");
	Result += GetName();
	return Result;
}

FString UObjectBaseUtility::GetFullName(const UObject* StopOuter) const
{
	return GetClass()->GetName() + TEXT(" ") + GetPathName(StopOuter);
}

UPackage* UObjectBaseUtility::GetPackage() const
{
	const UObject* Top = static_cast<const UObject*>(this);
	while (Top->GetOuter())
	{
		Top = Top->GetOuter();
	}
	return (UPackage*)Top;
}

UObject* UObjectBaseUtility::GetOutermostObject() const
{
	const UObject* Top = static_cast<const UObject*>(this);
	while (Top->GetOuter() && Top->GetOuter()->GetOuter())
	{
		Top = Top->GetOuter();
	}
	return const_cast<UObject*>(Top);
}

bool UObjectBaseUtility::IsA(const UClass* SomeBase) const
{
	return SomeBase && GetClass() && GetClass()->IsChildOf(SomeBase);
}

bool UObjectBaseUtility::IsIn(const UObject* SomeOuter) const
{
	for (const UObject* Outer = GetOuter(); Outer; Outer = Outer->GetOuter())
	{
		if (Outer == SomeOuter)
		{
			return true;
		}
	}
	return false;
}

bool UObjectBaseUtility::IsTemplate(EObjectFlags TemplateTypes) const
{
	for (const UObjectBaseUtility* Object = this; Object; Object = Object->GetOuter())
	{
		if (Object->HasAnyFlags(TemplateTypes))
		{
			return true;
		}
	}
	return false;
}

UObject* UObjectBaseUtility::GetTypedOuter(UClass* Target) const
{
	for (UObject* Outer = GetOuter(); Outer; Outer = Outer->GetOuter())
	{
		if (Outer->IsA(Target))
		{
			return Outer;
		}
	}
	return nullptr;
}

void UObjectBaseUtility::MarkPackageDirty() const
{
	if (UPackage* Package = GetPackage())
	{
		Package->SetDirtyFlag(true);
	}
}

bool UObject::IsAsset() const
{
	return !HasAnyFlags(RF_Transient | RF_ClassDefaultObject) && GetOuter() && GetOuter()->GetClass() == UPackage::StaticClass() && !GetPackage()->HasAnyFlags(RF_Transient);
}

bool UObject::Modify(bool bAlwaysMarkDirty)
{
	if (bAlwaysMarkDirty)
	{
		MarkPackageDirty();
	}
	return true;
}

bool UObject::Rename(const TCHAR* NewName, UObject* NewOuter, ERenameFlags Flags)
{
	UObject* TargetOuter = NewOuter ? NewOuter : GetOuter();
	const FName TargetName = NewName ? FName(NewName) : MakeUniqueObjectName(TargetOuter, GetClass());
	UObject* Existing = StaticFindObjectFast(nullptr, TargetOuter, TargetName);
	if (Existing && Existing != this)
	{
		return false;
	}
	if (!(Flags & REN_Test))
	{
		SetNameAndOuter(TargetName, TargetOuter);
	}
	return true;
}

bool UObject::ConditionalBeginDestroy()
{
	if (HasAnyFlags(RF_BeginDestroyed))
	{
		return false;
	}
	SetFlags(RF_BeginDestroyed);
	BeginDestroy();
	return true;
}

bool IsValid(const UObject* Test)
{
	return Test && !Test->HasAnyInternalFlags(EInternalObjectFlags::Garbage);
}

namespace UE::CastPrivate
{
	bool IsA(const UObject* Object, const UClass* Class)
	{
		return Object->IsA(Class);
	}

	const UClass* ClassOf(const UObject* Object)
	{
		return Object->GetClass();
	}
}
