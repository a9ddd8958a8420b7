#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectMacros.h"

class ITargetPlatform;
class FArchiveCookData;
class FOutputDevice;
class FSavePackageContext;

enum ESaveFlags
{
	SAVE_None = 0x00000000,
	SAVE_NoError = 0x00000001,
	SAVE_FromAutosave = 0x00000002,
	SAVE_KeepDirty = 0x00000004,
	SAVE_Async = 0x00000010,
	SAVE_Unversioned = 0x00000020,
	SAVE_CutdownPackage = 0x00000040,
	SAVE_KeepEditorOnlyCookedPackages = 0x00000080,
	SAVE_Concurrent = 0x00000100,
	SAVE_BulkDataByReference = 0x00000400,
};

struct COREUOBJECT_API FSavePackageArgs
{
	FSavePackageArgs();

	const ITargetPlatform* TargetPlatform = nullptr;
	FArchiveCookData* ArchiveCookData = nullptr;
	EObjectFlags TopLevelFlags = RF_NoFlags;
	uint32 SaveFlags = SAVE_None;
	bool bForceByteSwapping = false;
	bool bWarnOfLongFilename = true;
	bool bSlowTask = true;
	FOutputDevice* Error;
	FSavePackageContext* SavePackageContext = nullptr;
};
