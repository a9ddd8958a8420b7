#pragma once

#include "CoreMinimal.h"
#include "Policies/PrettyJsonPrintPolicy.h"
#include "Serialization/JsonTypes.h"

namespace UE::Json::Private
{
	/** Appends Text between double quotes, with what JSON cannot hold as it is escaped. */
	JSON_API void AppendQuoted(FString& Stream, const FString& Text);

	/** An integral number as its digits, any other as the shortest text that reads back the same. */
	JSON_API void AppendNumber(FString& Stream, double Number);
}

/**
 * Writes JSON text value after value into a string. A value inside an object is written with its identifier, one
 * inside an array or at the top without; Close is true once every object and array begun has ended.
 */
template <class CharType = TCHAR, class PrintPolicy = TPrettyJsonPrintPolicy<CharType>>
class TJsonWriter
{
public:
	virtual ~TJsonWriter() = default;

	void WriteObjectStart() { BeginValue(nullptr); OpenScope(EJson::Object, TEXT('{')); }
	void WriteObjectStart(const FString& Identifier) { BeginValue(&Identifier); OpenScope(EJson::Object, TEXT('{')); }
	void WriteObjectEnd() { CloseScope(EJson::Object, TEXT('}')); }
	void WriteArrayStart() { BeginValue(nullptr); OpenScope(EJson::Array, TEXT('[')); }
	void WriteArrayStart(const FString& Identifier) { BeginValue(&Identifier); OpenScope(EJson::Array, TEXT('[')); }
	void WriteArrayEnd() { CloseScope(EJson::Array, TEXT(']')); }

	void WriteValue(const FString& Value) { BeginValue(nullptr); UE::Json::Private::AppendQuoted(Stream, Value); }
	void WriteValue(const TCHAR* Value) { WriteValue(FString(Value)); }
	void WriteValue(double Value) { BeginValue(nullptr); UE::Json::Private::AppendNumber(Stream, Value); }
	void WriteValue(int32 Value) { WriteValue(static_cast<double>(Value)); }
	void WriteValue(int64 Value) { WriteValue(static_cast<double>(Value)); }
	void WriteValue(bool bValue) { BeginValue(nullptr); Stream.Append(bValue ? TEXT("true") : TEXT("false")); }
	void WriteNull() { BeginValue(nullptr); Stream.Append(TEXT("null")); }

	template <typename ValueType>
	void WriteValue(const FString& Identifier, ValueType Value)
	{
		WriteIdentifierPrefix(Identifier);
		WriteValue(Value);
	}

	void WriteNull(const FString& Identifier)
	{
		WriteIdentifierPrefix(Identifier);
		WriteNull();
	}

	/** True when every object and array begun has ended. */
	bool Close() { return Scopes.Num() == 0; }

	/** Made by TJsonWriterFactory; appends to the string Stream points to. */
	explicit TJsonWriter(FString* const InStream) : Stream(*InStream) {}

private:
	struct FScope
	{
		EJson Type;
		bool bEmpty;
	};

	void WriteIdentifierPrefix(const FString& Identifier)
	{
		BeginValue(&Identifier);
		bIdentifierWritten = true;
	}

	void BeginValue(const FString* Identifier)
	{
		if (bIdentifierWritten)
		{
			bIdentifierWritten = false;
			return;
		}
		if (Scopes.Num() > 0)
		{
			FScope& Scope = Scopes.Last();
			checkf((Identifier != nullptr) == (Scope.Type == EJson::Object), TEXT("A JSON object's values need identifiers, an array's have none"));
			if (!Scope.bEmpty)
			{
				PrintPolicy::WriteChar(Stream, TEXT(','));
			}
			Scope.bEmpty = false;
			PrintPolicy::WriteLineTerminator(Stream);
			PrintPolicy::WriteTabs(Stream, Scopes.Num());
		}
		else
		{
			checkf(Identifier == nullptr && !bTopWritten, TEXT("A JSON text holds one value at its top"));
			bTopWritten = true;
		}
		if (Identifier)
		{
			UE::Json::Private::AppendQuoted(Stream, *Identifier);
			PrintPolicy::WriteChar(Stream, TEXT(':'));
			PrintPolicy::WriteSpace(Stream);
		}
	}

	void OpenScope(EJson Type, TCHAR Open)
	{
		PrintPolicy::WriteChar(Stream, Open);
		Scopes.Add({Type, true});
	}

	void CloseScope(EJson Type, TCHAR Close)
	{
		check(Scopes.Num() > 0 && Scopes.Last().Type == Type && !bIdentifierWritten);
		const bool bEmpty = Scopes.Last().bEmpty;
		Scopes.Pop();
		if (!bEmpty)
		{
			PrintPolicy::WriteLineTerminator(Stream);
			PrintPolicy::WriteTabs(Stream, Scopes.Num());
		}
		PrintPolicy::WriteChar(Stream, Close);
	}

	FString& Stream;
	TArray<FScope> Scopes;
	bool bIdentifierWritten = false;
	bool bTopWritten = false;
};

template <class CharType = TCHAR, class PrintPolicy = TPrettyJsonPrintPolicy<CharType>>
class TJsonWriterFactory
{
public:
	static TSharedRef<TJsonWriter<CharType, PrintPolicy>> Create(FString* const Stream)
	{
		return MakeShared<TJsonWriter<CharType, PrintPolicy>>(Stream);
	}
};
