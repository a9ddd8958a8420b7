#include "StandIn/TestProject.h"

#include "Modules/ModuleManager.h"
#include "StandIn/EngineLaunch.h"
#if WITH_EDITOR
#include "StandIn/OpenAssetEditors.h"
#endif
#include "StandIn/StringConv.h"
#include "UObject/UObjectGlobals.h"
#include <filesystem>
#include <fstream>
#include <random>

namespace UE::StandIn
{
	namespace
	{
		std::filesystem::path ToPath(const FString& Path)
		{
			return std::filesystem::path(ToUtf8(Path));
		}

		FString MakeTempFolder(const FString& Name)
		{
			std::random_device Random;
			const std::filesystem::path Folder = std::filesystem::temp_directory_path() / ("quillon-" + std::to_string(Random()) + "-" + ToUtf8(Name));
			std::filesystem::create_directories(Folder);
			return FromUtf8(Folder.string()) + TEXT("/");
		}
	}

	FTestProject::FTestProject(const FString& InName, bool bInstallPlugin)
		: Name(InName)
		, ProjectDir(MakeTempFolder(InName))
	{
		for (const TCHAR* Folder : {TEXT("Content"), TEXT("Config"), TEXT("Saved"), TEXT("Plugins")})
		{
			std::filesystem::create_directories(ToPath(ProjectDir + Folder));
		}
		WriteFile(Name + TEXT(".uproject"), TEXT("{\n\t\"FileVersion\": 3,\n\t\"EngineAssociation\": \"5.5\",\n\t\"Plugins\": [ { \"Name\": \"QuillonSDKBase\", \"Enabled\": true } ]\n}\n"));
		if (bInstallPlugin)
		{
			const std::filesystem::path Source = ToPath(FStandInEngine::GetPluginSourceDir());
			const std::filesystem::path Target = ToPath(GetPluginDir());
			std::filesystem::create_directories(Target);
			std::filesystem::copy_file(Source / "QuillonSDKBase.uplugin", Target / "QuillonSDKBase.uplugin");
			std::filesystem::copy(Source / "Resources", Target / "Resources", std::filesystem::copy_options::recursive);
			// The plug-in's content in the stand-in's package format, kept apart from the plug-in that ships.
			std::filesystem::copy(ToPath(FromUtf8(STANDIN_PLUGIN_CONTENT_DIR)), Target / "Content", std::filesystem::copy_options::recursive);
		}
	}

	FTestProject::~FTestProject()
	{
		std::error_code Ignored;
		std::filesystem::permissions(ToPath(ProjectDir), std::filesystem::perms::owner_all, std::filesystem::perm_options::add, Ignored);
		for (const auto& Entry : std::filesystem::recursive_directory_iterator(ToPath(ProjectDir), Ignored))
		{
			std::filesystem::permissions(Entry.path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add, Ignored);
		}
		std::filesystem::remove_all(ToPath(ProjectDir), Ignored);
	}

	void FTestProject::WriteFile(const FString& RelativePath, const FString& Text) const
	{
		const std::filesystem::path Path = ToPath(ProjectDir + RelativePath);
		std::filesystem::create_directories(Path.parent_path());
		std::ofstream Out(Path, std::ios::binary | std::ios::trunc);
		Out << ToUtf8(Text);
	}

	void FTestProject::RemoveSDKManagerBlueprint() const
	{
		std::filesystem::remove(ToPath(GetPluginDir() + TEXT("Content/BP_SDKManager.uasset")));
	}

	FString FStandInEngine::GetEngineDir()
	{
		return FromUtf8(STANDIN_ENGINE_DIR) + TEXT("/");
	}

	FString FStandInEngine::GetPluginSourceDir()
	{
		return FromUtf8(STANDIN_PLUGIN_SOURCE_DIR) + TEXT("/");
	}

	FStandInEngine::FStandInEngine(const FTestProject& Project, bool bLoadPluginModules)
	{
		StartEngine(GetEngineDir(), Project.GetUProjectPath(), Project.GetPluginDir());
#if WITH_EDITOR
		// The editor's registry is loaded once and stays, as in the editor, where nothing unloads it before the
		// plug-in, which keeps a reference to it. It follows the roots as each project mounts and unmounts them.
		FModuleManager::Get().LoadModuleChecked(TEXT("AssetRegistry"));
#endif
		if (bLoadPluginModules)
		{
			LoadPluginModules();
		}
	}

	FStandInEngine::~FStandInEngine()
	{
#if WITH_EDITOR
		// As the editor does when it closes: its asset editors go before the modules and the content they show.
		CloseAllAssetEditors();
#endif
		UnloadPluginModules();
		StopEngine();
	}

	void FStandInEngine::LoadPluginModules()
	{
		for (const TCHAR* Module : {TEXT("QuillonSDKBase"), TEXT("QuillonSDKBaseEditor")})
		{
			if (FModuleManager::Get().ModuleExists(Module) && !FModuleManager::Get().IsModuleLoaded(Module))
			{
				FModuleManager::Get().LoadModuleChecked(Module);
				LoadedPluginModules.Add(FName(Module));
			}
		}
	}

	void FStandInEngine::UnloadPluginModules()
	{
		for (int32 Index = LoadedPluginModules.Num() - 1; Index >= 0; --Index)
		{
			FModuleManager::Get().UnloadModule(LoadedPluginModules[Index]);
		}
		LoadedPluginModules.Reset();
	}
}
