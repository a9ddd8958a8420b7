#pragma once

#include "CoreMinimal.h"

class FProperty;

namespace UE::StandIn
{
	/**
	 * The text form of a property value, as the details view shows and takes it: numbers as the engine writes them,
	 * names and strings as they are, bools as True or False, enums by their short name, objects by path or None, and
	 * arrays in parentheses, their names and strings quoted. The engine's ImportText and ExportText do this for every
	 * property type; here it covers the types an editable property of the plug-in has.
	 */
	FString ExportPropertyText(const FProperty& Property, const void* Value);

	/** Sets Value from Text; false, leaving Value as it was, when Text is no value of the property's type. */
	bool ImportPropertyText(const FProperty& Property, const FString& Text, void* Value);
}
