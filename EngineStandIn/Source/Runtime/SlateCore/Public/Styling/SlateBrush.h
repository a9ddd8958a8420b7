#pragma once

#include "CoreMinimal.h"
#include "Styling/SlateColor.h"
#include "Types/SlateVector2.h"

class UObject;

namespace ESlateBrushDrawType
{
	enum Type : int
	{
		NoDrawType,
		Box,
		Border,
		Image,
		RoundedBox,
	};
}

namespace ESlateBrushTileType
{
	enum Type : int
	{
		NoTile,
		Horizontal,
		Vertical,
		Both,
	};
}

namespace ESlateBrushMirrorType
{
	enum Type : int
	{
		NoMirror,
		Horizontal,
		Vertical,
		Both,
	};
}

namespace ESlateBrushImageType
{
	enum Type : int
	{
		NoImage,
		FullColor,
		Linear,
		Vector,
	};
}

/** How Slate draws an element: an image file named by its resource name, its size, tint and tiling. */
struct SLATECORE_API FSlateBrush
{
public:
	FSlateBrush();
	virtual ~FSlateBrush() = default;

	FDeprecateSlateVector2D ImageSize;
	FSlateColor TintColor;
	ESlateBrushDrawType::Type DrawAs;
	ESlateBrushTileType::Type Tiling;
	ESlateBrushMirrorType::Type Mirroring;
	ESlateBrushImageType::Type ImageType;

	FName GetResourceName() const { return ResourceName; }

	UObject* GetResourceObject() const { return ResourceObject; }

	UE::Slate::FDeprecateVector2DResult GetImageSize() const { return UE::Slate::FDeprecateVector2DResult(ImageSize); }

	ESlateBrushDrawType::Type GetDrawType() const { return DrawAs; }

	ESlateBrushTileType::Type GetTiling() const { return Tiling; }

	ESlateBrushMirrorType::Type GetMirroring() const { return Mirroring; }

	ESlateBrushImageType::Type GetImageType() const { return ImageType; }

	/** True for a brush that draws an image it loads from a file (not from an object). */
	bool HasUObject() const { return ResourceObject != nullptr; }

protected:
	FSlateBrush(ESlateBrushDrawType::Type InDrawType, const FName InResourceName, ESlateBrushTileType::Type InTiling,
				ESlateBrushImageType::Type InImageType, const UE::Slate::FDeprecateVector2DParameter& InImageSize,
				const FSlateColor& InTint, UObject* InObjectResource = nullptr);

	UObject* ResourceObject = nullptr;
	FName ResourceName;
};
