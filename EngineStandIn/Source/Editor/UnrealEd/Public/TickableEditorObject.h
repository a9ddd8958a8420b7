#pragma once

#include "CoreMinimal.h"
#include "Tickable.h"

/**
 * An object the editor ticks on its main thread once a frame, for as long as it exists and says it is tickable.
 * Registers itself when constructed and leaves when destroyed.
 */
class UNREALED_API FTickableEditorObject : public FTickableObjectBase
{
public:
	/** Calls Tick on every tickable editor object with tick enabled. */
	static void TickObjects(const float DeltaSeconds);

	FTickableEditorObject();
	FTickableEditorObject(const FTickableEditorObject&);
	virtual ~FTickableEditorObject() override;
	FTickableEditorObject& operator=(const FTickableEditorObject&) = default;
};
