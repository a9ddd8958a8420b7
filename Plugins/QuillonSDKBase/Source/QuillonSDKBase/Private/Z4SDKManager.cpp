#include "Z4SDKManager.h"

#include "Engine/Texture2D.h"

TObjectPtr<UTexture2D> UZ4SDKManager::GetDefaultAssetThumbnail(EZ4AssetType Type) const
{
	const uint8 Index = static_cast<uint8>(Type);
	return DefaultAssetThumbnails[Index < static_cast<uint8>(EZ4AssetType::E_NUM) ? Index : 0];
}
