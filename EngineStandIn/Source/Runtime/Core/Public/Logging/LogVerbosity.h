#pragma once

#include "CoreTypes.h"

namespace ELogVerbosity
{
	enum Type : uint8
	{
		NoLogging = 0,
		Fatal,
		Error,
		Warning,
		Display,
		Log,
		Verbose,
		VeryVerbose,
		All = VeryVerbose,
		NumVerbosity,
		VerbosityMask = 0xf,
		SetColor = 0x40,
		BreakOnLog = 0x80
	};
}

CORE_API const TCHAR* ToString(ELogVerbosity::Type Verbosity);

/** Parses a verbosity name ("Warning", "log", ...); unknown names give ELogVerbosity::NoLogging. */
CORE_API ELogVerbosity::Type ParseLogVerbosityFromString(const TCHAR* Str);
