#include "Widgets/SBoxPanel.h"

#include "StandIn/WidgetTextPainter.h"

void SBoxPanel::PaintAsText(UE::StandIn::FWidgetTextPainter& Painter)
{
	// A text line has no room for a row of widgets side by side: each slot paints below the previous one.
	for (const FSlot& Slot : Children.Slots)
	{
		Painter.Paint(*Slot.GetWidget());
	}
}

void SHorizontalBox::Construct(const FArguments& InArgs)
{
	for (const FSlot::FSlotArguments& SlotArguments : InArgs._Slots)
	{
		AddSlot(SlotArguments.Slot);
	}
}
