#pragma once

#include "CoreMinimal.h"

class UObject;

namespace UE::Core::Private
{
	COREUOBJECT_API void AddStrongReference(const UObject* Object);
	COREUOBJECT_API void ReleaseStrongReference(const UObject* Object);
}

// Keeps an object alive through the object's reference count, as 5.5 does.
template<typename ObjectType>
class TStrongObjectPtr
{
public:
	TStrongObjectPtr() = default;
	TStrongObjectPtr(TYPE_OF_NULLPTR) {}
	explicit TStrongObjectPtr(ObjectType* InObject) { Reset(InObject); }
	TStrongObjectPtr(const TStrongObjectPtr& Other) { Reset(Other.Get()); }
	TStrongObjectPtr(TStrongObjectPtr&& Other) : Object(Other.Object) { Other.Object = nullptr; }
	~TStrongObjectPtr() { Reset(); }

	TStrongObjectPtr& operator=(const TStrongObjectPtr& Other)
	{
		Reset(Other.Get());
		return *this;
	}
	TStrongObjectPtr& operator=(TStrongObjectPtr&& Other)
	{
		if (this != &Other)
		{
			Reset();
			Object = Other.Object;
			Other.Object = nullptr;
		}
		return *this;
	}

	ObjectType* Get() const { return Object; }
	ObjectType* operator->() const { return Object; }
	ObjectType& operator*() const { return *Object; }
	bool IsValid() const { return Object != nullptr; }
	explicit operator bool() const { return IsValid(); }

	void Reset() { Reset(nullptr); }
	void Reset(ObjectType* InNewObject)
	{
		if (InNewObject)
		{
			UE::Core::Private::AddStrongReference((const UObject*)InNewObject);
		}
		if (Object)
		{
			UE::Core::Private::ReleaseStrongReference((const UObject*)Object);
		}
		Object = InNewObject;
	}

private:
	ObjectType* Object = nullptr;
};
