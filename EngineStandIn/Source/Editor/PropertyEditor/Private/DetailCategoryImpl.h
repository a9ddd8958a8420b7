#pragma once

#include "CoreMinimal.h"
#include "DetailCategoryBuilder.h"
#include "DetailWidgetRow.h"
#include "IDetailGroup.h"

class FDetailLayoutBuilderImpl;
class FProperty;

/** A group of a category: its widget rows under a heading that expands and collapses. */
class FDetailGroupImpl : public IDetailGroup
{
public:
	FDetailGroupImpl(FName InGroupName, const FText& InDisplayName, bool bStartExpanded)
		: GroupName(InGroupName)
		, DisplayName(InDisplayName)
		, bIsExpanded(bStartExpanded)
	{
	}

	virtual FName GetRowName() const override { return GroupName; }
	virtual FDetailWidgetRow& AddWidgetRow() override;
	virtual void ToggleExpansion(bool bExpand) override { bIsExpanded = bExpand; }
	virtual bool GetExpansionState() const override { return bIsExpanded; }

	const FText& GetDisplayName() const { return DisplayName; }
	const TArray<TUniquePtr<FDetailWidgetRow>>& GetRows() const { return Rows; }

private:
	FName GroupName;
	FText DisplayName;
	bool bIsExpanded;
	TArray<TUniquePtr<FDetailWidgetRow>> Rows;
};

/** One row of a category: a custom row, a group, or the default row of a property. */
struct FDetailRowEntry
{
	TUniquePtr<FDetailWidgetRow> CustomRow;
	TUniquePtr<FDetailGroupImpl> Group;
	const FProperty* Property = nullptr;
	bool bAdvanced = false;

	/** What the search matches: the custom row's filter string, the group's or the property's display name. */
	FText GetFilterText() const;
};

class FDetailCategoryImpl : public IDetailCategoryBuilder
{
public:
	FDetailCategoryImpl(FName InCategoryName, FDetailLayoutBuilderImpl& InParentLayout);

	virtual void SetSortOrder(int32 InSortOrder) override { SortOrder = InSortOrder; }
	virtual int32 GetSortOrder() const override { return SortOrder; }
	virtual FDetailWidgetRow& AddCustomRow(const FText& FilterString, bool bForAdvanced = false) override;
	virtual IDetailGroup& AddGroup(FName GroupName, const FText& LocalizedDisplayName, bool bForAdvanced = false,
								   bool bStartExpanded = false) override;
	virtual IDetailLayoutBuilder& GetParentLayout() const override;
	virtual const FText& GetDisplayName() const override { return DisplayName; }

	void SetDisplayName(const FText& InDisplayName) { DisplayName = InDisplayName; }
	void SetPriority(ECategoryPriority::Type InPriority) { Priority = InPriority; }
	void AddPropertyRow(const FProperty& Property);

	FName GetCategoryName() const { return CategoryName; }
	/** The heading shown: the display name, or the category's name when that is empty. */
	FString GetHeading() const;
	ECategoryPriority::Type GetPriority() const { return Priority; }
	/** Rows in the order the view shows them: the category's own, then its advanced ones. */
	TArray<const FDetailRowEntry*> GetRowsInOrder() const;

private:
	FName CategoryName;
	FText DisplayName;
	ECategoryPriority::Type Priority = ECategoryPriority::Default;
	int32 SortOrder = 0;
	FDetailLayoutBuilderImpl* ParentLayout;
	TArray<FDetailRowEntry> Rows;
};
