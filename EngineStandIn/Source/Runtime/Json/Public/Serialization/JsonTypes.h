#pragma once

#include "CoreMinimal.h"

/** The kind of a JSON value. */
enum class EJson
{
	None,
	Null,
	String,
	Number,
	Boolean,
	Array,
	Object
};
