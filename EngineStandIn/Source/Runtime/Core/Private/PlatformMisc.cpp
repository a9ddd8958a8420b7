#include "HAL/PlatformMisc.h"

#include "StandIn/StringConv.h"

#include <atomic>
#include <cstdlib>

namespace
{
	std::atomic<bool> bRequestingExit = false;
}

FString FPlatformMisc::GetEnvironmentVariable(const TCHAR* VariableName)
{
	const char* Value = std::getenv(UE::StandIn::ToUtf8(VariableName).c_str());
	return Value ? UE::StandIn::FromUtf8(Value) : FString();
}

void FPlatformMisc::SetEnvironmentVar(const TCHAR* VariableName, const TCHAR* Value)
{
	const std::string Name = UE::StandIn::ToUtf8(VariableName);
	if (Value && *Value)
	{
		setenv(Name.c_str(), UE::StandIn::ToUtf8(Value).c_str(), 1);
	}
	else
	{
		unsetenv(Name.c_str());
	}
}

void FPlatformMisc::RequestExit(bool bForce, const TCHAR* CallSite)
{
	if (bForce)
	{
		std::exit(0);
	}
	bRequestingExit = true;
}

bool FPlatformMisc::IsRequestingExit()
{
	return bRequestingExit;
}
