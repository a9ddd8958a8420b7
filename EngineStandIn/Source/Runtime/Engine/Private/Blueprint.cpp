#include "Engine/Blueprint.h"

#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/UnrealType.h"

#if WITH_EDITOR
void UBlueprint::PostDuplicate(bool bDuplicateForPIE)
{
	Super::PostDuplicate(bDuplicateForPIE);
	// The editor compiles a duplicated blueprint into a class of its own, beside it in its package, whose defaults
	// start as the source class's. Nothing is compiled here: the source class is copied, defaults and all.
	UClass* SourceClass = GeneratedClass;
	if (bDuplicateForPIE || !SourceClass || SourceClass->GetPackage() == GetPackage())
	{
		return;
	}
	UClass* NewClass = CastChecked<UClass>(StaticDuplicateObject(SourceClass, GetPackage(), FName(*(GetName() + TEXT("_C")))));
	NewClass->ClassGeneratedBy = this;
	GeneratedClass = NewClass;

	const UObject* SourceDefaults = SourceClass->GetDefaultObject();
	UObject* NewDefaults = NewClass->GetDefaultObject();
	for (FProperty* Property = NewClass->PropertyLink; Property; Property = Property->PropertyLinkNext)
	{
		Property->CopyCompleteValue_InContainer(NewDefaults, SourceDefaults);
	}
}
#endif
