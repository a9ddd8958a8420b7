#pragma once

#include "CoreMinimal.h"
#include "DetailCategoryBuilder.h"
#include "Types/SlateEnums.h"
#include "Widgets/SNullWidget.h"
#include "Widgets/SWidget.h"

class FDetailWidgetRow;

/** One place of a row that takes a widget: the whole row, or its name or value column. */
class FDetailWidgetDecl
{
public:
	FDetailWidgetDecl(FDetailWidgetRow& InParentDecl, float InMinWidth, float InMaxWidth,
					  EHorizontalAlignment InHAlign, EVerticalAlignment InVAlign)
		: Widget(SNullWidget::NullWidget)
		, HorizontalAlignment(InHAlign)
		, VerticalAlignment(InVAlign)
		, MinWidth(InMinWidth)
		, MaxWidth(InMaxWidth)
		, ParentDecl(&InParentDecl)
	{
	}

	FDetailWidgetRow& operator[](TSharedRef<SWidget> InWidget)
	{
		Widget = InWidget;
		return *ParentDecl;
	}

	FDetailWidgetDecl& VAlign(EVerticalAlignment InAlignment)
	{
		VerticalAlignment = InAlignment;
		return *this;
	}

	FDetailWidgetDecl& HAlign(EHorizontalAlignment InAlignment)
	{
		HorizontalAlignment = InAlignment;
		return *this;
	}

	FDetailWidgetDecl& MinDesiredWidth(TOptional<float> InMinWidth)
	{
		MinWidth = InMinWidth;
		return *this;
	}

	FDetailWidgetDecl& MaxDesiredWidth(TOptional<float> InMaxWidth)
	{
		MaxWidth = InMaxWidth;
		return *this;
	}

	TSharedRef<SWidget> Widget;
	EHorizontalAlignment HorizontalAlignment;
	EVerticalAlignment VerticalAlignment;
	TOptional<float> MinWidth;
	TOptional<float> MaxWidth;

private:
	FDetailWidgetRow* ParentDecl;
};

/** A row of custom widgets in a details view. */
class FDetailWidgetRow : public IDetailLayoutRow
{
public:
	FDetailWidgetRow()
		: NameWidget(*this, 0.0f, 0.0f, HAlign_Left, VAlign_Center)
		, ValueWidget(*this, 125.0f, 125.0f, HAlign_Left, VAlign_Fill)
		, WholeRowWidget(*this, 0.0f, 0.0f, HAlign_Fill, VAlign_Fill)
	{
	}

	virtual ~FDetailWidgetRow() {}

	FDetailWidgetRow(const FDetailWidgetRow&) = delete;
	FDetailWidgetRow& operator=(const FDetailWidgetRow&) = delete;

	virtual FName GetRowName() const override { return RowTagName; }

	/** The widget of the whole row, spanning the name and value columns. */
	FDetailWidgetDecl& WholeRowContent()
	{
		bHasWholeRowContent = true;
		return WholeRowWidget;
	}

	FDetailWidgetDecl& NameContent() { return NameWidget; }

	FDetailWidgetDecl& ValueContent() { return ValueWidget; }

	FDetailWidgetRow& operator[](TSharedRef<SWidget> InWidget)
	{
		bHasWholeRowContent = true;
		WholeRowWidget.Widget = InWidget;
		return *this;
	}

	/** The text the details view's search matches this row against. */
	FDetailWidgetRow& FilterString(const FText& InFilterString)
	{
		FilterTextString = InFilterString;
		return *this;
	}

	FDetailWidgetRow& RowTag(const FName& InRowTagName)
	{
		RowTagName = InRowTagName;
		return *this;
	}

	bool HasAnyContent() const
	{
		return bHasWholeRowContent || NameWidget.Widget != SNullWidget::NullWidget ||
			   ValueWidget.Widget != SNullWidget::NullWidget;
	}

	FDetailWidgetDecl NameWidget;
	FDetailWidgetDecl ValueWidget;
	FDetailWidgetDecl WholeRowWidget;
	FText FilterTextString;
	FName RowTagName;

private:
	bool bHasWholeRowContent = false;
};
