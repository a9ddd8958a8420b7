#pragma once

#include "CoreMinimal.h"

namespace UE::StandInEditor
{
	enum class EEditorExitCode : int32
	{
		Success = 0,
		// The project, the package or the content description cannot be used.
		UnusableInput = 1,
		BadCommandLine = 2,
	};

	// Runs the headless editor on a command line in the engine's form (without the program's name).
	EEditorExitCode RunStandInEditor(const TCHAR* CommandLine);
}
