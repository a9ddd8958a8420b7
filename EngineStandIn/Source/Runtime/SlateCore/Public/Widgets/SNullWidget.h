#pragma once

#include "CoreMinimal.h"

class SWidget;

/** The widget of an empty slot: shows nothing, takes no space. */
class SLATECORE_API SNullWidget
{
public:
	static TSharedRef<SWidget> NullWidget;
};
