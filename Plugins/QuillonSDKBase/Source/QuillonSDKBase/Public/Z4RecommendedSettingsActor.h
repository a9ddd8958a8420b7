#pragma once

#include "CoreMinimal.h"
#include "GameFramework/Actor.h"
#include "Z4RecommendedSettingsActor.generated.h"

class IConsoleObject;
class UWorld;

/** Carries the console settings a level is meant to be shown with, so they travel with the level. */
UCLASS(Blueprintable, BlueprintType, meta = (DisplayName = "Recommended Settings"))
class QUILLONSDKBASE_API AZ4RecommendedSettingsActor : public AActor
{
	GENERATED_BODY()

public:
	/** Replaces Settings with the current values of the rendering, effects, grass and foliage console variables. */
	UFUNCTION(BlueprintCallable, CallInEditor, Category = "Recommended Settings")
	void CaptureSettings();

	/**
	 * Runs, as a console command in World, each line of InSettings that sets a registered console variable of the
	 * groups CaptureSettings records ("<name> <value>"); any other line is skipped with a warning.
	 */
	static void ApplySettings(const FString& InSettings, UWorld* World);

#if WITH_EDITOR
	virtual FString GetDefaultActorLabel() const override;
#endif

	/** One line per captured console variable: its name, a space and its value. */
	UPROPERTY(VisibleInstanceOnly, BlueprintReadOnly, Category = "Recommended Settings")
	FString Settings;

private:
	void AppendSetting(const TCHAR* Name, IConsoleObject* ConsoleObject);
};
