#include "Toolkits/AssetEditorToolkit.h"
#include "StandIn/OpenAssetEditors.h"
#include "UObject/Object.h"

#define LOCTEXT_NAMESPACE "AssetEditorToolkit"

void FAssetEditorToolkit::InitAssetEditor(const EToolkitMode::Type Mode, const TSharedPtr<IToolkitHost>& InitToolkitHost,
										  const FName AppIdentifier, const TArray<UObject*>& ObjectsToEdit)
{
	ToolkitMode = Mode;
	ToolkitHost = InitToolkitHost;
	EditingObjects = ObjectsToEdit;
	UE::StandIn::Private::AddOpenAssetEditor(StaticCastSharedRef<FAssetEditorToolkit>(AsShared()));
}

FText FAssetEditorToolkit::GetToolkitName() const
{
	if (EditingObjects.Num() == 1 && EditingObjects[0])
	{
		return FText::FromString(EditingObjects[0]->GetName());
	}
	return FText::Format(LOCTEXT("ToolkitTitle_EditingMultiple", "{0} - Multiple"), GetBaseToolkitName());
}

bool FAssetEditorToolkit::CloseWindow(EAssetEditorCloseReason InCloseReason)
{
	UE::StandIn::Private::RemoveOpenAssetEditor(*this);
	return true;
}

#undef LOCTEXT_NAMESPACE
