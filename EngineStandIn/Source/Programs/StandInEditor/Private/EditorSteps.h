#pragma once

#include "CoreMinimal.h"
#include "EditorRun.h"

class UZ4Package;

namespace UE::StandInEditor
{
	class FEditorConsole;
	class FEditorDetailsPanel;
	class FEditorLevel;
	class FEditorLoop;
	class FEditorRunOutcome;
	class FProjectSession;
	struct FEditorOptions;

	// What the steps act on, alive for the whole run.
	struct FEditorStepContext
	{
		const FEditorOptions& Options;
		UZ4Package* Package;
		FProjectSession& Session;
		FEditorDetailsPanel& Panel;
		FEditorLevel& Level;
		FEditorConsole& Console;
		FEditorLoop& Loop;
		FEditorRunOutcome& Outcome;
		// What a step that cannot be done ends the run with: most ask for what the editor does not offer.
		EEditorExitCode FailureCode = EEditorExitCode::BadCommandLine;
	};

	// False, with one line saying why, when a step needs what the command line does not give before it (a panel for
	// -Click, a level for -Place, a package for a package's operation) or names an unknown operation.
	bool CheckEditorSteps(const FEditorOptions& Options, FString& OutError);

	// Runs the steps in order, letting the editor run after each until what it started has ended. False, with one
	// line saying why and Context.FailureCode set, when the editor does not offer what a step asks for.
	bool RunEditorSteps(FEditorStepContext& Context, FString& OutError);
}
