#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/ObjectPtr.h"
#include "Z4SDKTypes.h"
#include "Z4SDKManager.generated.h"

class UTexture2D;

/** Manages / contains default parameters for the SDK. */
UCLASS(Blueprintable, BlueprintType)
class QUILLONSDKBASE_API UZ4SDKManager : public UObject
{
	GENERATED_BODY()

public:
	/** The default thumbnail for an asset kind; kinds out of range get the E_NONE slot. */
	TObjectPtr<UTexture2D> GetDefaultAssetThumbnail(EZ4AssetType Type) const;

	UPROPERTY(EditDefaultsOnly, Category = "Icons")
	TObjectPtr<UTexture2D> ProfileTexture;

private:
	UPROPERTY(EditDefaultsOnly, Category = "Icons", meta = (ArraySizeEnum = "/Script/QuillonSDKBase.EZ4AssetType"))
	TObjectPtr<UTexture2D> DefaultAssetThumbnails[(uint8)EZ4AssetType::E_NUM];
};
