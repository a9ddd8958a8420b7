#include "Misc/CommandLine.h"

#include <mutex>

namespace
{
	struct FCommandLineState
	{
		std::mutex Mutex;
		FString Text;
		bool bInitialized = false;
	};

	FCommandLineState& GetState()
	{
		static FCommandLineState* State = new FCommandLineState();
		return *State;
	}
}

const TCHAR* FCommandLine::Get()
{
	FCommandLineState& State = GetState();
	std::lock_guard<std::mutex> Lock(State.Mutex);
	return *State.Text;
}

bool FCommandLine::IsInitialized()
{
	FCommandLineState& State = GetState();
	std::lock_guard<std::mutex> Lock(State.Mutex);
	return State.bInitialized;
}

bool FCommandLine::Set(const TCHAR* NewCommandLine)
{
	FCommandLineState& State = GetState();
	std::lock_guard<std::mutex> Lock(State.Mutex);
	State.Text = NewCommandLine ? NewCommandLine : TEXT("");
	State.bInitialized = true;
	return true;
}

void FCommandLine::Append(const TCHAR* AppendString)
{
	FCommandLineState& State = GetState();
	std::lock_guard<std::mutex> Lock(State.Mutex);
	State.Text += AppendString;
}

FString FCommandLine::BuildFromArgV(const TCHAR* Prefix, int32 ArgC, TCHAR** ArgV, const TCHAR* Suffix)
{
	FString Result = Prefix ? Prefix : TEXT("");
	for (int32 Index = 1; Index < ArgC; ++Index)
	{
		if (!Result.IsEmpty())
		{
			Result += TEXT(" ");
		}
		const FString Argument = ArgV[Index];
		int32 SpaceIndex = INDEX_NONE;
		if (Argument.FindChar(TEXT(' '), SpaceIndex) && !Argument.StartsWith(TEXT("\"")))
		{
			// -Key=Some Value becomes -Key="Some Value", as the engine quotes it.
			int32 EqualsIndex = INDEX_NONE;
			if (Argument.FindChar(TEXT('='), EqualsIndex) && EqualsIndex < SpaceIndex)
			{
				Result += Argument.Left(EqualsIndex + 1) + TEXT("\"") + Argument.Mid(EqualsIndex + 1) + TEXT("\"");
			}
			else
			{
				Result += TEXT("\"") + Argument + TEXT("\"");
			}
		}
		else
		{
			Result += Argument;
		}
	}
	if (Suffix && *Suffix)
	{
		Result += TEXT(" ");
		Result += Suffix;
	}
	return Result;
}
