#pragma once

#include "CoreMinimal.h"
#include "AssetTypeCategories.h"

class UClass;
class UFactory;
class UObject;

namespace UE::StandIn
{
	/** An asset type as the content browser lists it: from its registered asset type actions. */
	struct FContentBrowserAssetType
	{
		FText Name;
		FColor Color;
		UClass* SupportedClass = nullptr;
	};

	/** A category of the content browser's filter menu with the asset types found under it. */
	struct FContentBrowserCategory
	{
		EAssetTypeCategories::Type Bit = EAssetTypeCategories::None;
		FText Name;
		TArray<FContentBrowserAssetType> AssetTypes;
	};

	/** An asset of a folder as the content browser shows its tile: name, type label and colour. */
	struct FContentBrowserAsset
	{
		FString ObjectPath;
		FName AssetName;
		UClass* Class = nullptr;
		/** The asset type's name, or the class's display name when no asset type actions are registered for it. */
		FText TypeName;
		FColor TypeColor;
		bool bHasAssetTypeActions = false;
	};

	/** An entry of the new-asset menu: a factory that makes new assets. */
	struct FNewAssetMenuEntry
	{
		FText DisplayName;
		uint32 Categories = 0;
		UClass* FactoryClass = nullptr;
		UClass* SupportedClass = nullptr;
	};

	/** The filter menu: every category (the engine's own first) that holds at least one registered asset type. */
	ASSETTOOLS_API TArray<FContentBrowserCategory> GetContentBrowserCategories();

	/** The assets of one content folder (not its subfolders), by name; loads them to learn their classes. */
	ASSETTOOLS_API TArray<FContentBrowserAsset> GetFolderAssets(const FString& PackagePath);

	/** The new-asset menu: the factories among the reflected classes that ask to be shown there, by name. */
	ASSETTOOLS_API TArray<FNewAssetMenuEntry> GetNewAssetMenu();

	/** The menu entry whose name matches (ignoring case), or null. */
	ASSETTOOLS_API const FNewAssetMenuEntry* FindNewAssetMenuEntry(const TArray<FNewAssetMenuEntry>& Menu, const FString& DisplayName);

	/**
	 * Chooses a new-asset menu entry in a folder and names the asset, as a creator does: a new instance of the
	 * entry's factory makes it through the asset tools, and the asset's editor opens when the factory asks for
	 * that (bEditAfterNew). The new asset is not saved yet. Null when nothing was made.
	 */
	ASSETTOOLS_API UObject* CreateAssetFromNewAssetMenu(const FNewAssetMenuEntry& Entry, const FString& PackagePath,
														const FString& AssetName);

	/** Saves the asset's package to its file, as the content browser's Save does. */
	ASSETTOOLS_API bool SaveAsset(UObject* Asset);

	/** Opens an asset as a double click does: through the actions of its asset type, else the generic editor. */
	ASSETTOOLS_API void OpenAsset(UObject* Asset);

	/** Draws the folder as the content browser shows it: the filter menu's categories, then the folder's assets. */
	ASSETTOOLS_API FString DrawContentBrowser(const FString& PackagePath);
}
