#pragma once

#include "CoreMinimal.h"

namespace UE::StandInEditor
{
	// Runs the editor's main loop until the work the last operation started has finished, collecting
	// garbage as the editor does between frames.
	void TickUntilIdle();
}
