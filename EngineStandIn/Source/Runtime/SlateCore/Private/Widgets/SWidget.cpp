#include "Widgets/SWidget.h"

#include "StandIn/WidgetTextPainter.h"
#include "Widgets/DeclarativeSyntaxSupport.h"

SWidget::SWidget()
	: EnabledStateAttribute(true)
{
}

SWidget::~SWidget() = default;

void SWidget::SWidgetConstruct(const FSlateBaseNamedArgs& Args)
{
	EnabledStateAttribute = Args._IsEnabled;
	ToolTipText = Args._ToolTipText;
}

void SWidget::PaintAsText(UE::StandIn::FWidgetTextPainter& Painter)
{
	if (FChildren* Children = GetChildren())
	{
		for (int32 Index = 0; Index < Children->Num(); ++Index)
		{
			Painter.Paint(*Children->GetChildAt(Index));
		}
	}
}
