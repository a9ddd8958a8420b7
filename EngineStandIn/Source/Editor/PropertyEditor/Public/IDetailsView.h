#pragma once

#include "CoreMinimal.h"
#include "UObject/WeakObjectPtr.h"

class UObject;

/** A details view made by the property editor module: the rows of the objects it shows, customized per class. */
class IDetailsView : public TSharedFromThis<IDetailsView>
{
public:
	virtual ~IDetailsView() = default;

	/** Shows these objects, building the layout for them. */
	virtual void SetObjects(const TArray<UObject*>& InObjects, bool bForceRefresh = false, bool bOverrideLock = false) = 0;
	virtual void SetObject(UObject* InObject, bool bForceRefresh = false) = 0;

	/** The objects shown. */
	virtual const TArray<TWeakObjectPtr<UObject>>& GetSelectedObjects() const = 0;
};
