#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectPtr.h"

class UObject;

// Hands the garbage collector the objects something outside the object graph keeps alive.
class COREUOBJECT_API FReferenceCollector
{
public:
	virtual ~FReferenceCollector() = default;
	virtual void HandleObjectReference(UObject*& Object, const UObject* ReferencingObject) = 0;

	template<class T>
	void AddReferencedObject(T*& Object, const UObject* ReferencingObject = nullptr)
	{
		HandleObjectReference(reinterpret_cast<UObject*&>(Object), ReferencingObject);
	}
	template<class T>
	void AddReferencedObject(TObjectPtr<T>& Object, const UObject* ReferencingObject = nullptr)
	{
		HandleObjectReference(reinterpret_cast<UObject*&>(Object), ReferencingObject);
	}
	template<class T>
	void AddReferencedObjects(TArray<T*>& Objects, const UObject* ReferencingObject = nullptr)
	{
		for (T*& Object : Objects)
		{
			AddReferencedObject(Object, ReferencingObject);
		}
	}
	template<class T>
	void AddReferencedObjects(TArray<TObjectPtr<T>>& Objects, const UObject* ReferencingObject = nullptr)
	{
		for (TObjectPtr<T>& Object : Objects)
		{
			AddReferencedObject(Object, ReferencingObject);
		}
	}
};

class COREUOBJECT_API FGCObject
{
public:
	FGCObject();
	FGCObject(const FGCObject&);
	virtual ~FGCObject();

	virtual void AddReferencedObjects(FReferenceCollector& Collector) = 0;
	virtual FString GetReferencerName() const = 0;
};
