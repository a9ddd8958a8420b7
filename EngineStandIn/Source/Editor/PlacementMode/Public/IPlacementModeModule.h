#pragma once

#include "CoreMinimal.h"
#include "AssetRegistry/AssetData.h"
#include "Misc/Guid.h"
#include "Modules/ModuleInterface.h"
#include "Modules/ModuleManager.h"
#include "Textures/SlateIcon.h"

class SWidget;
class UActorFactory;

/** An item the placement mode offers for dragging into a level: an actor class or an asset. */
struct FPlaceableItem
{
	FPlaceableItem()
		: Factory(nullptr)
		, bAlwaysUseGenericThumbnail(false)
	{
	}

	/** An item for an asset (or a class), placed by the given factory or, without one, by the factory that fits the asset. */
	PLACEMENTMODE_API FPlaceableItem(UActorFactory* InFactory, const FAssetData& InAssetData,
									 TOptional<int32> InSortOrder = TOptional<int32>());

	/** Sets the display name from the asset: a class's display name, or the asset's name. */
	PLACEMENTMODE_API void AutoSetDisplayName();

	UActorFactory* Factory;
	FAssetData AssetData;
	FName ClassThumbnailBrushOverride;
	FName ClassIconBrushOverride;
	bool bAlwaysUseGenericThumbnail;
	TOptional<int32> SortOrder;
	FText DisplayName;
	FText NativeName;
};

/** A tab of the placement mode. */
struct FPlacementCategoryInfo
{
	FPlacementCategoryInfo(FText InDisplayName, FSlateIcon InDisplayIcon, FName InHandle, FString InTag,
						   int32 InSortOrder = 0, bool bInSortable = true)
		: DisplayName(InDisplayName)
		, DisplayIcon(InDisplayIcon)
		, UniqueHandle(InHandle)
		, SortOrder(InSortOrder)
		, TagMetaData(MoveTemp(InTag))
		, bSortable(bInSortable)
	{
	}

	FPlacementCategoryInfo(FText InDisplayName, FName InHandle, FString InTag, int32 InSortOrder = 0,
						   bool bInSortable = true)
		: DisplayName(InDisplayName)
		, UniqueHandle(InHandle)
		, SortOrder(InSortOrder)
		, TagMetaData(MoveTemp(InTag))
		, bSortable(bInSortable)
	{
	}

	/** The tab's label. */
	FText DisplayName;
	/** A shorter label for narrow layouts; the display name is shown when it is empty. */
	FText ShortDisplayName;
	FSlateIcon DisplayIcon;
	FName UniqueHandle;
	/** Tabs are shown in ascending sort order. */
	int32 SortOrder;
	FString TagMetaData;
	/** Builds the tab's content instead of the item list, when set. */
	TFunction<TSharedRef<SWidget>()> CustomGenerator;
	/** Whether the tab's items are sorted by their sort order and name. */
	bool bSortable;
	TArray<TSharedRef<FPlaceableItem>> CustomDraggableItems;
};

/** Identifies a registered placeable item. */
struct FPlacementModeID
{
	FName Category;
	FGuid UniqueID;

	bool operator==(const FPlacementModeID& Other) const
	{
		return Category == Other.Category && UniqueID == Other.UniqueID;
	}
};

/** The handles of the placement mode's own tabs. */
struct FBuiltInPlacementCategories
{
	static FName RecentlyPlaced() { return FName(TEXT("RecentlyPlaced")); }
	static FName Basic() { return FName(TEXT("Basic")); }
	static FName Lights() { return FName(TEXT("Lights")); }
	static FName Visual() { return FName(TEXT("Visual")); }
	static FName Volumes() { return FName(TEXT("Volumes")); }
	static FName AllClasses() { return FName(TEXT("AllClasses")); }
};

/** The editor's placement mode: tabs of actor classes and assets a creator drags into a level. */
class IPlacementModeModule : public IModuleInterface
{
public:
	static inline IPlacementModeModule& Get()
	{
		return FModuleManager::LoadModuleChecked<IPlacementModeModule>(TEXT("PlacementMode"));
	}

	static inline bool IsAvailable() { return FModuleManager::Get().IsModuleLoaded(TEXT("PlacementMode")); }

	/** Adds a tab; false when a tab with its handle is registered already. */
	virtual bool RegisterPlacementCategory(const FPlacementCategoryInfo& Info) = 0;

	/** The tab with that handle, or null. */
	virtual const FPlacementCategoryInfo* GetRegisteredPlacementCategory(FName UniqueHandle) const = 0;

	/** Removes a tab and its items. */
	virtual void UnregisterPlacementCategory(FName Handle) = 0;

	/** Every tab, in the order the placement mode shows them. */
	virtual void GetSortedCategories(TArray<FPlacementCategoryInfo>& OutCategories) const = 0;

	/** Adds an item to a tab; unset when there is no tab with that handle. */
	virtual TOptional<FPlacementModeID> RegisterPlaceableItem(FName CategoryName, const TSharedRef<FPlaceableItem>& Item) = 0;

	virtual void UnregisterPlaceableItem(FPlacementModeID ID) = 0;

	/** The items of a tab, unsorted. */
	virtual void GetItemsForCategory(FName Category, TArray<TSharedPtr<FPlaceableItem>>& OutItems) const = 0;
};
