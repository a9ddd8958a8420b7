#pragma once

#include "CoreMinimal.h"
#include "Engine/StreamableManager.h"
#include "UObject/Object.h"
#include "AssetManager.generated.h"

/** The engine's manager of loading assets; one per engine, made when the engine starts. */
UCLASS(Config = Game)
class ENGINE_API UAssetManager : public UObject
{
	GENERATED_BODY()

public:
	/** The engine's asset manager. There is always one once the engine has started. */
	static UAssetManager& Get();

	static FStreamableManager& GetStreamableManager() { return Get().StreamableManager; }

private:
	FStreamableManager StreamableManager;
};
