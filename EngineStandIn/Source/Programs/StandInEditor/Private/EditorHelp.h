#pragma once

#include "CoreMinimal.h"

namespace UE::StandInEditor
{
	// The -help screen.
	FString GetEditorHelpText();
}
