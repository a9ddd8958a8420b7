#pragma once

#include "CoreMinimal.h"
#include "UObject/Class.h"
#include "UObject/ObjectPtr.h"
#include "Misc/EnumClassFlags.h"

class FProperty;
struct FSoftObjectPath;

namespace UE::StandIn
{
	class FPropertyWriter;
	class FPropertyReader;
}

// Visits the object references a value holds, so they can be followed or switched.
class COREUOBJECT_API FReferenceVisitor
{
public:
	virtual ~FReferenceVisitor() = default;
	virtual void VisitObject(UObject*& Object, const FProperty* Property) {}
	virtual void VisitSoftObject(FSoftObjectPath& Path, const FProperty* Property) {}
};

class COREUOBJECT_API FField
{
public:
	FField(UStruct* InOwnerStruct, FField* InOwnerField, FName InName);
	virtual ~FField() = default;

	FName GetFName() const { return NamePrivate; }
	FString GetName() const { return NamePrivate.ToString(); }
	FString GetAuthoredName() const { return GetName(); }
	UStruct* GetOwnerStruct() const;
	FField* GetOwnerProperty() const { return OwnerField; }

	const FString& GetMetaData(const FName& Key) const;
	bool HasMetaData(const FName& Key) const;
	void SetMetaData(const FName& Key, const FString& Value);
	FText GetDisplayNameText() const;
	FText GetToolTipText() const;

	FField* Next = nullptr;

private:
	UStruct* OwnerStruct;
	FField* OwnerField;
	FName NamePrivate;
	TMap<FName, FString> MetaData;
};

class COREUOBJECT_API FProperty : public FField
{
public:
	FProperty(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset, int32 InElementSize, int32 InAlignment);

	int32 ArrayDim = 1;
	int32 ElementSize;
	int32 Alignment;
	EPropertyFlags PropertyFlags;
	FProperty* PropertyLinkNext = nullptr;

	int32 GetOffset_ForInternal() const { return Offset_Internal; }
	void SetOffset_Internal(int32 NewOffset) { Offset_Internal = NewOffset; }
	int32 GetSize() const { return ElementSize * ArrayDim; }
	bool HasAnyPropertyFlags(EPropertyFlags Flags) const { return (PropertyFlags & Flags) != 0; }
	bool HasAllPropertyFlags(EPropertyFlags Flags) const { return (PropertyFlags & Flags) == Flags; }
	void SetPropertyFlags(EPropertyFlags Flags) { PropertyFlags |= Flags; }

	template<typename ValueType = void>
	ValueType* ContainerPtrToValuePtr(void* Container, int32 ArrayIndex = 0) const
	{
		return (ValueType*)((uint8*)Container + Offset_Internal + ElementSize * ArrayIndex);
	}
	template<typename ValueType = void>
	const ValueType* ContainerPtrToValuePtr(const void* Container, int32 ArrayIndex = 0) const
	{
		return (const ValueType*)((const uint8*)Container + Offset_Internal + ElementSize * ArrayIndex);
	}

	// Per element: the value at Dest is raw memory before InitializeValue and after DestroyValue.
	virtual void InitializeValue(void* Dest) const = 0;
	virtual void DestroyValue(void* Dest) const = 0;
	virtual void CopySingleValue(void* Dest, const void* Src) const = 0;
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const = 0;
	virtual FString GetCPPType() const = 0;
	virtual void VisitReferences(void* Value, FReferenceVisitor& Visitor) const {}
	virtual bool ContainsObjectReference() const { return false; }

	void CopyCompleteValue(void* Dest, const void* Src) const;
	void CopyCompleteValue_InContainer(void* Dest, const void* Src) const;
	void InitializeValue_InContainer(void* Container) const;
	void DestroyValue_InContainer(void* Container) const;
	void VisitReferences_InContainer(void* Container, FReferenceVisitor& Visitor) const;

	// Element ArrayIndex of this property in a container; bitfield bools override these.
	virtual bool GetBoolInContainer(const void* Container, int32 ArrayIndex) const { return false; }

	// The saved-package form of one value (the stand-in's own text format).
	virtual void WriteValue(const void* Value, UE::StandIn::FPropertyWriter& Writer) const = 0;
	// Reads a value; false when the saved value does not fit this property (the reader says why).
	virtual bool ReadValue(void* Value, UE::StandIn::FPropertyReader& Reader) const = 0;
	virtual void WriteItem(const void* Container, int32 ArrayIndex, UE::StandIn::FPropertyWriter& Writer) const;
	virtual bool ReadItem(void* Container, int32 ArrayIndex, UE::StandIn::FPropertyReader& Reader) const;

private:
	int32 Offset_Internal;
};

template<typename T, typename Base = FProperty>
class TPropertyTypeFundamentals : public Base
{
public:
	using Base::Base;
	using TCppType = T;

	static const T& GetPropertyValue(const void* A) { return *(const T*)A; }
	static void SetPropertyValue(void* A, const T& Value) { *(T*)A = Value; }
	const T& GetPropertyValue_InContainer(const void* Container, int32 ArrayIndex = 0) const { return *this->template ContainerPtrToValuePtr<T>(Container, ArrayIndex); }
	void SetPropertyValue_InContainer(void* Container, const T& Value, int32 ArrayIndex = 0) const { *this->template ContainerPtrToValuePtr<T>(Container, ArrayIndex) = Value; }

	virtual void InitializeValue(void* Dest) const override { new (Dest) T(); }
	virtual void DestroyValue(void* Dest) const override { ((T*)Dest)->~T(); }
	virtual void CopySingleValue(void* Dest, const void* Src) const override { *(T*)Dest = *(const T*)Src; }
};

class COREUOBJECT_API FNumericProperty : public FProperty
{
public:
	using FProperty::FProperty;
	virtual bool IsFloatingPoint() const { return false; }
	virtual bool IsInteger() const { return true; }
	virtual UEnum* GetIntPropertyEnum() const { return nullptr; }
	virtual int64 GetSignedIntPropertyValue(const void* Data) const = 0;
	virtual void SetIntPropertyValue(void* Data, int64 Value) const = 0;
	virtual double GetFloatingPointPropertyValue(const void* Data) const = 0;
	virtual void SetFloatingPointPropertyValue(void* Data, double Value) const = 0;
};

template<typename T>
class TProperty_Numeric : public TPropertyTypeFundamentals<T, FNumericProperty>
{
public:
	TProperty_Numeric(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset)
		: TPropertyTypeFundamentals<T, FNumericProperty>(InOwnerStruct, InOwnerField, InName, InFlags, InOffset, sizeof(T), alignof(T))
	{
	}
	virtual bool IsFloatingPoint() const override { return std::is_floating_point_v<T>; }
	virtual bool IsInteger() const override { return std::is_integral_v<T>; }
	virtual int64 GetSignedIntPropertyValue(const void* Data) const override { return (int64)*(const T*)Data; }
	virtual void SetIntPropertyValue(void* Data, int64 Value) const override { *(T*)Data = (T)Value; }
	virtual double GetFloatingPointPropertyValue(const void* Data) const override { return (double)*(const T*)Data; }
	virtual void SetFloatingPointPropertyValue(void* Data, double Value) const override { *(T*)Data = (T)Value; }
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const override { return *(const T*)A == *(const T*)B; }
	virtual void WriteValue(const void* Value, UE::StandIn::FPropertyWriter& Writer) const override;
	virtual bool ReadValue(void* Value, UE::StandIn::FPropertyReader& Reader) const override;
};

extern template class TProperty_Numeric<int8>;
extern template class TProperty_Numeric<int16>;
extern template class TProperty_Numeric<int32>;
extern template class TProperty_Numeric<int64>;
extern template class TProperty_Numeric<uint8>;
extern template class TProperty_Numeric<uint16>;
extern template class TProperty_Numeric<uint32>;
extern template class TProperty_Numeric<uint64>;
extern template class TProperty_Numeric<float>;
extern template class TProperty_Numeric<double>;

#define DECLARE_NUMERIC_PROPERTY(Name, Type, CppName) \
	class COREUOBJECT_API Name : public TProperty_Numeric<Type> \
	{ \
	public: \
		using TProperty_Numeric<Type>::TProperty_Numeric; \
		virtual FString GetCPPType() const override { return TEXT(CppName); } \
	};

DECLARE_NUMERIC_PROPERTY(FInt8Property, int8, "int8")
DECLARE_NUMERIC_PROPERTY(FInt16Property, int16, "int16")
DECLARE_NUMERIC_PROPERTY(FIntProperty, int32, "int32")
DECLARE_NUMERIC_PROPERTY(FInt64Property, int64, "int64")
DECLARE_NUMERIC_PROPERTY(FUInt16Property, uint16, "uint16")
DECLARE_NUMERIC_PROPERTY(FUInt32Property, uint32, "uint32")
DECLARE_NUMERIC_PROPERTY(FUInt64Property, uint64, "uint64")
DECLARE_NUMERIC_PROPERTY(FFloatProperty, float, "float")
DECLARE_NUMERIC_PROPERTY(FDoubleProperty, double, "double")

class COREUOBJECT_API FByteProperty : public TProperty_Numeric<uint8>
{
public:
	FByteProperty(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset, UEnum* InEnum = nullptr)
		: TProperty_Numeric<uint8>(InOwnerStruct, InOwnerField, InName, InFlags, InOffset), Enum(InEnum)
	{
	}
	virtual UEnum* GetIntPropertyEnum() const override { return Enum; }
	virtual FString GetCPPType() const override;
	virtual void WriteValue(const void* Value, UE::StandIn::FPropertyWriter& Writer) const override;
	virtual bool ReadValue(void* Value, UE::StandIn::FPropertyReader& Reader) const override;

	UEnum* Enum;
};

class COREUOBJECT_API FBoolProperty : public FProperty
{
public:
	typedef bool (*FGetBit)(const void* Container);
	typedef void (*FSetBit)(void* Container, bool bValue);

	// A plain bool member.
	FBoolProperty(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset);
	// A one-bit field, reached through accessors since a bit has no address.
	FBoolProperty(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, FGetBit InGetBit, FSetBit InSetBit);

	bool IsNativeBool() const { return GetBit == nullptr; }
	bool GetPropertyValue_InContainer(const void* Container, int32 ArrayIndex = 0) const;
	void SetPropertyValue_InContainer(void* Container, bool bValue, int32 ArrayIndex = 0) const;

	virtual void InitializeValue(void* Dest) const override;
	virtual void DestroyValue(void* Dest) const override {}
	virtual void CopySingleValue(void* Dest, const void* Src) const override;
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const override;
	virtual FString GetCPPType() const override { return IsNativeBool() ? TEXT("bool") : TEXT("uint32"); }
	virtual bool GetBoolInContainer(const void* Container, int32 ArrayIndex) const override { return GetPropertyValue_InContainer(Container, ArrayIndex); }
	virtual void WriteValue(const void* Value, UE::StandIn::FPropertyWriter& Writer) const override;
	virtual bool ReadValue(void* Value, UE::StandIn::FPropertyReader& Reader) const override;
	virtual void WriteItem(const void* Container, int32 ArrayIndex, UE::StandIn::FPropertyWriter& Writer) const override;
	virtual bool ReadItem(void* Container, int32 ArrayIndex, UE::StandIn::FPropertyReader& Reader) const override;

private:
	FGetBit GetBit = nullptr;
	FSetBit SetBit = nullptr;
};

class COREUOBJECT_API FStrProperty : public TPropertyTypeFundamentals<FString>
{
public:
	FStrProperty(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset);
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const override { return ((const FString*)A)->Equals(*(const FString*)B, ESearchCase::CaseSensitive); }
	virtual FString GetCPPType() const override { return TEXT("FString"); }
	virtual void WriteValue(const void* Value, UE::StandIn::FPropertyWriter& Writer) const override;
	virtual bool ReadValue(void* Value, UE::StandIn::FPropertyReader& Reader) const override;
};

class COREUOBJECT_API FNameProperty : public TPropertyTypeFundamentals<FName>
{
public:
	FNameProperty(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset);
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const override { return *(const FName*)A == *(const FName*)B; }
	virtual FString GetCPPType() const override { return TEXT("FName"); }
	virtual void WriteValue(const void* Value, UE::StandIn::FPropertyWriter& Writer) const override;
	virtual bool ReadValue(void* Value, UE::StandIn::FPropertyReader& Reader) const override;
};

class COREUOBJECT_API FTextProperty : public TPropertyTypeFundamentals<FText>
{
public:
	FTextProperty(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset);
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const override { return ((const FText*)A)->ToString().Equals(((const FText*)B)->ToString(), ESearchCase::CaseSensitive); }
	virtual FString GetCPPType() const override { return TEXT("FText"); }
	virtual void WriteValue(const void* Value, UE::StandIn::FPropertyWriter& Writer) const override;
	virtual bool ReadValue(void* Value, UE::StandIn::FPropertyReader& Reader) const override;
};

// Hard references: raw pointers and TObjectPtr share one layout, a single object pointer.
class COREUOBJECT_API FObjectPropertyBase : public FProperty
{
public:
	FObjectPropertyBase(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset, UClass* InPropertyClass);

	UClass* PropertyClass;

	UObject* GetObjectPropertyValue(const void* PropertyValueAddress) const { return *(UObject* const*)PropertyValueAddress; }
	void SetObjectPropertyValue(void* PropertyValueAddress, UObject* Value) const { *(UObject**)PropertyValueAddress = Value; }
	UObject* GetObjectPropertyValue_InContainer(const void* Container, int32 ArrayIndex = 0) const { return GetObjectPropertyValue(ContainerPtrToValuePtr<void>(Container, ArrayIndex)); }
	void SetObjectPropertyValue_InContainer(void* Container, UObject* Value, int32 ArrayIndex = 0) const { SetObjectPropertyValue(ContainerPtrToValuePtr<void>(Container, ArrayIndex), Value); }

	virtual void InitializeValue(void* Dest) const override { *(UObject**)Dest = nullptr; }
	virtual void DestroyValue(void* Dest) const override {}
	virtual void CopySingleValue(void* Dest, const void* Src) const override { *(UObject**)Dest = *(UObject* const*)Src; }
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const override { return *(UObject* const*)A == *(UObject* const*)B; }
	virtual void VisitReferences(void* Value, FReferenceVisitor& Visitor) const override { Visitor.VisitObject(*(UObject**)Value, this); }
	virtual bool ContainsObjectReference() const override { return true; }
	virtual void WriteValue(const void* Value, UE::StandIn::FPropertyWriter& Writer) const override;
	virtual bool ReadValue(void* Value, UE::StandIn::FPropertyReader& Reader) const override;

protected:
	/** For references whose value is not a single object pointer. */
	FObjectPropertyBase(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset, UClass* InPropertyClass,
		int32 InElementSize, int32 InAlignment);
};

class COREUOBJECT_API FObjectProperty : public FObjectPropertyBase
{
public:
	using FObjectPropertyBase::FObjectPropertyBase;
	virtual FString GetCPPType() const override;
};

class COREUOBJECT_API FClassProperty : public FObjectProperty
{
public:
	FClassProperty(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset, UClass* InMetaClass);
	UClass* MetaClass;
	virtual FString GetCPPType() const override;
	virtual bool ReadValue(void* Value, UE::StandIn::FPropertyReader& Reader) const override;
};

class COREUOBJECT_API FWeakObjectProperty : public FObjectPropertyBase
{
public:
	using FObjectPropertyBase::FObjectPropertyBase;
	virtual void InitializeValue(void* Dest) const override;
	virtual void DestroyValue(void* Dest) const override;
	virtual void CopySingleValue(void* Dest, const void* Src) const override;
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const override;
	virtual void VisitReferences(void* Value, FReferenceVisitor& Visitor) const override {}
	virtual FString GetCPPType() const override;
	virtual void WriteValue(const void* Value, UE::StandIn::FPropertyWriter& Writer) const override;
	virtual bool ReadValue(void* Value, UE::StandIn::FPropertyReader& Reader) const override;
};

class COREUOBJECT_API FSoftObjectProperty : public FObjectPropertyBase
{
public:
	/** Its value is an FSoftObjectPtr, larger than an object pointer: classes laid out from content need its size. */
	FSoftObjectProperty(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset, UClass* InPropertyClass);
	virtual void InitializeValue(void* Dest) const override;
	virtual void DestroyValue(void* Dest) const override;
	virtual void CopySingleValue(void* Dest, const void* Src) const override;
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const override;
	virtual void VisitReferences(void* Value, FReferenceVisitor& Visitor) const override;
	virtual FString GetCPPType() const override;
	virtual void WriteValue(const void* Value, UE::StandIn::FPropertyWriter& Writer) const override;
	virtual bool ReadValue(void* Value, UE::StandIn::FPropertyReader& Reader) const override;
};

class COREUOBJECT_API FSoftClassProperty : public FSoftObjectProperty
{
public:
	FSoftClassProperty(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset, UClass* InMetaClass);
	UClass* MetaClass;
	virtual FString GetCPPType() const override;
};

class COREUOBJECT_API FStructProperty : public FProperty
{
public:
	FStructProperty(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset, UScriptStruct* InStruct);

	UScriptStruct* Struct;

	virtual void InitializeValue(void* Dest) const override;
	virtual void DestroyValue(void* Dest) const override;
	virtual void CopySingleValue(void* Dest, const void* Src) const override;
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const override;
	virtual FString GetCPPType() const override { return Struct->GetStructCPPName(); }
	virtual void VisitReferences(void* Value, FReferenceVisitor& Visitor) const override;
	virtual bool ContainsObjectReference() const override;
	virtual void WriteValue(const void* Value, UE::StandIn::FPropertyWriter& Writer) const override;
	virtual bool ReadValue(void* Value, UE::StandIn::FPropertyReader& Reader) const override;
};

class COREUOBJECT_API FEnumProperty : public FProperty
{
public:
	FEnumProperty(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset, UEnum* InEnum, FNumericProperty* InUnderlying);
	virtual ~FEnumProperty();

	UEnum* GetEnum() const { return Enum; }
	FNumericProperty* GetUnderlyingProperty() const { return UnderlyingProp; }

	virtual void InitializeValue(void* Dest) const override { UnderlyingProp->InitializeValue(Dest); }
	virtual void DestroyValue(void* Dest) const override {}
	virtual void CopySingleValue(void* Dest, const void* Src) const override { UnderlyingProp->CopySingleValue(Dest, Src); }
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const override { return UnderlyingProp->Identical(A, B); }
	virtual FString GetCPPType() const override;
	virtual void WriteValue(const void* Value, UE::StandIn::FPropertyWriter& Writer) const override;
	virtual bool ReadValue(void* Value, UE::StandIn::FPropertyReader& Reader) const override;

private:
	UEnum* Enum;
	FNumericProperty* UnderlyingProp;
};

// Type-erased access to a native container; made per container type by the code generator's templates.
struct FScriptArrayOps
{
	int32 (*Num)(const void* Array);
	void* (*GetElement)(void* Array, int32 Index);
	void (*Resize)(void* Array, int32 NewNum);
};

struct FScriptMapOps
{
	int32 (*Num)(const void* Map);
	// Calls Visit with each pair's key and value, in the map's order.
	void (*ForEach)(void* Map, void (*Visit)(void* Context, void* Key, void* Value), void* Context);
	// Adds (or finds) Key and returns its value.
	void* (*FindOrAdd)(void* Map, const void* Key);
	void (*Empty)(void* Map);
};

struct FScriptSetOps
{
	int32 (*Num)(const void* Set);
	void (*ForEach)(void* Set, void (*Visit)(void* Context, void* Element), void* Context);
	void (*Add)(void* Set, const void* Element);
	void (*Empty)(void* Set);
};

class COREUOBJECT_API FArrayProperty : public FProperty
{
public:
	FArrayProperty(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset, int32 InSize, int32 InAlignment, const FScriptArrayOps* InOps, void (*InConstruct)(void*), void (*InDestruct)(void*), void (*InCopy)(void*, const void*));
	virtual ~FArrayProperty();

	FProperty* Inner = nullptr;
	const FScriptArrayOps* Ops;

	virtual void InitializeValue(void* Dest) const override { Construct(Dest); }
	virtual void DestroyValue(void* Dest) const override { Destruct(Dest); }
	virtual void CopySingleValue(void* Dest, const void* Src) const override { Copy(Dest, Src); }
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const override;
	virtual FString GetCPPType() const override { return TEXT("TArray<") + Inner->GetCPPType() + TEXT(">"); }
	virtual void VisitReferences(void* Value, FReferenceVisitor& Visitor) const override;
	virtual bool ContainsObjectReference() const override { return Inner->ContainsObjectReference(); }
	virtual void WriteValue(const void* Value, UE::StandIn::FPropertyWriter& Writer) const override;
	virtual bool ReadValue(void* Value, UE::StandIn::FPropertyReader& Reader) const override;

private:
	void (*Construct)(void*);
	void (*Destruct)(void*);
	void (*Copy)(void*, const void*);
};

class COREUOBJECT_API FMapProperty : public FProperty
{
public:
	FMapProperty(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset, int32 InSize, int32 InAlignment, const FScriptMapOps* InOps, void (*InConstruct)(void*), void (*InDestruct)(void*), void (*InCopy)(void*, const void*));
	virtual ~FMapProperty();

	FProperty* KeyProp = nullptr;
	FProperty* ValueProp = nullptr;
	const FScriptMapOps* Ops;

	virtual void InitializeValue(void* Dest) const override { Construct(Dest); }
	virtual void DestroyValue(void* Dest) const override { Destruct(Dest); }
	virtual void CopySingleValue(void* Dest, const void* Src) const override { Copy(Dest, Src); }
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const override;
	virtual FString GetCPPType() const override { return TEXT("TMap<") + KeyProp->GetCPPType() + TEXT(", ") + ValueProp->GetCPPType() + TEXT(">"); }
	virtual void VisitReferences(void* Value, FReferenceVisitor& Visitor) const override;
	virtual bool ContainsObjectReference() const override { return KeyProp->ContainsObjectReference() || ValueProp->ContainsObjectReference(); }
	virtual void WriteValue(const void* Value, UE::StandIn::FPropertyWriter& Writer) const override;
	virtual bool ReadValue(void* Value, UE::StandIn::FPropertyReader& Reader) const override;

private:
	void (*Construct)(void*);
	void (*Destruct)(void*);
	void (*Copy)(void*, const void*);
};

class COREUOBJECT_API FSetProperty : public FProperty
{
public:
	FSetProperty(UStruct* InOwnerStruct, FField* InOwnerField, FName InName, EPropertyFlags InFlags, int32 InOffset, int32 InSize, int32 InAlignment, const FScriptSetOps* InOps, void (*InConstruct)(void*), void (*InDestruct)(void*), void (*InCopy)(void*, const void*));
	virtual ~FSetProperty();

	FProperty* ElementProp = nullptr;
	const FScriptSetOps* Ops;

	virtual void InitializeValue(void* Dest) const override { Construct(Dest); }
	virtual void DestroyValue(void* Dest) const override { Destruct(Dest); }
	virtual void CopySingleValue(void* Dest, const void* Src) const override { Copy(Dest, Src); }
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const override;
	virtual FString GetCPPType() const override { return TEXT("TSet<") + ElementProp->GetCPPType() + TEXT(">"); }
	virtual void VisitReferences(void* Value, FReferenceVisitor& Visitor) const override;
	virtual bool ContainsObjectReference() const override { return ElementProp->ContainsObjectReference(); }
	virtual void WriteValue(const void* Value, UE::StandIn::FPropertyWriter& Writer) const override;
	virtual bool ReadValue(void* Value, UE::StandIn::FPropertyReader& Reader) const override;

private:
	void (*Construct)(void*);
	void (*Destruct)(void*);
	void (*Copy)(void*, const void*);
};

template<class FieldType>
FieldType* CastField(FField* Src)
{
	return dynamic_cast<FieldType*>(Src);
}

template<class FieldType>
const FieldType* CastField(const FField* Src)
{
	return dynamic_cast<const FieldType*>(Src);
}

template<class FieldType>
FieldType* CastFieldChecked(FField* Src)
{
	FieldType* Result = dynamic_cast<FieldType*>(Src);
	check(Result);
	return Result;
}

namespace EFieldIteratorFlags
{
	enum SuperClassFlags
	{
		ExcludeSuper = 0,
		IncludeSuper
	};
	enum DeprecatedPropertyFlags
	{
		ExcludeDeprecated = 0,
		IncludeDeprecated
	};
	enum InterfaceClassFlags
	{
		ExcludeInterfaces = 0,
		IncludeInterfaces
	};
}

enum class EFieldIterationFlags : uint8
{
	None = 0,
	IncludeSuper = 1 << 0,
	IncludeDeprecated = 1 << 1,
	IncludeInterfaces = 1 << 2,
	IncludeAll = IncludeSuper | IncludeDeprecated | IncludeInterfaces,
	Default = IncludeSuper | IncludeDeprecated,
};
ENUM_CLASS_FLAGS(EFieldIterationFlags)

// Iterates the properties of type T of a struct: its own first, then its supers' (by default).
template<class T>
class TFieldIterator
{
public:
	explicit TFieldIterator(const UStruct* InStruct, EFieldIterationFlags InIterationFlags = EFieldIterationFlags::Default)
		: Struct(InStruct)
		, Field(InStruct ? InStruct->ChildProperties : nullptr)
		, bIncludeSuper(EnumHasAnyFlags(InIterationFlags, EFieldIterationFlags::IncludeSuper))
		, bIncludeDeprecated(EnumHasAnyFlags(InIterationFlags, EFieldIterationFlags::IncludeDeprecated))
	{
		SkipUnwanted();
	}

	explicit TFieldIterator(const UStruct* InStruct, EFieldIteratorFlags::SuperClassFlags SuperClassFlags, EFieldIteratorFlags::DeprecatedPropertyFlags DeprecatedFieldFlags = EFieldIteratorFlags::IncludeDeprecated, EFieldIteratorFlags::InterfaceClassFlags InterfaceFieldFlags = EFieldIteratorFlags::ExcludeInterfaces)
		: Struct(InStruct)
		, Field(InStruct ? InStruct->ChildProperties : nullptr)
		, bIncludeSuper(SuperClassFlags == EFieldIteratorFlags::IncludeSuper)
		, bIncludeDeprecated(DeprecatedFieldFlags == EFieldIteratorFlags::IncludeDeprecated)
	{
		SkipUnwanted();
	}

	explicit operator bool() const { return Field != nullptr; }
	bool operator!() const { return Field == nullptr; }
	T* operator*() const { return static_cast<T*>(Field); }
	T* operator->() const { return static_cast<T*>(Field); }
	TFieldIterator& operator++()
	{
		Field = Field->Next;
		SkipUnwanted();
		return *this;
	}

private:
	void SkipUnwanted()
	{
		while (true)
		{
			while (Field && (!dynamic_cast<T*>(Field) || (!bIncludeDeprecated && IsDeprecated(Field))))
			{
				Field = Field->Next;
			}
			if (Field || !bIncludeSuper || !Struct || !Struct->GetSuperStruct())
			{
				return;
			}
			Struct = Struct->GetSuperStruct();
			Field = Struct->ChildProperties;
		}
	}

	static bool IsDeprecated(FField* InField)
	{
		const FProperty* Property = dynamic_cast<FProperty*>(InField);
		return Property && Property->HasAnyPropertyFlags(CPF_Deprecated);
	}

	const UStruct* Struct;
	FField* Field;
	bool bIncludeSuper;
	bool bIncludeDeprecated;
};
