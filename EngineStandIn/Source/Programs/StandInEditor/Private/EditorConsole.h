#pragma once

#include "CoreMinimal.h"

#include <cstdio>
#include <mutex>

namespace UE::StandInEditor
{
	// Everything the headless editor prints goes through here. On a terminal a progress bar is drawn on the
	// last line and redrawn in place; a line printed meanwhile clears it first and the bar follows below.
	// Elsewhere (a pipe, a file) progress comes as plain lines, one for every tenth of the work.
	class FEditorConsole
	{
	public:
		FEditorConsole(FILE* InOut, bool bInTerminal);

		// Standard output, drawn as a terminal when it is one.
		static FEditorConsole& Get();

		void PrintLine(const FString& Line);

		void BeginProgress(const FString& Task);
		// Fraction of the whole task done, 0 to 1, and what is being done now.
		void ReportProgress(float Fraction, const FString& Message);
		void EndProgress();

		bool IsTerminal() const { return bTerminal; }

	private:
		void WriteRaw(const FString& Text);
		void ClearProgressLine();
		void DrawProgressLine();

		FILE* Out;
		bool bTerminal;
		std::recursive_mutex Mutex;
		bool bInProgress = false;
		bool bProgressLineDrawn = false;
		FString ProgressTask;
		FString ProgressMessage;
		float ProgressFraction = 0.0f;
		int32 LastPrintedTenth = -1;
	};
}
