#include "Styling/StyleDefaults.h"
#include "Brushes/SlateNoResource.h"

const FSlateBrush* FStyleDefaults::GetNoBrush()
{
	static const FSlateNoResource NoBrush;
	return &NoBrush;
}
