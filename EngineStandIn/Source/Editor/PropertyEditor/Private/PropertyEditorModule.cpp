#include "PropertyEditorModule.h"

#include "Modules/ModuleManager.h"
#include "SDetailsView.h"
#include "StandIn/DetailsView.h"

IMPLEMENT_MODULE(FPropertyEditorModule, PropertyEditor);

void FPropertyEditorModule::ShutdownModule()
{
	ClassNameToDetailLayoutNameMap.Empty();
}

void FPropertyEditorModule::RegisterCustomClassLayout(FName ClassName,
													  FOnGetDetailCustomizationInstance DetailLayoutDelegate,
													  FRegisterCustomClassLayoutParams Params)
{
	if (ClassName.IsNone())
	{
		return;
	}
	FDetailLayoutCallback Callback;
	Callback.DetailLayoutDelegate = DetailLayoutDelegate;
	Callback.Order = Params.OptionalOrder.IsSet() ? Params.OptionalOrder.GetValue() : ClassNameToDetailLayoutNameMap.Num();
	ClassNameToDetailLayoutNameMap.Add(ClassName, Callback);
}

void FPropertyEditorModule::UnregisterCustomClassLayout(FName ClassName)
{
	ClassNameToDetailLayoutNameMap.Remove(ClassName);
}

void FPropertyEditorModule::NotifyCustomizationModuleChanged()
{
	UE::StandIn::FDetailsView::RequestRefreshOfAllViews();
}

TSharedRef<IDetailsView> FPropertyEditorModule::CreateDetailView(const FDetailsViewArgs& DetailsViewArgs)
{
	return MakeShared<SDetailsView>(DetailsViewArgs);
}
