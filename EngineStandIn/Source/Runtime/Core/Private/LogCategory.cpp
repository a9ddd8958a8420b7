#include "Logging/LogCategory.h"

#include "CoreGlobals.h"
#include "Logging/LogMacros.h"
#include "Misc/OutputDeviceRedirector.h"

#include <cstdio>
#include <cstdlib>

FLogCategoryBase::FLogCategoryBase(const FLogCategoryName& InCategoryName, ELogVerbosity::Type InDefaultVerbosity,
								   ELogVerbosity::Type InCompileTimeVerbosity)
	: Verbosity(ELogVerbosity::NoLogging), DefaultVerbosity(InDefaultVerbosity),
	  CompileTimeVerbosity(InCompileTimeVerbosity), CategoryName(InCategoryName)
{
	ResetToDefault();
}

void FLogCategoryBase::SetVerbosity(ELogVerbosity::Type NewVerbosity)
{
	const ELogVerbosity::Type Requested = static_cast<ELogVerbosity::Type>(NewVerbosity & ELogVerbosity::VerbosityMask);
	Verbosity = Requested < CompileTimeVerbosity ? Requested : CompileTimeVerbosity;
}

void FLogCategoryBase::ResetToDefault()
{
	SetVerbosity(DefaultVerbosity);
}

namespace UE::Logging::Private
{
	void BasicLog(const FLogCategoryBase& Category, ELogVerbosity::Type Verbosity, const ANSICHAR* File, int32 Line,
				  const TCHAR* Message)
	{
		GLog->Serialize(Message, Verbosity, Category.GetCategoryName());
	}

	void BasicFatal(const FLogCategoryBase& Category, const ANSICHAR* File, int32 Line, const TCHAR* Message)
	{
		GIsCriticalError = true;
		GLog->Serialize(Message, ELogVerbosity::Fatal, Category.GetCategoryName());
		// GLog has echoed the line itself; say where it came from.
		std::fprintf(stderr, "Fatal error: [File:%s] [Line: %d]\n", File, Line);
		std::fflush(stderr);
		std::abort();
	}
}
