#include "PluginDescriptor.h"

#include "Dom/JsonObject.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"

#define LOCTEXT_NAMESPACE "PluginDescriptor"

bool FPluginDescriptor::Read(const FString& Text, FText& OutFailReason)
{
	const TSharedRef<TJsonReader<>> Reader = TJsonReaderFactory<>::Create(Text);
	TSharedPtr<FJsonObject> Object;
	if (!FJsonSerializer::Deserialize(Reader, Object) || !Object.IsValid())
	{
		OutFailReason = FText::Format(LOCTEXT("NotJson", "The descriptor is no JSON object: {0}"), FText::FromString(Reader->GetErrorMessage()));
		return false;
	}
	if (!Object->TryGetNumberField(TEXT("FileVersion"), FileVersion))
	{
		OutFailReason = LOCTEXT("NoFileVersion", "The descriptor has no file version.");
		return false;
	}
	Object->TryGetNumberField(TEXT("Version"), Version);
	Object->TryGetStringField(TEXT("VersionName"), VersionName);
	Object->TryGetStringField(TEXT("FriendlyName"), FriendlyName);
	Object->TryGetStringField(TEXT("Description"), Description);
	Object->TryGetStringField(TEXT("Category"), Category);
	Object->TryGetStringField(TEXT("CreatedBy"), CreatedBy);
	Object->TryGetStringField(TEXT("EngineVersion"), EngineVersion);
	Object->TryGetBoolField(TEXT("CanContainContent"), bCanContainContent);
	return true;
}

#undef LOCTEXT_NAMESPACE
