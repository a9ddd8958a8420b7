#pragma once

#include "CoreTypes.h"
#include "Math/Color.h"

enum class ESlateColorStylingMode : uint8
{
	// A colour given by the widget's user.
	UseColor_Specified,
	// The colour of the widget's style (its foreground).
	UseColor_Foreground,
};

/** A colour as widgets take it: given outright, or left to the widget's style (the foreground). */
struct FSlateColor
{
	FSlateColor() : SpecifiedColor(FLinearColor(1.0f, 0.0f, 1.0f)), ColorUseRule(ESlateColorStylingMode::UseColor_Foreground)
	{
	}

	FSlateColor(const FLinearColor& InColor) : SpecifiedColor(InColor), ColorUseRule(ESlateColorStylingMode::UseColor_Specified)
	{
	}

	static FSlateColor UseForeground() { return FSlateColor(); }

	bool IsColorSpecified() const { return ColorUseRule == ESlateColorStylingMode::UseColor_Specified; }

	const FLinearColor& GetSpecifiedColor() const { return SpecifiedColor; }

	ESlateColorStylingMode GetColorUseRule() const { return ColorUseRule; }

	bool operator==(const FSlateColor& Other) const
	{
		return ColorUseRule == Other.ColorUseRule && (!IsColorSpecified() || SpecifiedColor == Other.SpecifiedColor);
	}

	bool operator!=(const FSlateColor& Other) const { return !(*this == Other); }

private:
	FLinearColor SpecifiedColor;
	ESlateColorStylingMode ColorUseRule;
};
