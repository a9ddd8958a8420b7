#pragma once

#include "CoreMinimal.h"
#include "Toolkits/IToolkit.h"

class IToolkitHost;
class UObject;

/** Why an asset editor closes. */
enum class EAssetEditorCloseReason : uint8
{
	CloseAllEditorsForAsset,
	CloseOtherEditors,
	RemoveAssetFromAllEditors,
	CloseAllAssetEditors,
	AssetEditorHostClosed,
	AssetUnloadingOrInvalid,
	EditorRefreshRequested,
	AssetForceDeleted,
};

/** An editor of one or more assets, open from InitAssetEditor until it is closed. */
class UNREALED_API FAssetEditorToolkit : public IToolkit
{
public:
	virtual ~FAssetEditorToolkit() override = default;

	/** Opens the editor on the objects: it is one of the editor's open asset editors from now on. */
	void InitAssetEditor(const EToolkitMode::Type Mode, const TSharedPtr<IToolkitHost>& InitToolkitHost, const FName AppIdentifier,
						 const TArray<UObject*>& ObjectsToEdit);

	virtual bool IsAssetEditor() const override { return true; }
	virtual FText GetToolkitName() const override;

	/** The objects the editor edits. */
	const TArray<UObject*>& GetEditingObjects() const { return EditingObjects; }
	const TArray<UObject*>* GetObjectsCurrentlyBeingEdited() const { return &EditingObjects; }
	UObject* GetEditingObject() const { return EditingObjects.Num() > 0 ? EditingObjects[0] : nullptr; }

	EToolkitMode::Type GetToolkitMode() const { return ToolkitMode; }
	bool IsWorldCentricAssetEditor() const { return ToolkitMode == EToolkitMode::WorldCentric; }

	/** Closes the editor; false when it refuses to close. */
	virtual bool CloseWindow(EAssetEditorCloseReason InCloseReason);

protected:
	TArray<UObject*> EditingObjects;
	EToolkitMode::Type ToolkitMode = EToolkitMode::Standalone;
	TWeakPtr<IToolkitHost> ToolkitHost;
};
