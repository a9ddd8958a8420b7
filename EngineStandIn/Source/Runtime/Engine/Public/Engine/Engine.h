#pragma once

#include "CoreMinimal.h"
#include "Misc/OutputDeviceRedirector.h"
#include "UObject/Object.h"
#include "Engine.generated.h"

class UAssetManager;
class UWorld;

/**
 * The engine object. The engine's is abstract, with a game and an editor engine below it; here one engine
 * stands for both, and it runs console input only (the engine's own Exec commands are not stood in).
 */
UCLASS(Config = Engine, DefaultConfig, Transient)
class ENGINE_API UEngine : public UObject
{
	GENERATED_BODY()

public:
	/**
	 * Runs a command line as the console does: sets or prints a console variable, or runs a console
	 * command. A line naming nothing registered is reported to Ar and gives false.
	 */
	virtual bool Exec(UWorld* InWorld, const TCHAR* Cmd, FOutputDevice& Ar = *GLog);

	virtual void BeginDestroy() override;

	/** Made when the engine starts. */
	UPROPERTY()
	TObjectPtr<UAssetManager> AssetManager;
};

/** The engine of this process, made when the Engine module starts. */
extern ENGINE_API UEngine* GEngine;
