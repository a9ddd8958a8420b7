#include "EditorFeedbackContext.h"

#include "EditorConsole.h"

namespace UE::StandInEditor
{
	FEditorFeedbackContext::FEditorFeedbackContext(FEditorConsole& InConsole)
		: Console(InConsole)
	{
	}

	void FEditorFeedbackContext::StartSlowTask(const FText& Task, bool bShowCancelButton)
	{
		if (SlowTaskDepth++ == 0)
		{
			Console.BeginProgress(Task.ToString());
		}
	}

	void FEditorFeedbackContext::FinalizeSlowTask()
	{
		if (SlowTaskDepth > 0 && --SlowTaskDepth == 0)
		{
			Console.EndProgress();
		}
	}

	void FEditorFeedbackContext::ProgressReported(const float TotalProgressInterp, FText DisplayMessage)
	{
		Console.ReportProgress(TotalProgressInterp, DisplayMessage.ToString());
	}
}
