#include "Serialization/ArchiveReplaceObjectRef.h"

#include "UObject/Class.h"
#include "UObject/UnrealType.h"
#include "UObject/UObjectHash.h"

namespace
{
	class FReplacingVisitor : public FReferenceVisitor
	{
	public:
		explicit FReplacingVisitor(TFunctionRef<bool(UObject*, UObject*&)> InFindReplacement) : FindReplacement(InFindReplacement) {}

		virtual void VisitObject(UObject*& Object, const FProperty* Property) override
		{
			UObject* Replacement = nullptr;
			if (Object && FindReplacement(Object, Replacement))
			{
				Object = Replacement;
				++Count;
			}
		}

		int64 Count = 0;

	private:
		TFunctionRef<bool(UObject*, UObject*&)> FindReplacement;
	};
}

void FArchiveReplaceObjectRefBase::SerializeSearchObject()
{
	if (!SearchObject)
	{
		return;
	}
	TArray<UObject*> Objects = {SearchObject};
	GetObjectsWithOuter(SearchObject, Objects, true);
	auto Find = [this](UObject* Object, UObject*& OutReplacement) { return FindReplacement(Object, OutReplacement); };
	FReplacingVisitor Visitor(Find);
	for (UObject* Object : Objects)
	{
		for (FProperty* Property = Object->GetClass()->PropertyLink; Property; Property = Property->PropertyLinkNext)
		{
			Property->VisitReferences_InContainer(Object, Visitor);
		}
	}
	Count += Visitor.Count;
}
