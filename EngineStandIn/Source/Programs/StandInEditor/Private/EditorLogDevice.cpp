#include "EditorLogDevice.h"

#include "EditorConsole.h"
#include "EditorRunOutcome.h"

namespace UE::StandInEditor
{
	namespace
	{
		// The line the stand-in's message dialog logs for every dialog shown, with the answer given.
		const FName MessageDialogCategory(TEXT("LogMessageDialog"));
	}

	FEditorLogDevice::FEditorLogDevice(FEditorConsole& InConsole, bool bInVerbose)
		: Console(InConsole)
		, bVerbose(bInVerbose)
	{
	}

	void FEditorLogDevice::Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category)
	{
		const ELogVerbosity::Type Level = static_cast<ELogVerbosity::Type>(Verbosity & ELogVerbosity::VerbosityMask);
		if (bMuted)
		{
			return;
		}
		if (Outcome)
		{
			Outcome->NoteLogLine(Level, Category, V);
		}
		if (Category == MessageDialogCategory)
		{
			Console.PrintLine(FString::Printf(TEXT("  Dialog %s"), V).Replace(TEXT("\n"), TEXT("\n    ")));
			return;
		}
		const bool bShown = Level <= ELogVerbosity::Display || (bVerbose && Level <= ELogVerbosity::Log);
		if (!bShown)
		{
			return;
		}
		FString Line = TEXT("  ");
		if (!Category.IsNone())
		{
			Line += Category.ToString() + TEXT(": ");
		}
		if (Level != ELogVerbosity::Log && Level != ELogVerbosity::Display)
		{
			Line += FString(ToString(Level)) + TEXT(": ");
		}
		Line += V;
		Console.PrintLine(Line);
	}
}
