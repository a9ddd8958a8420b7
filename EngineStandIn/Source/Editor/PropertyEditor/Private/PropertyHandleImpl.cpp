#include "PropertyHandleImpl.h"

#include "GameFramework/Actor.h"
#include "PropertyTextPort.h"
#include "UObject/Class.h"
#include "UObject/UnrealType.h"

#include <new>

FPropertyHandleImpl::FPropertyHandleImpl(const TArray<TWeakObjectPtr<UObject>>& InObjects, TArray<FStep> InPath)
	: Objects(InObjects)
	, Path(MoveTemp(InPath))
{
}

bool FPropertyHandleImpl::IsPropertyShown(const FProperty& Property, const TArray<TWeakObjectPtr<UObject>>& Objects)
{
	if (!Property.HasAnyPropertyFlags(CPF_Edit) || Property.HasAnyPropertyFlags(CPF_Deprecated))
	{
		return false;
	}
	// EditDefaultsOnly hides a property on placed actors; assets (a data asset, a package) still show it.
	// EditInstanceOnly hides it on class defaults and archetypes.
	for (const TWeakObjectPtr<UObject>& Object : Objects)
	{
		const UObject* Live = Object.Get();
		if (!Live)
		{
			continue;
		}
		const bool bIsTemplate = Live->IsTemplate();
		if (Property.HasAnyPropertyFlags(CPF_DisableEditOnInstance) && !bIsTemplate && Live->IsA(AActor::StaticClass()))
		{
			return false;
		}
		if (Property.HasAnyPropertyFlags(CPF_DisableEditOnTemplate) && bIsTemplate)
		{
			return false;
		}
	}
	return true;
}

bool FPropertyHandleImpl::IsEditConst() const
{
	// A row inside a read-only one is read-only too.
	return Path.ContainsByPredicate([](const FStep& Step) { return Step.ArrayIndex == INDEX_NONE && Step.Property->HasAnyPropertyFlags(CPF_EditConst); });
}

bool FPropertyHandleImpl::IsEditable() const
{
	return IsValidHandle() && !IsEditConst();
}

FProperty* FPropertyHandleImpl::GetProperty() const
{
	return IsValidHandle() ? const_cast<FProperty*>(Path.Last().Property) : nullptr;
}

FText FPropertyHandleImpl::GetPropertyDisplayName() const
{
	if (!IsValidHandle())
	{
		return FText::GetEmpty();
	}
	return Path.Last().ArrayIndex != INDEX_NONE ? FText::AsNumber(Path.Last().ArrayIndex) : Path.Last().Property->GetDisplayNameText();
}

int32 FPropertyHandleImpl::GetIndexInArray() const
{
	return IsValidHandle() ? Path.Last().ArrayIndex : INDEX_NONE;
}

void* FPropertyHandleImpl::ResolveValue(UObject& Object) const
{
	void* Value = &Object;
	for (int32 Index = 0; Index < Path.Num(); ++Index)
	{
		const FStep& Step = Path[Index];
		if (Step.ArrayIndex == INDEX_NONE)
		{
			Value = Step.Property->ContainerPtrToValuePtr<void>(Value);
			continue;
		}
		const FArrayProperty* Array = Index > 0 ? CastField<FArrayProperty>(Path[Index - 1].Property) : nullptr;
		if (!Array || Step.ArrayIndex >= Array->Ops->Num(Value))
		{
			return nullptr;
		}
		Value = Array->Ops->GetElement(Value, Step.ArrayIndex);
	}
	return Value;
}

FPropertyAccess::Result FPropertyHandleImpl::GetValueAsFormattedString(FString& OutValue, EPropertyPortFlags PortFlags) const
{
	bool bFirst = true;
	for (const TWeakObjectPtr<UObject>& Object : Objects)
	{
		UObject* Live = Object.Get();
		const void* Value = Live ? ResolveValue(*Live) : nullptr;
		if (!Value)
		{
			return FPropertyAccess::Fail;
		}
		const FString Text = UE::StandIn::ExportPropertyText(*Path.Last().Property, Value);
		if (!bFirst && !Text.Equals(OutValue, ESearchCase::CaseSensitive))
		{
			return FPropertyAccess::MultipleValues;
		}
		OutValue = Text;
		bFirst = false;
	}
	return bFirst ? FPropertyAccess::Fail : FPropertyAccess::Success;
}

FPropertyAccess::Result FPropertyHandleImpl::SetValueFromFormattedString(const FString& InValue, EPropertyValueSetFlags::Type Flags)
{
	if (!IsEditable())
	{
		return FPropertyAccess::Fail;
	}
	const FProperty& Property = *Path.Last().Property;
	const FArrayProperty* Array = CastField<FArrayProperty>(&Property);
	const bool bFixedSize = Array && Property.HasAnyPropertyFlags(CPF_EditFixedSize);

	// Each value is read into a copy first: text that does not parse, or that would resize a fixed-size array,
	// changes nothing.
	TArray<TPair<UObject*, void*>> Targets;
	for (const TWeakObjectPtr<UObject>& Object : Objects)
	{
		UObject* Live = Object.Get();
		void* Value = Live ? ResolveValue(*Live) : nullptr;
		if (!Value)
		{
			return FPropertyAccess::Fail;
		}
		Targets.Emplace(Live, Value);
	}
	const std::align_val_t ScratchAlignment{static_cast<size_t>(FMath::Max(Property.Alignment, 16))};
	void* Scratch = ::operator new(Property.ElementSize, ScratchAlignment);
	Property.InitializeValue(Scratch);
	bool bAccepted = true;
	for (const TPair<UObject*, void*>& Target : Targets)
	{
		Property.CopySingleValue(Scratch, Target.Value);
		bAccepted = bAccepted && UE::StandIn::ImportPropertyText(Property, InValue, Scratch)
			&& (!bFixedSize || Array->Ops->Num(Scratch) == Array->Ops->Num(Target.Value));
	}
	if (bAccepted)
	{
		// The engine also runs the objects' PreEditChange and PostEditChangeProperty here; nothing stood in has them.
		for (const TPair<UObject*, void*>& Target : Targets)
		{
			Target.Key->Modify();
			Property.CopySingleValue(Target.Value, Scratch);
		}
	}
	Property.DestroyValue(Scratch);
	::operator delete(Scratch, ScratchAlignment);
	return bAccepted ? FPropertyAccess::Success : FPropertyAccess::Fail;
}

TArray<const FProperty*> FPropertyHandleImpl::GetShownMembers() const
{
	TArray<const FProperty*> Members;
	const FStructProperty* Struct = IsValidHandle() ? CastField<FStructProperty>(Path.Last().Property) : nullptr;
	if (Struct)
	{
		for (TFieldIterator<FProperty> It(Struct->Struct, EFieldIteratorFlags::IncludeSuper); It; ++It)
		{
			if (IsPropertyShown(**It, Objects))
			{
				Members.Add(*It);
			}
		}
	}
	return Members;
}

TSharedPtr<IPropertyHandle> FPropertyHandleImpl::MakeChild(const FStep& Step) const
{
	TArray<FStep> ChildPath = Path;
	ChildPath.Add(Step);
	return MakeShared<FPropertyHandleImpl>(Objects, MoveTemp(ChildPath));
}

TSharedPtr<IPropertyHandle> FPropertyHandleImpl::GetChildHandle(FName ChildName, bool bRecurse) const
{
	for (const FProperty* Member : GetShownMembers())
	{
		if (Member->GetFName() == ChildName)
		{
			return MakeChild({Member, INDEX_NONE});
		}
	}
	if (bRecurse)
	{
		for (const FProperty* Member : GetShownMembers())
		{
			if (TSharedPtr<IPropertyHandle> Found = MakeChild({Member, INDEX_NONE})->GetChildHandle(ChildName, true))
			{
				return Found;
			}
		}
	}
	return nullptr;
}

TSharedPtr<IPropertyHandle> FPropertyHandleImpl::GetChildHandle(uint32 Index) const
{
	if (!IsValidHandle())
	{
		return nullptr;
	}
	if (const FArrayProperty* Array = CastField<FArrayProperty>(Path.Last().Property))
	{
		uint32 Num = 0;
		return GetNumChildren(Num) == FPropertyAccess::Success && Index < Num ? MakeChild({Array->Inner, (int32)Index}) : nullptr;
	}
	const TArray<const FProperty*> Members = GetShownMembers();
	return Members.IsValidIndex((int32)Index) ? MakeChild({Members[Index], INDEX_NONE}) : nullptr;
}

FPropertyAccess::Result FPropertyHandleImpl::GetNumChildren(uint32& OutNumChildren) const
{
	OutNumChildren = 0;
	if (!IsValidHandle())
	{
		return FPropertyAccess::Fail;
	}
	if (const FArrayProperty* Array = CastField<FArrayProperty>(Path.Last().Property))
	{
		UObject* Live = Objects.Num() > 0 ? Objects[0].Get() : nullptr;
		const void* Value = Live ? ResolveValue(*Live) : nullptr;
		if (!Value)
		{
			return FPropertyAccess::Fail;
		}
		OutNumChildren = (uint32)Array->Ops->Num(Value);
		return FPropertyAccess::Success;
	}
	OutNumChildren = (uint32)GetShownMembers().Num();
	return FPropertyAccess::Success;
}
