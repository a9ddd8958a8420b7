#pragma once

#include "CoreMinimal.h"
#include "Framework/SlateDelegates.h"
#include "Input/Reply.h"
#include "Layout/Margin.h"
#include "Types/SlateEnums.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

/** A clickable button; given a Text, its content is a text block showing it. */
class SLATE_API SButton : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SButton)
		: _Content()
		, _HAlign(HAlign_Fill)
		, _VAlign(VAlign_Fill)
		, _ContentPadding(FMargin(4.0f, 2.0f))
		, _Text()
		{
		}
		SLATE_DEFAULT_SLOT(FArguments, Content)
		SLATE_ARGUMENT(EHorizontalAlignment, HAlign)
		SLATE_ARGUMENT(EVerticalAlignment, VAlign)
		SLATE_ATTRIBUTE(FMargin, ContentPadding)
		SLATE_ATTRIBUTE(FText, Text)
		SLATE_EVENT(FOnClicked, OnClicked)
	SLATE_END_ARGS()

	SButton() = default;

	void Construct(const FArguments& InArgs);

	/** Clicks the button as a user would: its OnClicked runs if it is still bound. */
	void SimulateClick();

	virtual void PaintAsText(UE::StandIn::FWidgetTextPainter& Painter) override;

protected:
	FReply ExecuteOnClick();

	FOnClicked OnClicked;
	TAttribute<FMargin> ContentPadding;
};
