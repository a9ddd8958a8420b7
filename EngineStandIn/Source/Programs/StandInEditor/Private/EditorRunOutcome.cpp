#include "EditorRunOutcome.h"

namespace UE::StandInEditor
{
	namespace
	{
		// The cooker logs an error for each package it could not cook; the cook's step has failed then.
		const FName CookCategory(TEXT("LogCook"));

		FString InStep(const FString& StepLabel, const FString& What)
		{
			return StepLabel.IsEmpty() ? What : FString::Printf(TEXT("%s: %s"), *StepLabel, *What);
		}

		FString AndMore(int32 Count, const TCHAR* Kind)
		{
			return Count > 1 ? FString::Printf(TEXT(" (and %d more %s)"), Count - 1, Kind) : FString();
		}
	}

	void FEditorRunOutcome::NoteLogLine(ELogVerbosity::Type Verbosity, const FName& Category, const TCHAR* Message)
	{
		const ELogVerbosity::Type Level = static_cast<ELogVerbosity::Type>(Verbosity & ELogVerbosity::VerbosityMask);
		if (Level != ELogVerbosity::Error && Level != ELogVerbosity::Fatal)
		{
			return;
		}
		const FString Line = InStep(StepLabel, FString::Printf(TEXT("%s: %s"), *Category.ToString(), Message));
		if (Category == CookCategory)
		{
			StepFailures.Add(Line);
		}
		else
		{
			LoggedErrors.Add(Line);
		}
	}

	void FEditorRunOutcome::NoteFailedNotification(const FString& Text)
	{
		StepFailures.Add(InStep(StepLabel, Text));
	}

	EEditorExitCode FEditorRunOutcome::GetExitCode() const
	{
		if (!StepFailures.IsEmpty())
		{
			return EEditorExitCode::StepFailed;
		}
		return LoggedErrors.IsEmpty() ? EEditorExitCode::Success : EEditorExitCode::ErrorLogged;
	}

	FString FEditorRunOutcome::Describe() const
	{
		if (!StepFailures.IsEmpty())
		{
			return FString::Printf(TEXT("a step failed: %s%s"), *StepFailures[0], *AndMore(StepFailures.Num() + LoggedErrors.Num(), TEXT("failures and errors")));
		}
		if (!LoggedErrors.IsEmpty())
		{
			return FString::Printf(TEXT("the run logged an error: %s%s"), *LoggedErrors[0], *AndMore(LoggedErrors.Num(), TEXT("errors")));
		}
		return FString();
	}
}
