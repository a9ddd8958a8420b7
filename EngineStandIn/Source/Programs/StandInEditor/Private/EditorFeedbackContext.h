#pragma once

#include "CoreMinimal.h"
#include "Misc/FeedbackContext.h"

namespace UE::StandInEditor
{
	class FEditorConsole;

	// The editor's GWarn: slow tasks reported the engine's way become progress bars on the console. Nested
	// tasks share the outermost one's bar, as the editor's progress dialog does.
	class FEditorFeedbackContext : public FFeedbackContext
	{
	public:
		explicit FEditorFeedbackContext(FEditorConsole& InConsole);

		virtual void StartSlowTask(const FText& Task, bool bShowCancelButton = false) override;
		virtual void FinalizeSlowTask() override;
		virtual void ProgressReported(const float TotalProgressInterp, FText DisplayMessage) override;

	private:
		FEditorConsole& Console;
		int32 SlowTaskDepth = 0;
	};
}
