#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectMacros.h"

class FProperty;
class UObject;

// The engine declares this with the reflection macros (UObject/ObjectMacros.h); only the details view's form is
// stood in, and only the property editor takes it.
enum EPropertyPortFlags
{
	PPF_None = 0,
	PPF_PropertyWindow = 0x00000080,
};

namespace FPropertyAccess
{
	enum Result
	{
		/** The objects' values differ. */
		MultipleValues,
		/** The value could not be read or written. */
		Fail,
		Success,
	};
}

namespace EPropertyValueSetFlags
{
	typedef uint32 Type;

	inline const Type DefaultFlags = 0;
	/** The change is part of an interaction that goes on (a slider being dragged). */
	inline const Type InteractiveChange = 1 << 0;
	/** No transaction is made for the change. */
	inline const Type NotTransactable = 1 << 1;
}

/**
 * A property of the objects a details view shows, as one of its rows edits it: reads and writes the value as text,
 * as the row's widgets do, and refuses what the row would not let a user change. Writing marks the objects'
 * packages dirty, as every edit in the editor does.
 */
class IPropertyHandle : public TSharedFromThis<IPropertyHandle>
{
public:
	virtual ~IPropertyHandle() {}

	virtual bool IsValidHandle() const = 0;

	/** Whether the row lets the value be changed: false for a read-only (EditConst) property or one inside it. */
	virtual bool IsEditable() const = 0;
	virtual bool IsEditConst() const = 0;

	virtual FProperty* GetProperty() const = 0;
	virtual FText GetPropertyDisplayName() const = 0;
	/** The position of an array element in its array; INDEX_NONE for anything else. */
	virtual int32 GetIndexInArray() const = 0;

	virtual FPropertyAccess::Result GetValueAsFormattedString(FString& OutValue, EPropertyPortFlags PortFlags = PPF_PropertyWindow) const = 0;
	virtual FPropertyAccess::Result SetValueFromFormattedString(const FString& InValue, EPropertyValueSetFlags::Type Flags = EPropertyValueSetFlags::DefaultFlags) = 0;

	/** A member of a struct property by name (searched below the direct members when bRecurse), or null. */
	virtual TSharedPtr<IPropertyHandle> GetChildHandle(FName ChildName, bool bRecurse = true) const = 0;
	/** A struct's member or an array's element by position, or null. */
	virtual TSharedPtr<IPropertyHandle> GetChildHandle(uint32 Index) const = 0;
	virtual FPropertyAccess::Result GetNumChildren(uint32& OutNumChildren) const = 0;
};
