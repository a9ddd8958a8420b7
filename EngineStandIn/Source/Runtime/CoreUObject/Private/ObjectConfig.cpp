#include "ConfigIniDocument.h"
#include "ConfigPropertyText.h"
#include "Misc/Paths.h"
#include "UObject/Class.h"
#include "UObject/Object.h"
#include "UObject/UnrealType.h"

DEFINE_LOG_CATEGORY_STATIC(LogConfig, Log, All);

// The engine reads a class's config through a hierarchy of ini files (Base, Default, Saved) and writes to the
// default file what differs from the base files. A project here has only its Config/Default<Config>.ini: config
// is read from that file alone, and, with no base files to differ from, every config property is written.

using namespace UE::CoreUObject::Private;

namespace
{
	FString DefaultConfigFilenameOf(const UClass* Class)
	{
		return FString::Printf(TEXT("%sDefault%s.ini"), *FPaths::ProjectConfigDir(), *Class->ClassConfigName.ToString());
	}

	FString ConfigSectionOf(UObject* Object, const UClass* ConfigClass)
	{
		FString Section = ConfigClass->GetPathName();
		Object->OverrideConfigSection(Section);
		return Section;
	}

	// Config properties a file holds here: single values and dynamic arrays (one line per element).
	bool IsConfigProperty(const FProperty* Property)
	{
		return Property->HasAnyPropertyFlags(CPF_Config) && Property->ArrayDim == 1;
	}

	// A property that stands for a console variable (its ConsoleVariable metadata, as the renderer settings' have) is
	// kept in the file under that variable's name, r.AllowStaticLighting=False, as the editor reads and writes it.
	FString ConfigKeyOf(const FProperty* Property)
	{
#if WITH_EDITORONLY_DATA
		static const FName ConsoleVariableName(TEXT("ConsoleVariable"));
		const FString& ConsoleVariable = Property->GetMetaData(ConsoleVariableName);
		if (!ConsoleVariable.IsEmpty())
		{
			return ConsoleVariable;
		}
#endif
		return Property->GetName();
	}

	// The lines of Property in the file: "Key=Value", or one "+Key=Element" per element of an array.
	bool ConfigLinesOf(const FProperty* Property, const UObject* Object, TArray<FString>& OutLines)
	{
		const FString Key = ConfigKeyOf(Property);
		OutLines.Reset();
		if (const FArrayProperty* ArrayProperty = CastField<FArrayProperty>(Property))
		{
			void* Array = const_cast<void*>(ArrayProperty->ContainerPtrToValuePtr<void>(Object));
			for (int32 Index = 0; Index < ArrayProperty->Ops->Num(Array); ++Index)
			{
				FString Element;
				if (!ExportConfigValue(ArrayProperty->Inner, ArrayProperty->Ops->GetElement(Array, Index), Element))
				{
					return false;
				}
				OutLines.Add(TEXT("+") + Key + TEXT("=") + Element);
			}
			return true;
		}
		FString Value;
		if (!ExportConfigItem(Property, Object, Value))
		{
			return false;
		}
		OutLines.Add(Key + TEXT("=") + Value);
		return true;
	}
}

void UObject::LoadConfig(UClass* ConfigClass, const TCHAR* Filename, uint32 PropagationFlags, FProperty* PropertyToLoad)
{
	UClass* Class = ConfigClass ? ConfigClass : GetClass();
	if (!Class->HasAnyClassFlags(CLASS_Config))
	{
		return;
	}
	const FString File = Filename ? FString(Filename) : DefaultConfigFilenameOf(Class);
	FConfigIniDocument Ini;
	if (!Ini.Load(File))
	{
		UE_LOG(LogConfig, Warning, TEXT("Could not read %s"), *FPaths::ConvertRelativePathToFull(File));
		return;
	}
	const FString Section = ConfigSectionOf(this, Class);
	for (TFieldIterator<FProperty> It(Class); It; ++It)
	{
		FProperty* Property = *It;
		TArray<FString> Values;
		if (!IsConfigProperty(Property) || (PropertyToLoad && Property != PropertyToLoad) || !Ini.FindValues(Section, ConfigKeyOf(Property), Values))
		{
			continue;
		}
		TArray<FString> Rejected;
		if (FArrayProperty* ArrayProperty = CastField<FArrayProperty>(Property))
		{
			void* Array = ArrayProperty->ContainerPtrToValuePtr<void>(this);
			ArrayProperty->Ops->Resize(Array, 0);
			for (const FString& Value : Values)
			{
				const int32 Index = ArrayProperty->Ops->Num(Array);
				ArrayProperty->Ops->Resize(Array, Index + 1);
				if (!ImportConfigValue(ArrayProperty->Inner, ArrayProperty->Ops->GetElement(Array, Index), Value))
				{
					ArrayProperty->Ops->Resize(Array, Index);
					Rejected.Add(Value);
				}
			}
		}
		else if (Values.Num() && !ImportConfigItem(Property, this, Values.Last()))
		{
			Rejected.Add(Values.Last());
		}
		for (const FString& Value : Rejected)
		{
			UE_LOG(LogConfig, Warning, TEXT("%s: [%s] %s=%s is not a value of %s; it is left out"), *FPaths::ConvertRelativePathToFull(File), *Section,
				*ConfigKeyOf(Property), *Value, *Property->GetCPPType());
		}
	}
}

FString UObject::GetDefaultConfigFilename() const
{
	return DefaultConfigFilenameOf(GetClass());
}

bool UObject::TryUpdateDefaultConfigFile(const FString& SpecificFileLocation, bool bWarnIfFail)
{
	UClass* Class = GetClass();
	const FString File = SpecificFileLocation.IsEmpty() ? GetDefaultConfigFilename() : SpecificFileLocation;
	FConfigIniDocument Ini;
	bool bWritten = Class->HasAnyClassFlags(CLASS_Config) && Ini.Load(File);
	if (bWritten)
	{
		const FString Section = ConfigSectionOf(this, Class);
		for (TFieldIterator<FProperty> It(Class); It; ++It)
		{
			TArray<FString> Lines;
			if (IsConfigProperty(*It) && ConfigLinesOf(*It, this, Lines))
			{
				Ini.SetKeyLines(Section, ConfigKeyOf(*It), Lines);
			}
		}
		bWritten = Ini.Save(File);
	}
	if (!bWritten && bWarnIfFail)
	{
		UE_LOG(LogConfig, Warning, TEXT("Failed to update the default config file %s"), *FPaths::ConvertRelativePathToFull(File));
	}
	return bWritten;
}

void UObject::UpdateDefaultConfigFile(const FString& SpecificFileLocation)
{
	TryUpdateDefaultConfigFile(SpecificFileLocation);
}
