#pragma once

#include "CoreMinimal.h"
#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonWriter.h"

/** Turns JSON objects and arrays into text with a TJsonWriter, and text read by a TJsonReader into them. */
class FJsonSerializer
{
public:
	enum class EFlags
	{
		None = 0,
		StoreNumbersAsStrings = 1,
	};

	template <class CharType, class PrintPolicy>
	static bool Serialize(const TSharedRef<FJsonObject>& Object, const TSharedRef<TJsonWriter<CharType, PrintPolicy>>& Writer, bool bCloseWriter = true)
	{
		WriteObject(*Writer, nullptr, *Object);
		return !bCloseWriter || Writer->Close();
	}

	template <class CharType, class PrintPolicy>
	static bool Serialize(const TArray<TSharedPtr<FJsonValue>>& Array, const TSharedRef<TJsonWriter<CharType, PrintPolicy>>& Writer, bool bCloseWriter = true)
	{
		WriteArray(*Writer, nullptr, Array);
		return !bCloseWriter || Writer->Close();
	}

	/** False, with the reader's error message set, when the text is no JSON or its top value is no object. */
	template <class CharType>
	static bool Deserialize(const TSharedRef<TJsonReader<CharType>>& Reader, TSharedPtr<FJsonObject>& OutObject, EFlags InOptions = EFlags::None)
	{
		const TSharedPtr<FJsonValue> Value = Reader->ReadAll();
		if (!Value.IsValid() || Value->Type != EJson::Object)
		{
			return false;
		}
		OutObject = Value->AsObject();
		return true;
	}

	template <class CharType>
	static bool Deserialize(const TSharedRef<TJsonReader<CharType>>& Reader, TArray<TSharedPtr<FJsonValue>>& OutArray, EFlags InOptions = EFlags::None)
	{
		const TSharedPtr<FJsonValue> Value = Reader->ReadAll();
		if (!Value.IsValid() || Value->Type != EJson::Array)
		{
			return false;
		}
		OutArray = Value->AsArray();
		return true;
	}

private:
	template <class WriterType>
	static void WriteValue(WriterType& Writer, const FString* Identifier, const TSharedPtr<FJsonValue>& Value)
	{
		const EJson Type = Value.IsValid() ? Value->Type : EJson::Null;
		switch (Type)
		{
			case EJson::String:
				Identifier ? Writer.WriteValue(*Identifier, Value->AsString()) : Writer.WriteValue(Value->AsString());
				break;
			case EJson::Number:
				Identifier ? Writer.WriteValue(*Identifier, Value->AsNumber()) : Writer.WriteValue(Value->AsNumber());
				break;
			case EJson::Boolean:
				Identifier ? Writer.WriteValue(*Identifier, Value->AsBool()) : Writer.WriteValue(Value->AsBool());
				break;
			case EJson::Array:
				WriteArray(Writer, Identifier, Value->AsArray());
				break;
			case EJson::Object:
				if (const TSharedPtr<FJsonObject>& Object = Value->AsObject())
				{
					WriteObject(Writer, Identifier, *Object);
					break;
				}
				[[fallthrough]];
			default:
				Identifier ? Writer.WriteNull(*Identifier) : Writer.WriteNull();
				break;
		}
	}

	template <class WriterType>
	static void WriteObject(WriterType& Writer, const FString* Identifier, const FJsonObject& Object)
	{
		Identifier ? Writer.WriteObjectStart(*Identifier) : Writer.WriteObjectStart();
		for (const TPair<FString, TSharedPtr<FJsonValue>>& Field : Object.Values)
		{
			WriteValue(Writer, &Field.Key, Field.Value);
		}
		Writer.WriteObjectEnd();
	}

	template <class WriterType>
	static void WriteArray(WriterType& Writer, const FString* Identifier, const TArray<TSharedPtr<FJsonValue>>& Array)
	{
		Identifier ? Writer.WriteArrayStart(*Identifier) : Writer.WriteArrayStart();
		for (const TSharedPtr<FJsonValue>& Element : Array)
		{
			WriteValue(Writer, nullptr, Element);
		}
		Writer.WriteArrayEnd();
	}
};
