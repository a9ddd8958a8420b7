#pragma once

#include "CoreMinimal.h"

struct FSlateBrush;

/** The values a style hands out when it has no entry of its own. */
class SLATECORE_API FStyleDefaults
{
public:
	/** A brush that draws nothing. */
	static const FSlateBrush* GetNoBrush();
};
