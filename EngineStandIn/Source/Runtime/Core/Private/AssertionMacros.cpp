#include "Misc/AssertionMacros.h"

#include "CoreGlobals.h"
#include "Containers/UnrealString.h"
#include "Misc/OutputDeviceRedirector.h"
#include "StandIn/StringConv.h"

#include <cstdio>
#include <cstdlib>

void FDebug::AssertFailed(const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Message)
{
	GIsCriticalError = true;
	std::string Text =
		std::string("Assertion failed: ") + Expr + " [File:" + File + "] [Line: " + std::to_string(Line) + "]";
	if (Message && *Message)
	{
		Text += "\n" + UE::StandIn::ToUtf8(Message);
	}
	std::fprintf(stderr, "%s\n", Text.c_str());
	std::fflush(stderr);
	std::abort();
}

bool FDebug::EnsureFailed(const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Message)
{
	FString Text = FString::Printf(TEXT("Ensure condition failed: %hs [File:%hs] [Line: %d]"), Expr, File, Line);
	if (Message && *Message)
	{
		Text += TEXT("\n");
		Text += Message;
	}
	GLog->Serialize(*Text, ELogVerbosity::Error, LogOutputDevice.GetCategoryName());
	return false;
}
