#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "Internationalization/Text.h"
#include "Misc/OutputDevice.h"

/**
 * Where editor operations report warnings, errors and progress (GWarn is one). This one writes its lines
 * to GLog; an application replaces GWarn with its own to show progress or ask questions.
 */
class CORE_API FFeedbackContext : public FOutputDevice
{
public:
	virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override;
	using FOutputDevice::Serialize;

	/** Asks a yes/no question; without someone to answer, the answer is no. */
	virtual bool YesNof(const FText& Question);

	virtual bool ReceivedUserCancel() { return false; }

	virtual void StartSlowTask(const FText& Task, bool bShowCancelButton = false) {}

	virtual void FinalizeSlowTask() {}

	virtual void ProgressReported(const float TotalProgressInterp, FText DisplayMessage) {}

	virtual bool IsPlayingInEditor() const { return false; }

	/** Warnings and errors written to this context since the last call, which empties the lists. */
	void GetErrorsAndWarningsAndEmpty(TArray<FString>& OutWarningsAndErrors);

	int32 GetNumWarnings() const { return Warnings.Num(); }

	int32 GetNumErrors() const { return Errors.Num(); }

private:
	TArray<FString> Warnings;
	TArray<FString> Errors;
};
