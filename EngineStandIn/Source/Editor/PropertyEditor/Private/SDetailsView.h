#pragma once

#include "CoreMinimal.h"
#include "DetailsViewArgs.h"
#include "IDetailsView.h"
#include "StandIn/DetailsView.h"

/** The property editor's details view: the stand-in's text-drawn view behind the engine's interface. */
class SDetailsView : public IDetailsView
{
public:
	explicit SDetailsView(const FDetailsViewArgs& InArgs);

	virtual void SetObjects(const TArray<UObject*>& InObjects, bool bForceRefresh = false, bool bOverrideLock = false) override;
	virtual void SetObject(UObject* InObject, bool bForceRefresh = false) override;
	virtual const TArray<TWeakObjectPtr<UObject>>& GetSelectedObjects() const override { return SelectedObjects; }

	UE::StandIn::FDetailsView& GetView() { return View; }

private:
	FDetailsViewArgs Args;
	TArray<TWeakObjectPtr<UObject>> SelectedObjects;
	UE::StandIn::FDetailsView View;
};
