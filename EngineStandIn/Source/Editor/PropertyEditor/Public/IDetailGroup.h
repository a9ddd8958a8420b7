#pragma once

#include "CoreMinimal.h"
#include "DetailCategoryBuilder.h"

class FDetailWidgetRow;

/** Rows under a heading that can be expanded and collapsed. */
class IDetailGroup : public IDetailLayoutRow
{
public:
	virtual ~IDetailGroup() {}

	virtual FDetailWidgetRow& AddWidgetRow() = 0;

	virtual void ToggleExpansion(bool bExpand) = 0;

	virtual bool GetExpansionState() const = 0;
};
