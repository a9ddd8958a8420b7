#pragma once

#include "CoreMinimal.h"
#include "IAssetTools.h"

ASSETTOOLS_API DECLARE_LOG_CATEGORY_EXTERN(LogAssetTools, Log, All);

/** The editor's asset tools. */
class FAssetTools : public IAssetTools
{
public:
	FAssetTools();

	virtual void RegisterAssetTypeActions(const TSharedRef<IAssetTypeActions>& NewActions) override;
	virtual void UnregisterAssetTypeActions(const TSharedRef<IAssetTypeActions>& ActionsToRemove) override;
	virtual void GetAssetTypeActionsList(TArray<TWeakPtr<IAssetTypeActions>>& OutAssetTypeActionsList) const override;
	virtual TWeakPtr<IAssetTypeActions> GetAssetTypeActionsForClass(const UClass* Class) const override;
	virtual EAssetTypeCategories::Type RegisterAdvancedAssetCategory(FName CategoryKey, FText CategoryDisplayName) override;
	virtual EAssetTypeCategories::Type FindAdvancedAssetCategory(FName CategoryKey) const override;
	virtual void GetAllAdvancedAssetCategories(TArray<FAdvancedAssetCategory>& OutCategoryList) const override;
	virtual UObject* CreateAsset(const FString& AssetName, const FString& PackagePath, UClass* AssetClass, UFactory* Factory,
								 FName CallingContext = NAME_None) override;
	virtual void ImportAssetTasks(const TArray<UAssetImportTask*>& ImportTasks) override;

private:
	TArray<TSharedRef<IAssetTypeActions>> AssetTypeActionsList;
	TMap<FName, FAdvancedAssetCategory> AllocatedCategoryBits;
	/** The next bit RegisterAdvancedAssetCategory hands out; 0 once every bit is taken. */
	uint32 NextUserCategoryBit;
};
