#include "AssetTypeActions_Base.h"
#include "AssetRegistry/AssetData.h"
#include "Toolkits/IToolkit.h"
#include "Toolkits/SimpleAssetEditor.h"

void FAssetTypeActions_Base::OpenAssetEditor(const TArray<UObject*>& InObjects, TSharedPtr<IToolkitHost> EditWithinLevelEditor)
{
	const EToolkitMode::Type Mode = EditWithinLevelEditor.IsValid() ? EToolkitMode::WorldCentric : EToolkitMode::Standalone;
	FSimpleAssetEditor::CreateEditor(Mode, EditWithinLevelEditor, InObjects);
}

void FAssetTypeActions_Base::OpenAssetEditor(const TArray<UObject*>& InObjects, const EAssetTypeActivationOpenedMethod OpenedMethod,
											 TSharedPtr<IToolkitHost> EditWithinLevelEditor)
{
	// Only editing is supported unless an asset type says otherwise.
	if (OpenedMethod == EAssetTypeActivationOpenedMethod::Edit)
	{
		OpenAssetEditor(InObjects, EditWithinLevelEditor);
	}
}

FText FAssetTypeActions_Base::GetDisplayNameFromAssetData(const FAssetData& AssetData) const
{
	return FText::FromName(AssetData.AssetName);
}
