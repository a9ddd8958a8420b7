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

void UEngine::BeginDestroy()
{
	// The engine object can go before the Engine module does (a test fixture that ends an editor session
	// destroys every object); GEngine must not be left pointing at it.
	if (GEngine == this)
	{
		GEngine = nullptr;
	}
	Super::BeginDestroy();
}
