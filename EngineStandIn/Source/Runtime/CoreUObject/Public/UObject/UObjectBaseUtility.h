#pragma once

#include "UObject/UObjectBase.h"

class UPackage;

class COREUOBJECT_API UObjectBaseUtility : public UObjectBase
{
public:
	void SetFlags(EObjectFlags NewFlags) { ObjectFlags |= NewFlags; }
	void ClearFlags(EObjectFlags FlagsToClear) { ObjectFlags &= ~FlagsToClear; }
	bool HasAnyFlags(EObjectFlags FlagsToCheck) const { return (ObjectFlags & FlagsToCheck) != 0; }
	bool HasAllFlags(EObjectFlags FlagsToCheck) const { return (ObjectFlags & FlagsToCheck) == FlagsToCheck; }

	void AddToRoot();
	void RemoveFromRoot();
	bool IsRooted() const;

	void MarkAsGarbage();
	void ClearGarbage();
	bool IsUnreachable() const { return false; }
	bool HasAnyInternalFlags(EInternalObjectFlags Flags) const;

	FString GetName() const { return GetFName().ToString(); }
	FString GetPathName(const UObject* StopOuter = nullptr) const;
	FString GetFullName(const UObject* StopOuter = nullptr) const;
	UPackage* GetPackage() const;
	UPackage* GetOutermost() const { return GetPackage(); }
	UObject* GetOutermostObject() const;

	bool IsA(const UClass* SomeBase) const;
	template<class T>
	bool IsA() const
	{
		return IsA(T::StaticClass());
	}

	bool IsIn(const UObject* SomeOuter) const;
	bool IsTemplate(EObjectFlags TemplateTypes = RF_ArchetypeObject | RF_ClassDefaultObject) const;
	bool IsPackageExternal() const { return false; }

	template<typename T>
	T* GetTypedOuter() const
	{
		return static_cast<T*>(GetTypedOuter(T::StaticClass()));
	}
	UObject* GetTypedOuter(UClass* Target) const;

	void MarkPackageDirty() const;
};
