#pragma once

#include "CoreMinimal.h"
#include "Misc/EnumClassFlags.h"
#include "TickableEditorObject.h"
#include "UObject/Object.h"
#include "CookOnTheFlyServer.generated.h"

class ITargetPlatform;

UNREALED_API DECLARE_LOG_CATEGORY_EXTERN(LogCook, Log, All);

namespace ECookMode
{
	enum Type
	{
		CookOnTheFly,
		CookOnTheFlyFromTheEditor,
		CookByTheBookFromTheEditor,
		CookByTheBook,
		CookWorker,
	};
}

enum class ECookInitializationFlags
{
	None = 0x00000000,
	/** The editor ticks the cooker once a frame; without it only the cooker's owner does. */
	AutoTick = 0x00000010,
};
ENUM_CLASS_FLAGS(ECookInitializationFlags)

enum class ECookByTheBookOptions
{
	None = 0x00000000,
};
ENUM_CLASS_FLAGS(ECookByTheBookOptions)

enum class ECookTickFlags : uint8
{
	None = 0x00000000,
};
ENUM_CLASS_FLAGS(ECookTickFlags)

/** What one tick of the cooker did. */
enum ECookOnTheSideResult
{
	COSR_None = 0x00000000,
	COSR_CookedMap = 0x00000001,
	COSR_CookedPackage = 0x00000002,
	COSR_ErrorLoadingPackage = 0x00000004,
};

/**
 * The cooker. By the book it cooks, for each target platform, the packages it is given (CookPackages, CookMaps, the
 * packages under CookDirectories and under the project's always-cooked directories) and every package they
 * reference, hard or soft, transitively. It works as it is ticked: by the editor once a frame when initialised with
 * AutoTick, or by its owner through TickCookByTheBook.
 *
 * Output, under Saved/Cooked/<Platform>/ (or the output override): a package file under the project's folder goes to
 * <ProjectName>/<its path in the project>, one under the engine's to Engine/<its path in the engine>; .umap for a
 * world's package, .uasset otherwise, a .uexp beside it, and a .ubulk when the package has bulk data (a texture, or a
 * package file that says "BulkData": true). The files are text derived from the package file: each names the package
 * it came from, and the same package cooks to the same bytes. With the project's zen store setting, everything goes
 * into the store file ue.projectstore in the platform's folder instead, and no loose file is written.
 *
 * A tick cooks packages until its time slice is used (at least one): a large cook spans frames, as the engine's does.
 */
UCLASS()
class UNREALED_API UCookOnTheFlyServer : public UObject, public FTickableEditorObject
{
	GENERATED_BODY()

public:
	struct FCookByTheBookStartupOptions
	{
		TArray<ITargetPlatform*> TargetPlatforms;
		TArray<FString> CookMaps;
		TArray<FString> CookDirectories;
		TArray<FString> NeverCookDirectories;
		TArray<FString> CookCultures;
		TArray<FString> IniMapSections;
		/** List of packages we should cook, used to specify specific packages to cook */
		TArray<FString> CookPackages;
		ECookByTheBookOptions CookOptions = ECookByTheBookOptions::None;
		FString DLCName;
		FString CreateReleaseVersion;
		FString BasedOnReleaseVersion;
		bool bGenerateStreamingInstallManifests = false;
		bool bGenerateDependenciesForMaps = false;
		/** This is a flag for dlc, will cause the cooker to error if the dlc references engine content */
		bool bErrorOnEngineContentUse = false;
	};

	UCookOnTheFlyServer(const FObjectInitializer& ObjectInitializer);
	virtual ~UCookOnTheFlyServer() override;

	/** Initialize *this so that either CookOnTheFly or CookByTheBook can be started and ticked */
	void Initialize(ECookMode::Type DesiredCookMode, ECookInitializationFlags InCookInitializationFlags, const FString& OutputDirectoryOverride = FString());

	/** Start a cook by the book session */
	void StartCookByTheBook(const FCookByTheBookStartupOptions& CookByTheBookStartupOptions);

	/** Tick CBTB until it finishes or needs to yield. Should only be called when in CookByTheBook Mode. */
	uint32 TickCookByTheBook(const float TimeSlice, ECookTickFlags TickFlags = ECookTickFlags::None);

	bool IsInSession() const { return bInSession; }
	bool IsCookByTheBookMode() const { return CurrentCookMode == ECookMode::CookByTheBook || CurrentCookMode == ECookMode::CookByTheBookFromTheEditor; }
	bool IsCookByTheBookRunning() const { return IsCookByTheBookMode() && IsInSession(); }

	// FTickableEditorObject
	virtual void Tick(float DeltaTime) override;
	virtual bool IsTickable() const override;

private:
	/** Adds a package to the end of the session's requests, once. Native (script) packages have nothing to cook. */
	void RequestPackage(const FString& PackageName);
	void RequestPackagesUnder(const FString& Directory);
	/** Cooks the next requested package for every session platform. */
	uint32 CookNextPackage();
	void FinishSession();

	ECookMode::Type CurrentCookMode = ECookMode::CookOnTheFly;
	ECookInitializationFlags CookFlags = ECookInitializationFlags::None;
	bool bInitialized = false;
	/** Saved/Cooked/[Platform] or the override; [Platform] stands for each session platform's name. */
	FString OutputDirectory;
	FString GivenOutputDirectoryOverride;

	bool bInSession = false;
	bool bUseZenStore = false;
	TArray<FString> SessionPlatformNames;
	TArray<FName> RequestedPackages;
	TSet<FName> RequestedPackageSet;
	int32 NextRequest = 0;
	int32 NumCooked = 0;
	int32 NumFailed = 0;
};
