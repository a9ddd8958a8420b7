#pragma once

#include "CoreMinimal.h"
#include "IAssetTypeActions.h"

/** Asset type actions with the editor's defaults; an asset type overrides its name, class, colour and categories. */
class ASSETTOOLS_API FAssetTypeActions_Base : public IAssetTypeActions
{
public:
	/** Opens the generic asset editor, whose details view shows the assets. */
	virtual void OpenAssetEditor(const TArray<UObject*>& InObjects,
								 TSharedPtr<IToolkitHost> EditWithinLevelEditor = TSharedPtr<IToolkitHost>()) override;
	virtual void OpenAssetEditor(const TArray<UObject*>& InObjects, const EAssetTypeActivationOpenedMethod OpenedMethod,
								 TSharedPtr<IToolkitHost> EditWithinLevelEditor = TSharedPtr<IToolkitHost>()) override;

	virtual bool CanFilter() override { return true; }
	virtual bool HasActions(const TArray<UObject*>& InObjects) const override { return false; }
	virtual FText GetAssetDescription(const FAssetData& AssetData) const override { return FText::GetEmpty(); }
	virtual FText GetDisplayNameFromAssetData(const FAssetData& AssetData) const override;
	virtual bool IsImportedAsset() const override { return false; }
	virtual bool ShouldForceWorldCentric() override { return false; }
};
