#pragma once

#include "CoreMinimal.h"

class FDetailWidgetRow;
class IDetailGroup;
class IDetailLayoutBuilder;

namespace ECategoryPriority
{
	enum Type
	{
		// Highest sort priority.
		Variable = 0,
		Transform,
		Important,
		TypeSpecific,
		Default,
		// Lowest sort priority.
		Uncommon,
	};
}

/** A row of a details view's layout. */
class IDetailLayoutRow
{
public:
	virtual ~IDetailLayoutRow() {}

	virtual FName GetRowName() const = 0;
};

/** A category of a details view: rows under one heading. */
class IDetailCategoryBuilder
{
public:
	virtual ~IDetailCategoryBuilder() {}

	/** Orders the category among those of the same priority: lower first. */
	virtual void SetSortOrder(int32 InSortOrder) = 0;

	virtual int32 GetSortOrder() const = 0;

	/** Adds a row of custom widgets; the details view's search matches FilterString. */
	virtual FDetailWidgetRow& AddCustomRow(const FText& FilterString, bool bForAdvanced = false) = 0;

	/** Adds a group of rows that can be expanded and collapsed. */
	virtual IDetailGroup& AddGroup(FName GroupName, const FText& LocalizedDisplayName, bool bForAdvanced = false,
								   bool bStartExpanded = false) = 0;

	virtual IDetailLayoutBuilder& GetParentLayout() const = 0;

	virtual const FText& GetDisplayName() const = 0;
};
