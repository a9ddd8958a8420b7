#pragma once

#include "CoreMinimal.h"
#include "Layout/Children.h"
#include "Layout/Margin.h"
#include "Types/SlateEnums.h"
#include "Widgets/SNullWidget.h"
#include "Widgets/SWidget.h"

/** A slot holding one widget, with its alignment and padding; it is also the children of its owner. */
class SLATECORE_API FSingleWidgetChildrenWithBasicLayoutSlot : public FChildren
{
public:
	FSingleWidgetChildrenWithBasicLayoutSlot() : Widget(SNullWidget::NullWidget) {}

	FSingleWidgetChildrenWithBasicLayoutSlot& operator[](const TSharedRef<SWidget>& InWidget)
	{
		Widget = InWidget;
		return *this;
	}

	FSingleWidgetChildrenWithBasicLayoutSlot& HAlign(EHorizontalAlignment InHAlignment)
	{
		HAlignment = InHAlignment;
		return *this;
	}

	FSingleWidgetChildrenWithBasicLayoutSlot& VAlign(EVerticalAlignment InVAlignment)
	{
		VAlignment = InVAlignment;
		return *this;
	}

	FSingleWidgetChildrenWithBasicLayoutSlot& Padding(const FMargin& InPadding)
	{
		SlotPadding = InPadding;
		return *this;
	}

	const TSharedRef<SWidget>& GetWidget() const { return Widget; }

	EHorizontalAlignment GetHorizontalAlignment() const { return HAlignment; }
	EVerticalAlignment GetVerticalAlignment() const { return VAlignment; }
	const FMargin& GetPadding() const { return SlotPadding; }

	virtual int32 Num() const override { return 1; }
	virtual TSharedRef<SWidget> GetChildAt(int32 Index) override { return Widget; }
	virtual TSharedRef<const SWidget> GetChildAt(int32 Index) const override { return Widget; }

private:
	TSharedRef<SWidget> Widget;
	EHorizontalAlignment HAlignment = HAlign_Fill;
	EVerticalAlignment VAlignment = VAlign_Fill;
	FMargin SlotPadding;
};

using FCompoundWidgetOneChildSlot = FSingleWidgetChildrenWithBasicLayoutSlot;

/** A widget made of other widgets, held in its one ChildSlot. */
class SLATECORE_API SCompoundWidget : public SWidget
{
public:
	virtual FChildren* GetChildren() override { return &ChildSlot; }

protected:
	SCompoundWidget() = default;

	FCompoundWidgetOneChildSlot ChildSlot;
};
