#include "AssetRegistry/AssetRegistryModule.h"

#include "AssetRegistryImpl.h"
#include "Modules/ModuleManager.h"

void FAssetRegistryModule::StartupModule()
{
	AssetRegistry = TUniquePtr<IAssetRegistry>(new UE::AssetRegistry::Private::FAssetRegistryImpl());
}

void FAssetRegistryModule::ShutdownModule()
{
	AssetRegistry.Reset();
}

IAssetRegistry& FAssetRegistryModule::Get() const
{
	check(AssetRegistry.IsValid());
	return *AssetRegistry;
}

IAssetRegistry* FAssetRegistryModule::TryGet() const
{
	return AssetRegistry.Get();
}

bool FAssetRegistryModule::IsValid() const
{
	return AssetRegistry.IsValid();
}

void FAssetRegistryModule::GetDependencies(FName InPackageName, TArray<FName>& OutDependencies,
	UE::AssetRegistry::EDependencyCategory Category, const UE::AssetRegistry::FDependencyQuery& Flags)
{
	Get().GetDependencies(InPackageName, OutDependencies, Category, Flags);
}

void FAssetRegistryModule::AssetCreated(UObject* NewAsset)
{
	if (FAssetRegistryModule* Module = FModuleManager::GetModulePtr<FAssetRegistryModule>(TEXT("AssetRegistry")))
	{
		Module->Get().AssetCreated(NewAsset);
	}
}

IMPLEMENT_MODULE(FAssetRegistryModule, AssetRegistry)
