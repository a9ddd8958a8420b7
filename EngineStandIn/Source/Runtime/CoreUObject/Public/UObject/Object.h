#pragma once

#include "CoreMinimal.h"
#include "UObject/UObjectBaseUtility.h"
#include "UObject/UObjectGlobals.h"
#include "UObject/ObjectPtr.h"
#include "Templates/Casts.h"

class FProperty;
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
	/** Called on each object StaticDuplicateObject made, once all of them have their values. */
	virtual void PostDuplicate(bool bDuplicateForPIE) {}
	virtual void PostDuplicate(EDuplicateMode::Type DuplicateMode) { PostDuplicate(DuplicateMode == EDuplicateMode::PIE); }
	virtual void BeginDestroy() {}
	virtual void FinishDestroy() {}
	virtual bool IsAsset() const;
	virtual UWorld* GetWorld() const { return nullptr; }
	virtual bool Modify(bool bAlwaysMarkDirty = true);
	virtual bool Rename(const TCHAR* NewName = nullptr, UObject* NewOuter = nullptr, ERenameFlags Flags = REN_None);

	static void AddReferencedObjects(UObject* InThis, FReferenceCollector& Collector) {}

	/** Lets a class keep its config under another section name than its path (one moved to another module). */
	virtual void OverrideConfigSection(FString& SectionName) {}
	/** Reads this object's config properties from the class's section of its Default<Config>.ini (or Filename). */
	void LoadConfig(UClass* ConfigClass = nullptr, const TCHAR* Filename = nullptr, uint32 PropagationFlags = 0, FProperty* PropertyToLoad = nullptr);
	/** The project's Config/Default<ClassConfigName>.ini. */
	FString GetDefaultConfigFilename() const;
	/**
	 * Writes this object's config properties into the class's section of its default config file (or of
	 * SpecificFileLocation), keeping the rest of the file. False when the file cannot be written (read-only).
	 */
	bool TryUpdateDefaultConfigFile(const FString& SpecificFileLocation = TEXT(""), bool bWarnIfFail = true);
	UE_DEPRECATED(5.0, "UpdateDefaultConfigFile has been deprecated, please use TryUpdateDefaultConfigFile instead.")
	void UpdateDefaultConfigFile(const FString& SpecificFileLocation = TEXT(""));

	bool ConditionalBeginDestroy();
};

// An object is valid when it exists and is not marked as garbage.
COREUOBJECT_API bool IsValid(const UObject* Test);
