#pragma once

// Every generated header includes this, as the engine's do: a file that includes a reflected type also has the
// reflection types, and with them Class.h, which defines GetDefault and GetMutableDefault.
#include "UObject/UnrealType.h"
