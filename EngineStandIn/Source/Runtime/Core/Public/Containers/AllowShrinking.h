#pragma once

#include "CoreTypes.h"

/** Whether a removal may give back memory the container no longer needs. */
enum class EAllowShrinking : uint8
{
	No,
	Yes
};

#define UE_ALLOWSHRINKING_BOOL_DEPRECATED(FunctionName)                                                                \
	UE_DEPRECATED(5.5, FunctionName                                                                                    \
				  " with a boolean bAllowShrinking has been deprecated - please use the EAllowShrinking enum instead")
