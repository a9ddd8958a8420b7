#pragma once

// What the header tool's generated code calls to build the reflection of a module's types.
#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/Class.h"
#include "UObject/UnrealType.h"
#include "UObject/SoftObjectPtr.h"
#include "UObject/WeakObjectPtr.h"
#include "Templates/SubclassOf.h"
#include <initializer_list>
#include <new>
#include <type_traits>

namespace UE::CodeGen
{
	struct FMetaDataPair
	{
		const TCHAR* Key;
		const TCHAR* Value;
	};
	using FMetaDataList = std::initializer_list<FMetaDataPair>;

	struct FEnumEntryParams
	{
		const TCHAR* Name;
		int64 Value;
		FMetaDataList MetaData;
	};

	// Runs each generated type's registration once the object system is up.
	struct COREUOBJECT_API FRegisterCompiledInType
	{
		FRegisterCompiledInType(const TCHAR* PackageName, void (*Register)());
	};

	COREUOBJECT_API UClass* ConstructUClassInternal(const TCHAR* PackageName, const TCHAR* Name, UClass* SuperClass, EClassFlags Flags, const TCHAR* ConfigName, FMetaDataList MetaData, int32 Size, int32 Alignment, ClassConstructorType Constructor, ClassAddReferencedObjectsType AddReferencedObjects);
	COREUOBJECT_API void FinishUClass(UClass* Class);
	COREUOBJECT_API UScriptStruct* ConstructUScriptStructInternal(const TCHAR* PackageName, const TCHAR* Name, UScriptStruct* SuperStruct, FMetaDataList MetaData, ICppStructOps* Ops);
	COREUOBJECT_API void FinishUScriptStruct(UScriptStruct* Struct);
	COREUOBJECT_API UEnum* ConstructUEnum(const TCHAR* PackageName, const TCHAR* Name, std::initializer_list<FEnumEntryParams> Entries, FMetaDataList MetaData);
	COREUOBJECT_API void AddMetaData(FField* Field, FMetaDataList MetaData);
	COREUOBJECT_API void AddFunction(UClass* Class, const TCHAR* Name, EFunctionFlags Flags, FMetaDataList MetaData, FNativeFunctionInvoker Invoker);
	COREUOBJECT_API void AddBitfieldBoolProperty(UStruct* Owner, const TCHAR* Name, EPropertyFlags Flags, FBoolProperty::FGetBit GetBit, FBoolProperty::FSetBit SetBit, FMetaDataList MetaData);
	COREUOBJECT_API void AddPropertyToStruct(UStruct* Owner, FProperty* Property, int32 ArrayDim, FMetaDataList MetaData);

	template<class T>
	void InternalConstructor(const FObjectInitializer& ObjectInitializer)
	{
		if constexpr (std::is_constructible_v<T, const FObjectInitializer&>)
		{
			new (ObjectInitializer.GetObj()) T(ObjectInitializer);
		}
		else
		{
			new (ObjectInitializer.GetObj()) T();
		}
	}

	template<class T>
	UClass* ConstructUClass(const TCHAR* PackageName, const TCHAR* Name, UClass* SuperClass, EClassFlags Flags, const TCHAR* ConfigName, FMetaDataList MetaData)
	{
		ClassConstructorType Constructor = nullptr;
		if constexpr (!std::is_abstract_v<T>)
		{
			Constructor = &InternalConstructor<T>;
		}
		return ConstructUClassInternal(PackageName, Name, SuperClass, Flags, ConfigName, MetaData, sizeof(T), alignof(T), Constructor, &T::AddReferencedObjects);
	}

	template<class T>
	class TCppStructOps final : public ICppStructOps
	{
	public:
		TCppStructOps() : ICppStructOps(sizeof(T), alignof(T)) {}
		virtual void Construct(void* Dest) override { new (Dest) T(); }
		virtual void Destruct(void* Dest) override { ((T*)Dest)->~T(); }
		virtual bool Copy(void* Dest, const void* Src, int32 ArrayDim) override
		{
			for (int32 Index = 0; Index < ArrayDim; ++Index)
			{
				((T*)Dest)[Index] = ((const T*)Src)[Index];
			}
			return true;
		}
	};

	template<class T>
	UScriptStruct* ConstructUScriptStruct(const TCHAR* PackageName, const TCHAR* Name, UScriptStruct* SuperStruct, FMetaDataList MetaData)
	{
		static TCppStructOps<T> Ops;
		return ConstructUScriptStructInternal(PackageName, Name, SuperStruct, MetaData, &Ops);
	}

	template<typename T>
	struct TIsTArray : std::false_type {};
	template<typename E, typename A>
	struct TIsTArray<TArray<E, A>> : std::true_type {};

	template<typename T>
	void ConstructValue(void* Dest)
	{
		new (Dest) T();
	}
	template<typename T>
	void DestructValue(void* Dest)
	{
		((T*)Dest)->~T();
	}
	template<typename T>
	void CopyValue(void* Dest, const void* Src)
	{
		*(T*)Dest = *(const T*)Src;
	}

	// Builds the property that reflects a member of C++ type T.
	template<typename T, typename = void>
	struct TPropertyFactory
	{
		static FProperty* Create(UStruct* OwnerStruct, FField* OwnerField, FName Name, EPropertyFlags Flags, int32 Offset)
		{
			if constexpr (std::is_enum_v<T>)
			{
				using TUnderlying = std::underlying_type_t<T>;
				FNumericProperty* Underlying = static_cast<FNumericProperty*>(TPropertyFactory<TUnderlying>::Create(nullptr, nullptr, TEXT("UnderlyingType"), CPF_None, 0));
				return new FEnumProperty(OwnerStruct, OwnerField, Name, Flags, Offset, StaticEnum<T>(), Underlying);
			}
			else
			{
				return new FStructProperty(OwnerStruct, OwnerField, Name, Flags, Offset, TBaseStructure<T>::Get());
			}
		}
	};

#define UE_CODEGEN_SIMPLE_PROPERTY(CppType, PropertyType) \
	template<> \
	struct TPropertyFactory<CppType> \
	{ \
		static FProperty* Create(UStruct* OwnerStruct, FField* OwnerField, FName Name, EPropertyFlags Flags, int32 Offset) \
		{ \
			return new PropertyType(OwnerStruct, OwnerField, Name, Flags, Offset); \
		} \
	};

	UE_CODEGEN_SIMPLE_PROPERTY(int8, FInt8Property)
	UE_CODEGEN_SIMPLE_PROPERTY(int16, FInt16Property)
	UE_CODEGEN_SIMPLE_PROPERTY(int32, FIntProperty)
	UE_CODEGEN_SIMPLE_PROPERTY(int64, FInt64Property)
	UE_CODEGEN_SIMPLE_PROPERTY(uint8, FByteProperty)
	UE_CODEGEN_SIMPLE_PROPERTY(uint16, FUInt16Property)
	UE_CODEGEN_SIMPLE_PROPERTY(uint32, FUInt32Property)
	UE_CODEGEN_SIMPLE_PROPERTY(uint64, FUInt64Property)
	UE_CODEGEN_SIMPLE_PROPERTY(float, FFloatProperty)
	UE_CODEGEN_SIMPLE_PROPERTY(double, FDoubleProperty)
	UE_CODEGEN_SIMPLE_PROPERTY(bool, FBoolProperty)
	UE_CODEGEN_SIMPLE_PROPERTY(FString, FStrProperty)
	UE_CODEGEN_SIMPLE_PROPERTY(FName, FNameProperty)
	UE_CODEGEN_SIMPLE_PROPERTY(FText, FTextProperty)
#undef UE_CODEGEN_SIMPLE_PROPERTY

	// Reflected raw pointers are always object pointers; the pointee may be only forward declared here.
	template<typename U>
	struct TPropertyFactory<U*>
	{
		static FProperty* Create(UStruct* OwnerStruct, FField* OwnerField, FName Name, EPropertyFlags Flags, int32 Offset)
		{
			if constexpr (std::is_same_v<U, UClass>)
			{
				return new FClassProperty(OwnerStruct, OwnerField, Name, Flags, Offset, UObject::StaticClass());
			}
			else
			{
				return new FObjectProperty(OwnerStruct, OwnerField, Name, Flags, Offset, StaticClass<U>());
			}
		}
	};

	template<typename U>
	struct TPropertyFactory<TObjectPtr<U>>
	{
		static FProperty* Create(UStruct* OwnerStruct, FField* OwnerField, FName Name, EPropertyFlags Flags, int32 Offset)
		{
			return TPropertyFactory<U*>::Create(OwnerStruct, OwnerField, Name, Flags | CPF_UObjectWrapper, Offset);
		}
	};

	template<typename U>
	struct TPropertyFactory<TSubclassOf<U>>
	{
		static FProperty* Create(UStruct* OwnerStruct, FField* OwnerField, FName Name, EPropertyFlags Flags, int32 Offset)
		{
			return new FClassProperty(OwnerStruct, OwnerField, Name, Flags | CPF_UObjectWrapper, Offset, StaticClass<U>());
		}
	};

	template<typename U>
	struct TPropertyFactory<TWeakObjectPtr<U>>
	{
		static FProperty* Create(UStruct* OwnerStruct, FField* OwnerField, FName Name, EPropertyFlags Flags, int32 Offset)
		{
			return new FWeakObjectProperty(OwnerStruct, OwnerField, Name, Flags, Offset, StaticClass<U>());
		}
	};

	template<typename U>
	struct TPropertyFactory<TSoftObjectPtr<U>>
	{
		static FProperty* Create(UStruct* OwnerStruct, FField* OwnerField, FName Name, EPropertyFlags Flags, int32 Offset)
		{
			return new FSoftObjectProperty(OwnerStruct, OwnerField, Name, Flags, Offset, StaticClass<U>());
		}
	};

	template<typename U>
	struct TPropertyFactory<TSoftClassPtr<U>>
	{
		static FProperty* Create(UStruct* OwnerStruct, FField* OwnerField, FName Name, EPropertyFlags Flags, int32 Offset)
		{
			return new FSoftClassProperty(OwnerStruct, OwnerField, Name, Flags, Offset, StaticClass<U>());
		}
	};

	template<typename E, typename A>
	struct TPropertyFactory<TArray<E, A>>
	{
		using TContainer = TArray<E, A>;
		static int32 Num(const void* Array) { return (int32)((const TContainer*)Array)->Num(); }
		static void* GetElement(void* Array, int32 Index) { return &(*(TContainer*)Array)[Index]; }
		static void Resize(void* Array, int32 NewNum) { ((TContainer*)Array)->SetNum(NewNum); }

		static FProperty* Create(UStruct* OwnerStruct, FField* OwnerField, FName Name, EPropertyFlags Flags, int32 Offset)
		{
			static const FScriptArrayOps Ops = {&Num, &GetElement, &Resize};
			FArrayProperty* Property = new FArrayProperty(OwnerStruct, OwnerField, Name, Flags, Offset, sizeof(TContainer), alignof(TContainer), &Ops, &ConstructValue<TContainer>, &DestructValue<TContainer>, &CopyValue<TContainer>);
			Property->Inner = TPropertyFactory<E>::Create(nullptr, Property, Name, CPF_None, 0);
			return Property;
		}
	};

	template<typename K, typename V>
	struct TPropertyFactory<TMap<K, V>>
	{
		using TContainer = TMap<K, V>;
		static int32 Num(const void* Map) { return (int32)((const TContainer*)Map)->Num(); }
		static void ForEach(void* Map, void (*Visit)(void*, void*, void*), void* Context)
		{
			for (auto& Pair : *(TContainer*)Map)
			{
				Visit(Context, (void*)&Pair.Key, (void*)&Pair.Value);
			}
		}
		static void* FindOrAdd(void* Map, const void* Key) { return &((TContainer*)Map)->FindOrAdd(*(const K*)Key); }
		static void Empty(void* Map) { ((TContainer*)Map)->Empty(); }

		static FProperty* Create(UStruct* OwnerStruct, FField* OwnerField, FName Name, EPropertyFlags Flags, int32 Offset)
		{
			static const FScriptMapOps Ops = {&Num, &ForEach, &FindOrAdd, &Empty};
			FMapProperty* Property = new FMapProperty(OwnerStruct, OwnerField, Name, Flags, Offset, sizeof(TContainer), alignof(TContainer), &Ops, &ConstructValue<TContainer>, &DestructValue<TContainer>, &CopyValue<TContainer>);
			Property->KeyProp = TPropertyFactory<K>::Create(nullptr, Property, Name, CPF_None, 0);
			Property->ValueProp = TPropertyFactory<V>::Create(nullptr, Property, Name, CPF_None, 0);
			return Property;
		}
	};

	template<typename E>
	struct TPropertyFactory<TSet<E>>
	{
		using TContainer = TSet<E>;
		static int32 Num(const void* Set) { return (int32)((const TContainer*)Set)->Num(); }
		static void ForEach(void* Set, void (*Visit)(void*, void*), void* Context)
		{
			for (auto& Element : *(TContainer*)Set)
			{
				Visit(Context, (void*)&Element);
			}
		}
		static void Add(void* Set, const void* Element) { ((TContainer*)Set)->Add(*(const E*)Element); }
		static void Empty(void* Set) { ((TContainer*)Set)->Empty(); }

		static FProperty* Create(UStruct* OwnerStruct, FField* OwnerField, FName Name, EPropertyFlags Flags, int32 Offset)
		{
			static const FScriptSetOps Ops = {&Num, &ForEach, &Add, &Empty};
			FSetProperty* Property = new FSetProperty(OwnerStruct, OwnerField, Name, Flags, Offset, sizeof(TContainer), alignof(TContainer), &Ops, &ConstructValue<TContainer>, &DestructValue<TContainer>, &CopyValue<TContainer>);
			Property->ElementProp = TPropertyFactory<E>::Create(nullptr, Property, Name, CPF_None, 0);
			return Property;
		}
	};

	template<typename T>
	void AddProperty(UStruct* Owner, const TCHAR* Name, EPropertyFlags Flags, int32 Offset, FMetaDataList MetaData)
	{
		using TElement = std::remove_all_extents_t<T>;
		constexpr int32 ArrayDim = std::extent_v<T> ? (int32)std::extent_v<T> : 1;
		FProperty* Property = TPropertyFactory<TElement>::Create(Owner, nullptr, FName(Name), Flags, Offset);
		AddPropertyToStruct(Owner, Property, ArrayDim, MetaData);
	}
}
