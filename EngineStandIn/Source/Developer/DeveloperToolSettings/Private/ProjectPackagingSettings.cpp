#include "Settings/ProjectPackagingSettings.h"

void UProjectPackagingSettings::OverrideConfigSection(FString& InOutSectionName)
{
	// The class moved here from UnrealEd; projects' DefaultGame.ini files still name its section after the old module.
	InOutSectionName = TEXT("/Script/UnrealEd.ProjectPackagingSettings");
}
