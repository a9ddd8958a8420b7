#include "Modules/ModuleManager.h"

#include "CoreGlobals.h"
#include "Logging/LogMacros.h"

DEFINE_LOG_CATEGORY_STATIC(LogModuleManager, Log, All);

FModuleManager& FModuleManager::Get()
{
	// Never destroyed: modules register from static initialisers of other libraries, in any order, and
	// must not be destroyed behind their owners' backs at exit.
	static FModuleManager* Singleton = new FModuleManager();
	return *Singleton;
}

void FModuleManager::RegisterStaticallyLinkedModule(const FName InModuleName,
													const FInitializeStaticallyLinkedModule& InInitializerDelegate)
{
	StaticallyLinkedModuleInitializers.Add(InModuleName, InInitializerDelegate);
}

void FModuleManager::StartProcessingNewlyLoadedObjects()
{
	bCanProcessNewlyLoadedObjects = true;
}

IModuleInterface* FModuleManager::LoadModule(const FName InModuleName, ELoadModuleFlags InLoadModuleFlags)
{
	EModuleLoadResult FailureReason;
	return LoadModuleWithFailureReason(InModuleName, FailureReason, InLoadModuleFlags);
}

IModuleInterface* FModuleManager::LoadModuleWithFailureReason(const FName InModuleName,
															  EModuleLoadResult& OutFailureReason,
															  ELoadModuleFlags InLoadModuleFlags)
{
	if (FModuleInfo* Existing = Modules.Find(InModuleName))
	{
		OutFailureReason = EModuleLoadResult::Success;
		return Existing->Module.Get();
	}

	const FInitializeStaticallyLinkedModule* Initializer = StaticallyLinkedModuleInitializers.Find(InModuleName);
	if (!Initializer)
	{
		OutFailureReason = EModuleLoadResult::FileNotFound;
		if ((static_cast<int32>(InLoadModuleFlags) & static_cast<int32>(ELoadModuleFlags::LogFailures)) != 0)
		{
			UE_LOG(LogModuleManager, Warning,
				   TEXT("ModuleManager: Unable to load module '%s' because the module does not exist."),
				   *InModuleName.ToString());
		}
		return nullptr;
	}

	IModuleInterface* NewModule = Initializer->Execute();
	if (!NewModule)
	{
		OutFailureReason = EModuleLoadResult::FailedToInitialize;
		return nullptr;
	}

	// Registered before start-up so that a module loading itself again from StartupModule finds it.
	FModuleInfo& Info = Modules.Add(InModuleName, FModuleInfo());
	Info.Module = TUniquePtr<IModuleInterface>(NewModule);

	ProcessLoadedObjectsCallback.Broadcast(InModuleName, bCanProcessNewlyLoadedObjects);
	NewModule->StartupModule();

	// Numbered after start-up: modules it loaded from StartupModule come first, so they shut down after it.
	if (FModuleInfo* Loaded = Modules.Find(InModuleName))
	{
		Loaded->LoadOrder = NextLoadOrder++;
		Loaded->bIsReady = true;
	}
	ModulesChangedEvent.Broadcast(InModuleName, EModuleChangeReason::ModuleLoaded);
	OutFailureReason = EModuleLoadResult::Success;
	return NewModule;
}

IModuleInterface& FModuleManager::LoadModuleChecked(const FName InModuleName)
{
	IModuleInterface* Module = LoadModule(InModuleName);
	checkf(Module != nullptr, TEXT("ModuleManager: Unable to load module '%s' because the module does not exist."),
		   *InModuleName.ToString());
	return *Module;
}

bool FModuleManager::IsModuleLoaded(const FName InModuleName) const
{
	const FModuleInfo* Info = Modules.Find(InModuleName);
	return Info != nullptr && Info->Module.IsValid();
}

IModuleInterface* FModuleManager::GetModule(const FName InModuleName)
{
	FModuleInfo* Info = Modules.Find(InModuleName);
	return Info ? Info->Module.Get() : nullptr;
}

bool FModuleManager::UnloadModule(const FName InModuleName, bool bIsShutdown, bool bAllowUnloadCode)
{
	FModuleInfo* Info = Modules.Find(InModuleName);
	if (!Info || !Info->Module.IsValid())
	{
		return false;
	}
	// Moved out first: a module's shutdown may load or unload others, which changes the map.
	TUniquePtr<IModuleInterface> Module = MoveTemp(Info->Module);
	Modules.Remove(InModuleName);
	if (!bIsShutdown)
	{
		Module->PreUnloadCallback();
	}
	Module->ShutdownModule();
	Module.Reset();
	ModulesChangedEvent.Broadcast(InModuleName, EModuleChangeReason::ModuleUnloaded);
	return true;
}

void FModuleManager::UnloadModulesAtShutdown()
{
	struct FModuleToUnload
	{
		FName Name;
		int32 LoadOrder;
	};
	TArray<FModuleToUnload> ToUnload;
	for (const TPair<FName, FModuleInfo>& Pair : Modules)
	{
		if (Pair.Value.Module.IsValid() && Pair.Value.Module->SupportsAutomaticShutdown())
		{
			ToUnload.Add(FModuleToUnload{Pair.Key, Pair.Value.LoadOrder});
		}
	}
	ToUnload.Sort([](const FModuleToUnload& A, const FModuleToUnload& B) { return A.LoadOrder > B.LoadOrder; });

	for (const FModuleToUnload& Entry : ToUnload)
	{
		if (IModuleInterface* Module = GetModule(Entry.Name))
		{
			Module->PreUnloadCallback();
		}
	}
	for (const FModuleToUnload& Entry : ToUnload)
	{
		UnloadModule(Entry.Name, true);
	}
}

bool FModuleManager::ModuleExists(const TCHAR* ModuleName) const
{
	return StaticallyLinkedModuleInitializers.Contains(FName(ModuleName));
}

int32 FModuleManager::GetModuleCount() const
{
	return Modules.Num();
}

void FModuleManager::FindModules(const TCHAR* WildcardWithoutExtension, TArray<FName>& OutModules) const
{
	for (const TPair<FName, FInitializeStaticallyLinkedModule>& Pair : StaticallyLinkedModuleInitializers)
	{
		if (Pair.Key.ToString().MatchesWildcard(WildcardWithoutExtension))
		{
			OutModules.Add(Pair.Key);
		}
	}
}
