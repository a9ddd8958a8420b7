#include "EditorLoop.h"

#include "UObject/UObjectGlobals.h"

namespace UE::StandInEditor
{
	void TickUntilIdle()
	{
		CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
	}
}
