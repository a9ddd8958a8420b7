#include "UObject/UObjectGlobals.h"

#include "UObject/Class.h"
#include "UObject/Object.h"
#include "UObject/Package.h"
#include "UObject/UnrealType.h"
#include "UObject/UObjectHash.h"
#include "PackageLoader.h"

namespace
{
	// The flags a duplicate can take over from its source; the load and destruction states are the source's own.
	constexpr EObjectFlags DuplicableFlags = RF_Public | RF_Standalone | RF_Transactional | RF_Transient | RF_TextExportTransient
		| RF_ArchetypeObject | RF_DefaultSubObject | RF_DuplicateTransient | RF_NonPIEDuplicateTransient;

	EPropertyFlags GetPropertiesNotDuplicated(EDuplicateMode::Type DuplicateMode)
	{
		return CPF_Transient | CPF_DuplicateTransient | (DuplicateMode == EDuplicateMode::PIE ? CPF_None : CPF_NonPIEDuplicateTransient);
	}

	EObjectFlags GetObjectsNotDuplicated(EDuplicateMode::Type DuplicateMode)
	{
		return RF_DuplicateTransient | (DuplicateMode == EDuplicateMode::PIE ? RF_NoFlags : RF_NonPIEDuplicateTransient);
	}

	// The source and the objects inside it, each outer before what it holds, in creation order. What is inside an
	// object that is not duplicated is not either.
	TArray<UObject*> GatherObjectsToDuplicate(UObject* Source, EDuplicateMode::Type DuplicateMode)
	{
		TArray<UObject*> Objects = {Source};
		TSet<UObject*> Included = {Source};
		TArray<UObject*> Inner;
		GetObjectsWithOuter(Source, Inner, true);
		for (UObject* Object : Inner)
		{
			if (Included.Contains(Object->GetOuter()) && IsValid(Object) && !Object->HasAnyFlags(GetObjectsNotDuplicated(DuplicateMode)))
			{
				Objects.Add(Object);
				Included.Add(Object);
			}
		}
		return Objects;
	}

	class FDuplicateReferenceFixer : public FReferenceVisitor
	{
	public:
		explicit FDuplicateReferenceFixer(const TMap<UObject*, UObject*>& InDuplicates) : Duplicates(InDuplicates) {}

		virtual void VisitObject(UObject*& Object, const FProperty* Property) override
		{
			if (UObject* const* Duplicate = Duplicates.Find(Object))
			{
				Object = *Duplicate;
			}
		}

	private:
		const TMap<UObject*, UObject*>& Duplicates;
	};
}

// The engine writes the source and its inner objects into a memory archive and reads them back into new
// objects; here the reflected values are copied directly, with the same outcome: the same values, references
// between the duplicated objects pointing at the duplicates, references to anything else kept.
UObject* StaticDuplicateObject(UObject const* SourceObject, UObject* DestOuter, const FName DestName, EObjectFlags FlagMask, UClass* DestClass, EDuplicateMode::Type DuplicateMode, EInternalObjectFlags InternalFlagsMask)
{
	if (!SourceObject)
	{
		return nullptr;
	}
	checkf(DestOuter || (DestClass ? DestClass : SourceObject->GetClass())->IsChildOf(UPackage::StaticClass()), TEXT("StaticDuplicateObject of %s with no outer"), *SourceObject->GetName());
	UObject* Source = const_cast<UObject*>(SourceObject);
	const TArray<UObject*> Sources = GatherObjectsToDuplicate(Source, DuplicateMode);

	TMap<UObject*, UObject*> Duplicates;
	TArray<UObject*> Created;
	for (UObject* Object : Sources)
	{
		const bool bIsRoot = Object == Source;
		FStaticConstructObjectParameters Params(bIsRoot && DestClass ? DestClass : Object->GetClass());
		Params.Outer = bIsRoot ? DestOuter : Duplicates.FindChecked(Object->GetOuter());
		Params.Name = bIsRoot ? DestName : Object->GetFName();
		Params.SetFlags = Object->GetFlags() & DuplicableFlags & FlagMask;
		UObject* Duplicate = StaticConstructObject_Internal(Params);
		// A class defined by content has its layout in the class object; a native one is never duplicated.
		if (const UClass* SourceClass = Cast<UClass>(Object); SourceClass && !SourceClass->IsNative())
		{
			FString Error;
			if (!UE::StandIn::CopyContentStructLayout(SourceClass, CastChecked<UStruct>(Duplicate), Error))
			{
				UE_LOG(LogUObjectGlobals, Error, TEXT("Cannot duplicate %s: %s"), *Object->GetPathName(), *Error);
			}
		}
		Duplicates.Add(Object, Duplicate);
		Created.Add(Duplicate);
	}

	const EPropertyFlags NotDuplicated = GetPropertiesNotDuplicated(DuplicateMode);
	for (UObject* Object : Sources)
	{
		UObject* Duplicate = Duplicates.FindChecked(Object);
		for (FProperty* Property = Duplicate->GetClass()->PropertyLink; Property; Property = Property->PropertyLinkNext)
		{
			if (!Property->HasAnyPropertyFlags(NotDuplicated) && Object->GetClass()->IsChildOf(Property->GetOwnerStruct()))
			{
				Property->CopyCompleteValue_InContainer(Duplicate, Object);
			}
		}
	}
	FDuplicateReferenceFixer Fixer(Duplicates);
	for (UObject* Duplicate : Created)
	{
		for (FProperty* Property = Duplicate->GetClass()->PropertyLink; Property; Property = Property->PropertyLinkNext)
		{
			Property->VisitReferences_InContainer(Duplicate, Fixer);
		}
	}
	for (UObject* Duplicate : Created)
	{
		Duplicate->PostDuplicate(DuplicateMode);
	}
	return Duplicates.FindChecked(Source);
}
