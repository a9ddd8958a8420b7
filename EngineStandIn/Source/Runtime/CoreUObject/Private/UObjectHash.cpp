#include "UObject/UObjectHash.h"
#include "UObject/Object.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "ObjectConstruction.h"
#include "UObjectArray.h"

namespace
{
	bool IsExcluded(const UObject* Object, EObjectFlags ExclusionFlags, EInternalObjectFlags ExclusionInternalFlags)
	{
		return Object->HasAnyFlags(ExclusionFlags) || (ExclusionInternalFlags != EInternalObjectFlags::None && Object->HasAnyInternalFlags(ExclusionInternalFlags));
	}
}

void GetObjectsWithOuter(const UObject* Outer, TArray<UObject*>& Results, bool bIncludeNestedObjects, EObjectFlags ExclusionFlags, EInternalObjectFlags ExclusionInternalFlags)
{
	ForEachObjectWithOuter(Outer, [&Results](UObject* Object) { Results.Add(Object); }, bIncludeNestedObjects, ExclusionFlags, ExclusionInternalFlags);
}

void ForEachObjectWithOuter(const UObject* Outer, TFunctionRef<void(UObject*)> Operation, bool bIncludeNestedObjects, EObjectFlags ExclusionFlags, EInternalObjectFlags ExclusionInternalFlags)
{
	TArray<UObject*> Found;
	if (bIncludeNestedObjects)
	{
		for (UObject* Object : UE::CoreUObject::Private::GetObjectsInPackage(Outer))
		{
			Found.Add(Object);
		}
	}
	else
	{
		FUObjectArray::Get().ForEachWithOuter(Outer, [&Found](UObject* Object) { Found.Add(Object); });
	}
	for (UObject* Object : Found)
	{
		if (!IsExcluded(Object, ExclusionFlags, ExclusionInternalFlags))
		{
			Operation(Object);
		}
	}
}

void GetObjectsWithPackage(const UPackage* Outer, TArray<UObject*>& Results, bool bIncludeNestedObjects, EObjectFlags ExclusionFlags, EInternalObjectFlags ExclusionInternalFlags)
{
	ForEachObjectWithOuter(Outer, [&Results](UObject* Object) { Results.Add(Object); }, bIncludeNestedObjects, ExclusionFlags, ExclusionInternalFlags);
}

bool ForEachObjectWithPackage(const UPackage* Outer, TFunctionRef<bool(UObject*)> Operation, bool bIncludeNestedObjects, EObjectFlags ExclusionFlags, EInternalObjectFlags ExclusionInternalFlags)
{
	TArray<UObject*> Found;
	GetObjectsWithPackage(Outer, Found, bIncludeNestedObjects, ExclusionFlags, ExclusionInternalFlags);
	for (UObject* Object : Found)
	{
		if (!Operation(Object))
		{
			return false;
		}
	}
	return true;
}

void GetObjectsOfClass(const UClass* ClassToLookFor, TArray<UObject*>& Results, bool bIncludeDerivedClasses, EObjectFlags ExcludeFlags, EInternalObjectFlags ExclusionInternalFlags)
{
	for (UObject* Object : FUObjectArray::Get().GetObjectsOfClass(ClassToLookFor, bIncludeDerivedClasses))
	{
		if (!IsExcluded(Object, ExcludeFlags, ExclusionInternalFlags))
		{
			Results.Add(Object);
		}
	}
}
