#include "HAL/PlatformMisc.h"
#include "Misc/Paths.h"
#include "StandIn/EnginePaths.h"

namespace UE::StandIn
{
	void SetWindowsDir(const FString& AbsWindowsDir)
	{
		FString Folder = AbsWindowsDir;
		FPaths::NormalizeDirectoryName(Folder);
		FPaths::CollapseRelativeDirectories(Folder);
		FPlatformMisc::SetEnvironmentVar(TEXT("WINDIR"), *Folder);
	}
}
