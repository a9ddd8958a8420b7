#pragma once

#include "CoreMinimal.h"

class FProperty;

namespace UE::CoreUObject::Private
{
	/**
	 * The ini text of config values, in the engine's form: True/False, numbers, enum names, strings as they are
	 * (quoted inside structs and arrays), structs as (Member=Value,...). Config files here hold booleans,
	 * numbers, enums, strings, names, structs of those and arrays; other properties are not read or written.
	 */
	bool ExportConfigItem(const FProperty* Property, const void* Container, FString& Out);
	bool ExportConfigValue(const FProperty* Property, const void* Value, FString& Out);

	/** False, leaving the value as it was, when the text is not a value of the property's type. */
	bool ImportConfigItem(const FProperty* Property, void* Container, const FString& Text);
	bool ImportConfigValue(const FProperty* Property, void* Value, const FString& Text);
}
