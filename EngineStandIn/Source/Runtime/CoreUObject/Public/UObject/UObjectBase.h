#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectMacros.h"

class UObject;
class UClass;

// The part of every object the object system itself manages: flags, its slot in the object array,
// class, name and outer.
class COREUOBJECT_API UObjectBase
{
	friend class FUObjectArray;
	friend struct FObjectConstructionContext;
	friend struct FUObjectBootstrap;

protected:
	// Takes class, name, outer and flags from the construction under way (NewObject or a load).
	UObjectBase();

public:
	virtual ~UObjectBase();

	UClass* GetClass() const { return ClassPrivate; }
	UObject* GetOuter() const { return OuterPrivate; }
	FName GetFName() const { return NamePrivate; }
	EObjectFlags GetFlags() const { return ObjectFlags; }
	int32 GetUniqueID() const { return InternalIndex; }

	// True while the pointer names a live object; never reads the memory it points to.
	bool IsValidLowLevel() const;
	bool IsValidLowLevelFast(bool bRecursive = true) const;

	// Renames without any of the checks of Rename; the object system's own moves.
	void LowLevelRename(FName NewName, UObject* NewOuter = nullptr);

protected:
	EObjectFlags ObjectFlags = RF_NoFlags;
	int32 InternalIndex = -1;
	UClass* ClassPrivate = nullptr;
	FName NamePrivate;
	UObject* OuterPrivate = nullptr;

	void SetFlagsTo(EObjectFlags NewFlags) { ObjectFlags = NewFlags; }
	void SetNameAndOuter(FName NewName, UObject* NewOuter);
};
