#pragma once

#include "CoreMinimal.h"
#include "AssetTypeCategories.h"
#include "IAssetTypeActions.h"

class UAssetImportTask;
class UClass;
class UFactory;
class UObject;

/** An asset category of the content browser registered at run time: its bit and its label. */
struct FAdvancedAssetCategory
{
	EAssetTypeCategories::Type CategoryType;
	FText CategoryName;

	FAdvancedAssetCategory(EAssetTypeCategories::Type InCategoryType, FText InCategoryName)
		: CategoryType(InCategoryType)
		, CategoryName(InCategoryName)
	{
	}
};

/** The editor's asset tools: asset types with their actions, content browser categories, making assets. */
class ASSETTOOLS_API IAssetTools
{
public:
	virtual ~IAssetTools() = default;

	/** Registers the actions of an asset type. */
	virtual void RegisterAssetTypeActions(const TSharedRef<IAssetTypeActions>& NewActions) = 0;

	/** Takes registered actions back. */
	virtual void UnregisterAssetTypeActions(const TSharedRef<IAssetTypeActions>& ActionsToRemove) = 0;

	/** Every registered asset type's actions, in the order they were registered. */
	virtual void GetAssetTypeActionsList(TArray<TWeakPtr<IAssetTypeActions>>& OutAssetTypeActionsList) const = 0;

	/** The actions registered for the class, or for the nearest of its parents that has any. */
	virtual TWeakPtr<IAssetTypeActions> GetAssetTypeActionsForClass(const UClass* Class) const = 0;

	/**
	 * Gives a content browser category a bit of its own: a new bit for a new key, the bit it has for a key
	 * registered before (keeping its first label), Misc once every bit is taken. A bit cannot be given back.
	 */
	virtual EAssetTypeCategories::Type RegisterAdvancedAssetCategory(FName CategoryKey, FText CategoryDisplayName) = 0;

	/** The bit registered for the key, or Misc when there is none. */
	virtual EAssetTypeCategories::Type FindAdvancedAssetCategory(FName CategoryKey) const = 0;

	/** Every category, the engine's own first, then those registered, in the order they were registered. */
	virtual void GetAllAdvancedAssetCategories(TArray<FAdvancedAssetCategory>& OutCategoryList) const = 0;

	/**
	 * Makes a new asset named AssetName in the folder PackagePath, through the factory when one is given (else
	 * as a plain object of AssetClass). Null, with the reason on the log, when the asset cannot be made there.
	 */
	virtual UObject* CreateAsset(const FString& AssetName, const FString& PackagePath, UClass* AssetClass, UFactory* Factory,
								 FName CallingContext = NAME_None) = 0;

	/** Imports each task's file as its settings say; each task then holds what its import made (GetObjects). */
	virtual void ImportAssetTasks(const TArray<UAssetImportTask*>& ImportTasks) = 0;
};
