#include "UObject/Package.h"
#include "UObject/SavePackage.h"
#include "UObject/UnrealType.h"
#include "Misc/PackageName.h"
#include "Misc/Paths.h"
#include "HAL/FileManager.h"
#include "HAL/PlatformFileManager.h"
#include "Misc/FileHelper.h"
#include "Misc/OutputDeviceError.h"
#include "ObjectConstruction.h"
#include "PackageLoader.h"
#include "PackageThumbnails.h"
#include "PropertySerialization.h"

DEFINE_LOG_CATEGORY_STATIC(LogSavePackage, Log, All);

using json = UE::StandIn::FJson;

UPackage::FOnPackageSavedWithContext UPackage::PackageSavedWithContextEvent;

FSavePackageArgs::FSavePackageArgs()
	: Error(GError)
{
}

void UPackage::FullyLoad()
{
	if (GetLoadedPathString().IsEmpty() && FPackageName::DoesPackageExist(GetName()))
	{
		LoadPackage(nullptr, *GetName(), LOAD_None);
	}
}

UObject* UPackage::FindAssetInPackage() const
{
	for (UObject* Object : UE::CoreUObject::Private::GetObjectsInPackage(this))
	{
		if (Object->GetOuter() == this && Object->IsAsset())
		{
			return Object;
		}
	}
	return nullptr;
}

namespace UE::StandIn
{
	json DescribeContentProperty(const FProperty* Property)
	{
		json Description = {{"Name", ToJsonString(Property->GetName())}, {"Flags", Property->PropertyFlags}};
		if (const FClassProperty* ClassProperty = CastField<FClassProperty>(Property))
		{
			Description["Type"] = "Class";
			Description["PropertyClass"] = ToJsonString(ClassProperty->MetaClass->GetPathName());
		}
		else if (const FSoftObjectProperty* Soft = CastField<FSoftObjectProperty>(Property))
		{
			Description["Type"] = "SoftObject";
			Description["PropertyClass"] = ToJsonString(Soft->PropertyClass->GetPathName());
		}
		else if (const FObjectProperty* Object = CastField<FObjectProperty>(Property))
		{
			Description["Type"] = "Object";
			Description["PropertyClass"] = ToJsonString(Object->PropertyClass->GetPathName());
		}
		else if (CastField<FBoolProperty>(Property))
		{
			Description["Type"] = "Bool";
		}
		else if (CastField<FIntProperty>(Property))
		{
			Description["Type"] = "Int";
		}
		else if (CastField<FFloatProperty>(Property))
		{
			Description["Type"] = "Float";
		}
		else if (CastField<FStrProperty>(Property))
		{
			Description["Type"] = "String";
		}
		else if (CastField<FNameProperty>(Property))
		{
			Description["Type"] = "Name";
		}
		return Description;
	}

	namespace
	{
		constexpr EObjectFlags SavedObjectFlags = RF_Public | RF_Standalone | RF_Transactional | RF_ClassDefaultObject | RF_ArchetypeObject;

		void WriteObject(UObject* Object, const TMap<UObject*, int32>& Indices, FSaveContext& Context, FJsonTextWriter& Out)
		{
			Out.BeginObject();
			Out.Key("Name");
			Out.String(Object->GetName());
			Out.Key("Class");
			Out.String(Object->GetClass()->GetPathName());
			Out.Key("Outer");
			Out.Integer(Object->GetOuter() == Context.Package ? -1 : Indices.FindRef(Object->GetOuter()));
			Out.Key("Flags");
			Out.Unsigned((uint32)(Object->GetFlags() & SavedObjectFlags));
			if (Object->GetClass()->GetPackage() != Context.Package)
			{
				Context.Imports.insert(ToJsonString(Object->GetClass()->GetPackage()->GetName()));
			}
			if (UStruct* Struct = Cast<UStruct>(Object))
			{
				Out.Key("Struct");
				Out.BeginObject();
				Out.Key("SuperStruct");
				if (Struct->GetSuperStruct())
				{
					Out.String(Struct->GetSuperStruct()->GetPathName());
				}
				else
				{
					Out.Null();
				}
				if (Struct->GetSuperStruct() && Struct->GetSuperStruct()->GetPackage() != Context.Package)
				{
					Context.Imports.insert(ToJsonString(Struct->GetSuperStruct()->GetPackage()->GetName()));
				}
				Out.Key("Properties");
				Out.BeginArray();
				for (FField* Field = Struct->ChildProperties; Field; Field = Field->Next)
				{
					Out.Value(DescribeContentProperty(static_cast<FProperty*>(Field)));
				}
				Out.EndArray();
				Out.EndObject();
			}
			Out.Key("Properties");
			WriteProperties(Object->GetClass(), Object, Out, Context);
			Out.EndObject();
		}

		void WriteNames(const char* Key, const std::set<std::string>& Names, FJsonTextWriter& Out)
		{
			Out.Key(Key);
			Out.BeginArray();
			for (const std::string& Name : Names)
			{
				Out.String(std::string_view(Name));
			}
			Out.EndArray();
		}
	}
}

bool UPackage::SavePackage(UPackage* InOuter, UObject* InAsset, const TCHAR* Filename, const FSavePackageArgs& SaveArgs)
{
	return Save(InOuter, InAsset, Filename, SaveArgs).IsSuccessful();
}

FSavePackageResultStruct UPackage::Save(UPackage* InOuter, UObject* InAsset, const TCHAR* Filename, const FSavePackageArgs& SaveArgs)
{
	using namespace UE::StandIn;
	if (!InOuter || !Filename)
	{
		UE_LOG(LogSavePackage, Error, TEXT("Save: no package or no file name given"));
		return ESavePackageResult::Error;
	}
	if (InOuter->HasAnyFlags(RF_Transient))
	{
		UE_LOG(LogSavePackage, Error, TEXT("Save: the package %s is transient and cannot be saved"), *InOuter->GetName());
		return ESavePackageResult::Error;
	}

	TArray<UObject*> Objects;
	for (UObject* Object : UE::CoreUObject::Private::GetObjectsInPackage(InOuter))
	{
		if (!Object->HasAnyFlags(RF_Transient) && IsValid(Object))
		{
			Objects.Add(Object);
		}
	}
	TMap<UObject*, int32> Indices;
	for (int32 Index = 0; Index < Objects.Num(); ++Index)
	{
		Indices.Add(Objects[Index], Index);
	}

	IPlatformFile& PlatformFile = FPlatformFileManager::Get().GetPlatformFile();
	if (PlatformFile.FileExists(Filename) && PlatformFile.IsReadOnly(Filename))
	{
		UE_LOG(LogSavePackage, Error, TEXT("Error saving '%s': the file is read-only"), Filename);
		return ESavePackageResult::Error;
	}
	const FString TempFilename = FString(Filename) + TEXT(".tmp");
	auto FailToWrite = [&TempFilename, Filename]()
	{
		IFileManager::Get().Delete(*TempFilename);
		UE_LOG(LogSavePackage, Error, TEXT("Error saving '%s': the file cannot be written"), Filename);
		return FSavePackageResultStruct(ESavePackageResult::Error);
	};
	const FString Directory = FPaths::GetPath(TempFilename);
	if (!Directory.IsEmpty())
	{
		IFileManager::Get().MakeDirectory(*Directory, true);
	}
	TUniquePtr<IFileHandle> TempFile(PlatformFile.OpenWrite(*TempFilename));
	if (!TempFile)
	{
		return FailToWrite();
	}

	FSaveContext Context;
	Context.Package = InOuter;
	// The document is written as text as it is made, in UTF-8, into the file as it is.
	FJsonTextWriter Document(*TempFile);
	Document.BeginObject();
	Document.Key("Format");
	Document.String(std::string_view(PackageFormatTag));
	Document.Key("Version");
	Document.Integer(PackageFormatVersion);
	Document.Key("PackageName");
	Document.String(InOuter->GetName());
	Document.Key("Objects");
	Document.BeginArray();
	for (UObject* Object : Objects)
	{
		if (Object->GetOuter() != InOuter && !Indices.Contains(Object->GetOuter()))
		{
			continue;
		}
		WriteObject(Object, Indices, Context, Document);
	}
	Document.EndArray();
	Context.Imports.erase(ToJsonString(InOuter->GetName()));
	WriteNames("Imports", Context.Imports, Document);
	WriteNames("SoftReferences", Context.SoftReferences, Document);
#if WITH_EDITORONLY_DATA
	if (InOuter->HasThumbnailMap())
	{
		WriteThumbnails(InOuter->AccessThumbnailMap(), Document);
	}
#endif
	Document.EndObject();
	const bool bWritten = Document.Finish() && TempFile->Flush();
	TempFile.Reset();
	if (!bWritten || !IFileManager::Get().Move(Filename, *TempFilename, true, true))
	{
		return FailToWrite();
	}
	InOuter->SetDirtyFlag(false);
	InOuter->SetLoadedPath(Filename);
	PackageSavedWithContextEvent.Broadcast(FString(Filename), InOuter, FObjectPostSaveContext(Filename));
	return FSavePackageResultStruct(ESavePackageResult::Success, IFileManager::Get().FileSize(Filename));
}
