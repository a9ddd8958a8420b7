#include "Logging/LogVerbosity.h"

#include "Misc/CString.h"

namespace
{
	const TCHAR* const VerbosityNames[] = {TEXT("NoLogging"), TEXT("Fatal"), TEXT("Error"),	  TEXT("Warning"),
										   TEXT("Display"),	  TEXT("Log"),	 TEXT("Verbose"), TEXT("VeryVerbose")};
}

const TCHAR* ToString(ELogVerbosity::Type Verbosity)
{
	const int32 Index = Verbosity & ELogVerbosity::VerbosityMask;
	return Index < ELogVerbosity::NumVerbosity ? VerbosityNames[Index] : TEXT("UknownVerbosity");
}

ELogVerbosity::Type ParseLogVerbosityFromString(const TCHAR* Str)
{
	if (FCString::Stricmp(Str, TEXT("All")) == 0)
	{
		return ELogVerbosity::All;
	}
	for (int32 Index = 0; Index < ELogVerbosity::NumVerbosity; ++Index)
	{
		if (FCString::Stricmp(Str, VerbosityNames[Index]) == 0)
		{
			return static_cast<ELogVerbosity::Type>(Index);
		}
	}
	return ELogVerbosity::NoLogging;
}
