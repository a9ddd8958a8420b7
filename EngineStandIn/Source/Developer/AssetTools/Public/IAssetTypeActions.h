#pragma once

#include "CoreMinimal.h"
#include "AssetTypeActivationOpenedMethod.h"

class IToolkitHost;
class UClass;
class UObject;
struct FAssetData;

/** What the editor does with the assets of one class: their name, colour, category and how they open. */
class IAssetTypeActions : public TSharedFromThis<IAssetTypeActions>
{
public:
	virtual ~IAssetTypeActions() = default;

	/** The asset type's name, as the content browser labels its assets. */
	virtual FText GetName() const = 0;

	/** The class of the assets these actions are for (subclasses included). */
	virtual UClass* GetSupportedClass() const = 0;

	/** The colour the content browser tints the asset type with. */
	virtual FColor GetTypeColor() const = 0;

	/** The content browser categories (EAssetTypeCategories bits) the asset type is found under. */
	virtual uint32 GetCategories() = 0;

	/** Opens the editor for the assets. */
	virtual void OpenAssetEditor(const TArray<UObject*>& InObjects,
								 TSharedPtr<IToolkitHost> EditWithinLevelEditor = TSharedPtr<IToolkitHost>()) = 0;
	virtual void OpenAssetEditor(const TArray<UObject*>& InObjects, const EAssetTypeActivationOpenedMethod OpenedMethod,
								 TSharedPtr<IToolkitHost> EditWithinLevelEditor = TSharedPtr<IToolkitHost>()) = 0;

	/** Whether the content browser offers a filter for the asset type. */
	virtual bool CanFilter() = 0;

	/** Whether the asset type has context menu actions of its own. */
	virtual bool HasActions(const TArray<UObject*>& InObjects) const = 0;

	/** The asset's description in the content browser's tooltip. */
	virtual FText GetAssetDescription(const FAssetData& AssetData) const = 0;

	/** The name shown for an asset in the content browser. */
	virtual FText GetDisplayNameFromAssetData(const FAssetData& AssetData) const = 0;

	/** Whether the asset was imported from a source file. */
	virtual bool IsImportedAsset() const = 0;

	/** Whether the asset's editor always opens inside the level editor. */
	virtual bool ShouldForceWorldCentric() = 0;
};
