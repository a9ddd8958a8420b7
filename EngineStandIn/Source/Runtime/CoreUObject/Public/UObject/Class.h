#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/TopLevelAssetPath.h"

class FProperty;
class FField;
class UFunction;
class FReferenceCollector;

COREUOBJECT_API DECLARE_LOG_CATEGORY_EXTERN(LogClass, Log, All);

// Base of every reflected type object. Metadata lives on the field, as the editor's does.
class COREUOBJECT_API UField : public UObject
{
	DECLARE_CLASS_INTRINSIC_NO_CTOR(UField, UObject, "/Script/CoreUObject")

public:
	UField* Next = nullptr;

	const FString& GetMetaData(const FName& Key) const;
	bool HasMetaData(const FName& Key) const;
	void SetMetaData(const FName& Key, const FString& Value);
	FText GetDisplayNameText() const;
	FText GetToolTipText() const;

private:
	TMap<FName, FString> MetaData;
};

class COREUOBJECT_API UStruct : public UField
{
	DECLARE_CLASS_INTRINSIC_NO_CTOR(UStruct, UField, "/Script/CoreUObject")

public:
	virtual ~UStruct();

	UStruct* GetSuperStruct() const { return SuperStruct; }
	void SetSuperStruct(UStruct* NewSuperStruct) { SuperStruct = NewSuperStruct; }
	bool IsChildOf(const UStruct* SomeBase) const;
	template<class T>
	bool IsChildOf() const
	{
		return IsChildOf(T::StaticClass());
	}

	FProperty* FindPropertyByName(FName InName) const;
	int32 GetPropertiesSize() const { return PropertiesSize; }
	int32 GetMinAlignment() const { return MinAlignment; }

	// Appends a property of this struct (the header tool's code and content-defined classes call it).
	void AddCppProperty(FProperty* Property);
	// Lays out the properties: chains PropertyLink over this struct's and its supers' properties.
	virtual void StaticLink(bool bRelinkExistingProperties = false);

	// Initializes, copies and destroys the properties this struct adds beyond the native part.
	void InitializeStruct(void* Dest, int32 ArrayDim = 1) const;
	void DestroyStruct(void* Dest, int32 ArrayDim = 1) const;

	UStruct* SuperStruct = nullptr;
	FField* ChildProperties = nullptr;
	FProperty* PropertyLink = nullptr;
	UField* Children = nullptr;
	int32 PropertiesSize = 0;
	int32 MinAlignment = 1;
	// Bytes the native C++ type occupies; properties beyond it are added by content.
	int32 NativeSize = 0;
};

// Construction, copy and destruction of a native struct type.
class COREUOBJECT_API ICppStructOps
{
public:
	ICppStructOps(int32 InSize, int32 InAlignment) : Size(InSize), Alignment(InAlignment) {}
	virtual ~ICppStructOps() = default;
	virtual void Construct(void* Dest) = 0;
	virtual void Destruct(void* Dest) = 0;
	virtual bool Copy(void* Dest, const void* Src, int32 ArrayDim) = 0;
	int32 GetSize() const { return Size; }
	int32 GetAlignment() const { return Alignment; }

private:
	int32 Size;
	int32 Alignment;
};

class COREUOBJECT_API UScriptStruct : public UStruct
{
	DECLARE_CLASS_INTRINSIC_NO_CTOR(UScriptStruct, UStruct, "/Script/CoreUObject")

public:
	virtual ~UScriptStruct();

	ICppStructOps* GetCppStructOps() const { return CppStructOps; }
	void InitializeStruct(void* Dest, int32 ArrayDim = 1) const;
	void DestroyStruct(void* Dest, int32 ArrayDim = 1) const;
	void CopyScriptStruct(void* Dest, const void* Src, int32 ArrayDim = 1) const;
	FString GetStructCPPName() const { return TEXT("F") + GetName(); }

	ICppStructOps* CppStructOps = nullptr;
};

typedef void (*ClassConstructorType)(const FObjectInitializer&);
typedef void (*ClassAddReferencedObjectsType)(UObject*, FReferenceCollector&);

class COREUOBJECT_API UClass : public UStruct
{
	DECLARE_CLASS_INTRINSIC_NO_CTOR(UClass, UStruct, "/Script/CoreUObject")

public:
	UClass* GetSuperClass() const { return static_cast<UClass*>(GetSuperStruct()); }
	UObject* GetDefaultObject(bool bCreateIfNeeded = true) const;
	template<class T>
	T* GetDefaultObject() const
	{
		return static_cast<T*>(GetDefaultObject());
	}

	bool HasAnyClassFlags(EClassFlags FlagsToCheck) const { return (ClassFlags & FlagsToCheck) != 0; }
	bool HasAllClassFlags(EClassFlags FlagsToCheck) const { return (ClassFlags & FlagsToCheck) == FlagsToCheck; }
	bool IsNative() const { return HasAnyClassFlags(CLASS_Native); }
	FTopLevelAssetPath GetClassPathName() const;
	FName GetConfigName() const { return ClassConfigName; }
	UFunction* FindFunctionByName(FName InName) const;

	// Converts a short type name ("StaticMesh") into the full path of the one type of TargetTypeClass with it.
	static FTopLevelAssetPath TryConvertShortTypeNameToPathName(UClass* TargetTypeClass, const FString& InShortTypeName, ELogVerbosity::Type AmbiguousMessageVerbosity = ELogVerbosity::NoLogging, const TCHAR* AmbiguousClassesMessage = nullptr);
	template<class T>
	static FTopLevelAssetPath TryConvertShortTypeNameToPathName(const FString& InShortTypeName, ELogVerbosity::Type AmbiguousMessageVerbosity = ELogVerbosity::NoLogging, const TCHAR* AmbiguousClassesMessage = nullptr)
	{
		return TryConvertShortTypeNameToPathName(T::StaticClass(), InShortTypeName, AmbiguousMessageVerbosity, AmbiguousClassesMessage);
	}

	virtual void StaticLink(bool bRelinkExistingProperties = false) override;

	ClassConstructorType ClassConstructor = nullptr;
	ClassAddReferencedObjectsType ClassAddReferencedObjects = nullptr;
	EClassFlags ClassFlags = CLASS_None;
	FName ClassConfigName;
	UClass* ClassWithin = nullptr;
	mutable UObject* ClassDefaultObject = nullptr;
#if WITH_EDITORONLY_DATA
	UObject* ClassGeneratedBy = nullptr;
#endif
};

class COREUOBJECT_API UEnum : public UField
{
	DECLARE_CLASS_INTRINSIC_NO_CTOR(UEnum, UField, "/Script/CoreUObject")

public:
	enum class ECppForm
	{
		Regular,
		Namespaced,
		EnumClass
	};

	int32 NumEnums() const { return Names.Num(); }
	FName GetNameByIndex(int32 Index) const;
	FName GetNameByValue(int64 InValue) const;
	FString GetNameStringByIndex(int32 Index) const;
	FString GetNameStringByValue(int64 InValue) const;
	int64 GetValueByIndex(int32 Index) const;
	int32 GetIndexByValue(int64 InValue) const;
	int32 GetIndexByName(FName InName) const;
	int64 GetValueByName(FName InName) const;
	int64 GetValueByNameString(const FString& InName) const;
	int64 GetMaxEnumValue() const;
	bool IsValidEnumValue(int64 InValue) const { return GetIndexByValue(InValue) != INDEX_NONE; }
	FText GetDisplayNameTextByIndex(int32 Index) const;
	FText GetDisplayNameTextByValue(int64 InValue) const;
	FString GetMetaData(const TCHAR* Key, int32 NameIndex = INDEX_NONE) const;
	bool HasMetaData(const TCHAR* Key, int32 NameIndex = INDEX_NONE) const;

	TArray<TPair<FName, int64>> Names;
	TArray<TMap<FName, FString>> EntryMetaData;
	ECppForm CppForm = ECppForm::EnumClass;
};

typedef void (*FNativeFunctionInvoker)(UObject*);

class COREUOBJECT_API UFunction : public UStruct
{
	DECLARE_CLASS_INTRINSIC_NO_CTOR(UFunction, UStruct, "/Script/CoreUObject")

public:
	EFunctionFlags FunctionFlags = FUNC_None;
	// Set for parameterless functions, so the editor's buttons can call them.
	FNativeFunctionInvoker Invoker = nullptr;
};

template<class T>
struct TBaseStructure
{
	static UScriptStruct* Get() { return T::StaticStruct(); }
};

template<class T>
T* GetMutableDefault()
{
	return static_cast<T*>(T::StaticClass()->GetDefaultObject());
}

template<class T>
const T* GetDefault()
{
	return static_cast<const T*>(T::StaticClass()->GetDefaultObject());
}

template<class T>
T* GetMutableDefault(UClass* Class)
{
	return static_cast<T*>(Class->GetDefaultObject());
}

template<class T>
const T* GetDefault(UClass* Class)
{
	return static_cast<const T*>(Class->GetDefaultObject());
}
