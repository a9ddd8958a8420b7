#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "AssetImportTask.generated.h"

/** One file for the asset tools to import (IAssetTools::ImportAssetTasks), and what the import made of it. */
UCLASS(Transient, BlueprintType, MinimalAPI)
class UAssetImportTask : public UObject
{
	GENERATED_BODY()

public:
	/** The file to import. */
	UPROPERTY(BlueprintReadWrite, EditAnywhere, Category = "Task")
	FString Filename;

	/** The content folder to import into. */
	UPROPERTY(BlueprintReadWrite, EditAnywhere, Category = "Task")
	FString DestinationPath;

	/** The asset's name; the file's base name when empty. */
	UPROPERTY(BlueprintReadWrite, EditAnywhere, Category = "Task")
	FString DestinationName;

	/** Overwrite an asset of the same name. */
	UPROPERTY(BlueprintReadWrite, EditAnywhere, Category = "Task")
	bool bReplaceExisting = false;

	/** Keep the import settings of the asset being overwritten. */
	UPROPERTY(BlueprintReadWrite, EditAnywhere, Category = "Task")
	bool bReplaceExistingSettings = false;

	/** Ask no questions and show no dialogs. */
	UPROPERTY(BlueprintReadWrite, EditAnywhere, Category = "Task")
	bool bAutomated = false;

	/** Save the imported assets' packages. */
	UPROPERTY(BlueprintReadWrite, EditAnywhere, Category = "Task")
	bool bSave = false;

	/** Import in the background; GetObjects waits for it. */
	UPROPERTY(BlueprintReadWrite, EditAnywhere, Category = "Task")
	bool bAsync = false;

	/** The object paths of the assets the import made or updated. */
	UPROPERTY(BlueprintReadWrite, Category = "Task")
	TArray<FString> ImportedObjectPaths;

	/** The assets the import made or updated, first the main one; empty when it made nothing. */
	UFUNCTION(BlueprintCallable, Category = "Task")
	UNREALED_API const TArray<UObject*>& GetObjects() const;

private:
	// The asset tools fill in what they imported.
	friend class FAssetTools;

	UPROPERTY(Transient)
	TArray<UObject*> ImportedObjects;
};
