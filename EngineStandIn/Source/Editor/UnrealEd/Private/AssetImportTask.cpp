#include "AssetImportTask.h"

const TArray<UObject*>& UAssetImportTask::GetObjects() const
{
	// Imports here finish before ImportAssetTasks returns, so there is never anything to wait for.
	return ImportedObjects;
}
