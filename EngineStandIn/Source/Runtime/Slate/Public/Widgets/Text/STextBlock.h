#pragma once

#include "CoreMinimal.h"
#include "Styling/SlateColor.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SLeafWidget.h"

/** Shows a text. */
class SLATE_API STextBlock : public SLeafWidget
{
public:
	SLATE_BEGIN_ARGS(STextBlock)
		: _Text()
		, _ColorAndOpacity()
		, _AutoWrapText(false)
		{
		}
		SLATE_ATTRIBUTE(FText, Text)
		SLATE_ATTRIBUTE(FSlateColor, ColorAndOpacity)
		SLATE_ATTRIBUTE(bool, AutoWrapText)
	SLATE_END_ARGS()

	STextBlock() = default;

	void Construct(const FArguments& InArgs);

	const FText& GetText() const { return BoundText.Get(FText::GetEmpty()); }

	void SetText(TAttribute<FText> InText) { BoundText = MoveTemp(InText); }

	void SetColorAndOpacity(const TAttribute<FSlateColor>& InColorAndOpacity) { ColorAndOpacity = InColorAndOpacity; }

	/** The colour the text is drawn in now; the style's foreground unless one was given. */
	FSlateColor GetColorAndOpacity() const { return ColorAndOpacity.Get(FSlateColor::UseForeground()); }

	bool GetAutoWrapText() const { return AutoWrapText.Get(false); }

	virtual void PaintAsText(UE::StandIn::FWidgetTextPainter& Painter) override;

private:
	TAttribute<FText> BoundText;
	TAttribute<FSlateColor> ColorAndOpacity;
	TAttribute<bool> AutoWrapText;
};
