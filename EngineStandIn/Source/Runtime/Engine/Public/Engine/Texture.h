#pragma once

#include "CoreMinimal.h"
#include "Engine/StreamableRenderAsset.h"
#include "Texture.generated.h"

class UAssetImportData;

enum ETextureSourceFormat : int
{
	TSF_Invalid,
	TSF_G8,
	TSF_BGRA8,
	TSF_BGRE8,
	TSF_RGBA16,
	TSF_RGBA16F,
	TSF_RGBA8_DEPRECATED,
	TSF_RGBE8_DEPRECATED,
	TSF_G16,
	TSF_RGBA32F,
	TSF_R16F,
	TSF_R32F,
	TSF_MAX
};

enum ETextureSourceCompressionFormat : int
{
	TSCF_None,
	TSCF_PNG,
	TSCF_JPEG,
	TSCF_UEJPEG,
	TSCF_MAX
};

/**
 * The image a texture is built from, as it was imported. The engine keeps the bytes as bulk data beside
 * the package's properties; here they are a reflected property (Base64 text), so the package stays one
 * readable document.
 */
USTRUCT()
struct ENGINE_API FTextureSource
{
	GENERATED_BODY()

public:
	/** Takes an image still in its file format (a PNG, for TSCF_PNG) with its size and pixel format. */
	void InitWithCompressedSourceData(int32 NewSizeX, int32 NewSizeY, int32 NewNumMips, ETextureSourceFormat NewFormat,
									  const TArrayView64<uint8> NewSourceData, ETextureSourceCompressionFormat NewSourceFormat);

	bool IsValid() const { return SizeX > 0 && SizeY > 0 && Format != TSF_Invalid; }
	int32 GetSizeX() const { return SizeX; }
	int32 GetSizeY() const { return SizeY; }
	int32 GetNumMips() const { return NumMips; }
	ETextureSourceFormat GetFormat() const { return ETextureSourceFormat(Format); }
	ETextureSourceCompressionFormat GetSourceCompression() const { return ETextureSourceCompressionFormat(CompressionFormat); }
	/** The size of the image's bytes as stored. */
	int64 GetSizeOnDisk() const;

private:
	UPROPERTY()
	int32 SizeX = 0;

	UPROPERTY()
	int32 SizeY = 0;

	UPROPERTY()
	int32 NumMips = 0;

	UPROPERTY()
	int32 Format = TSF_Invalid;

	UPROPERTY()
	int32 CompressionFormat = TSCF_None;

	UPROPERTY()
	FString BulkData;
};

UCLASS(Abstract)
class ENGINE_API UTexture : public UStreamableRenderAsset
{
	GENERATED_BODY()

public:
#if WITH_EDITORONLY_DATA
	UPROPERTY()
	FTextureSource Source;

	UPROPERTY(VisibleAnywhere, Instanced, Category = ImportSettings)
	TObjectPtr<UAssetImportData> AssetImportData;
#endif
};
