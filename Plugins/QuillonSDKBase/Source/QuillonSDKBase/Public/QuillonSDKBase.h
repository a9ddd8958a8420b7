#pragma once

#include "CoreMinimal.h"
#include "Modules/ModuleInterface.h"
#include "UObject/StrongObjectPtrTemplates.h"

class UZ4SDKManager;

QUILLONSDKBASE_API DECLARE_LOG_CATEGORY_EXTERN(Z4LogSDK, Log, All);

class FQuillonSDKBaseModule : public IModuleInterface
{
public:
	virtual void StartupModule() override;
	virtual void ShutdownModule() override;

	/** The SDK defaults object made from the plug-in's BP_SDKManager, or null when there is none. */
	static QUILLONSDKBASE_API UZ4SDKManager* GetSDKMananger();

private:
	static TStrongObjectPtr<UZ4SDKManager> SDKManager;
};
