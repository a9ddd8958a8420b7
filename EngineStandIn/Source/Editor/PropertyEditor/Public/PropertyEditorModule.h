#pragma once

#include "CoreMinimal.h"
#include "Modules/ModuleInterface.h"
#include "PropertyEditorDelegates.h"

class IDetailsView;
struct FDetailsViewArgs;

struct FRegisterCustomClassLayoutParams
{
	/** Where the customization runs among those of the class hierarchy; registration order when unset. */
	TOptional<int32> OptionalOrder;
};

struct FDetailLayoutCallback
{
	FOnGetDetailCustomizationInstance DetailLayoutDelegate;
	int32 Order = 0;
};

typedef TMap<FName, FDetailLayoutCallback> FCustomDetailLayoutNameMap;

/** The property editor: keeps the detail customizations registered for classes, by class name. */
class PROPERTYEDITOR_API FPropertyEditorModule : public IModuleInterface
{
public:
	virtual void ShutdownModule() override;

	/**
	 * Registers the customization made by DetailLayoutDelegate for the class named ClassName (without its
	 * prefix letter); details views ask for a new one each time they show objects of that class.
	 */
	virtual void RegisterCustomClassLayout(FName ClassName, FOnGetDetailCustomizationInstance DetailLayoutDelegate,
										   FRegisterCustomClassLayoutParams Params = FRegisterCustomClassLayoutParams());

	virtual void UnregisterCustomClassLayout(FName ClassName);

	/** A new details view, showing nothing until it is given objects. */
	virtual TSharedRef<IDetailsView> CreateDetailView(const FDetailsViewArgs& DetailsViewArgs);

	/** Rebuilds every details view, so changed registrations take effect. */
	virtual void NotifyCustomizationModuleChanged();

	const FCustomDetailLayoutNameMap& GetClassNameToDetailLayoutNameMap() const { return ClassNameToDetailLayoutNameMap; }

private:
	FCustomDetailLayoutNameMap ClassNameToDetailLayoutNameMap;
};
