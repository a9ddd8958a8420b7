#include "Widgets/Layout/SBox.h"

void SBox::Construct(const FArguments& InArgs)
{
	WidthOverride = InArgs._WidthOverride;
	HeightOverride = InArgs._HeightOverride;
	MinDesiredWidth = InArgs._MinDesiredWidth;
	MaxDesiredWidth = InArgs._MaxDesiredWidth;
	ChildSlot.HAlign(InArgs._HAlign).VAlign(InArgs._VAlign).Padding(InArgs._Padding.Get(FMargin()));
	ChildSlot[InArgs._Content.Widget];
}
