#include "Interfaces/ITargetPlatformManagerModule.h"

#include "Interfaces/ITargetPlatform.h"
#include "Modules/ModuleManager.h"
#include "StandIn/TargetPlatforms.h"

namespace
{
	// The platforms a test has made missing. Names compare as the engine's platform names do, ignoring case.
	TArray<FString>& MissingPlatforms()
	{
		static TArray<FString> Names;
		return Names;
	}

	// The one platform the stand-in cooks for.
	class FWindowsTargetPlatform final : public ITargetPlatform
	{
	public:
		virtual FString PlatformName() const override { return TEXT("Windows"); }
	};

	class FTargetPlatformManagerModule final : public ITargetPlatformManagerModule
	{
	public:
		virtual ITargetPlatform* FindTargetPlatform(const TCHAR* Name) override
		{
			const FString Wanted(Name);
			if (!Wanted.Equals(Windows.PlatformName(), ESearchCase::IgnoreCase) || MissingPlatforms().Contains(Wanted))
			{
				return nullptr;
			}
			return &Windows;
		}

	private:
		FWindowsTargetPlatform Windows;
	};
}

IMPLEMENT_MODULE(FTargetPlatformManagerModule, TargetPlatform)

// Declared in Core, as in the engine, whose Core sees this module's interface on its include path; the stand-in's
// Core does not, so the functions live beside the manager they load.
ITargetPlatformManagerModule* GetTargetPlatformManager(bool bFailOnInitErrors)
{
	return FModuleManager::LoadModulePtr<ITargetPlatformManagerModule>(TEXT("TargetPlatform"));
}

ITargetPlatformManagerModule& GetTargetPlatformManagerRef()
{
	ITargetPlatformManagerModule* Manager = GetTargetPlatformManager();
	checkf(Manager, TEXT("The TargetPlatform module could not be loaded"));
	return *Manager;
}

namespace UE::StandIn
{
	FScopedMissingTargetPlatform::FScopedMissingTargetPlatform(const TCHAR* InPlatformName)
		: PlatformName(InPlatformName)
	{
		MissingPlatforms().Add(PlatformName);
	}

	FScopedMissingTargetPlatform::~FScopedMissingTargetPlatform()
	{
		MissingPlatforms().RemoveSingle(PlatformName);
	}
}
