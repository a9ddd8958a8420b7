#pragma once

#include "CoreMinimal.h"
#include "Misc/EnumClassFlags.h"
#include "UObject/Object.h"

enum class EArchiveReplaceObjectFlags
{
	None = 0,
	NullPrivateRefs = 1 << 0,
	IgnoreOuterRef = 1 << 1,
	IgnoreArchetypeRef = 1 << 2,
	DelayStart = 1 << 3,
	IncludeClassGeneratedByRef = 1 << 4,
	TrackReplacedReferences = 1 << 5,
};
ENUM_CLASS_FLAGS(EArchiveReplaceObjectFlags)

/**
 * Switches the references of an object, and of every object inside it, that name a key of a replacement map to
 * that key's value (null too). The engine's is an archive that serializes those objects; here the reflected
 * object references are walked, which is everything it can switch (outers and classes are never references here).
 */
class COREUOBJECT_API FArchiveReplaceObjectRefBase
{
public:
	virtual ~FArchiveReplaceObjectRefBase() = default;

	/** Walks the search object now; the constructor does unless DelayStart was given. */
	void SerializeSearchObject();

	/** The number of references switched. */
	int64 GetCount() const { return Count; }

protected:
	FArchiveReplaceObjectRefBase(UObject* InSearchObject, EArchiveReplaceObjectFlags InFlags)
		: SearchObject(InSearchObject)
		, Flags(InFlags)
	{
	}

	/** The replacement of Object, or false when the map has none. */
	virtual bool FindReplacement(UObject* Object, UObject*& OutReplacement) const = 0;

	UObject* SearchObject;
	EArchiveReplaceObjectFlags Flags;
	int64 Count = 0;
};

template<class T>
class FArchiveReplaceObjectRef : public FArchiveReplaceObjectRefBase
{
public:
	FArchiveReplaceObjectRef(UObject* InSearchObject, const TMap<T*, T*>& InReplacementMap, EArchiveReplaceObjectFlags InFlags = EArchiveReplaceObjectFlags::None)
		: FArchiveReplaceObjectRefBase(InSearchObject, InFlags)
		, ReplacementMap(InReplacementMap)
	{
		if (!EnumHasAnyFlags(InFlags, EArchiveReplaceObjectFlags::DelayStart))
		{
			SerializeSearchObject();
		}
	}

	UE_DEPRECATED(5.1, "Use version that supplies flags via enum")
	FArchiveReplaceObjectRef(UObject* InSearchObject, const TMap<T*, T*>& InReplacementMap, bool bNullPrivateRefs, bool bIgnoreOuterRef, bool bIgnoreArchetypeRef, bool bDelayStart = false, bool bIgnoreClassGeneratedByRef = true)
		: FArchiveReplaceObjectRef(InSearchObject, InReplacementMap,
			(bNullPrivateRefs ? EArchiveReplaceObjectFlags::NullPrivateRefs : EArchiveReplaceObjectFlags::None)
			| (bIgnoreOuterRef ? EArchiveReplaceObjectFlags::IgnoreOuterRef : EArchiveReplaceObjectFlags::None)
			| (bIgnoreArchetypeRef ? EArchiveReplaceObjectFlags::IgnoreArchetypeRef : EArchiveReplaceObjectFlags::None)
			| (bDelayStart ? EArchiveReplaceObjectFlags::DelayStart : EArchiveReplaceObjectFlags::None)
			| (bIgnoreClassGeneratedByRef ? EArchiveReplaceObjectFlags::None : EArchiveReplaceObjectFlags::IncludeClassGeneratedByRef))
	{
	}

protected:
	virtual bool FindReplacement(UObject* Object, UObject*& OutReplacement) const override
	{
		T* const* Found = ReplacementMap.Find(Cast<T>(Object));
		if (!Found)
		{
			return false;
		}
		OutReplacement = *Found;
		return true;
	}

private:
	const TMap<T*, T*>& ReplacementMap;
};
