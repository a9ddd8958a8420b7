#pragma once

#include "CoreMinimal.h"
#include "EditorRun.h"
#include "Logging/LogVerbosity.h"

namespace UE::StandInEditor
{
	// What went wrong in a run that went on to its end, for its exit code and the line that ends it: steps that
	// failed (a cook with failed packages, a program reported as failed) and errors logged meanwhile.
	class FEditorRunOutcome
	{
	public:
		// The step under way, named as its heading names it.
		void BeginStep(const FString& InStepLabel) { StepLabel = InStepLabel; }

		void NoteLogLine(ELogVerbosity::Type Verbosity, const FName& Category, const TCHAR* Message);
		void NoteFailedNotification(const FString& Text);

		// Success, StepFailed or ErrorLogged.
		EEditorExitCode GetExitCode() const;
		// One line saying what failed first and how much more did; empty on success.
		FString Describe() const;

	private:
		FString StepLabel;
		TArray<FString> StepFailures;
		TArray<FString> LoggedErrors;
	};
}
