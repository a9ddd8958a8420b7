#include "Layout/Children.h"

#include "Misc/AssertionMacros.h"
#include "Widgets/SNullWidget.h"
#include "Widgets/SWidget.h"

TSharedRef<SWidget> FNoChildren::GetChildAt(int32 Index)
{
	checkf(false, TEXT("A widget without children has no child %d"), Index);
	return SNullWidget::NullWidget;
}

TSharedRef<const SWidget> FNoChildren::GetChildAt(int32 Index) const
{
	checkf(false, TEXT("A widget without children has no child %d"), Index);
	return SNullWidget::NullWidget;
}
