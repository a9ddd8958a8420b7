#pragma once

#include "CoreMinimal.h"
#include "UObject/UObjectBaseUtility.h"
#include "UObject/UObjectGlobals.h"
#include "UObject/ObjectPtr.h"
#include "Templates/Casts.h"

class FReferenceCollector;
class UWorld;

#define DECLARE_CLASS_INTRINSIC_NO_CTOR(TClass, TSuperClass, TPackage) \
public: \
	using ThisClass = TClass; \
	using Super = TSuperClass; \
	static UClass* StaticClass(); \
	static const TCHAR* StaticPackage() { return TEXT(TPackage); }

// The root of every class. Its reflection is written by hand, as the engine's own intrinsic classes are.
class COREUOBJECT_API UObject : public UObjectBaseUtility
{
public:
	using ThisClass = UObject;
	using Super = UObject;
	static UClass* StaticClass();
	static const TCHAR* StaticPackage() { return TEXT("/Script/CoreUObject"); }

	UObject() = default;
	explicit UObject(const FObjectInitializer& ObjectInitializer) {}

	virtual void PostInitProperties() {}
	virtual void PostLoad() {}
	virtual void BeginDestroy() {}
	virtual void FinishDestroy() {}
	virtual bool IsAsset() const;
	virtual UWorld* GetWorld() const { return nullptr; }
	virtual bool Modify(bool bAlwaysMarkDirty = true);
	virtual bool Rename(const TCHAR* NewName = nullptr, UObject* NewOuter = nullptr, ERenameFlags Flags = REN_None);

	static void AddReferencedObjects(UObject* InThis, FReferenceCollector& Collector) {}

	bool ConditionalBeginDestroy();
};

// An object is valid when it exists and is not marked as garbage.
COREUOBJECT_API bool IsValid(const UObject* Test);
