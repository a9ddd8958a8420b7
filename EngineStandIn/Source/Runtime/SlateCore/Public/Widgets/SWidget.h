#pragma once

#include "CoreMinimal.h"
#include "Layout/Children.h"
#include "Misc/Attribute.h"

struct FSlateBaseNamedArgs;

namespace UE::StandIn
{
	class FWidgetTextPainter;
}

/**
 * The base of every widget. Widgets are owned by shared references (SNew makes them) and hand out weak
 * ones to themselves. Their attributes are evaluated whenever they are asked for, as when they are painted.
 */
class SLATECORE_API SWidget : public TSharedFromThis<SWidget>
{
public:
	virtual ~SWidget();

	SWidget(const SWidget&) = delete;
	SWidget& operator=(const SWidget&) = delete;

	/** Takes the arguments every widget has; called by SNew before the widget's own Construct. */
	void SWidgetConstruct(const FSlateBaseNamedArgs& Args);

	bool IsEnabled() const { return EnabledStateAttribute.Get(true); }

	void SetEnabled(TAttribute<bool> InEnabledState) { EnabledStateAttribute = MoveTemp(InEnabledState); }

	void SetToolTipText(const TAttribute<FText>& InToolTipText) { ToolTipText = InToolTipText; }

	virtual FChildren* GetChildren() = 0;

	/** The widget's class name, as SNew wrote it. */
	FName GetType() const { return TypeOfWidget; }

	FString GetTypeAsString() const { return TypeOfWidget.ToString(); }

	FString ToString() const { return GetTypeAsString(); }

	/** The widget's name for its SNew call; set by the declarative syntax. */
	void SetTypeOfWidget(FName InType) { TypeOfWidget = InType; }

	/** Stand-in: writes what the widget shows, as the headless editor paints it. Paints the children by default. */
	virtual void PaintAsText(UE::StandIn::FWidgetTextPainter& Painter);

protected:
	SWidget();

	/** The tooltip's text, evaluated now; empty when the widget has none. */
	FText GetToolTipTextNow() const { return ToolTipText.Get(FText::GetEmpty()); }

	TAttribute<bool> EnabledStateAttribute;

private:
	TAttribute<FText> ToolTipText;
	FName TypeOfWidget;
};
