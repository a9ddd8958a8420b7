#include "Widgets/Input/SButton.h"

#include "StandIn/WidgetTextPainter.h"
#include "Widgets/Text/STextBlock.h"

void SButton::Construct(const FArguments& InArgs)
{
	OnClicked = InArgs._OnClicked;
	ContentPadding = InArgs._ContentPadding;
	TSharedRef<SWidget> Content = InArgs._Content.Widget;
	if (InArgs._Text.IsSet())
	{
		Content = SNew(STextBlock).Text(InArgs._Text);
	}
	ChildSlot.HAlign(InArgs._HAlign).VAlign(InArgs._VAlign)[Content];
}

void SButton::SimulateClick()
{
	ExecuteOnClick();
}

FReply SButton::ExecuteOnClick()
{
	if (OnClicked.IsBound())
	{
		return OnClicked.Execute();
	}
	return FReply::Unhandled();
}

void SButton::PaintAsText(UE::StandIn::FWidgetTextPainter& Painter)
{
	UE::StandIn::FWidgetTextPainter LabelPainter;
	LabelPainter.Paint(*ChildSlot.GetWidget());
	FString Line = TEXT("[") + FString::Join(LabelPainter.GetLines(), TEXT(" ")) + TEXT("]");
	if (!IsEnabled())
	{
		Line += TEXT(" (disabled)");
	}
	const FText ToolTip = GetToolTipTextNow();
	if (!ToolTip.IsEmpty())
	{
		Line += TEXT("  ") + ToolTip.ToString();
	}
	Painter.AddLine(Line);
}
