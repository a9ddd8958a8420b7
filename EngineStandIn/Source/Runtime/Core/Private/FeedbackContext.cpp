#include "Misc/FeedbackContext.h"

#include "CoreGlobals.h"
#include "Misc/OutputDeviceRedirector.h"

void FFeedbackContext::Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category)
{
	const ELogVerbosity::Type Level = static_cast<ELogVerbosity::Type>(Verbosity & ELogVerbosity::VerbosityMask);
	if (Level == ELogVerbosity::Error || Level == ELogVerbosity::Fatal)
	{
		Errors.Add(V);
	}
	else if (Level == ELogVerbosity::Warning)
	{
		Warnings.Add(V);
	}
	GLog->Serialize(V, Verbosity, Category);
}

bool FFeedbackContext::YesNof(const FText& Question)
{
	return false;
}

void FFeedbackContext::GetErrorsAndWarningsAndEmpty(TArray<FString>& OutWarningsAndErrors)
{
	OutWarningsAndErrors = MoveTemp(Errors);
	OutWarningsAndErrors.Append(MoveTemp(Warnings));
	Errors.Empty();
	Warnings.Empty();
}
