#pragma once

#include "CoreMinimal.h"

class ISlateStyle;
struct FSlateBrush;

/** An icon named by its style set and brush, resolved through the style registry when it is drawn. */
struct SLATECORE_API FSlateIcon
{
public:
	FSlateIcon();
	FSlateIcon(const FName InStyleSetName, const FName InStyleName, const FName InSmallStyleName = NAME_None,
			   const FName InStatusOverlayStyleName = NAME_None);

	const FName& GetStyleSetName() const { return StyleSetName; }
	const FName& GetStyleName() const { return StyleName; }
	const FName& GetSmallStyleName() const { return SmallStyleName; }
	const FName& GetOverlayIconStyleName() const { return StatusOverlayStyleName; }

	/** The style set registered under the icon's style set name, or null. */
	const ISlateStyle* GetStyleSet() const;

	/** The icon's brush, or a brush that draws nothing when the style set or the brush is missing. */
	const FSlateBrush* GetIcon() const;
	const FSlateBrush* GetSmallIcon() const;
	const FSlateBrush* GetOverlayIcon() const;

	const bool IsSet() const { return bIsSet; }

	bool operator==(const FSlateIcon& Other) const
	{
		return bIsSet == Other.bIsSet && StyleSetName == Other.StyleSetName && StyleName == Other.StyleName &&
			   SmallStyleName == Other.SmallStyleName && StatusOverlayStyleName == Other.StatusOverlayStyleName;
	}

private:
	FName StyleSetName;
	FName StyleName;
	FName SmallStyleName;
	FName StatusOverlayStyleName;
	bool bIsSet;
};
