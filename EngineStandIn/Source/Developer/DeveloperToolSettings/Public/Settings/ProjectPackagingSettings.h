#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/SoftObjectPath.h"
#include "ProjectPackagingSettings.generated.h"

/**
 * The project's packaging settings (Project Settings > Packaging), kept in the project's DefaultGame.ini.
 * Only the settings something here reads are declared; the file's other keys are kept as they are.
 */
UCLASS(Config = Game, DefaultConfig)
class DEVELOPERTOOLSETTINGS_API UProjectPackagingSettings : public UObject
{
	GENERATED_BODY()

public:
	/** Whether the cooker writes to a Zen storage server instead of loose files under Saved/Cooked. */
	UPROPERTY(Config, EditAnywhere, Category = Packaging, AdvancedDisplay, meta = (DisplayName = "Use Zen Store"))
	bool bUseZenStore = false;

	/** Whether material shaders go to a shared shader library instead of the packages that use them. */
	UPROPERTY(Config, EditAnywhere, Category = Packaging)
	bool bShareMaterialShaderCode = true;

	/** List of maps to include in a packaged build. */
	UPROPERTY(Config, EditAnywhere, Category = Packaging, AdvancedDisplay, meta = (DisplayName = "List of maps to include in a packaged build", RelativeToGameContentDir, LongPackageName))
	TArray<FFilePath> MapsToCook;

	/** Directories containing .uasset files that should always be cooked regardless of whether they're referenced by anything in your project. */
	UPROPERTY(Config, EditAnywhere, Category = Packaging, AdvancedDisplay, meta = (DisplayName = "Additional Asset Directories to Cook", LongPackageName))
	TArray<FDirectoryPath> DirectoriesToAlwaysCook;

	virtual void OverrideConfigSection(FString& InOutSectionName) override;
};
