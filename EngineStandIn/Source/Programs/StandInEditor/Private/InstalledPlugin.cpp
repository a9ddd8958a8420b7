#include "InstalledPlugin.h"

#include "HAL/FileManager.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "StandIn/StringConv.h"

#include <nlohmann/json.hpp>

namespace UE::StandInEditor
{
	namespace
	{
		const TCHAR* LoadingPhases[] = {TEXT("EarliestPossible"), TEXT("PostConfigInit"), TEXT("PostSplashScreen"),
										TEXT("PreEarlyLoadingScreen"), TEXT("PreLoadingScreen"), TEXT("PreDefault"),
										TEXT("Default"), TEXT("PostDefault"), TEXT("PostEngineInit")};

		const TCHAR* EditorModuleTypes[] = {TEXT("Runtime"), TEXT("RuntimeNoCommandlet"), TEXT("RuntimeAndProgram"),
											TEXT("ClientOnly"), TEXT("ServerOnly"), TEXT("Editor"),
											TEXT("EditorNoCommandlet"), TEXT("EditorAndProgram"), TEXT("Developer"),
											TEXT("DeveloperTool"), TEXT("UncookedOnly")};

		int32 LoadingPhaseIndex(const FString& Phase)
		{
			if (Phase.IsEmpty())
			{
				return UE_ARRAY_COUNT(LoadingPhases) - 3;
			}
			for (int32 Index = 0; Index < UE_ARRAY_COUNT(LoadingPhases); ++Index)
			{
				if (Phase.Equals(LoadingPhases[Index], ESearchCase::IgnoreCase))
				{
					return Index;
				}
			}
			return INDEX_NONE;
		}

		FString JsonString(const nlohmann::json& Object, const char* Key)
		{
			const auto Found = Object.find(Key);
			return Found != Object.end() && Found->is_string() ? UE::StandIn::FromUtf8(Found->get<std::string>()) : FString();
		}

		bool ReadDescriptor(const FString& File, FInstalledPlugin& OutPlugin, FString& OutError)
		{
			FString Text;
			if (!FFileHelper::LoadFileToString(Text, *File))
			{
				OutError = FString::Printf(TEXT("%s cannot be read"), *File);
				return false;
			}
			const nlohmann::json Descriptor = nlohmann::json::parse(UE::StandIn::ToUtf8(Text), nullptr, false);
			if (!Descriptor.is_object() || (Descriptor.contains("Modules") && !Descriptor["Modules"].is_array()))
			{
				OutError = FString::Printf(TEXT("%s is not a valid plug-in descriptor"), *File);
				return false;
			}
			OutPlugin.VersionName = JsonString(Descriptor, "VersionName");
			for (const nlohmann::json& Module : Descriptor.value("Modules", nlohmann::json::array()))
			{
				const FString ModuleName = Module.is_object() ? JsonString(Module, "Name") : FString();
				if (ModuleName.IsEmpty())
				{
					OutError = FString::Printf(TEXT("%s lists a module without a name"), *File);
					return false;
				}
				const FString Phase = JsonString(Module, "LoadingPhase");
				if (LoadingPhaseIndex(Phase) == INDEX_NONE)
				{
					OutError = FString::Printf(TEXT("%s gives the module %s the unknown loading phase %s"), *File, *ModuleName, *Phase);
					return false;
				}
				OutPlugin.Modules.Add({FName(*ModuleName), JsonString(Module, "Type"), Phase});
			}
			return true;
		}
	}

	TArray<FName> FInstalledPlugin::GetEditorModulesInLoadOrder() const
	{
		TArray<const FPluginModuleDescriptor*> Loaded;
		for (const FPluginModuleDescriptor& Module : Modules)
		{
			for (const TCHAR* Type : EditorModuleTypes)
			{
				if (Module.Type.Equals(Type, ESearchCase::IgnoreCase))
				{
					Loaded.Add(&Module);
					break;
				}
			}
		}
		Loaded.StableSort([](const FPluginModuleDescriptor& A, const FPluginModuleDescriptor& B)
			{
				return LoadingPhaseIndex(A.LoadingPhase) < LoadingPhaseIndex(B.LoadingPhase);
			});
		TArray<FName> Names;
		for (const FPluginModuleDescriptor* Module : Loaded)
		{
			Names.Add(Module->Name);
		}
		return Names;
	}

	bool FindInstalledPlugin(const FString& ProjectDir, const FString& Name, FInstalledPlugin& OutPlugin, FString& OutError)
	{
		const FString PluginsDir = FPaths::Combine(ProjectDir, TEXT("Plugins/"));
		TArray<FString> Found;
		IFileManager::Get().FindFilesRecursive(Found, *PluginsDir, *(Name + TEXT(".uplugin")), true, false);
		if (Found.IsEmpty())
		{
			OutError = FString::Printf(TEXT("The plug-in %s is not installed in this project: %s.uplugin is missing from %s (install it with the workspace's Scripts/InstallPlugin.sh %s)"),
				*Name, *Name, *PluginsDir, *FPaths::ConvertRelativePathToFull(ProjectDir));
			return false;
		}
		if (Found.Num() > 1)
		{
			Found.Sort();
			OutError = FString::Printf(TEXT("The plug-in %s is installed twice in this project: %s and %s"), *Name, *Found[0], *Found[1]);
			return false;
		}
		OutPlugin = FInstalledPlugin();
		OutPlugin.Name = Name;
		OutPlugin.BaseDir = FPaths::GetPath(Found[0]) + TEXT("/");
		return ReadDescriptor(Found[0], OutPlugin, OutError);
	}
}
