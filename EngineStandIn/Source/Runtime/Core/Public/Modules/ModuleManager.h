#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Containers/Map.h"
#include "Delegates/Delegate.h"
#include "Misc/AssertionMacros.h"
#include "Modules/ModuleInterface.h"
#include "Templates/UniquePtr.h"
#include "UObject/NameTypes.h"

enum class EModuleChangeReason
{
	ModuleLoaded,
	ModuleUnloaded,
	PluginDirectoryChanged
};

enum class ELoadModuleFlags
{
	None = 0,
	LogFailures = 1 << 0,
};

enum class EModuleLoadResult
{
	Success,
	FileNotFound,
	FileIncompatible,
	CouldNotBeLoadedByOS,
	FailedToInitialize
};

/**
 * Loads, finds and unloads modules. Every module in this process is linked in and registers itself with
 * IMPLEMENT_MODULE when its library loads; loading one creates it and calls StartupModule.
 */
class CORE_API FModuleManager
{
public:
	DECLARE_DELEGATE_RetVal(IModuleInterface*, FInitializeStaticallyLinkedModule);
	DECLARE_EVENT_TwoParams(FModuleManager, FModulesChangedEvent, FName, EModuleChangeReason);
	DECLARE_MULTICAST_DELEGATE_TwoParams(ProcessLoadedObjectsEvent, FName, bool);

	static FModuleManager& Get();

	FModuleManager(const FModuleManager&) = delete;
	FModuleManager& operator=(const FModuleManager&) = delete;

	IModuleInterface* LoadModule(const FName InModuleName, ELoadModuleFlags InLoadModuleFlags = ELoadModuleFlags::None);
	IModuleInterface& LoadModuleChecked(const FName InModuleName);
	IModuleInterface* LoadModuleWithFailureReason(const FName InModuleName, EModuleLoadResult& OutFailureReason,
												  ELoadModuleFlags InLoadModuleFlags = ELoadModuleFlags::None);

	bool IsModuleLoaded(const FName InModuleName) const;
	IModuleInterface* GetModule(const FName InModuleName);

	/** Calls ShutdownModule and destroys the module. */
	bool UnloadModule(const FName InModuleName, bool bIsShutdown = false, bool bAllowUnloadCode = true);

	/** Shuts down the loaded modules, most recently loaded first. */
	void UnloadModulesAtShutdown();

	bool ModuleExists(const TCHAR* ModuleName) const;
	int32 GetModuleCount() const;
	void FindModules(const TCHAR* WildcardWithoutExtension, TArray<FName>& OutModules) const;

	void RegisterStaticallyLinkedModule(const FName InModuleName,
										const FInitializeStaticallyLinkedModule& InInitializerDelegate);

	/** From now on, loading a module tells OnProcessLoadedObjectsCallback that its objects can be processed. */
	void StartProcessingNewlyLoadedObjects();

	FModulesChangedEvent& OnModulesChanged() { return ModulesChangedEvent; }

	/** Broadcast while loading a module, before its StartupModule: (ModuleName, bCanProcessNewlyLoadedObjects). */
	ProcessLoadedObjectsEvent& OnProcessLoadedObjectsCallback() { return ProcessLoadedObjectsCallback; }

	template <typename TModuleInterface>
	static TModuleInterface& LoadModuleChecked(const FName InModuleName)
	{
		IModuleInterface& ModuleInterface = FModuleManager::Get().LoadModuleChecked(InModuleName);
		return static_cast<TModuleInterface&>(ModuleInterface);
	}

	template <typename TModuleInterface>
	static TModuleInterface* LoadModulePtr(const FName InModuleName)
	{
		return static_cast<TModuleInterface*>(FModuleManager::Get().LoadModule(InModuleName));
	}

	template <typename TModuleInterface>
	static TModuleInterface& GetModuleChecked(const FName ModuleName)
	{
		IModuleInterface* Module = FModuleManager::Get().GetModule(ModuleName);
		checkf(Module != nullptr, TEXT("Module '%s' is not loaded"), *ModuleName.ToString());
		return static_cast<TModuleInterface&>(*Module);
	}

	template <typename TModuleInterface>
	static TModuleInterface* GetModulePtr(const FName ModuleName)
	{
		return static_cast<TModuleInterface*>(FModuleManager::Get().GetModule(ModuleName));
	}

private:
	FModuleManager() = default;

	struct FModuleInfo
	{
		TUniquePtr<IModuleInterface> Module;
		int32 LoadOrder = 0;
		bool bIsReady = false;
	};

	TMap<FName, FInitializeStaticallyLinkedModule> StaticallyLinkedModuleInitializers;
	TMap<FName, FModuleInfo> Modules;
	int32 NextLoadOrder = 1;
	bool bCanProcessNewlyLoadedObjects = false;
	FModulesChangedEvent ModulesChangedEvent;
	ProcessLoadedObjectsEvent ProcessLoadedObjectsCallback;
};

/** Registers a module class under its name when the library that holds it loads. */
template <class ModuleClass>
class FStaticallyLinkedModuleRegistrant
{
public:
	explicit FStaticallyLinkedModuleRegistrant(const TCHAR* InModuleName)
	{
		FModuleManager::Get().RegisterStaticallyLinkedModule(
			FName(InModuleName), FModuleManager::FInitializeStaticallyLinkedModule::CreateStatic(
									 []() -> IModuleInterface* { return new ModuleClass(); }));
	}
};

class FDefaultModuleImpl : public IModuleInterface
{
};

class FDefaultGameModuleImpl : public FDefaultModuleImpl
{
public:
	virtual bool IsGameModule() const override { return true; }
};

#define IMPLEMENT_MODULE(ModuleImplClass, ModuleName)                                                                  \
	static FStaticallyLinkedModuleRegistrant<ModuleImplClass> ModuleRegistrant##ModuleName(TEXT(#ModuleName));

#define IMPLEMENT_GAME_MODULE(ModuleImplClass, ModuleName) IMPLEMENT_MODULE(ModuleImplClass, ModuleName)
