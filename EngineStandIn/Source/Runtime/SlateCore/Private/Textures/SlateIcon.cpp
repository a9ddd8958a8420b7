#include "Textures/SlateIcon.h"
#include "Styling/ISlateStyle.h"
#include "Styling/SlateStyleRegistry.h"
#include "Styling/StyleDefaults.h"

FSlateIcon::FSlateIcon()
	: bIsSet(false)
{
}

FSlateIcon::FSlateIcon(const FName InStyleSetName, const FName InStyleName, const FName InSmallStyleName,
					   const FName InStatusOverlayStyleName)
	: StyleSetName(InStyleSetName)
	, StyleName(InStyleName)
	, SmallStyleName(InSmallStyleName)
	, StatusOverlayStyleName(InStatusOverlayStyleName)
	, bIsSet(true)
{
}

const ISlateStyle* FSlateIcon::GetStyleSet() const
{
	return FSlateStyleRegistry::FindSlateStyle(StyleSetName);
}

const FSlateBrush* FSlateIcon::GetIcon() const
{
	const ISlateStyle* StyleSet = GetStyleSet();
	return StyleSet ? StyleSet->GetOptionalBrush(StyleName) : FStyleDefaults::GetNoBrush();
}

const FSlateBrush* FSlateIcon::GetSmallIcon() const
{
	const ISlateStyle* StyleSet = GetStyleSet();
	if (!StyleSet)
	{
		return FStyleDefaults::GetNoBrush();
	}
	// Without a small brush of its own the icon is drawn small from its ".Small" brush, else from its own.
	const FName SmallName = SmallStyleName.IsNone() ? FName(StyleName.ToString() + TEXT(".Small")) : SmallStyleName;
	return StyleSet->GetOptionalBrush(SmallName, nullptr, GetIcon());
}

const FSlateBrush* FSlateIcon::GetOverlayIcon() const
{
	const ISlateStyle* StyleSet = GetStyleSet();
	return StyleSet && !StatusOverlayStyleName.IsNone() ? StyleSet->GetOptionalBrush(StatusOverlayStyleName) : nullptr;
}
