#include "Styling/SlateBrush.h"

FSlateBrush::FSlateBrush()
	: ImageSize(32.0f, 32.0f)
	, TintColor(FLinearColor::White)
	, DrawAs(ESlateBrushDrawType::Image)
	, Tiling(ESlateBrushTileType::NoTile)
	, Mirroring(ESlateBrushMirrorType::NoMirror)
	, ImageType(ESlateBrushImageType::NoImage)
{
}

FSlateBrush::FSlateBrush(ESlateBrushDrawType::Type InDrawType, const FName InResourceName,
						 ESlateBrushTileType::Type InTiling, ESlateBrushImageType::Type InImageType,
						 const UE::Slate::FDeprecateVector2DParameter& InImageSize, const FSlateColor& InTint,
						 UObject* InObjectResource)
	: ImageSize(InImageSize.ToVector2f())
	, TintColor(InTint)
	, DrawAs(InDrawType)
	, Tiling(InTiling)
	, Mirroring(ESlateBrushMirrorType::NoMirror)
	, ImageType(InImageType)
	, ResourceObject(InObjectResource)
	, ResourceName(InResourceName)
{
}
