#include "ProjectCookSettings.h"

#include "Settings/ProjectPackagingSettings.h"
#include "UObject/Class.h"

namespace UE::Cook::Private
{
	FProjectCookSettings ReadProjectCookSettings()
	{
		const UProjectPackagingSettings* PackagingSettings = GetDefault<UProjectPackagingSettings>();
		FProjectCookSettings Settings;
		Settings.bUseZenStore = PackagingSettings->bUseZenStore;
		for (const FFilePath& Map : PackagingSettings->MapsToCook)
		{
			Settings.MapsToCook.Add(Map.FilePath);
		}
		for (const FDirectoryPath& Directory : PackagingSettings->DirectoriesToAlwaysCook)
		{
			Settings.DirectoriesToAlwaysCook.Add(Directory.Path);
		}
		return Settings;
	}
}
