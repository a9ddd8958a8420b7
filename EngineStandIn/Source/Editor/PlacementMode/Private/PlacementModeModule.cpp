#include "PlacementModeModule.h"
#include "UObject/Class.h"
#include "UObject/UObjectGlobals.h"
#include <algorithm>

#define LOCTEXT_NAMESPACE "PlacementMode"

FPlaceableItem::FPlaceableItem(UActorFactory* InFactory, const FAssetData& InAssetData, TOptional<int32> InSortOrder)
	: Factory(InFactory)
	, AssetData(InAssetData)
	, bAlwaysUseGenericThumbnail(false)
	, SortOrder(InSortOrder)
{
	AutoSetDisplayName();
}

void FPlaceableItem::AutoSetDisplayName()
{
	UClass* Class = AssetData.GetClass() == UClass::StaticClass() ? Cast<UClass>(AssetData.FastGetAsset()) : nullptr;
	if (Class)
	{
		NativeName = FText::FromString(Class->GetName());
		DisplayName = Class->GetDisplayNameText();
	}
	else
	{
		NativeName = FText::FromName(AssetData.AssetName);
		DisplayName = FText::FromName(AssetData.AssetName);
	}
}

void FPlacementModeModule::StartupModule()
{
	// The editor's own tabs; the editor's style set draws their icons.
	const FName AppStyleSetName(TEXT("EditorStyle"));
	RegisterPlacementCategory(FPlacementCategoryInfo(LOCTEXT("RecentlyPlaced", "Recently Placed"),
													 FSlateIcon(AppStyleSetName, TEXT("PlacementBrowser.Icons.Recent")),
													 FBuiltInPlacementCategories::RecentlyPlaced(), TEXT("PMRecentlyPlaced"),
													 TNumericLimits<int32>::Lowest(), false));
	RegisterPlacementCategory(FPlacementCategoryInfo(LOCTEXT("Basic", "Basic"), FSlateIcon(AppStyleSetName, TEXT("PlacementBrowser.Icons.Basic")),
													 FBuiltInPlacementCategories::Basic(), TEXT("PMBasic"), 10));
	RegisterPlacementCategory(FPlacementCategoryInfo(LOCTEXT("Lights", "Lights"), FSlateIcon(AppStyleSetName, TEXT("PlacementBrowser.Icons.Lights")),
													 FBuiltInPlacementCategories::Lights(), TEXT("PMLights"), 20));
	RegisterPlacementCategory(FPlacementCategoryInfo(LOCTEXT("VisualEffects", "Visual Effects"),
													 FSlateIcon(AppStyleSetName, TEXT("PlacementBrowser.Icons.VisualEffects")),
													 FBuiltInPlacementCategories::Visual(), TEXT("PMVisual"), 30));
	RegisterPlacementCategory(FPlacementCategoryInfo(LOCTEXT("Volumes", "Volumes"), FSlateIcon(AppStyleSetName, TEXT("PlacementBrowser.Icons.Volumes")),
													 FBuiltInPlacementCategories::Volumes(), TEXT("PMVolumes"), 40));
	RegisterPlacementCategory(FPlacementCategoryInfo(LOCTEXT("AllClasses", "All Classes"), FSlateIcon(AppStyleSetName, TEXT("PlacementBrowser.Icons.All")),
													 FBuiltInPlacementCategories::AllClasses(), TEXT("PMAllClasses"), 50));
}

void FPlacementModeModule::ShutdownModule()
{
	Categories.Empty();
}

bool FPlacementModeModule::RegisterPlacementCategory(const FPlacementCategoryInfo& Info)
{
	if (Categories.Contains(Info.UniqueHandle))
	{
		return false;
	}
	Categories.Add(Info.UniqueHandle, FPlacementCategory(Info));
	return true;
}

const FPlacementCategoryInfo* FPlacementModeModule::GetRegisteredPlacementCategory(FName UniqueHandle) const
{
	const FPlacementCategory* Category = Categories.Find(UniqueHandle);
	return Category ? &Category->Info : nullptr;
}

void FPlacementModeModule::UnregisterPlacementCategory(FName Handle)
{
	Categories.Remove(Handle);
}

void FPlacementModeModule::GetSortedCategories(TArray<FPlacementCategoryInfo>& OutCategories) const
{
	OutCategories.Reset();
	for (const TPair<FName, FPlacementCategory>& Entry : Categories)
	{
		OutCategories.Add(Entry.Value.Info);
	}
	// Tabs of equal sort order keep the order they were registered in.
	std::stable_sort(OutCategories.GetData(), OutCategories.GetData() + OutCategories.Num(),
					 [](const FPlacementCategoryInfo& A, const FPlacementCategoryInfo& B) { return A.SortOrder < B.SortOrder; });
}

TOptional<FPlacementModeID> FPlacementModeModule::RegisterPlaceableItem(FName CategoryName, const TSharedRef<FPlaceableItem>& Item)
{
	FPlacementCategory* Category = Categories.Find(CategoryName);
	if (!Category)
	{
		return TOptional<FPlacementModeID>();
	}
	FPlacementModeID ID;
	ID.Category = CategoryName;
	ID.UniqueID = FGuid::NewGuid();
	Category->Items.Add(ID.UniqueID, Item);
	return ID;
}

void FPlacementModeModule::UnregisterPlaceableItem(FPlacementModeID ID)
{
	if (FPlacementCategory* Category = Categories.Find(ID.Category))
	{
		Category->Items.Remove(ID.UniqueID);
	}
}

void FPlacementModeModule::GetItemsForCategory(FName CategoryName, TArray<TSharedPtr<FPlaceableItem>>& OutItems) const
{
	if (const FPlacementCategory* Category = Categories.Find(CategoryName))
	{
		for (const TPair<FGuid, TSharedPtr<FPlaceableItem>>& Entry : Category->Items)
		{
			OutItems.Add(Entry.Value);
		}
	}
}

#undef LOCTEXT_NAMESPACE

IMPLEMENT_MODULE(FPlacementModeModule, PlacementMode)
