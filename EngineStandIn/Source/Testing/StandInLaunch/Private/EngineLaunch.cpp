#include "StandIn/EngineLaunch.h"

#include "Misc/PackageName.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "StandIn/EnginePaths.h"
#include "StandIn/ObjectSystem.h"

namespace UE::StandIn
{
	void StartEngine(const FString& EngineDir, const FString& UProjectPath, const FString& PluginDir)
	{
		SetEngineRoot(EngineDir);
		SetProject(UProjectPath);
		SetWorkingDirectoryToBaseDir();
		FPackageName::RegisterMountPoint(TEXT("/Game/"), GetProjectRoot() + TEXT("Content/"));
		FPackageName::RegisterMountPoint(TEXT("/Engine/"), GetEngineRoot() + TEXT("Content/"));
		FPackageName::RegisterMountPoint(TEXT("/QuillonSDKBase/"), FPaths::Combine(PluginDir, TEXT("Content/")));
		FModuleManager::Get().LoadModuleChecked(TEXT("CoreUObject"));
		FModuleManager::Get().LoadModuleChecked(TEXT("Engine"));
	}

	void StopEngine()
	{
		FModuleManager::Get().UnloadModule(TEXT("Engine"));
		DestroyAllContent();
		FPackageName::UnRegisterMountPoint(TEXT("/Game/"), FString());
		FPackageName::UnRegisterMountPoint(TEXT("/QuillonSDKBase/"), FString());
		FPackageName::UnRegisterMountPoint(TEXT("/Engine/"), FString());
	}
}
