#pragma once

#include "Styling/SlateBrush.h"

/** A brush that draws nothing. */
struct FSlateNoResource : public FSlateBrush
{
	FSlateNoResource(const UE::Slate::FDeprecateVector2DParameter& InImageSize = FVector2f(0.0f, 0.0f))
		: FSlateBrush(ESlateBrushDrawType::NoDrawType, NAME_None, ESlateBrushTileType::NoTile,
					  ESlateBrushImageType::NoImage, InImageSize, FSlateColor(FLinearColor::White))
	{
	}
};
