#pragma once

#include "CoreMinimal.h"

struct FSlateBrush;

namespace UE::StandIn
{
	struct FSlateImageFileInfo
	{
		int32 Width = 0;
		int32 Height = 0;
	};

	/**
	 * Reads the image file that an image brush names, as the renderer does when it first draws the brush: the
	 * file must exist and be a well-formed PNG (signature, a valid header chunk, image data and an end chunk,
	 * every chunk's checksum right). On failure the renderer's warning goes to LogSlate and OutError says why.
	 */
	SLATECORE_API bool ReadSlateImageFile(const FString& Filename, FSlateImageFileInfo& OutInfo, FString& OutError);

	/** The same for a brush: its resource name is the file. A brush that draws no image fails. */
	SLATECORE_API bool ReadBrushImage(const FSlateBrush& Brush, FSlateImageFileInfo& OutInfo, FString& OutError);
}
