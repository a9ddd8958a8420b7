#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "RendererSettings.generated.h"

/**
 * The project's rendering settings (Project Settings > Rendering), kept in the project's DefaultEngine.ini.
 * The engine derives it from UDeveloperSettings, which only registers it with the settings editor; nothing
 * here shows that editor, so it derives from UObject. Only the settings something here reads are declared.
 */
UCLASS(Config = Engine, DefaultConfig, meta = (DisplayName = "Rendering"))
class ENGINE_API URendererSettings : public UObject
{
	GENERATED_BODY()

public:
	URendererSettings(const FObjectInitializer& ObjectInitializer);

	/** Whether static lighting (lightmaps, shadowmaps) may be built and used; takes effect when the editor starts. */
	UPROPERTY(Config, EditAnywhere, Category = Lighting, meta = (ConsoleVariable = "r.AllowStaticLighting", ConfigRestartRequired = true))
	uint32 bAllowStaticLighting : 1;
};
