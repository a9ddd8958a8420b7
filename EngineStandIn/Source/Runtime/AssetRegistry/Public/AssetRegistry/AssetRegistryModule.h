#pragma once

#include "CoreMinimal.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "Misc/AssetRegistryInterface.h"
#include "Modules/ModuleInterface.h"
#include "Templates/UniquePtr.h"

class UObject;

/** The asset registry module: holds the editor's one asset registry, which scans the mounted content when it starts. */
class ASSETREGISTRY_API FAssetRegistryModule : public IModuleInterface, public IAssetRegistryInterface
{
public:
	virtual void StartupModule() override;
	virtual void ShutdownModule() override;

	/** The registry; valid while the module is loaded. */
	virtual IAssetRegistry& Get() const;
	IAssetRegistry* TryGet() const;
	/** Whether Get may be called. */
	bool IsValid() const;

	virtual void GetDependencies(FName InPackageName, TArray<FName>& OutDependencies,
		UE::AssetRegistry::EDependencyCategory Category = UE::AssetRegistry::EDependencyCategory::Package,
		const UE::AssetRegistry::FDependencyQuery& Flags = UE::AssetRegistry::FDependencyQuery()) override;

	/** Tells the loaded registry about a newly created asset. */
	static void AssetCreated(UObject* NewAsset);

private:
	TUniquePtr<IAssetRegistry> AssetRegistry;
};
