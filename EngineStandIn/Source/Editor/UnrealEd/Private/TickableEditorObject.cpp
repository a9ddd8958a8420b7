#include "TickableEditorObject.h"

namespace
{
	// Never destroyed: objects may still leave it while the process exits.
	TArray<FTickableEditorObject*>& TickableObjects()
	{
		static TArray<FTickableEditorObject*>* Objects = new TArray<FTickableEditorObject*>();
		return *Objects;
	}
}

void FTickableEditorObject::TickObjects(const float DeltaSeconds)
{
	// A tick may make or destroy tickable objects: those made wait for the next frame, those destroyed are skipped.
	const TArray<FTickableEditorObject*> Snapshot = TickableObjects();
	for (FTickableEditorObject* Object : Snapshot)
	{
		if (TickableObjects().Contains(Object) && Object->IsTickable())
		{
			Object->Tick(DeltaSeconds);
		}
	}
}

FTickableEditorObject::FTickableEditorObject()
{
	TickableObjects().Add(this);
}

FTickableEditorObject::FTickableEditorObject(const FTickableEditorObject&)
{
	TickableObjects().Add(this);
}

FTickableEditorObject::~FTickableEditorObject()
{
	TickableObjects().RemoveSingle(this);
}
