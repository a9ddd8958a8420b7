#pragma once

#include "CoreMinimal.h"

namespace UE::Cook::Private
{
	/** What a cook takes from the project's packaging settings. */
	struct FProjectCookSettings
	{
		bool bUseZenStore = false;
		/** As the settings hold them: long package names (/Game/Maps/Arena). */
		TArray<FString> MapsToCook;
		/** As the settings hold them: long package paths (/Game/Pack), or paths relative to the project's content. */
		TArray<FString> DirectoriesToAlwaysCook;
	};

	FProjectCookSettings ReadProjectCookSettings();
}
