#include "Toolkits/SimpleAssetEditor.h"

#include "DetailsViewArgs.h"
#include "IDetailsView.h"
#include "Modules/ModuleManager.h"
#include "PropertyEditorModule.h"

#define LOCTEXT_NAMESPACE "GenericEditor"

const FName FSimpleAssetEditor::ToolkitFName(TEXT("GenericAssetEditor"));

TSharedRef<FSimpleAssetEditor> FSimpleAssetEditor::CreateEditor(const EToolkitMode::Type Mode, const TSharedPtr<IToolkitHost>& InitToolkitHost,
																 UObject* ObjectToEdit, FGetDetailsViewObjects GetDetailsViewObjects)
{
	TArray<UObject*> ObjectsToEdit;
	ObjectsToEdit.Add(ObjectToEdit);
	return CreateEditor(Mode, InitToolkitHost, ObjectsToEdit, GetDetailsViewObjects);
}

TSharedRef<FSimpleAssetEditor> FSimpleAssetEditor::CreateEditor(const EToolkitMode::Type Mode, const TSharedPtr<IToolkitHost>& InitToolkitHost,
																 const TArray<UObject*>& ObjectsToEdit, FGetDetailsViewObjects GetDetailsViewObjects)
{
	TSharedRef<FSimpleAssetEditor> NewEditor = MakeShareable(new FSimpleAssetEditor());
	NewEditor->InitEditor(Mode, InitToolkitHost, ObjectsToEdit, GetDetailsViewObjects);
	return NewEditor;
}

void FSimpleAssetEditor::InitEditor(const EToolkitMode::Type Mode, const TSharedPtr<IToolkitHost>& InitToolkitHost,
									const TArray<UObject*>& ObjectsToEdit, FGetDetailsViewObjects GetDetailsViewObjects)
{
	FDetailsViewArgs DetailsViewArgs;
	DetailsViewArgs.NameAreaSettings = FDetailsViewArgs::HideNameArea;
	// Reached through its module interface: the property editor is built on this module, not the other way round.
	FPropertyEditorModule& PropertyEditorModule = FModuleManager::LoadModuleChecked<FPropertyEditorModule>(TEXT("PropertyEditor"));
	DetailsView = PropertyEditorModule.CreateDetailView(DetailsViewArgs);

	InitAssetEditor(Mode, InitToolkitHost, ToolkitFName, ObjectsToEdit);

	DetailsView->SetObjects(GetDetailsViewObjects.IsBound() ? GetDetailsViewObjects.Execute(ObjectsToEdit) : ObjectsToEdit);
}

FName FSimpleAssetEditor::GetToolkitFName() const
{
	return ToolkitFName;
}

FText FSimpleAssetEditor::GetBaseToolkitName() const
{
	return LOCTEXT("AppLabel", "Generic Asset Editor");
}

#undef LOCTEXT_NAMESPACE
