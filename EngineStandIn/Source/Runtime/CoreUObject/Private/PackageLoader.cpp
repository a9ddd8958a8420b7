#include "PackageLoader.h"

#include "UObject/Class.h"
#include "UObject/UnrealType.h"
#include "UObject/Package.h"
#include "Misc/PackageName.h"
#include "Misc/FileHelper.h"
#include "ObjectConstruction.h"
#include "PackageThumbnails.h"
#include "PropertySerialization.h"
#include "UObjectArray.h"

using json = UE::StandIn::FJson;

namespace UE::StandIn
{
	namespace
	{
		struct FObjectEntry
		{
			FString Name;
			FString ClassPath;
			int32 Outer = -1;
			EObjectFlags Flags = RF_NoFlags;
			const json* Properties = nullptr;
			const json* Struct = nullptr;
		};

		bool ReadEntries(const json& Document, TArray<FObjectEntry>& OutEntries, FString& OutError)
		{
			if (!Document.is_object())
			{
				OutError = TEXT("it is not a package document");
				return false;
			}
			if (!Document.contains("Format") || Document["Format"] != PackageFormatTag)
			{
				OutError = TEXT("it is not a package file of this engine");
				return false;
			}
			if (!Document.contains("Version") || !Document["Version"].is_number_integer() || Document["Version"].get<int32>() != PackageFormatVersion)
			{
				OutError = FString::Printf(TEXT("its format version is not %d"), PackageFormatVersion);
				return false;
			}
			if (!Document.contains("Objects") || !Document["Objects"].is_array())
			{
				OutError = TEXT("it has no object list");
				return false;
			}
			const json& Objects = Document["Objects"];
			for (int32 Index = 0; Index < (int32)Objects.size(); ++Index)
			{
				const json& Object = Objects[Index];
				if (!Object.is_object() || !Object.contains("Name") || !Object["Name"].is_string() || !Object.contains("Class") || !Object["Class"].is_string())
				{
					OutError = FString::Printf(TEXT("object %d has no name or class"), Index);
					return false;
				}
				FObjectEntry Entry;
				Entry.Name = FromJsonString(Object["Name"].get<std::string>());
				Entry.ClassPath = FromJsonString(Object["Class"].get<std::string>());
				if (Object.contains("Outer"))
				{
					if (!Object["Outer"].is_number_integer() || Object["Outer"].get<int32>() >= Index || Object["Outer"].get<int32>() < -1)
					{
						OutError = FString::Printf(TEXT("object %s has an outer that is not an earlier object"), *Entry.Name);
						return false;
					}
					Entry.Outer = Object["Outer"].get<int32>();
				}
				if (Object.contains("Flags") && Object["Flags"].is_number_unsigned())
				{
					Entry.Flags = EObjectFlags(Object["Flags"].get<uint32>() & (RF_Public | RF_Standalone | RF_Transactional | RF_ClassDefaultObject | RF_ArchetypeObject));
				}
				Entry.Properties = Object.contains("Properties") ? &Object["Properties"] : nullptr;
				Entry.Struct = Object.contains("Struct") ? &Object["Struct"] : nullptr;
				if (Entry.Name.IsEmpty())
				{
					OutError = FString::Printf(TEXT("object %d has an empty name"), Index);
					return false;
				}
				OutEntries.Add(MoveTemp(Entry));
			}
			return true;
		}

		// Content-defined classes (blueprint classes) carry their super class and added properties.
		bool SetUpContentStruct(UStruct* Struct, const json& Description, UPackage* Package, FString& OutError)
		{
			if (!Description.contains("SuperStruct") || !Description["SuperStruct"].is_string())
			{
				OutError = FString::Printf(TEXT("type %s has no super type"), *Struct->GetName());
				return false;
			}
			const FString SuperPath = FromJsonString(Description["SuperStruct"].get<std::string>());
			UStruct* Super = Cast<UStruct>(StaticLoadObject(UStruct::StaticClass(), nullptr, *SuperPath, nullptr, LOAD_NoWarn));
			if (!Super)
			{
				OutError = FString::Printf(TEXT("type %s derives from %s, which does not exist"), *Struct->GetName(), *SuperPath);
				return false;
			}
			Struct->SetSuperStruct(Super);
			Struct->PropertiesSize = Super->PropertiesSize;
			Struct->MinAlignment = Super->MinAlignment;
			Struct->NativeSize = 0;
			if (UClass* Class = Cast<UClass>(Struct))
			{
				UClass* SuperClass = CastChecked<UClass>(Super);
				Class->ClassConstructor = SuperClass->ClassConstructor;
				Class->ClassAddReferencedObjects = SuperClass->ClassAddReferencedObjects;
				Class->ClassFlags = EClassFlags(SuperClass->ClassFlags & ~(CLASS_Native | CLASS_Intrinsic | CLASS_Abstract)) | CLASS_CompiledFromBlueprint;
				Class->ClassConfigName = SuperClass->ClassConfigName;
				Class->ClassWithin = SuperClass->ClassWithin;
				Class->NativeSize = SuperClass->NativeSize;
			}
			if (Description.contains("Properties"))
			{
				const json& Properties = Description["Properties"];
				if (!Properties.is_array())
				{
					OutError = FString::Printf(TEXT("type %s has a property list that is not an array"), *Struct->GetName());
					return false;
				}
				for (const json& PropertyDesc : Properties)
				{
					FProperty* Property = CreateContentProperty(Struct, PropertyDesc, OutError);
					if (!Property)
					{
						return false;
					}
					Struct->AddCppProperty(Property);
				}
			}
			Struct->StaticLink();
			return true;
		}
	}

	FProperty* CreateContentProperty(UStruct* Owner, const json& Description, FString& OutError)
	{
		if (!Description.is_object() || !Description.contains("Name") || !Description["Name"].is_string() || !Description.contains("Type") || !Description["Type"].is_string())
		{
			OutError = FString::Printf(TEXT("a property of %s has no name or type"), *Owner->GetName());
			return nullptr;
		}
		const FName Name(*FromJsonString(Description["Name"].get<std::string>()));
		const std::string Type = Description["Type"].get<std::string>();
		const EPropertyFlags Flags = Description.contains("Flags") && Description["Flags"].is_number_unsigned() ? Description["Flags"].get<uint64>() : CPF_Edit | CPF_BlueprintVisible;
		UClass* PropertyClass = UObject::StaticClass();
		if (Description.contains("PropertyClass") && Description["PropertyClass"].is_string())
		{
			PropertyClass = Cast<UClass>(StaticLoadObject(UClass::StaticClass(), nullptr, *FromJsonString(Description["PropertyClass"].get<std::string>()), nullptr, LOAD_NoWarn));
			if (!PropertyClass)
			{
				OutError = FString::Printf(TEXT("property %s refers to a class that does not exist"), *Name.ToString());
				return nullptr;
			}
		}
		// Offsets are laid out by StaticLink.
		constexpr int32 Unlaid = -1;
		if (Type == "Object")
		{
			return new FObjectProperty(Owner, nullptr, Name, Flags, Unlaid, PropertyClass);
		}
		if (Type == "SoftObject")
		{
			return new FSoftObjectProperty(Owner, nullptr, Name, Flags, Unlaid, PropertyClass);
		}
		if (Type == "Class")
		{
			return new FClassProperty(Owner, nullptr, Name, Flags, Unlaid, PropertyClass);
		}
		if (Type == "Bool")
		{
			return new FBoolProperty(Owner, nullptr, Name, Flags, Unlaid);
		}
		if (Type == "Int")
		{
			return new FIntProperty(Owner, nullptr, Name, Flags, Unlaid);
		}
		if (Type == "Float")
		{
			return new FFloatProperty(Owner, nullptr, Name, Flags, Unlaid);
		}
		if (Type == "String")
		{
			return new FStrProperty(Owner, nullptr, Name, Flags, Unlaid);
		}
		if (Type == "Name")
		{
			return new FNameProperty(Owner, nullptr, Name, Flags, Unlaid);
		}
		OutError = FString::Printf(TEXT("property %s has the unknown type %s"), *Name.ToString(), *FromJsonString(Type));
		return nullptr;
	}

	bool CopyContentStructLayout(const UStruct* Source, UStruct* Dest, FString& OutError)
	{
		json Description;
		Description["SuperStruct"] = Source->GetSuperStruct() ? json(ToJsonString(Source->GetSuperStruct()->GetPathName())) : json(nullptr);
		Description["Properties"] = json::array();
		for (FField* Field = Source->ChildProperties; Field; Field = Field->Next)
		{
			Description["Properties"].push_back(DescribeContentProperty(static_cast<FProperty*>(Field)));
		}
		return SetUpContentStruct(Dest, Description, Dest->GetPackage(), OutError);
	}

	UPackage* LoadPackageFromDisk(const FString& LongPackageName, uint32 LoadFlags)
	{
		if (UPackage* Existing = FindPackage(nullptr, *LongPackageName))
		{
			if (Existing->HasAnyFlags(RF_WasLoaded) || !Existing->GetLoadedPathString().IsEmpty())
			{
				return Existing;
			}
		}
		FString Filename;
		if (!FPackageName::DoesPackageExist(LongPackageName, &Filename))
		{
			if (!(LoadFlags & (LOAD_NoWarn | LOAD_Quiet)))
			{
				UE_LOG(LogLinker, Warning, TEXT("Can't find file for package '%s'"), *LongPackageName);
			}
			return nullptr;
		}
		FString Text;
		if (!FFileHelper::LoadFileToString(Text, *Filename))
		{
			UE_LOG(LogLinker, Error, TEXT("Failed to load '%s': the file cannot be read"), *Filename);
			return nullptr;
		}
		const json Document = json::parse(ToJsonString(Text), nullptr, false);
		if (Document.is_discarded())
		{
			UE_LOG(LogLinker, Error, TEXT("Failed to load '%s': it is not a valid package (damaged or truncated)"), *Filename);
			return nullptr;
		}
		TArray<FObjectEntry> Entries;
		FString Error;
		if (!ReadEntries(Document, Entries, Error))
		{
			UE_LOG(LogLinker, Error, TEXT("Failed to load '%s': %s"), *Filename, *Error);
			return nullptr;
		}
		FThumbnailMap Thumbnails;
		if (!ReadThumbnails(Document, Thumbnails, Error))
		{
			UE_LOG(LogLinker, Error, TEXT("Failed to load '%s': %s"), *Filename, *Error);
			return nullptr;
		}

		// Every class must be known before anything is made, so a bad file leaves nothing behind.
		const FString PackagePrefix = LongPackageName + TEXT(".");
		TArray<UClass*> Classes;
		for (const FObjectEntry& Entry : Entries)
		{
			UClass* Class = nullptr;
			if (!Entry.ClassPath.StartsWith(PackagePrefix))
			{
				Class = Cast<UClass>(StaticLoadObject(UClass::StaticClass(), nullptr, *Entry.ClassPath, nullptr, LOAD_NoWarn));
				if (!Class)
				{
					UE_LOG(LogLinker, Error, TEXT("Failed to load '%s': object %s is of the class %s, which does not exist"), *Filename, *Entry.Name, *Entry.ClassPath);
					return nullptr;
				}
			}
			Classes.Add(Class);
		}

		const bool bPackageExisted = FindPackage(nullptr, *LongPackageName) != nullptr;
		UPackage* Package = CreatePackage(*LongPackageName);
		Package->SetLoadedPath(Filename);
		TArray<UObject*> Created;
		auto Abandon = [&](const FString& Why)
		{
			UE_LOG(LogLinker, Error, TEXT("Failed to load '%s': %s"), *Filename, *Why);
			for (int32 Index = Created.Num() - 1; Index >= 0; --Index)
			{
				UE::CoreUObject::Private::DestroyObject(Created[Index]);
			}
			Package->SetLoadedPath(FString());
			if (!bPackageExisted)
			{
				UE::CoreUObject::Private::DestroyObject(Package);
			}
			return nullptr;
		};

		for (int32 Index = 0; Index < Entries.Num(); ++Index)
		{
			const FObjectEntry& Entry = Entries[Index];
			UClass* Class = Classes[Index];
			if (!Class)
			{
				// A class saved in this same package: one of the objects made before this one.
				Class = Cast<UClass>(UE::CoreUObject::Private::FindObjectByPath(nullptr, Entry.ClassPath));
				if (!Class)
				{
					return Abandon(FString::Printf(TEXT("object %s is of the class %s, which is not in the package"), *Entry.Name, *Entry.ClassPath));
				}
			}
			UObject* Outer = Entry.Outer < 0 ? (UObject*)Package : Created[Entry.Outer];
			UObject* Existing = StaticFindObjectFast(nullptr, Outer, FName(*Entry.Name));
			if (Existing && Existing->GetClass() == Class && Existing->HasAnyFlags(RF_ClassDefaultObject))
			{
				Created.Add(Existing);
				continue;
			}
			FStaticConstructObjectParameters Params(Class);
			Params.Outer = Outer;
			Params.Name = FName(*Entry.Name);
			Params.SetFlags = Entry.Flags | RF_WasLoaded | RF_NeedLoad;
			UObject* Object = StaticConstructObject_Internal(Params);
			Created.Add(Object);
			if (Entry.Struct)
			{
				UStruct* Struct = Cast<UStruct>(Object);
				if (!Struct || !SetUpContentStruct(Struct, *Entry.Struct, Package, Error))
				{
					return Abandon(Struct ? Error : FString::Printf(TEXT("object %s describes a type but is no type"), *Entry.Name));
				}
			}
			if (Entry.Flags & RF_ClassDefaultObject)
			{
				Class->ClassDefaultObject = Object;
			}
		}

		FLoadContext Context;
		Context.Package = Package;
		Context.ResolveObject = [](const FString& Path) -> UObject*
		{
			return StaticLoadObject(UObject::StaticClass(), nullptr, *Path, nullptr, LOAD_NoWarn);
		};
		for (int32 Index = 0; Index < Entries.Num(); ++Index)
		{
			if (Entries[Index].Properties && !ReadProperties(Created[Index]->GetClass(), Created[Index], *Entries[Index].Properties, Context))
			{
				return Abandon(FString::Printf(TEXT("object %s: %s"), *Entries[Index].Name, *Context.Error));
			}
		}
#if WITH_EDITORONLY_DATA
		// The editor reads a package's thumbnails with it, so saving it again keeps them.
		if (Thumbnails.Num() > 0)
		{
			Package->AccessThumbnailMap() = MoveTemp(Thumbnails);
		}
#endif
		Package->SetFlags(RF_WasLoaded);
		for (UObject* Object : Created)
		{
			Object->ClearFlags(RF_NeedLoad);
			Object->SetFlags(RF_LoadCompleted);
			Object->PostLoad();
		}
		Package->SetDirtyFlag(false);
		return Package;
	}
}
