#pragma once

#if WITH_EDITOR

#include "CoreMinimal.h"
#include "Containers/Ticker.h"
#include "HAL/PlatformProcess.h"

class FZ4BuildReport;

/**
 * Follows a pak tool that "Make Pak File" started, on the core ticker so the editor never waits for it. When
 * the tool ends well, lists the new pak with the same tool, checks that every manifest entry is in it and writes
 * the pak's build report; then tells the creator in a notification whether the pak was made and what changed since
 * the last pak, and logs the details.
 */
class FZ4PakToolWatcher
{
public:
	/**
	 * Takes over PakTool (a tool that failed to start included). InPakFilePath and InPakToolDir as the tool was
	 * given them; InSourcePaths and InMountPaths are the manifest's entries, line by line. InReport is written once
	 * the pak has been listed.
	 */
	static void Watch(FProcHandle PakTool, const FString& InPakFilePath, const FString& InPakToolDir,
		TArray<FString> InSourcePaths, TArray<FString> InMountPaths, TUniquePtr<FZ4BuildReport> InReport);

	/** The pak of a watched tool that has not ended yet, or an empty string. */
	static FString GetPakBeingMade();

	/** Stops watching, leaving the tools to run on, and reports nothing more. */
	static void StopAll();

	~FZ4PakToolWatcher();

private:
	FZ4PakToolWatcher(FProcHandle InPakTool, const FString& InPakFilePath, const FString& InPakToolDir,
		TArray<FString> InSourcePaths, TArray<FString> InMountPaths, TUniquePtr<FZ4BuildReport> InReport);

	/** Has the core ticker tick this watcher every Interval seconds (every frame for 0). */
	void StartTicking(float Interval);
	/** False once the outcome is known. */
	bool Tick(float DeltaTime);
	bool TickMaking();
	bool TickListing();
	void ReadListingOutput();
	void CheckListing(int32 ListingReturnCode);
	void ReportToolFailure(int32 ReturnCode);

	FProcHandle Process;
	bool bListing = false;
	void* ListingReadPipe = nullptr;
	void* ListingWritePipe = nullptr;
	TArray<uint8> ListingOutput;

	FString PakFilePath;
	FString PakToolDir;
	TArray<FString> SourcePaths;
	TArray<FString> MountPaths;
	TUniquePtr<FZ4BuildReport> Report;
	FTSTicker::FDelegateHandle TickerHandle;

	static TArray<TUniquePtr<FZ4PakToolWatcher>> Watchers;
};

#endif
