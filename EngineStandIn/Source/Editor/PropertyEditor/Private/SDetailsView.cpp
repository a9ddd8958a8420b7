#include "SDetailsView.h"

SDetailsView::SDetailsView(const FDetailsViewArgs& InArgs)
	: Args(InArgs)
{
}

void SDetailsView::SetObjects(const TArray<UObject*>& InObjects, bool bForceRefresh, bool bOverrideLock)
{
	SelectedObjects.Reset();
	for (UObject* Object : InObjects)
	{
		SelectedObjects.Add(Object);
	}
	View.SetObjects(InObjects);
}

void SDetailsView::SetObject(UObject* InObject, bool bForceRefresh)
{
	SetObjects(TArray<UObject*>{InObject}, bForceRefresh);
}

namespace UE::StandIn
{
	FDetailsView& GetStandInView(IDetailsView& DetailsView)
	{
		// Every IDetailsView here is made by the property editor module.
		return static_cast<SDetailsView&>(DetailsView).GetView();
	}
}
