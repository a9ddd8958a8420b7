#include "UObject/UObjectGlobals.h"
#include "UObject/Object.h"
#include "UObject/Class.h"
#include "UObject/UnrealType.h"
#include "UObject/Package.h"
#include "UObject/ObjectRedirector.h"
#include "Misc/PackageName.h"
#include "ObjectConstruction.h"
#include "PackageLoader.h"
#include "UObjectArray.h"
#include <cstring>
#include <new>

DEFINE_LOG_CATEGORY(LogUObjectGlobals);
DEFINE_LOG_CATEGORY(LogLinker);
DEFINE_LOG_CATEGORY(LogGarbage);

FObjectInitializer::FObjectInitializer(UObject* InObject, UObject* InTemplate)
	: Object(InObject)
	, Template(InTemplate)
{
}

UClass* FObjectInitializer::GetClass() const
{
	return Object->GetClass();
}

FObjectInitializer& FObjectInitializer::Get()
{
	FObjectConstructionContext* Context = FObjectConstructionContext::Current();
	checkf(Context && Context->Initializer, TEXT("FObjectInitializer::Get() is only valid while an object is constructed"));
	return *Context->Initializer;
}

FStaticConstructObjectParameters::FStaticConstructObjectParameters(const UClass* InClass)
	: Class(InClass)
{
}

namespace UE::CoreUObject::Private
{
	void CheckNewObjectClass(const UClass* Class, const UClass* Required)
	{
		checkf(Class && Class->IsChildOf(Required), TEXT("NewObject with a class that is not a %s"), *Required->GetName());
	}

	UObject* ConstructNativeObject(UClass* Class, UObject* Outer, FName Name, size_t Size, size_t Alignment, void (*Construct)(void* Memory))
	{
		const size_t Align = FMath::Max<size_t>(Alignment, alignof(void*));
		void* Memory = ::operator new(Size, std::align_val_t(Align));
		std::memset(Memory, 0, Size);
		FObjectConstructionContext Context;
		Context.Class = Class;
		Context.Outer = Outer;
		Context.Name = Name;
		Context.Flags = RF_Public | RF_Standalone | RF_MarkAsNative;
		Context.Memory = Memory;
		Context.Alignment = Align;
		FObjectConstructionContext::Push(&Context);
		Construct(Memory);
		FObjectConstructionContext::Pop();
		UObject* Object = (UObject*)Memory;
		FUObjectArray::Get().FindItem(Object)->bNative = true;
		return Object;
	}

	UPackage* GetScriptPackage(const TCHAR* PackageName)
	{
		const FName Name(PackageName);
		if (UObject* Existing = FUObjectArray::Get().FindByOuterAndName(nullptr, Name))
		{
			return static_cast<UPackage*>(Existing);
		}
		// The package class may still be under construction while the object system bootstraps; it is
		// given its class when the bootstrap completes.
		UClass* PackageClass = FUObjectArray::Get().FindByOuterAndName(nullptr, FName(TEXT("/Script/CoreUObject"))) ? UPackage::StaticClass() : nullptr;
		return static_cast<UPackage*>(ConstructNativeObject(PackageClass, nullptr, Name, sizeof(UPackage), alignof(UPackage), [](void* Memory) { new (Memory) UPackage(); }));
	}

	UObject* AllocateAndConstruct(UClass* Class, UObject* Outer, FName Name, EObjectFlags Flags, UObject* Template)
	{
		checkf(Class->ClassConstructor, TEXT("Class %s cannot be instantiated (abstract)"), *Class->GetName());
		const size_t Align = FMath::Max<size_t>((size_t)Class->GetMinAlignment(), alignof(void*));
		const size_t Size = (size_t)Class->GetPropertiesSize();
		void* Memory = ::operator new(Size, std::align_val_t(Align));
		std::memset(Memory, 0, Size);
		FObjectInitializer Initializer((UObject*)Memory, Template);
		FObjectConstructionContext Context;
		Context.Class = Class;
		Context.Outer = Outer;
		Context.Name = Name;
		Context.Flags = Flags;
		Context.Memory = Memory;
		Context.Alignment = Align;
		Context.Initializer = &Initializer;
		FObjectConstructionContext::Push(&Context);
		Class->ClassConstructor(Initializer);
		FObjectConstructionContext::Pop();
		UObject* Object = (UObject*)Memory;
		// Content-defined classes add properties after the native part of the object.
		for (UClass* Walk = Class; Walk && !Walk->IsNative(); Walk = Walk->GetSuperClass())
		{
			for (FField* Field = Walk->ChildProperties; Field; Field = Field->Next)
			{
				static_cast<FProperty*>(Field)->InitializeValue_InContainer(Object);
			}
		}
		return Object;
	}

	void DestroyObject(UObject* Object)
	{
		FUObjectArray::FItem* Item = FUObjectArray::Get().FindItem(Object);
		if (!Item)
		{
			return;
		}
		void* Memory = Item->Memory;
		const size_t Alignment = Item->Alignment;
		if (!Object->HasAnyFlags(RF_BeginDestroyed))
		{
			Object->ConditionalBeginDestroy();
		}
		if (!Object->HasAnyFlags(RF_FinishDestroyed))
		{
			Object->SetFlags(RF_FinishDestroyed);
			Object->FinishDestroy();
		}
		UClass* Class = Object->GetClass();
		if (Class && FUObjectArray::Get().IsLive(Class))
		{
			for (UClass* Walk = Class; Walk && !Walk->IsNative(); Walk = Walk->GetSuperClass())
			{
				for (FField* Field = Walk->ChildProperties; Field; Field = Field->Next)
				{
					static_cast<FProperty*>(Field)->DestroyValue_InContainer(Object);
				}
			}
		}
		Object->~UObject();
		::operator delete(Memory, std::align_val_t(Alignment));
	}

	TArray<UObject*> GetObjectsInPackage(const UObject* Outer)
	{
		TArray<UObject*> Result;
		TArray<const UObject*> Outers = {Outer};
		for (int32 Index = 0; Index < Outers.Num(); ++Index)
		{
			TArray<UObject*> Inner;
			FUObjectArray::Get().ForEachWithOuter(Outers[Index], [&Inner](UObject* Object) { Inner.Add(Object); });
			Inner.Sort([](const UObject& A, const UObject& B)
				{
					return FUObjectArray::Get().FindItem(&A)->SerialNumber < FUObjectArray::Get().FindItem(&B)->SerialNumber;
				});
			for (UObject* Object : Inner)
			{
				Result.Add(Object);
				Outers.Add(Object);
			}
		}
		return Result;
	}

	UObject* FindObjectByPath(UClass* Class, const FString& Path)
	{
		FString Remaining = Path;
		Remaining.TrimStartAndEndInline();
		// Paths may come quoted with their class, as in Class'/Game/X.X'.
		const int32 Quote = Remaining.Find(TEXT("'"));
		if (Quote != INDEX_NONE && Remaining.EndsWith(TEXT("'")))
		{
			Remaining = Remaining.Mid(Quote + 1, Remaining.Len() - Quote - 2);
		}
		int32 Split = INDEX_NONE;
		for (int32 Index = 0; Index < Remaining.Len(); ++Index)
		{
			if (Remaining[Index] == TEXT('.') || Remaining[Index] == TEXT(':'))
			{
				Split = Index;
				break;
			}
		}
		UObject* Current = FUObjectArray::Get().FindByOuterAndName(nullptr, FName(*(Split == INDEX_NONE ? Remaining : Remaining.Left(Split))));
		while (Current && Split != INDEX_NONE)
		{
			int32 Next = INDEX_NONE;
			for (int32 Index = Split + 1; Index < Remaining.Len(); ++Index)
			{
				if (Remaining[Index] == TEXT('.') || Remaining[Index] == TEXT(':'))
				{
					Next = Index;
					break;
				}
			}
			const FString Part = Next == INDEX_NONE ? Remaining.Mid(Split + 1) : Remaining.Mid(Split + 1, Next - Split - 1);
			Current = FUObjectArray::Get().FindByOuterAndName(Current, FName(*Part));
			Split = Next;
		}
		if (Current && Class && !Current->IsA(Class))
		{
			return nullptr;
		}
		return Current;
	}
}

using namespace UE::CoreUObject::Private;

UObject* StaticConstructObject_Internal(const FStaticConstructObjectParameters& Params)
{
	UClass* Class = const_cast<UClass*>(Params.Class);
	checkf(Class, TEXT("NewObject with a null class"));
	checkf(Params.Outer || Class->IsChildOf(UPackage::StaticClass()), TEXT("NewObject of %s with no outer"), *Class->GetName());
	const bool bIsCDO = (Params.SetFlags & RF_ClassDefaultObject) != 0;
	checkf(bIsCDO || !Class->HasAnyClassFlags(CLASS_Abstract), TEXT("Cannot create an object of the abstract class %s"), *Class->GetName());
	checkf(!Params.Template || bIsCDO || Params.Template->IsA(Class), TEXT("StaticConstructObject %s is not a subclass of the template %s"), *Class->GetName(), *Params.Template->GetClass()->GetName());

	FName Name = Params.Name;
	if (Name.IsNone())
	{
		Name = MakeUniqueObjectName(Params.Outer, Class);
	}
	else if (UObject* Existing = FUObjectArray::Get().FindByOuterAndName(Params.Outer, Name))
	{
		// The engine reuses the slot of an object with the same name, so the old one is no longer in its outer; here it
		// is retired to the transient package until the next collection.
		Existing->Rename(nullptr, GetTransientPackage(), REN_DontCreateRedirectors);
		Existing->MarkAsGarbage();
	}

	UObject* Archetype = Params.Template;
	if (!Archetype)
	{
		if (bIsCDO)
		{
			UClass* Super = Class->GetSuperClass();
			Archetype = Super && !Class->IsNative() ? Super->GetDefaultObject() : nullptr;
		}
		else
		{
			Archetype = Class->GetDefaultObject();
		}
	}

	UObject* Object = AllocateAndConstruct(Class, Params.Outer, Name, Params.SetFlags, Archetype);

	// Native constructors already gave a native class's properties the values of its defaults; the
	// archetype's values are copied when it is not those defaults (a template object), or for what
	// content adds on top of the native class.
	if (Archetype)
	{
		const bool bArchetypeIsNativeDefaults = Archetype->HasAnyFlags(RF_ClassDefaultObject) && Archetype->GetClass()->IsNative() && Class->IsNative();
		if (!bArchetypeIsNativeDefaults)
		{
			UObject* ClassDefaults = bIsCDO ? nullptr : Class->GetDefaultObject();
			for (FProperty* Property = Archetype->GetClass()->PropertyLink; Property; Property = Property->PropertyLinkNext)
			{
				if (!Class->IsChildOf(Property->GetOwnerStruct()))
				{
					continue;
				}
				const bool bFromClassDefaults = Params.bCopyTransientsFromClassDefaults && Property->HasAnyPropertyFlags(CPF_Transient) && ClassDefaults;
				Property->CopyCompleteValue_InContainer(Object, bFromClassDefaults ? ClassDefaults : Archetype);
			}
		}
	}
	if (Params.PropertyInitCallback)
	{
		Params.PropertyInitCallback();
	}
	Object->PostInitProperties();
	return Object;
}

UPackage* GetTransientPackage()
{
	static UPackage* TransientPackage = nullptr;
	if (!TransientPackage)
	{
		TransientPackage = CreatePackage(TEXT("/Engine/Transient"));
		TransientPackage->SetFlags(RF_Transient);
		TransientPackage->AddToRoot();
	}
	return TransientPackage;
}

UPackage* CreatePackage(const TCHAR* PackageName)
{
	FString Name = PackageName ? FString(PackageName) : FString();
	if (Name.IsEmpty())
	{
		Name = MakeUniqueObjectName(nullptr, UPackage::StaticClass(), FName(TEXT("/Temp/Untitled"))).ToString();
	}
	if (UObject* Existing = FUObjectArray::Get().FindByOuterAndName(nullptr, FName(*Name)))
	{
		return Cast<UPackage>(Existing);
	}
	return NewObject<UPackage>(nullptr, UPackage::StaticClass(), FName(*Name), RF_Public);
}

UPackage* FindPackage(UObject* InOuter, const TCHAR* PackageName)
{
	return Cast<UPackage>(FUObjectArray::Get().FindByOuterAndName(InOuter, FName(PackageName)));
}

UPackage* LoadPackage(UPackage* InOuter, const TCHAR* InLongPackageNameOrFilename, uint32 LoadFlags, FArchive* InReaderOverride, const FLinkerInstancingContext* InstancingContext)
{
	FString PackageName = InLongPackageNameOrFilename;
	if (!PackageName.StartsWith(TEXT("/")) || PackageName.EndsWith(FPackageName::GetAssetPackageExtension()) || PackageName.EndsWith(FPackageName::GetMapPackageExtension()))
	{
		FString Converted;
		if (FPackageName::TryConvertFilenameToLongPackageName(PackageName, Converted))
		{
			PackageName = Converted;
		}
	}
	return UE::StandIn::LoadPackageFromDisk(PackageName, LoadFlags);
}

UObject* StaticFindObjectFast(UClass* Class, UObject* InOuter, FName InName, bool bExactClass)
{
	UObject* Found = FUObjectArray::Get().FindByOuterAndName(InOuter, InName);
	if (Found && Class && (bExactClass ? Found->GetClass() != Class : !Found->IsA(Class)))
	{
		return nullptr;
	}
	return Found;
}

UObject* StaticFindObject(UClass* Class, UObject* InOuter, const TCHAR* Name, bool bExactClass)
{
	if (InOuter)
	{
		return StaticFindObjectFast(Class, InOuter, FName(Name), bExactClass);
	}
	UObject* Found = FindObjectByPath(nullptr, Name);
	if (Found && Class && (bExactClass ? Found->GetClass() != Class : !Found->IsA(Class)))
	{
		return nullptr;
	}
	return Found;
}

UObject* StaticLoadObject(UClass* Class, UObject* InOuter, const TCHAR* Name, const TCHAR* Filename, uint32 LoadFlags, UPackageMap* Sandbox, bool bAllowObjectReconciliation, const FLinkerInstancingContext* InstancingContext)
{
	FString Path = Name ? FString(Name) : FString();
	if (InOuter)
	{
		Path = InOuter->GetPathName() + TEXT(".") + Path;
	}
	UObject* Result = FindObjectByPath(nullptr, Path);
	if (!Result)
	{
		const FString PackageName = FPackageName::ObjectPathToPackageName(Path);
		if (!PackageName.IsEmpty() && !FPackageName::IsScriptPackage(PackageName))
		{
			UE::StandIn::LoadPackageFromDisk(PackageName, LoadFlags);
			Result = FindObjectByPath(nullptr, Path);
		}
	}
	// A redirector left at an asset's old path stands for its destination, unless the redirector is what is asked for.
	// A chain that leads back to itself is not followed for ever.
	constexpr int32 MaxRedirects = 16;
	for (int32 Hop = 0; Hop < MaxRedirects && Cast<UObjectRedirector>(Result); ++Hop)
	{
		if ((Class && Class->IsChildOf(UObjectRedirector::StaticClass())) || (LoadFlags & LOAD_NoRedirects))
		{
			break;
		}
		Result = Cast<UObjectRedirector>(Result)->DestinationObject;
	}
	if (Result && Class && !Result->IsA(Class))
	{
		Result = nullptr;
	}
	if (!Result && !(LoadFlags & (LOAD_NoWarn | LOAD_Quiet)))
	{
		UE_LOG(LogUObjectGlobals, Warning, TEXT("Failed to find object '%s %s'"), Class ? *Class->GetName() : TEXT("Object"), *Path);
	}
	return Result;
}

UClass* StaticLoadClass(UClass* BaseClass, UObject* InOuter, const TCHAR* Name, const TCHAR* Filename, uint32 LoadFlags, UPackageMap* Sandbox)
{
	UClass* Class = Cast<UClass>(StaticLoadObject(UClass::StaticClass(), InOuter, Name, Filename, LoadFlags, Sandbox));
	if (Class && BaseClass && !Class->IsChildOf(BaseClass))
	{
		UE_LOG(LogUObjectGlobals, Error, TEXT("LoadClass: '%s' is not a child class of '%s'"), Name, *BaseClass->GetPathName());
		return nullptr;
	}
	return Class;
}

FName MakeUniqueObjectName(UObject* Outer, const UClass* Class, FName BaseName)
{
	const FString Base = BaseName.IsNone() ? Class->GetName() : BaseName.GetPlainNameString();
	static TMap<FString, int32> Counters;
	int32& Counter = Counters.FindOrAdd(Base);
	while (true)
	{
		const FName Candidate(*Base, Counter + 1);
		++Counter;
		if (!FUObjectArray::Get().FindByOuterAndName(Outer, Candidate))
		{
			return Candidate;
		}
	}
}
