#include "UObject/UnrealType.h"
#include "UObject/SoftObjectPtr.h"
#include "UObject/WeakObjectPtr.h"

FField::FField(UStruct* InOwnerStruct, FField* InOwnerField, FName InName)
	: OwnerStruct(InOwnerStruct)
	, OwnerField(InOwnerField)
	, NamePrivate(InName)
{
}

UStruct* FField::GetOwnerStruct() const
{
	for (const FField* Field = this; Field; Field = Field->OwnerField)
	{
		if (Field->OwnerStruct)
		{
			return Field->OwnerStruct;
		}
	}
	return nullptr;
}

const FString& FField::GetMetaData(const FName& Key) const
{
	static const FString Empty;
	const FString* Found = MetaData.Find(Key);
	return Found ? *Found : Empty;
}

bool FField::HasMetaData(const FName& Key) const
{
	return MetaData.Contains(Key);
}

void FField::SetMetaData(const FName& Key, const FString& Value)
{
	MetaData.Add(Key, Value);
}

FText FField::GetDisplayNameText() const
{
	const FString& DisplayName = GetMetaData(TEXT("DisplayName"));
	return FText::FromString(DisplayName.IsEmpty() ? GetName() : DisplayName);
}

FText FField::GetToolTipText() const
{
	return FText::FromString(GetMetaData(TEXT("ToolTip")));
}

FProperty::FProperty(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset, int32 InElementSize, int32 InAlignment)
	: FField(InOwnerStruct, InOwnerField, InName)
	, ElementSize(InElementSize)
	, Alignment(InAlignment)
	, PropertyFlags(InFlags)
	, Offset_Internal(InOffset)
{
}

void FProperty::CopyCompleteValue(void* Dest, const void* Src) const
{
	for (int32 Index = 0; Index < ArrayDim; ++Index)
	{
		CopySingleValue((uint8*)Dest + Index * ElementSize, (const uint8*)Src + Index * ElementSize);
	}
}

void FProperty::CopyCompleteValue_InContainer(void* Dest, const void* Src) const
{
	for (int32 Index = 0; Index < ArrayDim; ++Index)
	{
		if (const FBoolProperty* Bool = CastField<FBoolProperty>(this); Bool && !Bool->IsNativeBool())
		{
			Bool->SetPropertyValue_InContainer(Dest, Bool->GetPropertyValue_InContainer(Src, Index), Index);
		}
		else
		{
			CopySingleValue(ContainerPtrToValuePtr<void>(Dest, Index), ContainerPtrToValuePtr<void>(Src, Index));
		}
	}
}

void FProperty::InitializeValue_InContainer(void* Container) const
{
	for (int32 Index = 0; Index < ArrayDim; ++Index)
	{
		InitializeValue(ContainerPtrToValuePtr<void>(Container, Index));
	}
}

void FProperty::DestroyValue_InContainer(void* Container) const
{
	for (int32 Index = 0; Index < ArrayDim; ++Index)
	{
		DestroyValue(ContainerPtrToValuePtr<void>(Container, Index));
	}
}

void FProperty::VisitReferences_InContainer(void* Container, FReferenceVisitor& Visitor) const
{
	if (!ContainsObjectReference())
	{
		return;
	}
	for (int32 Index = 0; Index < ArrayDim; ++Index)
	{
		VisitReferences(ContainerPtrToValuePtr<void>(Container, Index), Visitor);
	}
}

FString FByteProperty::GetCPPType() const
{
	return Enum ? FString::Printf(TEXT("TEnumAsByte<%s>"), *Enum->GetName()) : FString(TEXT("uint8"));
}

FBoolProperty::FBoolProperty(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset)
	: FProperty(InOwnerStruct, InOwnerField, InName, InFlags, InOffset, sizeof(bool), alignof(bool))
{
}

FBoolProperty::FBoolProperty(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, FGetBit InGetBit, FSetBit InSetBit)
	: FProperty(InOwnerStruct, InOwnerField, InName, InFlags, 0, sizeof(bool), alignof(bool))
	, GetBit(InGetBit)
	, SetBit(InSetBit)
{
}

bool FBoolProperty::GetPropertyValue_InContainer(const void* Container, int32 ArrayIndex) const
{
	return GetBit ? GetBit(Container) : *ContainerPtrToValuePtr<bool>(Container, ArrayIndex);
}

void FBoolProperty::SetPropertyValue_InContainer(void* Container, bool bValue, int32 ArrayIndex) const
{
	if (SetBit)
	{
		SetBit(Container, bValue);
	}
	else
	{
		*ContainerPtrToValuePtr<bool>(Container, ArrayIndex) = bValue;
	}
}

void FBoolProperty::InitializeValue(void* Dest) const
{
	if (IsNativeBool())
	{
		*(bool*)Dest = false;
	}
}

void FBoolProperty::CopySingleValue(void* Dest, const void* Src) const
{
	if (IsNativeBool())
	{
		*(bool*)Dest = *(const bool*)Src;
	}
}

bool FBoolProperty::Identical(const void* A, const void* B, uint32 PortFlags) const
{
	return !IsNativeBool() || *(const bool*)A == *(const bool*)B;
}

FStrProperty::FStrProperty(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset)
	: TPropertyTypeFundamentals<FString>(InOwnerStruct, InOwnerField, InName, InFlags, InOffset, sizeof(FString), alignof(FString))
{
}

FNameProperty::FNameProperty(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset)
	: TPropertyTypeFundamentals<FName>(InOwnerStruct, InOwnerField, InName, InFlags, InOffset, sizeof(FName), alignof(FName))
{
}

FTextProperty::FTextProperty(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset)
	: TPropertyTypeFundamentals<FText>(InOwnerStruct, InOwnerField, InName, InFlags, InOffset, sizeof(FText), alignof(FText))
{
}

FObjectPropertyBase::FObjectPropertyBase(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset, UClass* InPropertyClass)
	: FProperty(InOwnerStruct, InOwnerField, InName, InFlags, InOffset, sizeof(UObject*), alignof(UObject*))
	, PropertyClass(InPropertyClass)
{
}

FObjectPropertyBase::FObjectPropertyBase(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset, UClass* InPropertyClass,
	int32 InElementSize, int32 InAlignment)
	: FProperty(InOwnerStruct, InOwnerField, InName, InFlags, InOffset, InElementSize, InAlignment)
	, PropertyClass(InPropertyClass)
{
}

FSoftObjectProperty::FSoftObjectProperty(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset, UClass* InPropertyClass)
	: FObjectPropertyBase(InOwnerStruct, InOwnerField, InName, InFlags, InOffset, InPropertyClass, sizeof(FSoftObjectPtr), alignof(FSoftObjectPtr))
{
}

FString FObjectProperty::GetCPPType() const
{
	return FString::Printf(TEXT("TObjectPtr<U%s>"), *PropertyClass->GetName());
}

FClassProperty::FClassProperty(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset, UClass* InMetaClass)
	: FObjectProperty(InOwnerStruct, InOwnerField, InName, InFlags, InOffset, UClass::StaticClass())
	, MetaClass(InMetaClass)
{
}

FString FClassProperty::GetCPPType() const
{
	return FString::Printf(TEXT("TSubclassOf<U%s>"), *MetaClass->GetName());
}

void FWeakObjectProperty::InitializeValue(void* Dest) const
{
	new (Dest) FWeakObjectPtr();
}

void FWeakObjectProperty::DestroyValue(void* Dest) const
{
	((FWeakObjectPtr*)Dest)->~FWeakObjectPtr();
}

void FWeakObjectProperty::CopySingleValue(void* Dest, const void* Src) const
{
	*(FWeakObjectPtr*)Dest = *(const FWeakObjectPtr*)Src;
}

bool FWeakObjectProperty::Identical(const void* A, const void* B, uint32 PortFlags) const
{
	return *(const FWeakObjectPtr*)A == *(const FWeakObjectPtr*)B;
}

FString FWeakObjectProperty::GetCPPType() const
{
	return FString::Printf(TEXT("TWeakObjectPtr<U%s>"), *PropertyClass->GetName());
}

void FSoftObjectProperty::InitializeValue(void* Dest) const
{
	new (Dest) FSoftObjectPtr();
}

void FSoftObjectProperty::DestroyValue(void* Dest) const
{
	((FSoftObjectPtr*)Dest)->~FSoftObjectPtr();
}

void FSoftObjectProperty::CopySingleValue(void* Dest, const void* Src) const
{
	*(FSoftObjectPtr*)Dest = *(const FSoftObjectPtr*)Src;
}

bool FSoftObjectProperty::Identical(const void* A, const void* B, uint32 PortFlags) const
{
	return *(const FSoftObjectPtr*)A == *(const FSoftObjectPtr*)B;
}

void FSoftObjectProperty::VisitReferences(void* Value, FReferenceVisitor& Visitor) const
{
	FSoftObjectPtr* Ptr = (FSoftObjectPtr*)Value;
	FSoftObjectPath Path = Ptr->ToSoftObjectPath();
	const FSoftObjectPath Before = Path;
	Visitor.VisitSoftObject(Path, this);
	if (Path != Before)
	{
		*Ptr = Path;
	}
}

FString FSoftObjectProperty::GetCPPType() const
{
	return FString::Printf(TEXT("TSoftObjectPtr<U%s>"), *PropertyClass->GetName());
}

FSoftClassProperty::FSoftClassProperty(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset, UClass* InMetaClass)
	: FSoftObjectProperty(InOwnerStruct, InOwnerField, InName, InFlags, InOffset, UClass::StaticClass())
	, MetaClass(InMetaClass)
{
}

FString FSoftClassProperty::GetCPPType() const
{
	return FString::Printf(TEXT("TSoftClassPtr<U%s>"), *MetaClass->GetName());
}

FStructProperty::FStructProperty(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset, UScriptStruct* InStruct)
	: FProperty(InOwnerStruct, InOwnerField, InName, InFlags, InOffset, InStruct->GetCppStructOps()->GetSize(), InStruct->GetCppStructOps()->GetAlignment())
	, Struct(InStruct)
{
}

void FStructProperty::InitializeValue(void* Dest) const
{
	Struct->InitializeStruct(Dest);
}

void FStructProperty::DestroyValue(void* Dest) const
{
	Struct->DestroyStruct(Dest);
}

void FStructProperty::CopySingleValue(void* Dest, const void* Src) const
{
	Struct->CopyScriptStruct(Dest, Src);
}

bool FStructProperty::Identical(const void* A, const void* B, uint32 PortFlags) const
{
	for (FProperty* Property = Struct->PropertyLink; Property; Property = Property->PropertyLinkNext)
	{
		for (int32 Index = 0; Index < Property->ArrayDim; ++Index)
		{
			if (!Property->Identical(Property->ContainerPtrToValuePtr<void>(A, Index), Property->ContainerPtrToValuePtr<void>(B, Index)))
			{
				return false;
			}
		}
	}
	return true;
}

void FStructProperty::VisitReferences(void* Value, FReferenceVisitor& Visitor) const
{
	for (FProperty* Property = Struct->PropertyLink; Property; Property = Property->PropertyLinkNext)
	{
		Property->VisitReferences_InContainer(Value, Visitor);
	}
}

bool FStructProperty::ContainsObjectReference() const
{
	for (FProperty* Property = Struct->PropertyLink; Property; Property = Property->PropertyLinkNext)
	{
		if (Property->ContainsObjectReference())
		{
			return true;
		}
	}
	return false;
}

FEnumProperty::FEnumProperty(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset, UEnum* InEnum, FNumericProperty* InUnderlying)
	: FProperty(InOwnerStruct, InOwnerField, InName, InFlags, InOffset, InUnderlying->ElementSize, InUnderlying->Alignment)
	, Enum(InEnum)
	, UnderlyingProp(InUnderlying)
{
}

FEnumProperty::~FEnumProperty()
{
	delete UnderlyingProp;
}

FString FEnumProperty::GetCPPType() const
{
	return Enum->GetName();
}

#define IMPLEMENT_CONTAINER_PROPERTY_CTOR(TProperty, TOps) \
	TProperty::TProperty(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset, int32 InSize, int32 InAlignment, const TOps* InOps, void (*InConstruct)(void*), void (*InDestruct)(void*), void (*InCopy)(void*, const void*)) \
		: FProperty(InOwnerStruct, InOwnerField, InName, InFlags, InOffset, InSize, InAlignment) \
		, Ops(InOps) \
		, Construct(InConstruct) \
		, Destruct(InDestruct) \
		, Copy(InCopy) \
	{ \
	}

IMPLEMENT_CONTAINER_PROPERTY_CTOR(FArrayProperty, FScriptArrayOps)
IMPLEMENT_CONTAINER_PROPERTY_CTOR(FMapProperty, FScriptMapOps)
IMPLEMENT_CONTAINER_PROPERTY_CTOR(FSetProperty, FScriptSetOps)

FArrayProperty::~FArrayProperty()
{
	delete Inner;
}

bool FArrayProperty::Identical(const void* A, const void* B, uint32 PortFlags) const
{
	const int32 Num = Ops->Num(A);
	if (Num != Ops->Num(B))
	{
		return false;
	}
	for (int32 Index = 0; Index < Num; ++Index)
	{
		if (!Inner->Identical(Ops->GetElement(const_cast<void*>(A), Index), Ops->GetElement(const_cast<void*>(B), Index)))
		{
			return false;
		}
	}
	return true;
}

void FArrayProperty::VisitReferences(void* Value, FReferenceVisitor& Visitor) const
{
	const int32 Num = Ops->Num(Value);
	for (int32 Index = 0; Index < Num; ++Index)
	{
		Inner->VisitReferences(Ops->GetElement(Value, Index), Visitor);
	}
}

FMapProperty::~FMapProperty()
{
	delete KeyProp;
	delete ValueProp;
}

namespace
{
	struct FMapCompareContext
	{
		const FMapProperty* Property;
		TArray<TPair<void*, void*>> Pairs;
	};
}

bool FMapProperty::Identical(const void* A, const void* B, uint32 PortFlags) const
{
	FMapCompareContext First{this};
	FMapCompareContext Second{this};
	auto Collect = [](void* Context, void* Key, void* Value) { ((FMapCompareContext*)Context)->Pairs.Emplace(Key, Value); };
	Ops->ForEach(const_cast<void*>(A), Collect, &First);
	Ops->ForEach(const_cast<void*>(B), Collect, &Second);
	if (First.Pairs.Num() != Second.Pairs.Num())
	{
		return false;
	}
	for (int32 Index = 0; Index < First.Pairs.Num(); ++Index)
	{
		if (!KeyProp->Identical(First.Pairs[Index].Key, Second.Pairs[Index].Key) || !ValueProp->Identical(First.Pairs[Index].Value, Second.Pairs[Index].Value))
		{
			return false;
		}
	}
	return true;
}

namespace
{
	struct FVisitContext
	{
		const FProperty* First;
		const FProperty* Second;
		FReferenceVisitor* Visitor;
	};
}

void FMapProperty::VisitReferences(void* Value, FReferenceVisitor& Visitor) const
{
	FVisitContext Context{KeyProp, ValueProp, &Visitor};
	Ops->ForEach(Value, [](void* InContext, void* Key, void* MapValue)
		{
			FVisitContext* Ctx = (FVisitContext*)InContext;
			// Keys stay as they are: changing one in place would break the map's hashing.
			Ctx->Second->VisitReferences(MapValue, *Ctx->Visitor);
		}, &Context);
}

FSetProperty::~FSetProperty()
{
	delete ElementProp;
}

bool FSetProperty::Identical(const void* A, const void* B, uint32 PortFlags) const
{
	if (Ops->Num(A) != Ops->Num(B))
	{
		return false;
	}
	FMapCompareContext First{nullptr};
	FMapCompareContext Second{nullptr};
	auto Collect = [](void* Context, void* Element) { ((FMapCompareContext*)Context)->Pairs.Emplace(Element, nullptr); };
	Ops->ForEach(const_cast<void*>(A), Collect, &First);
	Ops->ForEach(const_cast<void*>(B), Collect, &Second);
	for (int32 Index = 0; Index < First.Pairs.Num(); ++Index)
	{
		if (!ElementProp->Identical(First.Pairs[Index].Key, Second.Pairs[Index].Key))
		{
			return false;
		}
	}
	return true;
}

void FSetProperty::VisitReferences(void* Value, FReferenceVisitor& Visitor) const
{
}
