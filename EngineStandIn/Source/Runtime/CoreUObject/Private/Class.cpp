#include "UObject/Class.h"
#include "UObject/UnrealType.h"
#include "UObject/Package.h"
#include "UObject/GeneratedCppIncludes.h"
#include "ObjectConstruction.h"
#include "UObjectArray.h"

DEFINE_LOG_CATEGORY(LogClass);

struct FUObjectBootstrap
{
	static void SetClass(UObjectBase* Object, UClass* Class)
	{
		FUObjectArray::Get().SetClass(Object, Class);
	}
};

namespace
{
	enum EIntrinsic
	{
		IObject,
		IField,
		IStruct,
		IScriptStruct,
		IClass,
		IEnum,
		IFunction,
		IPackage,
		INum
	};

	UClass* GIntrinsicClasses[INum] = {};

	template<class T>
	void ConstructAt(void* Memory)
	{
		new (Memory) T();
	}

	template<class T>
	UClass* MakeIntrinsic(UClass* MetaClass, UObject* Outer, const TCHAR* Name)
	{
		return static_cast<UClass*>(UE::CoreUObject::Private::ConstructNativeObject(MetaClass, Outer, FName(Name), sizeof(UClass), alignof(UClass), &ConstructAt<UClass>));
	}

	template<class T>
	void SetUpIntrinsic(EIntrinsic Index, EIntrinsic SuperIndex, EClassFlags Flags)
	{
		UClass* Class = GIntrinsicClasses[Index];
		Class->SetSuperStruct(Index == IObject ? nullptr : GIntrinsicClasses[SuperIndex]);
		Class->PropertiesSize = sizeof(T);
		Class->NativeSize = sizeof(T);
		Class->MinAlignment = alignof(T);
		Class->ClassConstructor = &UE::CodeGen::InternalConstructor<T>;
		Class->ClassAddReferencedObjects = &T::AddReferencedObjects;
		Class->ClassFlags = Flags | CLASS_Native | CLASS_Intrinsic;
		Class->ClassConfigName = FName(TEXT("Engine"));
		Class->StaticLink();
	}

	// The classes of the object system itself describe each other, so they are made together: first
	// their objects, then the package they live in, then who is whose class.
	void BootstrapIntrinsicClasses()
	{
		if (GIntrinsicClasses[IObject])
		{
			return;
		}
		const TCHAR* Names[INum] = {TEXT("Object"), TEXT("Field"), TEXT("Struct"), TEXT("ScriptStruct"), TEXT("Class"), TEXT("Enum"), TEXT("Function"), TEXT("Package")};
		for (int32 Index = 0; Index < INum; ++Index)
		{
			GIntrinsicClasses[Index] = MakeIntrinsic<UClass>(nullptr, nullptr, Names[Index]);
		}
		UPackage* Package = UE::CoreUObject::Private::GetScriptPackage(TEXT("/Script/CoreUObject"));
		for (int32 Index = 0; Index < INum; ++Index)
		{
			FUObjectBootstrap::SetClass(GIntrinsicClasses[Index], GIntrinsicClasses[IClass]);
			GIntrinsicClasses[Index]->LowLevelRename(FName(Names[Index]), Package);
		}
		FUObjectBootstrap::SetClass(Package, GIntrinsicClasses[IPackage]);
		SetUpIntrinsic<UObject>(IObject, IObject, CLASS_Abstract);
		SetUpIntrinsic<UField>(IField, IObject, CLASS_Abstract);
		SetUpIntrinsic<UStruct>(IStruct, IField, CLASS_None);
		SetUpIntrinsic<UScriptStruct>(IScriptStruct, IStruct, CLASS_None);
		SetUpIntrinsic<UClass>(IClass, IStruct, CLASS_None);
		SetUpIntrinsic<UEnum>(IEnum, IField, CLASS_None);
		SetUpIntrinsic<UFunction>(IFunction, IStruct, CLASS_None);
		SetUpIntrinsic<UPackage>(IPackage, IObject, CLASS_Transient);
	}

	UClass* IntrinsicClass(EIntrinsic Index)
	{
		BootstrapIntrinsicClasses();
		return GIntrinsicClasses[Index];
	}
}

#define IMPLEMENT_INTRINSIC_CLASS(TClass, Index) \
	UClass* TClass::StaticClass() { return IntrinsicClass(Index); } \
	template<> UClass* StaticClass<TClass>() { return TClass::StaticClass(); }

IMPLEMENT_INTRINSIC_CLASS(UObject, IObject)
IMPLEMENT_INTRINSIC_CLASS(UField, IField)
IMPLEMENT_INTRINSIC_CLASS(UStruct, IStruct)
IMPLEMENT_INTRINSIC_CLASS(UScriptStruct, IScriptStruct)
IMPLEMENT_INTRINSIC_CLASS(UClass, IClass)
IMPLEMENT_INTRINSIC_CLASS(UEnum, IEnum)
IMPLEMENT_INTRINSIC_CLASS(UFunction, IFunction)
IMPLEMENT_INTRINSIC_CLASS(UPackage, IPackage)

const FString& UField::GetMetaData(const FName& Key) const
{
	static const FString Empty;
	const FString* Found = MetaData.Find(Key);
	return Found ? *Found : Empty;
}

bool UField::HasMetaData(const FName& Key) const
{
	return MetaData.Contains(Key);
}

void UField::SetMetaData(const FName& Key, const FString& Value)
{
	MetaData.Add(Key, Value);
}

FText UField::GetDisplayNameText() const
{
	const FString& DisplayName = GetMetaData(TEXT("DisplayName"));
	return FText::FromString(DisplayName.IsEmpty() ? GetName() : DisplayName);
}

FText UField::GetToolTipText() const
{
	return FText::FromString(GetMetaData(TEXT("ToolTip")));
}

UStruct::~UStruct()
{
	FField* Field = ChildProperties;
	while (Field)
	{
		FField* Next = Field->Next;
		delete Field;
		Field = Next;
	}
}

bool UStruct::IsChildOf(const UStruct* SomeBase) const
{
	for (const UStruct* Struct = this; Struct; Struct = Struct->GetSuperStruct())
	{
		if (Struct == SomeBase)
		{
			return true;
		}
	}
	return false;
}

FProperty* UStruct::FindPropertyByName(FName InName) const
{
	for (FProperty* Property = PropertyLink; Property; Property = Property->PropertyLinkNext)
	{
		if (Property->GetFName() == InName)
		{
			return Property;
		}
	}
	return nullptr;
}

void UStruct::AddCppProperty(FProperty* Property)
{
	FField** Tail = &ChildProperties;
	while (*Tail)
	{
		Tail = &(*Tail)->Next;
	}
	*Tail = Property;
}

void UStruct::StaticLink(bool bRelinkExistingProperties)
{
	// Properties a content-defined struct adds are laid out after its native part.
	int32 Size = NativeSize;
	if (SuperStruct && SuperStruct->PropertiesSize > Size)
	{
		Size = SuperStruct->PropertiesSize;
	}
	for (FField* Field = ChildProperties; Field; Field = Field->Next)
	{
		FProperty* Property = static_cast<FProperty*>(Field);
		if (Property->GetOffset_ForInternal() < 0)
		{
			Size = (Size + Property->Alignment - 1) / Property->Alignment * Property->Alignment;
			Property->SetOffset_Internal(Size);
			Size += Property->GetSize();
			MinAlignment = FMath::Max(MinAlignment, Property->Alignment);
		}
	}
	PropertiesSize = FMath::Max(PropertiesSize, Size);

	FProperty** Link = &PropertyLink;
	for (FField* Field = ChildProperties; Field; Field = Field->Next)
	{
		*Link = static_cast<FProperty*>(Field);
		Link = &(*Link)->PropertyLinkNext;
	}
	*Link = SuperStruct ? SuperStruct->PropertyLink : nullptr;
}

void UStruct::InitializeStruct(void* Dest, int32 ArrayDim) const
{
	for (FField* Field = ChildProperties; Field; Field = Field->Next)
	{
		FProperty* Property = static_cast<FProperty*>(Field);
		if (Property->GetOffset_ForInternal() >= NativeSize)
		{
			Property->InitializeValue_InContainer(Dest);
		}
	}
	if (SuperStruct)
	{
		SuperStruct->InitializeStruct(Dest, ArrayDim);
	}
}

void UStruct::DestroyStruct(void* Dest, int32 ArrayDim) const
{
	for (FField* Field = ChildProperties; Field; Field = Field->Next)
	{
		FProperty* Property = static_cast<FProperty*>(Field);
		if (Property->GetOffset_ForInternal() >= NativeSize)
		{
			Property->DestroyValue_InContainer(Dest);
		}
	}
	if (SuperStruct)
	{
		SuperStruct->DestroyStruct(Dest, ArrayDim);
	}
}

UScriptStruct::~UScriptStruct() = default;

void UScriptStruct::InitializeStruct(void* Dest, int32 ArrayDim) const
{
	for (int32 Index = 0; Index < ArrayDim; ++Index)
	{
		CppStructOps->Construct((uint8*)Dest + Index * CppStructOps->GetSize());
	}
}

void UScriptStruct::DestroyStruct(void* Dest, int32 ArrayDim) const
{
	for (int32 Index = 0; Index < ArrayDim; ++Index)
	{
		CppStructOps->Destruct((uint8*)Dest + Index * CppStructOps->GetSize());
	}
}

void UScriptStruct::CopyScriptStruct(void* Dest, const void* Src, int32 ArrayDim) const
{
	CppStructOps->Copy(Dest, Src, ArrayDim);
}

UObject* UClass::GetDefaultObject(bool bCreateIfNeeded) const
{
	if (!ClassDefaultObject && bCreateIfNeeded && !HasAnyClassFlags(CLASS_Intrinsic))
	{
		FStaticConstructObjectParameters Params(this);
		Params.Outer = GetOuter();
		Params.Name = FName(*(FString(TEXT("Default__")) + GetName()));
		Params.SetFlags = RF_Public | RF_ClassDefaultObject | RF_ArchetypeObject;
		ClassDefaultObject = StaticConstructObject_Internal(Params);
		if (FUObjectArray::FItem* Item = FUObjectArray::Get().FindItem(ClassDefaultObject))
		{
			Item->bNative = IsNative();
		}
		if (HasAnyClassFlags(CLASS_Config))
		{
			ClassDefaultObject->LoadConfig();
		}
	}
	return ClassDefaultObject;
}

FTopLevelAssetPath UClass::GetClassPathName() const
{
	return FTopLevelAssetPath(GetOuter()->GetFName(), GetFName());
}

UFunction* UClass::FindFunctionByName(FName InName) const
{
	for (const UClass* Class = this; Class; Class = Class->GetSuperClass())
	{
		for (UField* Field = Class->Children; Field; Field = Field->Next)
		{
			if (Field->GetFName() == InName)
			{
				return static_cast<UFunction*>(Field);
			}
		}
	}
	return nullptr;
}

void UClass::StaticLink(bool bRelinkExistingProperties)
{
	UStruct::StaticLink(bRelinkExistingProperties);
}

FTopLevelAssetPath UClass::TryConvertShortTypeNameToPathName(UClass* TargetTypeClass, const FString& InShortTypeName, ELogVerbosity::Type AmbiguousMessageVerbosity, const TCHAR* AmbiguousClassesMessage)
{
	if (InShortTypeName.IsEmpty())
	{
		return FTopLevelAssetPath();
	}
	if (InShortTypeName.StartsWith(TEXT("/")))
	{
		return FTopLevelAssetPath(InShortTypeName);
	}
	TArray<UObject*> Found = FUObjectArray::Get().GetObjectsWithName(FName(*InShortTypeName));
	Found.RemoveAll([TargetTypeClass](const UObject* Object)
		{
			return !Object->IsA(TargetTypeClass) || !Object->GetOuter() || Object->GetOuter()->GetClass() != UPackage::StaticClass();
		});
	if (Found.Num() == 0)
	{
		return FTopLevelAssetPath();
	}
	if (Found.Num() > 1 && AmbiguousMessageVerbosity != ELogVerbosity::NoLogging)
	{
		FString Candidates;
		for (UObject* Object : Found)
		{
			Candidates += (Candidates.IsEmpty() ? TEXT("") : TEXT(", ")) + Object->GetPathName();
		}
		const FString Message = FString::Printf(TEXT("%s: Short type name \"%s\" is ambiguous and results in multiple types: %s"), AmbiguousClassesMessage ? AmbiguousClassesMessage : TEXT(""), *InShortTypeName, *Candidates);
		if (AmbiguousMessageVerbosity == ELogVerbosity::Error)
		{
			UE_LOG(LogClass, Error, TEXT("%s"), *Message);
		}
		else if (AmbiguousMessageVerbosity == ELogVerbosity::Warning)
		{
			UE_LOG(LogClass, Warning, TEXT("%s"), *Message);
		}
		else
		{
			UE_LOG(LogClass, Log, TEXT("%s"), *Message);
		}
	}
	return FTopLevelAssetPath(Found[0]->GetOuter()->GetFName(), Found[0]->GetFName());
}

FName UEnum::GetNameByIndex(int32 Index) const
{
	return Names.IsValidIndex(Index) ? Names[Index].Key : NAME_None;
}

FName UEnum::GetNameByValue(int64 InValue) const
{
	return GetNameByIndex(GetIndexByValue(InValue));
}

FString UEnum::GetNameStringByIndex(int32 Index) const
{
	if (!Names.IsValidIndex(Index))
	{
		return FString();
	}
	const FString Full = Names[Index].Key.ToString();
	const int32 Separator = Full.Find(TEXT("::"));
	return Separator == INDEX_NONE ? Full : Full.RightChop(Separator + 2);
}

FString UEnum::GetNameStringByValue(int64 InValue) const
{
	return GetNameStringByIndex(GetIndexByValue(InValue));
}

int64 UEnum::GetValueByIndex(int32 Index) const
{
	return Names.IsValidIndex(Index) ? Names[Index].Value : INDEX_NONE;
}

int32 UEnum::GetIndexByValue(int64 InValue) const
{
	for (int32 Index = 0; Index < Names.Num(); ++Index)
	{
		if (Names[Index].Value == InValue)
		{
			return Index;
		}
	}
	return INDEX_NONE;
}

int32 UEnum::GetIndexByName(FName InName) const
{
	for (int32 Index = 0; Index < Names.Num(); ++Index)
	{
		if (Names[Index].Key == InName || FName(*GetNameStringByIndex(Index)) == InName)
		{
			return Index;
		}
	}
	return INDEX_NONE;
}

int64 UEnum::GetValueByName(FName InName) const
{
	return GetValueByIndex(GetIndexByName(InName));
}

int64 UEnum::GetValueByNameString(const FString& InName) const
{
	return GetValueByName(FName(*InName));
}

int64 UEnum::GetMaxEnumValue() const
{
	int64 Max = 0;
	for (const TPair<FName, int64>& Entry : Names)
	{
		Max = FMath::Max(Max, Entry.Value);
	}
	return Max;
}

FText UEnum::GetDisplayNameTextByIndex(int32 Index) const
{
	const FString DisplayName = GetMetaData(TEXT("DisplayName"), Index);
	return FText::FromString(DisplayName.IsEmpty() ? GetNameStringByIndex(Index) : DisplayName);
}

FText UEnum::GetDisplayNameTextByValue(int64 InValue) const
{
	return GetDisplayNameTextByIndex(GetIndexByValue(InValue));
}

FString UEnum::GetMetaData(const TCHAR* Key, int32 NameIndex) const
{
	if (NameIndex == INDEX_NONE)
	{
		return UField::GetMetaData(FName(Key));
	}
	if (!EntryMetaData.IsValidIndex(NameIndex))
	{
		return FString();
	}
	const FString* Found = EntryMetaData[NameIndex].Find(FName(Key));
	return Found ? *Found : FString();
}

bool UEnum::HasMetaData(const TCHAR* Key, int32 NameIndex) const
{
	if (NameIndex == INDEX_NONE)
	{
		return UField::HasMetaData(FName(Key));
	}
	return EntryMetaData.IsValidIndex(NameIndex) && EntryMetaData[NameIndex].Contains(FName(Key));
}

namespace UE::CodeGen
{
	namespace
	{
		TArray<TPair<const TCHAR*, void (*)()>>& PendingRegistrations()
		{
			static TArray<TPair<const TCHAR*, void (*)()>> Pending;
			return Pending;
		}

		template<class TField>
		void ApplyMetaData(TField* Field, FMetaDataList MetaData)
		{
			for (const FMetaDataPair& Pair : MetaData)
			{
				Field->SetMetaData(FName(Pair.Key), FString(Pair.Value));
			}
		}

		constexpr EClassFlags InheritedClassFlags = CLASS_Transient | CLASS_Optional | CLASS_DefaultConfig | CLASS_Config | CLASS_PerObjectConfig | CLASS_ConfigDoNotCheckDefaults | CLASS_NotPlaceable | CLASS_Const | CLASS_HasInstancedReference | CLASS_Deprecated | CLASS_DefaultToInstanced | CLASS_GlobalUserConfig | CLASS_ProjectUserConfig;
	}

	FRegisterCompiledInType::FRegisterCompiledInType(const TCHAR* PackageName, void (*Register)())
	{
		PendingRegistrations().Emplace(PackageName, Register);
	}

	UClass* ConstructUClassInternal(const TCHAR* PackageName, const TCHAR* Name, UClass* SuperClass, EClassFlags Flags, const TCHAR* ConfigName, FMetaDataList MetaData, int32 Size, int32 Alignment, ClassConstructorType Constructor, ClassAddReferencedObjectsType AddReferencedObjects)
	{
		UPackage* Package = UE::CoreUObject::Private::GetScriptPackage(PackageName);
		UClass* Class = static_cast<UClass*>(UE::CoreUObject::Private::ConstructNativeObject(UClass::StaticClass(), Package, FName(Name), sizeof(UClass), alignof(UClass), &ConstructAt<UClass>));
		Class->SetSuperStruct(SuperClass);
		Class->PropertiesSize = Size;
		Class->NativeSize = Size;
		Class->MinAlignment = Alignment;
		Class->ClassConstructor = Constructor;
		Class->ClassAddReferencedObjects = AddReferencedObjects;
		Class->ClassFlags = Flags | (SuperClass ? SuperClass->ClassFlags & InheritedClassFlags : CLASS_None);
		Class->ClassConfigName = ConfigName ? FName(ConfigName) : (SuperClass ? SuperClass->ClassConfigName : FName(TEXT("Engine")));
		ApplyMetaData(Class, MetaData);
		return Class;
	}

	void FinishUClass(UClass* Class)
	{
		Class->StaticLink();
	}

	UScriptStruct* ConstructUScriptStructInternal(const TCHAR* PackageName, const TCHAR* Name, UScriptStruct* SuperStruct, FMetaDataList MetaData, ICppStructOps* Ops)
	{
		UPackage* Package = UE::CoreUObject::Private::GetScriptPackage(PackageName);
		UScriptStruct* Struct = static_cast<UScriptStruct*>(UE::CoreUObject::Private::ConstructNativeObject(UScriptStruct::StaticClass(), Package, FName(Name), sizeof(UScriptStruct), alignof(UScriptStruct), &ConstructAt<UScriptStruct>));
		Struct->SetSuperStruct(SuperStruct);
		Struct->CppStructOps = Ops;
		Struct->PropertiesSize = Ops->GetSize();
		Struct->NativeSize = Ops->GetSize();
		Struct->MinAlignment = Ops->GetAlignment();
		ApplyMetaData(Struct, MetaData);
		return Struct;
	}

	void FinishUScriptStruct(UScriptStruct* Struct)
	{
		Struct->StaticLink();
	}

	UEnum* ConstructUEnum(const TCHAR* PackageName, const TCHAR* Name, std::initializer_list<FEnumEntryParams> Entries, FMetaDataList MetaData)
	{
		UPackage* Package = UE::CoreUObject::Private::GetScriptPackage(PackageName);
		UEnum* Enum = static_cast<UEnum*>(UE::CoreUObject::Private::ConstructNativeObject(UEnum::StaticClass(), Package, FName(Name), sizeof(UEnum), alignof(UEnum), &ConstructAt<UEnum>));
		int64 MaxValue = 0;
		for (const FEnumEntryParams& Entry : Entries)
		{
			Enum->Names.Emplace(FName(Entry.Name), Entry.Value);
			TMap<FName, FString>& EntryMeta = Enum->EntryMetaData.AddDefaulted_GetRef();
			for (const FMetaDataPair& Pair : Entry.MetaData)
			{
				EntryMeta.Add(FName(Pair.Key), FString(Pair.Value));
			}
			MaxValue = FMath::Max(MaxValue, Entry.Value);
		}
		// As the engine's header tool does, every reflected enum ends with a generated <Name>_MAX entry.
		Enum->Names.Emplace(FName(*FString::Printf(TEXT("%s::%s_MAX"), Name, Name)), MaxValue + 1);
		Enum->EntryMetaData.AddDefaulted();
		ApplyMetaData(Enum, MetaData);
		return Enum;
	}

	void AddMetaData(FField* Field, FMetaDataList MetaData)
	{
		ApplyMetaData(Field, MetaData);
	}

	void AddFunction(UClass* Class, const TCHAR* Name, EFunctionFlags Flags, FMetaDataList MetaData, FNativeFunctionInvoker Invoker)
	{
		UFunction* Function = static_cast<UFunction*>(UE::CoreUObject::Private::ConstructNativeObject(UFunction::StaticClass(), Class, FName(Name), sizeof(UFunction), alignof(UFunction), &ConstructAt<UFunction>));
		Function->FunctionFlags = Flags;
		Function->Invoker = Invoker;
		ApplyMetaData(Function, MetaData);
		UField** Tail = &Class->Children;
		while (*Tail)
		{
			Tail = &(*Tail)->Next;
		}
		*Tail = Function;
	}

	void AddBitfieldBoolProperty(UStruct* Owner, const TCHAR* Name, EPropertyFlags Flags, FBoolProperty::FGetBit GetBit, FBoolProperty::FSetBit SetBit, FMetaDataList MetaData)
	{
		FBoolProperty* Property = new FBoolProperty(Owner, nullptr, FName(Name), Flags, GetBit, SetBit);
		AddPropertyToStruct(Owner, Property, 1, MetaData);
	}

	void AddPropertyToStruct(UStruct* Owner, FProperty* Property, int32 ArrayDim, FMetaDataList MetaData)
	{
#if WITH_EDITORONLY_DATA
		ApplyMetaData(Property, MetaData);
#endif
		Property->ArrayDim = ArrayDim;
		Owner->AddCppProperty(Property);
	}

	void ProcessPendingRegistrations()
	{
		TArray<TPair<const TCHAR*, void (*)()>>& Pending = PendingRegistrations();
		// Registrations may add more registrations while they run.
		for (int32 Index = 0; Index < Pending.Num(); ++Index)
		{
			Pending[Index].Value();
		}
		Pending.Empty();
	}
}
