#pragma once

#include "CoreTypes.h"

/** Names known to every build, with fixed table indices. */
enum EName : uint32
{
	NAME_None = 0,
};
