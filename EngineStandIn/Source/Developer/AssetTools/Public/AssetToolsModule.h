#pragma once

#include "CoreMinimal.h"
#include "Modules/ModuleInterface.h"

class IAssetTools;

/** The AssetTools module: hands out the editor's asset tools. */
class ASSETTOOLS_API FAssetToolsModule : public IModuleInterface
{
public:
	virtual void StartupModule() override;
	virtual void ShutdownModule() override;

	virtual IAssetTools& Get() const;

	/** The loaded module, loading it when needed. */
	static FAssetToolsModule& GetModule();

	static bool IsModuleLoaded();

private:
	TUniquePtr<IAssetTools> AssetTools;
};
