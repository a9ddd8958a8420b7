#pragma once

#include "CoreMinimal.h"
#include "StandIn/ProcessLog.h"

namespace UE::StandInEditor
{
	class FEditorConsole;
	class FEditorRunOutcome;

	// The editor's main loop, run after each operation until the work it started has finished: the cooks
	// the editor ticks, the core ticker's work (where the plug-in watches its tools) and the programs started
	// meanwhile. Programs that would show a console window of their own write to a console file instead,
	// which is printed as it grows, and notifications are printed when they appear and whenever they change;
	// one that ends as failed is noted in the run's outcome.
	class FEditorLoop
	{
	public:
		FEditorLoop(FEditorConsole& InConsole, FEditorRunOutcome& InOutcome, const FString& InConsoleFile);

		void TickUntilIdle();

	private:
		bool IsAnyProgramRunning() const;
		void PrintConsoleOutput();
		void PrintNotifications();

		FEditorConsole& Console;
		FEditorRunOutcome& Outcome;
		UE::StandIn::FProcessLog ProcessLog;
		FString ConsoleFile;
		int64 ConsoleBytesPrinted = 0;
		FString PartialConsoleLine;
		TArray<FString> PrintedNotifications;
	};
}
