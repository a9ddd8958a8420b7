#pragma once

#include "CoreMinimal.h"

class UTexture;

namespace UE::StandInEditor
{
	// Gives a texture a small source image, as importing a picture would: a checkered PNG whose colours
	// come from the texture's name, so every texture looks different and the same one always the same.
	bool MakeTextureImage(UTexture& Texture, FString& OutError);
}
