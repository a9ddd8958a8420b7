#include "DetailCategoryImpl.h"

#include "DetailLayoutBuilderImpl.h"
#include "UObject/UnrealType.h"

FDetailWidgetRow& FDetailGroupImpl::AddWidgetRow()
{
	return *Rows.Add_GetRef(MakeUnique<FDetailWidgetRow>());
}

FText FDetailRowEntry::GetFilterText() const
{
	if (CustomRow)
	{
		return CustomRow->FilterTextString;
	}
	if (Group)
	{
		return Group->GetDisplayName();
	}
	return Property ? Property->GetDisplayNameText() : FText::GetEmpty();
}

FDetailCategoryImpl::FDetailCategoryImpl(FName InCategoryName, FDetailLayoutBuilderImpl& InParentLayout)
	: CategoryName(InCategoryName)
	, ParentLayout(&InParentLayout)
{
}

FDetailWidgetRow& FDetailCategoryImpl::AddCustomRow(const FText& FilterString, bool bForAdvanced)
{
	FDetailRowEntry& Entry = Rows.AddDefaulted_GetRef();
	Entry.CustomRow = MakeUnique<FDetailWidgetRow>();
	Entry.CustomRow->FilterString(FilterString);
	Entry.bAdvanced = bForAdvanced;
	return *Entry.CustomRow;
}

IDetailGroup& FDetailCategoryImpl::AddGroup(FName GroupName, const FText& LocalizedDisplayName, bool bForAdvanced,
											bool bStartExpanded)
{
	FDetailRowEntry& Entry = Rows.AddDefaulted_GetRef();
	Entry.Group = MakeUnique<FDetailGroupImpl>(GroupName, LocalizedDisplayName, bStartExpanded);
	Entry.bAdvanced = bForAdvanced;
	return *Entry.Group;
}

IDetailLayoutBuilder& FDetailCategoryImpl::GetParentLayout() const
{
	return *ParentLayout;
}

void FDetailCategoryImpl::AddPropertyRow(const FProperty& Property)
{
	FDetailRowEntry& Entry = Rows.AddDefaulted_GetRef();
	Entry.Property = &Property;
	Entry.bAdvanced = Property.HasAnyPropertyFlags(CPF_AdvancedDisplay);
}

FString FDetailCategoryImpl::GetHeading() const
{
	return DisplayName.IsEmpty() ? CategoryName.ToString() : DisplayName.ToString();
}

TArray<const FDetailRowEntry*> FDetailCategoryImpl::GetRowsInOrder() const
{
	// The engine tucks advanced rows into a collapsed section at the category's end; here they are simply last.
	TArray<const FDetailRowEntry*> Result;
	for (const bool bAdvanced : {false, true})
	{
		for (const FDetailRowEntry& Entry : Rows)
		{
			if (Entry.bAdvanced == bAdvanced)
			{
				Result.Add(&Entry);
			}
		}
	}
	return Result;
}
