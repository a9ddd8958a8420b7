#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectMacros.h"

class UObject;
class UClass;

// What UObjectBase's constructor takes its identity from while an object is being made.
struct FObjectConstructionContext
{
	UClass* Class = nullptr;
	UObject* Outer = nullptr;
	FName Name;
	EObjectFlags Flags = RF_NoFlags;
	void* Memory = nullptr;
	size_t Alignment = 0;
	class FObjectInitializer* Initializer = nullptr;

	static FObjectConstructionContext* Current();
	static void Push(FObjectConstructionContext* Context);
	static void Pop();
};

namespace UE::CoreUObject::Private
{
	// Allocates and constructs an object of Class (the native part by its class constructor, then the
	// properties content added), without copying from any archetype.
	UObject* AllocateAndConstruct(UClass* Class, UObject* Outer, FName Name, EObjectFlags Flags, UObject* Template);
	// Destroys an object now: its destroy hooks, its properties and its memory.
	void DestroyObject(UObject* Object);
	// Every object whose outer chain reaches Outer (a package or any other object), parents before children, in
	// creation order.
	TArray<UObject*> GetObjectsInPackage(const UObject* Outer);
	UObject* FindObjectByPath(UClass* Class, const FString& Path);
	// Makes a type object (class, struct, enum, function) or script package that lives as long as the process.
	UObject* ConstructNativeObject(UClass* Class, UObject* Outer, FName Name, size_t Size, size_t Alignment, void (*Construct)(void* Memory));
	UPackage* GetScriptPackage(const TCHAR* PackageName);
}
