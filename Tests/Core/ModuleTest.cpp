#include "CoreMinimal.h"
#include "CoreTestPrinters.h"
#include "Modules/ModuleManager.h"

#include <gtest/gtest.h>

namespace
{
	TArray<FString>& Events()
	{
		static TArray<FString> Recorded;
		return Recorded;
	}

	class FCoreTestModuleA : public IModuleInterface
	{
	public:
		virtual void StartupModule() override { Events().Add(TEXT("A:Startup")); }

		virtual void ShutdownModule() override { Events().Add(TEXT("A:Shutdown")); }

		int32 Value = 11;
	};

	class FCoreTestModuleB : public IModuleInterface
	{
	public:
		virtual void StartupModule() override
		{
			// A dependency loaded from start-up is started first.
			FModuleManager::LoadModuleChecked<FCoreTestModuleA>(TEXT("CoreTestModuleA"));
			Events().Add(TEXT("B:Startup"));
		}

		virtual void ShutdownModule() override { Events().Add(TEXT("B:Shutdown")); }
	};
}

IMPLEMENT_MODULE(FCoreTestModuleA, CoreTestModuleA)
IMPLEMENT_MODULE(FCoreTestModuleB, CoreTestModuleB)

TEST(ModuleTest, LoadingStartsModulesAndShutdownRunsInReverseLoadOrder)
{
	FModuleManager& Manager = FModuleManager::Get();
	Events().Reset();
	const FDelegateHandle ProcessHandle = Manager.OnProcessLoadedObjectsCallback().AddLambda(
		[](FName ModuleName, bool bCanProcess) { Events().Add(TEXT("Process:") + ModuleName.ToString()); });
	const FDelegateHandle ChangedHandle = Manager.OnModulesChanged().AddLambda(
		[](FName ModuleName, EModuleChangeReason Reason)
		{
			Events().Add((Reason == EModuleChangeReason::ModuleLoaded ? TEXT("Loaded:") : TEXT("Unloaded:")) +
						 ModuleName.ToString());
		});

	EXPECT_TRUE(Manager.ModuleExists(TEXT("CoreTestModuleB")));
	EXPECT_FALSE(Manager.IsModuleLoaded(TEXT("CoreTestModuleB")));
	EXPECT_NE(Manager.LoadModule(TEXT("CoreTestModuleB")), nullptr);
	EXPECT_EQ(FModuleManager::GetModuleChecked<FCoreTestModuleA>(TEXT("CoreTestModuleA")).Value, 11);
	EXPECT_EQ(Manager.LoadModule(TEXT("CoreTestModuleB")), Manager.GetModule(TEXT("CoreTestModuleB")))
		<< "a loaded module is not started twice";
	EXPECT_EQ(FModuleManager::LoadModulePtr<IModuleInterface>(TEXT("NoSuchModule")), nullptr);

	Manager.UnloadModulesAtShutdown();
	EXPECT_FALSE(Manager.IsModuleLoaded(TEXT("CoreTestModuleA")));

	Manager.OnProcessLoadedObjectsCallback().Remove(ProcessHandle);
	Manager.OnModulesChanged().Remove(ChangedHandle);

	EXPECT_EQ(Events(),
			  TArray<FString>({TEXT("Process:CoreTestModuleB"), TEXT("Process:CoreTestModuleA"), TEXT("A:Startup"),
							   TEXT("Loaded:CoreTestModuleA"), TEXT("B:Startup"), TEXT("Loaded:CoreTestModuleB"),
							   TEXT("B:Shutdown"), TEXT("Unloaded:CoreTestModuleB"), TEXT("A:Shutdown"),
							   TEXT("Unloaded:CoreTestModuleA")}));
}

TEST(ModuleDeathTest, LoadModuleCheckedNamesAModuleThatDoesNotExist)
{
	EXPECT_DEATH(FModuleManager::LoadModuleChecked<IModuleInterface>(TEXT("NoSuchModule")), "NoSuchModule");
}
