#include "AssetToolsModule.h"
#include "AssetTools.h"
#include "Modules/ModuleManager.h"

void FAssetToolsModule::StartupModule()
{
	AssetTools.Reset(new FAssetTools());
}

void FAssetToolsModule::ShutdownModule()
{
	AssetTools.Reset();
}

IAssetTools& FAssetToolsModule::Get() const
{
	check(AssetTools.IsValid());
	return *AssetTools;
}

FAssetToolsModule& FAssetToolsModule::GetModule()
{
	return FModuleManager::LoadModuleChecked<FAssetToolsModule>(TEXT("AssetTools"));
}

bool FAssetToolsModule::IsModuleLoaded()
{
	return FModuleManager::Get().IsModuleLoaded(TEXT("AssetTools"));
}

IMPLEMENT_MODULE(FAssetToolsModule, AssetTools)
