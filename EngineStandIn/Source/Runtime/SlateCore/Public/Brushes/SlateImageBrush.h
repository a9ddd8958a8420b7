#pragma once

#include "CoreMinimal.h"
#include "Styling/SlateBrush.h"

/** A brush that draws an image file, named by its full path. */
struct FSlateImageBrush : public FSlateBrush
{
	FSlateImageBrush(const FName& InImageName, const UE::Slate::FDeprecateVector2DParameter& InImageSize,
					 const FLinearColor& InTint = FLinearColor(1, 1, 1, 1),
					 ESlateBrushTileType::Type InTiling = ESlateBrushTileType::NoTile,
					 ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Image, InImageName, InTiling, InImageType, InImageSize, FSlateColor(InTint))
	{
	}

	FSlateImageBrush(const FString& InImageName, const UE::Slate::FDeprecateVector2DParameter& InImageSize,
					 const FLinearColor& InTint = FLinearColor(1, 1, 1, 1),
					 ESlateBrushTileType::Type InTiling = ESlateBrushTileType::NoTile,
					 ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Image, FName(*InImageName), InTiling, InImageType, InImageSize,
					  FSlateColor(InTint))
	{
	}

	FSlateImageBrush(const ANSICHAR* InImageName, const UE::Slate::FDeprecateVector2DParameter& InImageSize,
					 const FLinearColor& InTint = FLinearColor(1, 1, 1, 1),
					 ESlateBrushTileType::Type InTiling = ESlateBrushTileType::NoTile,
					 ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Image, FName(InImageName), InTiling, InImageType, InImageSize,
					  FSlateColor(InTint))
	{
	}

	FSlateImageBrush(const WIDECHAR* InImageName, const UE::Slate::FDeprecateVector2DParameter& InImageSize,
					 const FLinearColor& InTint = FLinearColor(1, 1, 1, 1),
					 ESlateBrushTileType::Type InTiling = ESlateBrushTileType::NoTile,
					 ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Image, FName(InImageName), InTiling, InImageType, InImageSize,
					  FSlateColor(InTint))
	{
	}

	FSlateImageBrush(const FName& InImageName, const UE::Slate::FDeprecateVector2DParameter& InImageSize,
					 const FSlateColor& InTint, ESlateBrushTileType::Type InTiling = ESlateBrushTileType::NoTile,
					 ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Image, InImageName, InTiling, InImageType, InImageSize, InTint)
	{
	}

	FSlateImageBrush(const FString& InImageName, const UE::Slate::FDeprecateVector2DParameter& InImageSize,
					 const FSlateColor& InTint, ESlateBrushTileType::Type InTiling = ESlateBrushTileType::NoTile,
					 ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Image, FName(*InImageName), InTiling, InImageType, InImageSize, InTint)
	{
	}
};
