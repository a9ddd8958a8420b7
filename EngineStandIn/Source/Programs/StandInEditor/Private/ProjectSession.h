#pragma once

#include "CoreMinimal.h"
#include "InstalledPlugin.h"

namespace UE::StandInEditor
{
	// A project open in the headless editor: the engine started on it, the plug-in's content mounted and
	// its modules started, as the editor does at start-up. Closing shuts everything down in reverse.
	class FProjectSession
	{
	public:
		FProjectSession() = default;
		~FProjectSession();
		FProjectSession(const FProjectSession&) = delete;
		FProjectSession& operator=(const FProjectSession&) = delete;

		// UProjectFile is absolute. False, with one line saying why, when the project cannot be opened.
		bool Open(const FString& UProjectFile, FString& OutError);
		void Close();

		// Shuts the plug-in's modules down and starts them again, as the editor does when a plug-in is reloaded.
		void ReloadPluginModules();

		const FInstalledPlugin& GetPlugin() const { return Plugin; }

		static const TCHAR* PluginName;

	private:
		FInstalledPlugin Plugin;
		TArray<FName> StartedPluginModules;
		bool bEngineStarted = false;
	};
}
