#pragma once

#include "CoreMinimal.h"
#include "AssetTypeActions_Base.h"

/** The package asset type: its name, colour and content browser category. */
class FAssetTypeActions_Z4Package : public FAssetTypeActions_Base
{
public:
	virtual FText GetName() const override;
	virtual UClass* GetSupportedClass() const override;
	virtual FColor GetTypeColor() const override;
	virtual uint32 GetCategories() override;
};
