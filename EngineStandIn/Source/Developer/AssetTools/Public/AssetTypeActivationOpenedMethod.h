#pragma once

#include "CoreTypes.h"

/** Whether an asset is opened to edit it or only to look at it. */
enum class EAssetTypeActivationOpenedMethod : uint8
{
	Edit,
	View,
};
