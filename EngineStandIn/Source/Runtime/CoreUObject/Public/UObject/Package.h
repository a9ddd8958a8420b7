#pragma once

#include "CoreMinimal.h"
#include "Misc/ObjectThumbnail.h"
#include "UObject/Object.h"

struct FSavePackageArgs;
class FOutputDevice;

enum class ESavePackageResult
{
	Success,
	Error,
	Canceled,
	ContainsEditorOnlyData,
	ReferencedOnlyByEditorOnlyData,
	ReplaceCompletely,
	GenerateStub,
	MissingFile,
	ValidatorError,
	ValidatorSuppress,
	EmptyRealm,
	Timeout
};

struct COREUOBJECT_API FSavePackageResultStruct
{
	FSavePackageResultStruct() = default;
	FSavePackageResultStruct(ESavePackageResult InResult) : Result(InResult) {}
	FSavePackageResultStruct(ESavePackageResult InResult, int64 InTotalFileSize) : Result(InResult), TotalFileSize(InTotalFileSize) {}
	FSavePackageResultStruct(FSavePackageResultStruct&&) = default;
	FSavePackageResultStruct& operator=(FSavePackageResultStruct&&) = default;
	// Move-only, like the engine's (which owns futures and the save linker).
	FSavePackageResultStruct(const FSavePackageResultStruct&) = delete;
	FSavePackageResultStruct& operator=(const FSavePackageResultStruct&) = delete;

	bool operator==(ESavePackageResult Other) const { return Result == Other; }
	bool operator!=(ESavePackageResult Other) const { return Result != Other; }
	bool IsSuccessful() const { return Result == ESavePackageResult::Success || Result == ESavePackageResult::GenerateStub || Result == ESavePackageResult::ReplaceCompletely; }

	ESavePackageResult Result = ESavePackageResult::Error;
	int64 TotalFileSize = 0;
	uint32 SerializedPackageFlags = 0;
};

class FObjectPostSaveContext
{
public:
	FObjectPostSaveContext(const FString& InTargetFilename) : TargetFilename(InTargetFilename) {}
	const FString& GetTargetFilename() const { return TargetFilename; }

private:
	FString TargetFilename;
};

class COREUOBJECT_API UPackage : public UObject
{
	DECLARE_CLASS_INTRINSIC_NO_CTOR(UPackage, UObject, "/Script/CoreUObject")

public:
	static FSavePackageResultStruct Save(UPackage* InOuter, UObject* InAsset, const TCHAR* Filename, const FSavePackageArgs& SaveArgs);
	static bool SavePackage(UPackage* InOuter, UObject* InAsset, const TCHAR* Filename, const FSavePackageArgs& SaveArgs);

	DECLARE_MULTICAST_DELEGATE_ThreeParams(FOnPackageSavedWithContext, const FString&, UPackage*, FObjectPostSaveContext);
	// Broadcast after a package was written to disk.
	static FOnPackageSavedWithContext PackageSavedWithContextEvent;

	void FullyLoad();
	bool IsFullyLoaded() const { return true; }
	bool IsDirty() const { return bDirty; }
	void SetDirtyFlag(bool bIsDirty) { bDirty = bIsDirty; }
	const FString& GetLoadedPathString() const { return LoadedPath; }
	void SetLoadedPath(const FString& Path) { LoadedPath = Path; }
	UObject* FindAssetInPackage() const;

#if WITH_EDITORONLY_DATA
	/** The thumbnails saved with this package: read when it loads, written when it saves. */
	bool HasThumbnailMap() const { return ThumbnailMap.IsValid(); }
	const FThumbnailMap& GetThumbnailMap() const
	{
		check(ThumbnailMap.IsValid());
		return *ThumbnailMap;
	}
	FThumbnailMap& AccessThumbnailMap()
	{
		if (!ThumbnailMap.IsValid())
		{
			ThumbnailMap = MakeUnique<FThumbnailMap>();
		}
		return *ThumbnailMap;
	}
#endif

private:
	bool bDirty = false;
	FString LoadedPath;
#if WITH_EDITORONLY_DATA
	TUniquePtr<FThumbnailMap> ThumbnailMap;
#endif
};
