#include "TextureImages.h"

#include "Engine/Texture.h"
#include "IImageWrapperModule.h"
#include "Modules/ModuleManager.h"

namespace UE::StandInEditor
{
	namespace
	{
		constexpr int32 ImageSize = 32;
		constexpr int32 CheckerSize = 8;
	}

	bool MakeTextureImage(UTexture& Texture, FString& OutError)
	{
		const uint32 Hash = GetTypeHash(Texture.GetName());
		const uint8 Light[4] = {uint8(128 + (Hash & 0x7f)), uint8(128 + ((Hash >> 8) & 0x7f)), uint8(128 + ((Hash >> 16) & 0x7f)), 255};
		const uint8 Dark[4] = {uint8(Light[0] / 2), uint8(Light[1] / 2), uint8(Light[2] / 2), 255};
		TArray64<uint8> Pixels;
		for (int32 Y = 0; Y < ImageSize; ++Y)
		{
			for (int32 X = 0; X < ImageSize; ++X)
			{
				const uint8* Colour = ((X / CheckerSize + Y / CheckerSize) % 2) ? Dark : Light;
				Pixels.Append(Colour, 4);
			}
		}
		TSharedPtr<IImageWrapper> Png = FModuleManager::LoadModuleChecked<IImageWrapperModule>(TEXT("ImageWrapper")).CreateImageWrapper(EImageFormat::PNG);
		TArray64<uint8> PngBytes;
		if (Png && Png->SetRaw(Pixels.GetData(), Pixels.Num(), ImageSize, ImageSize, ERGBFormat::BGRA, 8))
		{
			PngBytes = Png->GetCompressed();
		}
		if (PngBytes.IsEmpty())
		{
			OutError = FString::Printf(TEXT("the image of %s cannot be made as a PNG"), *Texture.GetPathName());
			return false;
		}
#if WITH_EDITORONLY_DATA
		Texture.Source.InitWithCompressedSourceData(ImageSize, ImageSize, 1, TSF_BGRA8, PngBytes, TSCF_PNG);
#endif
		return true;
	}
}
