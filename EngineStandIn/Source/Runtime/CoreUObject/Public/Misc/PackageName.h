#pragma once

#include "CoreMinimal.h"

// Long package names (/Game/Pack/SM_Rock) and the files they live in, through the mounted roots.
class COREUOBJECT_API FPackageName
{
public:
	static const FString& GetAssetPackageExtension();
	static const FString& GetMapPackageExtension();

	static FString LongPackageNameToFilename(const FString& InLongPackageName, const FString& InExtension = TEXT(""));
	static bool TryConvertLongPackageNameToFilename(const FString& InLongPackageName, FString& OutFilename, const FString& InExtension = TEXT(""));
	static bool TryConvertFilenameToLongPackageName(const FString& InFilename, FString& OutPackageName, FString* OutFailureReason = nullptr);
	static FString FilenameToLongPackageName(const FString& InFilename);
	static bool DoesPackageExist(const FString& LongPackageName, FString* OutFilename = nullptr, bool InAllowTextFormats = true);

	static FString GetShortName(const FString& LongName);
	static FString GetShortName(const FName& LongName);
	static FName GetShortFName(const FName& LongName);
	static FString GetLongPackagePath(const FString& InLongPackageName);
	static FString ObjectPathToPackageName(const FString& InObjectPath);
	static FString ObjectPathToObjectName(const FString& InObjectPath);
	static bool IsShortPackageName(const FString& PossiblyLongName);
	static bool IsValidLongPackageName(const FString& InLongPackageName, bool bIncludeReadOnlyRoots = false, FText* OutReason = nullptr);
	static bool IsScriptPackage(const FString& InPackageName) { return InPackageName.StartsWith(TEXT("/Script/")); }

	// Maps a root such as /Game/ to a content folder (with its trailing '/').
	static void RegisterMountPoint(const FString& RootPath, const FString& ContentPath);
	static void UnRegisterMountPoint(const FString& RootPath, const FString& ContentPath);
	static bool MountPointExists(const FString& RootPath);
	static void QueryRootContentPaths(TArray<FString>& OutRootContentPaths, bool bIncludeReadOnlyRoots = false, bool bWithoutLeadingSlashes = false, bool bWithoutTrailingSlashes = false);
	// The folder a root is mounted at, empty when it is not mounted.
	static FString GetContentPathForRoot(const FString& RootPath);

	/** (Root such as /Game/, content folder): after a root was mounted. */
	DECLARE_MULTICAST_DELEGATE_TwoParams(FOnContentPathMountedEvent, const FString&, const FString&);
	static FOnContentPathMountedEvent& OnContentPathMounted();
	/** (Root such as /Game/, content folder): after a mounted root was taken away. */
	DECLARE_MULTICAST_DELEGATE_TwoParams(FOnContentPathDismountedEvent, const FString&, const FString&);
	static FOnContentPathDismountedEvent& OnContentPathDismounted();
};
