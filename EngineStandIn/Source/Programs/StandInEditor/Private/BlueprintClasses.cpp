#include "BlueprintClasses.h"

#include "Engine/Blueprint.h"
#include "UObject/Class.h"
#include "UObject/SoftObjectPtr.h"
#include "UObject/UnrealType.h"

namespace UE::StandInEditor
{
	namespace
	{
		// A class made by content takes everything native from its parent, as a loaded blueprint class does.
		void DeriveFrom(UClass* Class, UClass* Parent)
		{
			Class->SetSuperStruct(Parent);
			Class->PropertiesSize = Parent->PropertiesSize;
			Class->MinAlignment = Parent->MinAlignment;
			Class->ClassConstructor = Parent->ClassConstructor;
			Class->ClassAddReferencedObjects = Parent->ClassAddReferencedObjects;
			Class->ClassFlags = EClassFlags(Parent->ClassFlags & ~(CLASS_Native | CLASS_Intrinsic | CLASS_Abstract)) | CLASS_CompiledFromBlueprint;
			Class->ClassConfigName = Parent->ClassConfigName;
			Class->ClassWithin = Parent->ClassWithin;
			Class->NativeSize = Parent->NativeSize;
		}
	}

	UClass* CompileBlueprintClass(UBlueprint* Blueprint, UClass* Parent, UClass* GeneratedClassType, const TArray<FBlueprintReference>& References)
	{
		const FName ClassName(*(Blueprint->GetName() + TEXT("_C")));
		UClass* Class = NewObject<UClass>(Blueprint->GetOuter(), GeneratedClassType, ClassName, RF_Public);
		DeriveFrom(Class, Parent);
		constexpr int32 LaidOutByLink = -1;
		for (const FBlueprintReference& Reference : References)
		{
			if (Reference.SoftPath.IsEmpty())
			{
				Class->AddCppProperty(new FObjectProperty(Class, nullptr, Reference.PropertyName, CPF_Edit | CPF_BlueprintVisible, LaidOutByLink, Reference.PropertyClass));
			}
			else
			{
				Class->AddCppProperty(new FSoftObjectProperty(Class, nullptr, Reference.PropertyName, CPF_Edit | CPF_BlueprintVisible, LaidOutByLink, Reference.PropertyClass));
			}
		}
		Class->StaticLink();
#if WITH_EDITORONLY_DATA
		Class->ClassGeneratedBy = Blueprint;
		Blueprint->ParentClass = Parent;
#endif
		Blueprint->GeneratedClass = Class;

		UObject* Defaults = Class->GetDefaultObject();
		for (const FBlueprintReference& Reference : References)
		{
			FProperty* Property = Class->FindPropertyByName(Reference.PropertyName);
			if (Reference.SoftPath.IsEmpty())
			{
				CastFieldChecked<FObjectProperty>(Property)->SetObjectPropertyValue_InContainer(Defaults, Reference.Object);
			}
			else
			{
				*Property->ContainerPtrToValuePtr<FSoftObjectPtr>(Defaults) = FSoftObjectPath(Reference.SoftPath);
			}
		}
		return Class;
	}
}
