#pragma once

#include "HAL/Platform.h"

enum
{
	INDEX_NONE = -1
};

enum EForceInit
{
	ForceInit,
	ForceInitToZero
};

enum ENoInit
{
	NoInit
};

enum EInPlace
{
	InPlace
};

#define UE_NONCOPYABLE(TypeName)                                                                                       \
	TypeName(TypeName&&) = delete;                                                                                     \
	TypeName(const TypeName&) = delete;                                                                                \
	TypeName& operator=(const TypeName&) = delete;                                                                     \
	TypeName& operator=(TypeName&&) = delete;
