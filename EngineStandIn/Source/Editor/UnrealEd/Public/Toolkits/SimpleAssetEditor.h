#pragma once

#include "CoreMinimal.h"
#include "Toolkits/AssetEditorToolkit.h"

class IDetailsView;

/** The generic asset editor: a details view of the objects it edits. */
class UNREALED_API FSimpleAssetEditor : public FAssetEditorToolkit
{
public:
	/** Chooses which objects the details view shows, given those being edited. */
	DECLARE_DELEGATE_RetVal_OneParam(TArray<UObject*>, FGetDetailsViewObjects, const TArray<UObject*>&);

	static TSharedRef<FSimpleAssetEditor> CreateEditor(const EToolkitMode::Type Mode, const TSharedPtr<IToolkitHost>& InitToolkitHost,
													   UObject* ObjectToEdit, FGetDetailsViewObjects GetDetailsViewObjects = FGetDetailsViewObjects());
	static TSharedRef<FSimpleAssetEditor> CreateEditor(const EToolkitMode::Type Mode, const TSharedPtr<IToolkitHost>& InitToolkitHost,
													   const TArray<UObject*>& ObjectsToEdit,
													   FGetDetailsViewObjects GetDetailsViewObjects = FGetDetailsViewObjects());

	void InitEditor(const EToolkitMode::Type Mode, const TSharedPtr<IToolkitHost>& InitToolkitHost, const TArray<UObject*>& ObjectsToEdit,
					FGetDetailsViewObjects GetDetailsViewObjects);

	virtual FName GetToolkitFName() const override;
	virtual FText GetBaseToolkitName() const override;

	/** The details view the editor shows its objects in. */
	TSharedPtr<IDetailsView> GetDetailsView() const { return DetailsView; }

	static const FName ToolkitFName;

private:
	TSharedPtr<IDetailsView> DetailsView;
};
