#include "PropertySerialization.h"

#include "UObject/UnrealType.h"
#include "UObject/Package.h"
#include "UObject/SoftObjectPtr.h"
#include "UObject/WeakObjectPtr.h"
#include "StandIn/StringConv.h"
#include <charconv>
#include <cstdlib>

using json = UE::StandIn::FJson;

namespace UE::StandIn
{
	std::string ToJsonString(const FString& Text)
	{
		return ToUtf8(Text);
	}

	FString FromJsonString(const std::string& Text)
	{
		return FromUtf8(Text);
	}

	void FPropertyWriter::WriteObject(const UObject* Object)
	{
		// A transient object is never saved, so a reference to it is saved as none, as the engine's linker does.
		if (!Object || Object->HasAnyFlags(RF_Transient) || Object->GetPackage()->HasAnyFlags(RF_Transient))
		{
			Out.Null();
			return;
		}
		UPackage* ObjectPackage = Object->GetPackage();
		if (ObjectPackage != Context.Package)
		{
			Context.Imports.insert(ToJsonString(ObjectPackage->GetName()));
		}
		Out.String(Object->GetPathName());
	}

	void FPropertyWriter::WriteSoftPath(const FString& Path)
	{
		if (Path.IsEmpty())
		{
			Out.Null();
			return;
		}
		const FSoftObjectPath SoftPath(Path);
		if (SoftPath.GetLongPackageFName() != Context.Package->GetFName())
		{
			Context.SoftReferences.insert(ToJsonString(SoftPath.GetLongPackageName()));
		}
		Out.String(Path);
	}

	void WriteProperties(const UStruct* Struct, const void* Container, FJsonTextWriter& Out, FSaveContext& Context)
	{
		Out.BeginObject();
		FPropertyWriter Writer(Out, Context);
		for (FProperty* Property = Struct->PropertyLink; Property; Property = Property->PropertyLinkNext)
		{
			if (Property->HasAnyPropertyFlags(CPF_Transient | CPF_SkipSerialization))
			{
				continue;
			}
			Out.Key(ToJsonString(Property->GetName()));
			if (Property->ArrayDim == 1)
			{
				Property->WriteItem(Container, 0, Writer);
			}
			else
			{
				Out.BeginArray();
				for (int32 Index = 0; Index < Property->ArrayDim; ++Index)
				{
					Property->WriteItem(Container, Index, Writer);
				}
				Out.EndArray();
			}
		}
		Out.EndObject();
	}

	bool ReadProperties(const UStruct* Struct, void* Container, const json& In, FLoadContext& Context)
	{
		if (!In.is_object())
		{
			Context.Error = FString::Printf(TEXT("the values of %s are not a JSON object"), *Struct->GetName());
			return false;
		}
		for (auto It = In.begin(); It != In.end(); ++It)
		{
			FProperty* Property = Struct->FindPropertyByName(FName(*FromJsonString(It.key())));
			if (!Property || Property->HasAnyPropertyFlags(CPF_Transient))
			{
				continue;
			}
			bool bRead = true;
			if (Property->ArrayDim == 1)
			{
				FPropertyReader Reader(It.value(), Context);
				bRead = Property->ReadItem(Container, 0, Reader);
			}
			else if (!It.value().is_array() || (int32)It.value().size() > Property->ArrayDim)
			{
				Context.Error = FString::Printf(TEXT("expected at most %d values"), Property->ArrayDim);
				bRead = false;
			}
			else
			{
				for (int32 Index = 0; Index < (int32)It.value().size() && bRead; ++Index)
				{
					FPropertyReader Reader(It.value()[Index], Context);
					bRead = Property->ReadItem(Container, Index, Reader);
				}
			}
			if (!bRead)
			{
				Context.Error = FString::Printf(TEXT("property %s.%s: %s"), *Struct->GetName(), *Property->GetName(), *Context.Error);
				return false;
			}
		}
		return true;
	}
}

using namespace UE::StandIn;

void FProperty::WriteItem(const void* Container, int32 ArrayIndex, FPropertyWriter& Writer) const
{
	WriteValue(ContainerPtrToValuePtr<void>(Container, ArrayIndex), Writer);
}

bool FProperty::ReadItem(void* Container, int32 ArrayIndex, FPropertyReader& Reader) const
{
	return ReadValue(ContainerPtrToValuePtr<void>(Container, ArrayIndex), Reader);
}

template<typename T>
void TProperty_Numeric<T>::WriteValue(const void* Value, FPropertyWriter& Writer) const
{
	if constexpr (std::is_same_v<T, float>)
	{
		// The shortest text that reads back as the same float, so 0.1f is saved as 0.1.
		char Text[32];
		const std::to_chars_result Result = std::to_chars(Text, Text + sizeof(Text), *(const float*)Value);
		Writer.Out.Number(std::strtod(std::string(Text, Result.ptr).c_str(), nullptr));
	}
	else if constexpr (std::is_same_v<T, double>)
	{
		Writer.Out.Number(*(const T*)Value);
	}
	else if constexpr (std::is_signed_v<T>)
	{
		Writer.Out.Integer(*(const T*)Value);
	}
	else
	{
		Writer.Out.Unsigned(*(const T*)Value);
	}
}

template<typename T>
bool TProperty_Numeric<T>::ReadValue(void* Value, FPropertyReader& Reader) const
{
	if (!Reader.In.is_number())
	{
		return Reader.Fail(TEXT("expected a number"));
	}
	*(T*)Value = Reader.In.get<T>();
	return true;
}

template class TProperty_Numeric<int8>;
template class TProperty_Numeric<int16>;
template class TProperty_Numeric<int32>;
template class TProperty_Numeric<int64>;
template class TProperty_Numeric<uint8>;
template class TProperty_Numeric<uint16>;
template class TProperty_Numeric<uint32>;
template class TProperty_Numeric<uint64>;
template class TProperty_Numeric<float>;
template class TProperty_Numeric<double>;

void FByteProperty::WriteValue(const void* Value, FPropertyWriter& Writer) const
{
	if (Enum)
	{
		Writer.Out.String(Enum->GetNameByValue(*(const uint8*)Value));
		return;
	}
	TProperty_Numeric<uint8>::WriteValue(Value, Writer);
}

bool FByteProperty::ReadValue(void* Value, FPropertyReader& Reader) const
{
	if (Enum && Reader.In.is_string())
	{
		const int64 EnumValue = Enum->GetValueByNameString(FromJsonString(Reader.In.get<std::string>()));
		if (EnumValue == INDEX_NONE)
		{
			return Reader.Fail(TEXT("unknown enum value"));
		}
		*(uint8*)Value = (uint8)EnumValue;
		return true;
	}
	return TProperty_Numeric<uint8>::ReadValue(Value, Reader);
}

void FBoolProperty::WriteValue(const void* Value, FPropertyWriter& Writer) const
{
	Writer.Out.Bool(*(const bool*)Value);
}

bool FBoolProperty::ReadValue(void* Value, FPropertyReader& Reader) const
{
	if (!Reader.In.is_boolean())
	{
		return Reader.Fail(TEXT("expected true or false"));
	}
	*(bool*)Value = Reader.In.get<bool>();
	return true;
}

void FBoolProperty::WriteItem(const void* Container, int32 ArrayIndex, FPropertyWriter& Writer) const
{
	Writer.Out.Bool(GetPropertyValue_InContainer(Container, ArrayIndex));
}

bool FBoolProperty::ReadItem(void* Container, int32 ArrayIndex, FPropertyReader& Reader) const
{
	if (!Reader.In.is_boolean())
	{
		return Reader.Fail(TEXT("expected true or false"));
	}
	SetPropertyValue_InContainer(Container, Reader.In.get<bool>(), ArrayIndex);
	return true;
}

void FStrProperty::WriteValue(const void* Value, FPropertyWriter& Writer) const
{
	Writer.Out.String(*(const FString*)Value);
}

bool FStrProperty::ReadValue(void* Value, FPropertyReader& Reader) const
{
	if (!Reader.In.is_string())
	{
		return Reader.Fail(TEXT("expected a string"));
	}
	*(FString*)Value = FromJsonString(Reader.In.get<std::string>());
	return true;
}

void FNameProperty::WriteValue(const void* Value, FPropertyWriter& Writer) const
{
	Writer.Out.String(*(const FName*)Value);
}

bool FNameProperty::ReadValue(void* Value, FPropertyReader& Reader) const
{
	if (!Reader.In.is_string())
	{
		return Reader.Fail(TEXT("expected a name"));
	}
	const FString Text = FromJsonString(Reader.In.get<std::string>());
	*(FName*)Value = Text == TEXT("None") ? FName() : FName(*Text);
	return true;
}

void FTextProperty::WriteValue(const void* Value, FPropertyWriter& Writer) const
{
	const FText& Text = *(const FText*)Value;
	const TOptional<FString> Namespace = FTextInspector::GetNamespace(Text);
	const TOptional<FString> Key = FTextInspector::GetKey(Text);
	if (Key.IsSet())
	{
		Writer.Out.BeginObject();
		Writer.Out.Key("Namespace");
		Writer.Out.String(Namespace.Get(FString()));
		Writer.Out.Key("Key");
		Writer.Out.String(Key.GetValue());
		Writer.Out.Key("SourceString");
		Writer.Out.String(Text.ToString());
		Writer.Out.EndObject();
	}
	else
	{
		Writer.Out.String(Text.ToString());
	}
}

bool FTextProperty::ReadValue(void* Value, FPropertyReader& Reader) const
{
	if (Reader.In.is_string())
	{
		*(FText*)Value = FText::AsCultureInvariant(FromJsonString(Reader.In.get<std::string>()));
		return true;
	}
	if (Reader.In.is_object() && Reader.In.contains("SourceString") && Reader.In["SourceString"].is_string())
	{
		// Localized texts keep their source here; the stand-in has no localization tables to look them up in.
		*(FText*)Value = FText::FromString(FromJsonString(Reader.In["SourceString"].get<std::string>()));
		return true;
	}
	return Reader.Fail(TEXT("expected a text"));
}

void FObjectPropertyBase::WriteValue(const void* Value, FPropertyWriter& Writer) const
{
	Writer.WriteObject(*(UObject* const*)Value);
}

bool FObjectPropertyBase::ReadValue(void* Value, FPropertyReader& Reader) const
{
	if (Reader.In.is_null())
	{
		*(UObject**)Value = nullptr;
		return true;
	}
	if (!Reader.In.is_string())
	{
		return Reader.Fail(TEXT("expected an object path or null"));
	}
	const FString Path = FromJsonString(Reader.In.get<std::string>());
	UObject* Object = Reader.Context.ResolveObject(Path);
	// A reference to an object that cannot be found loads as null, as the engine's missing imports do.
	*(UObject**)Value = Object && Object->IsA(PropertyClass) ? Object : nullptr;
	return true;
}

bool FClassProperty::ReadValue(void* Value, FPropertyReader& Reader) const
{
	if (!FObjectPropertyBase::ReadValue(Value, Reader))
	{
		return false;
	}
	UClass* Class = *(UClass**)Value;
	if (Class && MetaClass && !Class->IsChildOf(MetaClass))
	{
		*(UClass**)Value = nullptr;
	}
	return true;
}

void FWeakObjectProperty::WriteValue(const void* Value, FPropertyWriter& Writer) const
{
	Writer.WriteObject(((const FWeakObjectPtr*)Value)->Get());
}

bool FWeakObjectProperty::ReadValue(void* Value, FPropertyReader& Reader) const
{
	UObject* Object = nullptr;
	if (!FObjectPropertyBase::ReadValue(&Object, Reader))
	{
		return false;
	}
	*(FWeakObjectPtr*)Value = Object;
	return true;
}

void FSoftObjectProperty::WriteValue(const void* Value, FPropertyWriter& Writer) const
{
	const FSoftObjectPtr& Ptr = *(const FSoftObjectPtr*)Value;
	Writer.WriteSoftPath(Ptr.IsNull() ? FString() : Ptr.ToSoftObjectPath().ToString());
}

bool FSoftObjectProperty::ReadValue(void* Value, FPropertyReader& Reader) const
{
	if (Reader.In.is_null())
	{
		((FSoftObjectPtr*)Value)->Reset();
		return true;
	}
	if (!Reader.In.is_string())
	{
		return Reader.Fail(TEXT("expected an object path or null"));
	}
	*(FSoftObjectPtr*)Value = FSoftObjectPath(FromJsonString(Reader.In.get<std::string>()));
	return true;
}

void FStructProperty::WriteValue(const void* Value, FPropertyWriter& Writer) const
{
	WriteProperties(Struct, Value, Writer.Out, Writer.Context);
}

bool FStructProperty::ReadValue(void* Value, FPropertyReader& Reader) const
{
	return ReadProperties(Struct, Value, Reader.In, Reader.Context);
}

void FEnumProperty::WriteValue(const void* Value, FPropertyWriter& Writer) const
{
	Writer.Out.String(Enum->GetNameByValue(UnderlyingProp->GetSignedIntPropertyValue(Value)));
}

bool FEnumProperty::ReadValue(void* Value, FPropertyReader& Reader) const
{
	if (!Reader.In.is_string())
	{
		return Reader.Fail(TEXT("expected an enum name"));
	}
	const FString Name = FromJsonString(Reader.In.get<std::string>());
	const int32 Index = Enum->GetIndexByName(FName(*Name));
	if (Index == INDEX_NONE)
	{
		return Reader.Fail(FString::Printf(TEXT("%s is not a value of %s"), *Name, *Enum->GetName()));
	}
	UnderlyingProp->SetIntPropertyValue(Value, Enum->GetValueByIndex(Index));
	return true;
}

void FArrayProperty::WriteValue(const void* Value, FPropertyWriter& Writer) const
{
	Writer.Out.BeginArray();
	const int32 Num = Ops->Num(Value);
	for (int32 Index = 0; Index < Num; ++Index)
	{
		Inner->WriteValue(Ops->GetElement(const_cast<void*>(Value), Index), Writer);
	}
	Writer.Out.EndArray();
}

bool FArrayProperty::ReadValue(void* Value, FPropertyReader& Reader) const
{
	if (!Reader.In.is_array())
	{
		return Reader.Fail(TEXT("expected an array"));
	}
	Ops->Resize(Value, (int32)Reader.In.size());
	for (int32 Index = 0; Index < (int32)Reader.In.size(); ++Index)
	{
		FPropertyReader ElementReader(Reader.In[Index], Reader.Context);
		if (!Inner->ReadValue(Ops->GetElement(Value, Index), ElementReader))
		{
			return false;
		}
	}
	return true;
}

namespace
{
	struct FMapWriteContext
	{
		const FMapProperty* Property;
		FPropertyWriter* Writer;
	};
}

void FMapProperty::WriteValue(const void* Value, FPropertyWriter& Writer) const
{
	Writer.Out.BeginArray();
	FMapWriteContext Context{this, &Writer};
	Ops->ForEach(const_cast<void*>(Value), [](void* InContext, void* Key, void* MapValue)
		{
			FMapWriteContext* Ctx = (FMapWriteContext*)InContext;
			Ctx->Writer->Out.BeginArray();
			Ctx->Property->KeyProp->WriteValue(Key, *Ctx->Writer);
			Ctx->Property->ValueProp->WriteValue(MapValue, *Ctx->Writer);
			Ctx->Writer->Out.EndArray();
		}, &Context);
	Writer.Out.EndArray();
}

bool FMapProperty::ReadValue(void* Value, FPropertyReader& Reader) const
{
	if (!Reader.In.is_array())
	{
		return Reader.Fail(TEXT("expected an array of key and value pairs"));
	}
	Ops->Empty(Value);
	TArray<uint8> KeyBuffer;
	KeyBuffer.SetNum(KeyProp->ElementSize + KeyProp->Alignment);
	void* Key = (void*)(((UPTRINT)KeyBuffer.GetData() + KeyProp->Alignment - 1) / KeyProp->Alignment * KeyProp->Alignment);
	for (const json& Pair : Reader.In)
	{
		if (!Pair.is_array() || Pair.size() != 2)
		{
			return Reader.Fail(TEXT("expected a key and value pair"));
		}
		KeyProp->InitializeValue(Key);
		FPropertyReader KeyReader(Pair[0], Reader.Context);
		bool bRead = KeyProp->ReadValue(Key, KeyReader);
		if (bRead)
		{
			void* MapValue = Ops->FindOrAdd(Value, Key);
			FPropertyReader ValueReader(Pair[1], Reader.Context);
			bRead = ValueProp->ReadValue(MapValue, ValueReader);
		}
		KeyProp->DestroyValue(Key);
		if (!bRead)
		{
			return false;
		}
	}
	return true;
}

namespace
{
	struct FSetWriteContext
	{
		const FSetProperty* Property;
		FPropertyWriter* Writer;
	};
}

void FSetProperty::WriteValue(const void* Value, FPropertyWriter& Writer) const
{
	Writer.Out.BeginArray();
	FSetWriteContext Context{this, &Writer};
	Ops->ForEach(const_cast<void*>(Value), [](void* InContext, void* Element)
		{
			FSetWriteContext* Ctx = (FSetWriteContext*)InContext;
			Ctx->Property->ElementProp->WriteValue(Element, *Ctx->Writer);
		}, &Context);
	Writer.Out.EndArray();
}

bool FSetProperty::ReadValue(void* Value, FPropertyReader& Reader) const
{
	if (!Reader.In.is_array())
	{
		return Reader.Fail(TEXT("expected an array"));
	}
	Ops->Empty(Value);
	TArray<uint8> Buffer;
	Buffer.SetNum(ElementProp->ElementSize + ElementProp->Alignment);
	void* Element = (void*)(((UPTRINT)Buffer.GetData() + ElementProp->Alignment - 1) / ElementProp->Alignment * ElementProp->Alignment);
	for (const json& Item : Reader.In)
	{
		ElementProp->InitializeValue(Element);
		FPropertyReader ItemReader(Item, Reader.Context);
		const bool bRead = ElementProp->ReadValue(Element, ItemReader);
		if (bRead)
		{
			Ops->Add(Value, Element);
		}
		ElementProp->DestroyValue(Element);
		if (!bRead)
		{
			return false;
		}
	}
	return true;
}
