#include "ProjectSession.h"

#include "CoreGlobals.h"
#include "Logging/LogMacros.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "StandIn/EngineLaunch.h"
#include "StandIn/EnginePaths.h"
#include "StandIn/StringConv.h"

#include <nlohmann/json.hpp>

DEFINE_LOG_CATEGORY_STATIC(LogStandInEditor, Log, All);

namespace UE::StandInEditor
{
	const TCHAR* FProjectSession::PluginName = TEXT("QuillonSDKBase");

	namespace
	{
		bool CheckProjectFile(const FString& UProjectFile, FString& OutError)
		{
			if (FPaths::DirectoryExists(UProjectFile))
			{
				OutError = FString::Printf(TEXT("Cannot open the project %s: it is a folder; give the .uproject file in it"), *UProjectFile);
				return false;
			}
			if (!FPaths::FileExists(UProjectFile))
			{
				OutError = FString::Printf(TEXT("Cannot open the project %s: there is no such file"), *UProjectFile);
				return false;
			}
			if (!FPaths::GetExtension(UProjectFile).Equals(TEXT("uproject"), ESearchCase::IgnoreCase))
			{
				OutError = FString::Printf(TEXT("Cannot open the project %s: it is not a .uproject file"), *UProjectFile);
				return false;
			}
			FString Text;
			FFileHelper::LoadFileToString(Text, *UProjectFile);
			if (!nlohmann::json::parse(UE::StandIn::ToUtf8(Text), nullptr, false).is_object())
			{
				OutError = FString::Printf(TEXT("Cannot open the project %s: the file is damaged (it is not a project descriptor)"), *UProjectFile);
				return false;
			}
			return true;
		}
	}

	FProjectSession::~FProjectSession()
	{
		Close();
	}

	bool FProjectSession::Open(const FString& UProjectFile, FString& OutError)
	{
		if (!CheckProjectFile(UProjectFile, OutError) || !FindInstalledPlugin(FPaths::GetPath(UProjectFile), PluginName, Plugin, OutError))
		{
			return false;
		}

		GIsEditor = true;
		UE::StandIn::SetWindowsDir(UE::StandIn::GetEngineRoot() + TEXT("../Windows"));
		UE::StandIn::StartEngine(UE::StandIn::GetEngineRoot(), UProjectFile, Plugin.BaseDir);
		bEngineStarted = true;
		for (const FName& Module : Plugin.GetEditorModulesInLoadOrder())
		{
			if (!FModuleManager::Get().ModuleExists(*Module.ToString()))
			{
				// The headless editor has the plug-in's modules built in; a module this build lacks cannot start.
				UE_LOG(LogStandInEditor, Log, TEXT("The plug-in's module %s is not part of this build"), *Module.ToString());
				continue;
			}
			FModuleManager::Get().LoadModuleChecked(Module);
			StartedPluginModules.Add(Module);
		}
		return true;
	}

	void FProjectSession::ReloadPluginModules()
	{
		const TArray<FName> Modules = StartedPluginModules;
		for (int32 Index = Modules.Num() - 1; Index >= 0; --Index)
		{
			FModuleManager::Get().UnloadModule(Modules[Index]);
		}
		for (const FName& Module : Modules)
		{
			FModuleManager::Get().LoadModuleChecked(Module);
		}
	}

	void FProjectSession::Close()
	{
		for (int32 Index = StartedPluginModules.Num() - 1; Index >= 0; --Index)
		{
			FModuleManager::Get().UnloadModule(StartedPluginModules[Index]);
		}
		StartedPluginModules.Reset();
		if (bEngineStarted)
		{
			UE::StandIn::StopEngine();
			bEngineStarted = false;
		}
	}
}
