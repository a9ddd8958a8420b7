#pragma once

#include "CoreMinimal.h"
#include "PropertyHandle.h"
#include "UObject/WeakObjectPtr.h"

/**
 * The handle of one row of a details view: a property of the objects shown, reached from them through struct members
 * and array elements. It only edits what the row shows as editable.
 */
class FPropertyHandleImpl : public IPropertyHandle
{
public:
	struct FStep
	{
		const FProperty* Property = nullptr;
		// For an array element: its index, with Property the array's inner property. INDEX_NONE otherwise.
		int32 ArrayIndex = INDEX_NONE;
	};

	/** A handle that IsValidHandle says is not valid, for a path the view does not show. */
	FPropertyHandleImpl() = default;
	FPropertyHandleImpl(const TArray<TWeakObjectPtr<UObject>>& InObjects, TArray<FStep> InPath);

	/** Whether the details view shows a row for Property of these objects. */
	static bool IsPropertyShown(const FProperty& Property, const TArray<TWeakObjectPtr<UObject>>& Objects);

	virtual bool IsValidHandle() const override { return !Path.IsEmpty(); }
	virtual bool IsEditable() const override;
	virtual bool IsEditConst() const override;
	virtual FProperty* GetProperty() const override;
	virtual FText GetPropertyDisplayName() const override;
	virtual int32 GetIndexInArray() const override;
	virtual FPropertyAccess::Result GetValueAsFormattedString(FString& OutValue, EPropertyPortFlags PortFlags = PPF_PropertyWindow) const override;
	virtual FPropertyAccess::Result SetValueFromFormattedString(const FString& InValue, EPropertyValueSetFlags::Type Flags = EPropertyValueSetFlags::DefaultFlags) override;
	virtual TSharedPtr<IPropertyHandle> GetChildHandle(FName ChildName, bool bRecurse = true) const override;
	virtual TSharedPtr<IPropertyHandle> GetChildHandle(uint32 Index) const override;
	virtual FPropertyAccess::Result GetNumChildren(uint32& OutNumChildren) const override;

private:
	/** The shown members of the struct this handle is, in order; empty for anything else. */
	TArray<const FProperty*> GetShownMembers() const;
	/** The value in Object, or null when an array index on the way is out of range. */
	void* ResolveValue(UObject& Object) const;
	TSharedPtr<IPropertyHandle> MakeChild(const FStep& Step) const;

	TArray<TWeakObjectPtr<UObject>> Objects;
	TArray<FStep> Path;
};
