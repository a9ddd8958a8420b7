#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "AssetImportData.generated.h"

/** The import record of an asset: where it was imported from, so that the editor can import it again. */
UCLASS(EditInlineNew, MinimalAPI)
class UAssetImportData : public UObject
{
	GENERATED_BODY()

public:
#if WITH_EDITORONLY_DATA
	/**
	 * The file the asset was imported from. The engine keeps its source files (with their time stamps and hashes)
	 * in the record's own serialised form; one file, as a reflected property, is what the tools here need.
	 */
	UPROPERTY()
	FString SourceFilePath;
#endif
};
