#pragma once

#include "CoreMinimal.h"
#include "IPlacementModeModule.h"

class FPlacementModeModule : public IPlacementModeModule
{
public:
	virtual void StartupModule() override;
	virtual void ShutdownModule() override;

	virtual bool RegisterPlacementCategory(const FPlacementCategoryInfo& Info) override;
	virtual const FPlacementCategoryInfo* GetRegisteredPlacementCategory(FName UniqueHandle) const override;
	virtual void UnregisterPlacementCategory(FName Handle) override;
	virtual void GetSortedCategories(TArray<FPlacementCategoryInfo>& OutCategories) const override;
	virtual TOptional<FPlacementModeID> RegisterPlaceableItem(FName CategoryName, const TSharedRef<FPlaceableItem>& Item) override;
	virtual void UnregisterPlaceableItem(FPlacementModeID ID) override;
	virtual void GetItemsForCategory(FName Category, TArray<TSharedPtr<FPlaceableItem>>& OutItems) const override;

private:
	struct FPlacementCategory
	{
		explicit FPlacementCategory(const FPlacementCategoryInfo& InInfo) : Info(InInfo) {}

		FPlacementCategoryInfo Info;
		TMap<FGuid, TSharedPtr<FPlaceableItem>> Items;
	};

	TMap<FName, FPlacementCategory> Categories;
};
