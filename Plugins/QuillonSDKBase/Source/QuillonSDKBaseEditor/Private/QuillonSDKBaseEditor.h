#pragma once

#include "CoreMinimal.h"
#include "AssetTypeCategories.h"
#include "IPlacementModeModule.h"
#include "Modules/ModuleInterface.h"

class IAssetTypeActions;

/** Makes the package a first-class asset type of the editor and offers the recommended settings actor. */
class FQuillonSDKBaseEditorModule : public IModuleInterface
{
public:
	virtual void StartupModule() override;
	virtual void ShutdownModule() override;

	/** The content browser category "Quillon" registered at start-up; 0 before. */
	static uint32 GetVTTAssetCategory();

	/** The plug-in's colour, which its asset types are tinted with. */
	static FColor QuillonColour();

private:
	TSharedPtr<IAssetTypeActions> AssetTypeActions;
	/** The placement mode's item for the recommended settings actor, kept so that shut-down can take it back. */
	TOptional<FPlacementModeID> RecommendedSettingsItem;

	static EAssetTypeCategories::Type VTTAssetCategoryBit;
};
