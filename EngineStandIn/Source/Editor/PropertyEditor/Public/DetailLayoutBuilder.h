#pragma once

#include "CoreMinimal.h"
#include "DetailCategoryBuilder.h"
#include "UObject/WeakObjectPtr.h"

class IPropertyHandle;
class UClass;
class UObject;
class UStruct;

/** What a detail customization builds its layout with. */
class IDetailLayoutBuilder
{
public:
	virtual ~IDetailLayoutBuilder() {}

	/** The objects the details view shows, in the order they were given to it. */
	virtual void GetObjectsBeingCustomized(TArray<TWeakObjectPtr<UObject>>& OutObjects) const = 0;

	/** The category of that name, made on first use; an empty display name shows the category's name. */
	virtual IDetailCategoryBuilder& EditCategory(FName CategoryName,
												 const FText& NewLocalizedDisplayName = FText::GetEmpty(),
												 ECategoryPriority::Type CategoryType = ECategoryPriority::Default) = 0;

	virtual void HideCategory(FName CategoryName) = 0;

	/**
	 * The handle of a shown property, by name or by a path through struct members ("Data.Name"); a handle that is not
	 * valid when the view shows no such property. ClassOutermost and InstanceName are not stood in.
	 */
	virtual TSharedRef<IPropertyHandle> GetProperty(const FName PropertyPath, const UStruct* ClassOutermost = nullptr, FName InstanceName = NAME_None) const = 0;

	/** Rebuilds the whole details view on its next tick, making new customizations. */
	virtual void ForceRefreshDetails() = 0;

	/** The closest class that every object being customized is an instance of. */
	virtual UClass* GetBaseClass() const = 0;
};
