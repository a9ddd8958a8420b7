#pragma once

#include "CoreMinimal.h"

namespace UE::StandIn
{
	// A project made in a fresh temporary folder: <Name>.uproject, Content, Config, Saved and, unless
	// asked otherwise, the plug-in installed in Plugins/QuillonSDKBase as a creator would (a copy).
	// Removed with everything in it when the fixture goes.
	class STANDINTESTING_API FTestProject
	{
	public:
		explicit FTestProject(const FString& Name = TEXT("TestProject"), bool bInstallPlugin = true);
		~FTestProject();
		FTestProject(const FTestProject&) = delete;
		FTestProject& operator=(const FTestProject&) = delete;

		const FString& GetName() const { return Name; }
		// Absolute folders, each with a trailing '/'.
		const FString& GetProjectDir() const { return ProjectDir; }
		FString GetContentDir() const { return ProjectDir + TEXT("Content/"); }
		FString GetConfigDir() const { return ProjectDir + TEXT("Config/"); }
		FString GetSavedDir() const { return ProjectDir + TEXT("Saved/"); }
		FString GetPluginDir() const { return ProjectDir + TEXT("Plugins/QuillonSDKBase/"); }
		FString GetUProjectPath() const { return ProjectDir + Name + TEXT(".uproject"); }

		// Writes a file below the project folder, making its folders.
		void WriteFile(const FString& RelativePath, const FString& Text) const;
		// Removes the plug-in's copy of BP_SDKManager, as if the content were missing.
		void RemoveSDKManagerBlueprint() const;

	private:
		FString Name;
		FString ProjectDir;
	};

	// Starts the engine on a project as the editor does: paths and mounts, the working folder at the
	// engine's binaries, the object system, the engine's modules (in the editor build the asset registry,
	// which scans the mounted content) and then the plug-in's.
	class STANDINTESTING_API FStandInEngine
	{
	public:
		explicit FStandInEngine(const FTestProject& Project, bool bLoadPluginModules = true);
		~FStandInEngine();

		void LoadPluginModules();
		void UnloadPluginModules();

		static FString GetEngineDir();
		static FString GetPluginSourceDir();

	private:
		TArray<FName> LoadedPluginModules;
	};
}
