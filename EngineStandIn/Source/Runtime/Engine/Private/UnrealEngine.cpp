#include "Engine/Engine.h"

#include "HAL/IConsoleManager.h"

UEngine* GEngine = nullptr;

bool UEngine::Exec(UWorld* InWorld, const TCHAR* Cmd, FOutputDevice& Ar)
{
	if (IConsoleManager::Get().ProcessUserConsoleInput(Cmd, Ar, InWorld))
	{
		return true;
	}
	Ar.Logf(TEXT("Command not recognized: %s"), Cmd);
	return false;
}
