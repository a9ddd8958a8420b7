#include "Widgets/Text/STextBlock.h"

#include "StandIn/WidgetTextPainter.h"

void STextBlock::Construct(const FArguments& InArgs)
{
	BoundText = InArgs._Text;
	ColorAndOpacity = InArgs._ColorAndOpacity;
	AutoWrapText = InArgs._AutoWrapText;
}

void STextBlock::PaintAsText(UE::StandIn::FWidgetTextPainter& Painter)
{
	const FString Text = GetText().ToString();
	const FSlateColor Color = GetColorAndOpacity();
	if (!Color.IsColorSpecified())
	{
		Painter.AddLines(Text);
		return;
	}
	// The colour goes after the text's first line, so a coloured warning still reads as a sentence.
	const FString Tag = FString::Printf(TEXT("  [%s]"), *UE::StandIn::FWidgetTextPainter::DescribeColor(Color.GetSpecifiedColor()));
	FString FirstLine;
	FString Rest;
	if (Text.Split(TEXT("\n"), &FirstLine, &Rest))
	{
		Painter.AddLine(FirstLine + Tag);
		Painter.AddLines(Rest);
	}
	else
	{
		Painter.AddLine(Text + Tag);
	}
}
