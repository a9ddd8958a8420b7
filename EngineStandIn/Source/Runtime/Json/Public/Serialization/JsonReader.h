#pragma once

#include "CoreMinimal.h"
#include "Dom/JsonValue.h"

namespace UE::Json::Private
{
	/** The one JSON value Text holds (white space around it allowed), or null with OutError saying where it is not. */
	JSON_API TSharedPtr<FJsonValue> ParseText(const FString& Text, FString& OutError);
}

/**
 * Reads JSON text for FJsonSerializer::Deserialize. The engine's reader hands out tokens one by one; the stand-in's
 * reads the whole text at once, which the serializer cannot tell apart.
 */
template <class CharType = TCHAR>
class TJsonReader
{
public:
	virtual ~TJsonReader() = default;

	/** Why the text is no JSON, with the line and character; empty while it has been read well. */
	const FString& GetErrorMessage() const { return ErrorMessage; }

	/** Made by TJsonReaderFactory. */
	explicit TJsonReader(FString InText) : Text(MoveTemp(InText)) {}

	/** The text's value; null when the text is no JSON. */
	TSharedPtr<FJsonValue> ReadAll() { return UE::Json::Private::ParseText(Text, ErrorMessage); }

private:
	FString Text;
	FString ErrorMessage;
};

template <class CharType = TCHAR>
class TJsonReaderFactory
{
public:
	static TSharedRef<TJsonReader<CharType>> Create(const FString& JsonString)
	{
		return MakeShared<TJsonReader<CharType>>(JsonString);
	}

	static TSharedRef<TJsonReader<CharType>> Create(FString&& JsonString)
	{
		return MakeShared<TJsonReader<CharType>>(MoveTemp(JsonString));
	}
};
