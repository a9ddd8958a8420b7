#pragma once

#include "CoreMinimal.h"
#include "Widgets/SWidget.h"

/** A widget that lays out any number of children in slots. */
class SLATECORE_API SPanel : public SWidget
{
protected:
	SPanel() = default;
};
