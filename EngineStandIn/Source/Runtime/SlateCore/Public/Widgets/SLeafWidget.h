#pragma once

#include "CoreMinimal.h"
#include "Widgets/SWidget.h"

/** A widget with no children. */
class SLATECORE_API SLeafWidget : public SWidget
{
public:
	virtual FChildren* GetChildren() override { return &NoChildrenInstance; }

private:
	static FNoChildren NoChildrenInstance;
};
