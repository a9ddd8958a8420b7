#pragma once

#include "CoreMinimal.h"

namespace UE::StandInEditor
{
	enum class EEditorExitCode : int32
	{
		Success = 0,
		// The project, a package, a level or the content description cannot be used.
		UnusableInput = 1,
		// The command line is wrong, or asks for what the editor does not offer (a button, a property, an actor).
		BadCommandLine = 2,
		// A step failed: the cook reported failed packages, or a program was reported as failed.
		StepFailed = 3,
		// The run went to its end but an error was logged on the way.
		ErrorLogged = 4,
		// A dialog came up that -Answer did not answer; the run stopped there.
		UnansweredDialog = 5,
	};

	// Runs the headless editor on a command line in the engine's form (without the program's name).
	EEditorExitCode RunStandInEditor(const TCHAR* CommandLine);
}
