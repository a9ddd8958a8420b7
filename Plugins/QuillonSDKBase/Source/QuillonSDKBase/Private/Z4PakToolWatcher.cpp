#include "Z4PakToolWatcher.h"

#if WITH_EDITOR

#include "Containers/StringConv.h"
#include "Framework/Notifications/NotificationManager.h"
#include "HAL/FileManager.h"
#include "HAL/PlatformFileManager.h"
#include "Misc/Paths.h"
#include "QuillonSDKBase.h"
#include "Widgets/Notifications/SNotificationList.h"
#include "Z4BuildReport.h"

#define LOCTEXT_NAMESPACE "Z4PakToolWatcher"

TArray<TUniquePtr<FZ4PakToolWatcher>> FZ4PakToolWatcher::Watchers;

namespace
{
	constexpr float CheckInterval = 0.1f;
	constexpr int32 MaxNamedEntries = 3;

	FText JoinFirstEntries(const TArray<FString>& Entries)
	{
		FString Joined;
		for (int32 Index = 0; Index < Entries.Num() && Index < MaxNamedEntries; ++Index)
		{
			Joined += (Index > 0 ? TEXT(", ") : TEXT("")) + Entries[Index];
		}
		if (Entries.Num() > MaxNamedEntries)
		{
			return FText::Format(LOCTEXT("EntriesAndMore", "{0} and {1} more"), FText::FromString(Joined), FText::AsNumber(Entries.Num() - MaxNamedEntries));
		}
		return FText::FromString(Joined);
	}

	void ShowOutcome(bool bSuccess, const FText& Text, const FText& SubText)
	{
		FNotificationInfo Info(Text);
		Info.SubText = SubText;
		Info.bFireAndForget = true;
		Info.bUseSuccessFailIcons = true;
		// A failure stays longer: its text says what to look at.
		Info.ExpireDuration = bSuccess ? 8.0f : 20.0f;
		if (TSharedPtr<SNotificationItem> Item = FSlateNotificationManager::Get().AddNotification(Info))
		{
			Item->SetCompletionState(bSuccess ? SNotificationItem::CS_Success : SNotificationItem::CS_Fail);
		}
	}

	const FText& OutputLogHint()
	{
		static const FText Hint = LOCTEXT("OutputLogHint", "The pak command, its manifest and these details are in the Output Log (Z4LogSDK).");
		return Hint;
	}
}

void FZ4PakToolWatcher::Watch(FProcHandle PakTool, const FString& InPakFilePath, const FString& InPakToolDir,
	TArray<FString> InSourcePaths, TArray<FString> InMountPaths, TUniquePtr<FZ4BuildReport> InReport)
{
	const FString FullPakPath = FPaths::ConvertRelativePathToFull(InPakFilePath);
	if (!PakTool.IsValid())
	{
		UE_LOG(Z4LogSDK, Error, TEXT("The pak tool UnrealPak.exe could not be started in %s; %s was not made."), *FPaths::ConvertRelativePathToFull(InPakToolDir), *FullPakPath);
		ShowOutcome(false, FText::Format(LOCTEXT("ToolNotStarted", "Pak not made: UnrealPak.exe could not be started in {0}"), FText::FromString(FPaths::ConvertRelativePathToFull(InPakToolDir))), OutputLogHint());
		return;
	}
	TUniquePtr<FZ4PakToolWatcher> Watcher(new FZ4PakToolWatcher(PakTool, InPakFilePath, InPakToolDir, MoveTemp(InSourcePaths), MoveTemp(InMountPaths), MoveTemp(InReport)));
	Watcher->StartTicking(CheckInterval);
	Watchers.Add(MoveTemp(Watcher));
}

void FZ4PakToolWatcher::StartTicking(float Interval)
{
	FZ4PakToolWatcher* RawWatcher = this;
	TickerHandle = FTSTicker::GetCoreTicker().AddTicker(TEXT("Z4PakToolWatcher"), Interval, [RawWatcher](float DeltaTime)
	{
		if (RawWatcher->Tick(DeltaTime))
		{
			return true;
		}
		Watchers.RemoveAll([RawWatcher](const TUniquePtr<FZ4PakToolWatcher>& Each) { return Each.Get() == RawWatcher; });
		return false;
	});
}

FString FZ4PakToolWatcher::GetPakBeingMade()
{
	return Watchers.Num() > 0 ? FPaths::ConvertRelativePathToFull(Watchers[0]->PakFilePath) : FString();
}

void FZ4PakToolWatcher::StopAll()
{
	Watchers.Empty();
}

FZ4PakToolWatcher::FZ4PakToolWatcher(FProcHandle InPakTool, const FString& InPakFilePath, const FString& InPakToolDir,
	TArray<FString> InSourcePaths, TArray<FString> InMountPaths, TUniquePtr<FZ4BuildReport> InReport)
	: Process(InPakTool)
	, PakFilePath(InPakFilePath)
	, PakToolDir(InPakToolDir)
	, SourcePaths(MoveTemp(InSourcePaths))
	, MountPaths(MoveTemp(InMountPaths))
	, Report(MoveTemp(InReport))
{
}

FZ4PakToolWatcher::~FZ4PakToolWatcher()
{
	FTSTicker::RemoveTicker(TickerHandle);
	FPlatformProcess::CloseProc(Process);
	if (ListingReadPipe || ListingWritePipe)
	{
		FPlatformProcess::ClosePipe(ListingReadPipe, ListingWritePipe);
	}
}

bool FZ4PakToolWatcher::Tick(float DeltaTime)
{
	return bListing ? TickListing() : TickMaking();
}

bool FZ4PakToolWatcher::TickMaking()
{
	if (FPlatformProcess::IsProcRunning(Process))
	{
		return true;
	}
	int32 ReturnCode = -1;
	FPlatformProcess::GetProcReturnCode(Process, &ReturnCode);
	FPlatformProcess::CloseProc(Process);
	if (ReturnCode != 0)
	{
		ReportToolFailure(ReturnCode);
		return false;
	}

	// The listing only feeds this check, so it runs without a console window.
	if (!FPlatformProcess::CreatePipe(ListingReadPipe, ListingWritePipe))
	{
		ShowOutcome(false, FText::Format(LOCTEXT("ListingNotStarted", "Pak made but not checked: {0}"), FText::FromString(FPaths::ConvertRelativePathToFull(PakFilePath))), OutputLogHint());
		return false;
	}
	const FString ListArguments = FString::Printf(TEXT("\"%s\" -list"), *PakFilePath);
	Process = FPlatformProcess::CreateProc(TEXT("UnrealPak.exe"), *ListArguments, false, true, true, nullptr, 0, *PakToolDir, ListingWritePipe, nullptr);
	if (!Process.IsValid())
	{
		ShowOutcome(false, FText::Format(LOCTEXT("ListingNotStarted", "Pak made but not checked: {0}"), FText::FromString(FPaths::ConvertRelativePathToFull(PakFilePath))), OutputLogHint());
		return false;
	}
	bListing = true;
	// The listing is read every frame: the tool waits whenever the pipe is full, and a large pak's listing fills it
	// hundreds of times.
	FTSTicker::RemoveTicker(TickerHandle);
	StartTicking(0.0f);
	return true;
}

bool FZ4PakToolWatcher::TickListing()
{
	// Read on every check: a listing longer than the pipe holds would otherwise never end.
	const bool bRunning = FPlatformProcess::IsProcRunning(Process);
	ReadListingOutput();
	if (bRunning)
	{
		return true;
	}
	int32 ReturnCode = -1;
	FPlatformProcess::GetProcReturnCode(Process, &ReturnCode);
	FPlatformProcess::CloseProc(Process);
	CheckListing(ReturnCode);
	return false;
}

void FZ4PakToolWatcher::ReadListingOutput()
{
	TArray<uint8> Chunk;
	while (FPlatformProcess::ReadPipeToArray(ListingReadPipe, Chunk))
	{
		ListingOutput.Append(Chunk);
	}
}

void FZ4PakToolWatcher::CheckListing(int32 ListingReturnCode)
{
	// Decoded whole: a chunk read from the pipe may end inside a character.
	FString Listing;
	{
		const FUTF8ToTCHAR Decoded(reinterpret_cast<const ANSICHAR*>(ListingOutput.GetData()), ListingOutput.Num());
		Listing = FString::ConstructFromPtrSize(Decoded.Get(), Decoded.Length());
	}
	ListingOutput.Empty();
	const FString FullPakPath = FPaths::ConvertRelativePathToFull(PakFilePath);
	if (ListingReturnCode != 0)
	{
		UE_LOG(Z4LogSDK, Error, TEXT("The pak %s was made but its listing failed with exit code %d:\n%s"), *FullPakPath, ListingReturnCode, *Listing);
		ShowOutcome(false, FText::Format(LOCTEXT("ListingFailed", "Pak made but unreadable: listing {0} ended with exit code {1}"), FText::FromString(FullPakPath), FText::AsNumber(ListingReturnCode)), OutputLogHint());
		return;
	}

	TArray<FZ4BuildReport::FListedFile> ListedFiles = FZ4BuildReport::ParseListing(Listing);
	Listing.Empty();
	TSet<FString> Listed;
	Listed.Reserve(ListedFiles.Num());
	for (const FZ4BuildReport::FListedFile& File : ListedFiles)
	{
		Listed.Add(File.MountPath);
	}
	// The report describes the pak as it is, complete or not.
	const FText Changes = Report ? Report->Write(PakFilePath, MoveTemp(ListedFiles)) : FText::GetEmpty();
	TArray<FString> Missing;
	for (const FString& MountPath : MountPaths)
	{
		if (!Listed.Contains(MountPath))
		{
			Missing.Add(MountPath);
		}
	}
	if (Missing.Num() > 0)
	{
		UE_LOG(Z4LogSDK, Error, TEXT("The pak %s lacks %d of the manifest's %d entries: %s"), *FullPakPath, Missing.Num(), MountPaths.Num(), *FString::Join(Missing, TEXT(", ")));
		ShowOutcome(false,
			FText::Format(LOCTEXT("PakIncomplete", "Pak incomplete: {0} lacks {1} of {2} files"), FText::FromString(FullPakPath), FText::AsNumber(Missing.Num()), FText::AsNumber(MountPaths.Num())),
			FText::Format(LOCTEXT("MissingEntries", "Missing: {0}. {1}"), JoinFirstEntries(Missing), OutputLogHint()));
		return;
	}

	const int64 PakSize = IFileManager::Get().FileSize(*PakFilePath);
	UE_LOG(Z4LogSDK, Log, TEXT("Pak made: %s (%d files, %lld bytes)"), *FullPakPath, Listed.Num(), PakSize);
	ShowOutcome(true, FText::Format(LOCTEXT("PakMade", "Pak made: {0} ({1} files, {2} bytes)"), FText::FromString(FullPakPath), FText::AsNumber(Listed.Num()), FText::AsNumber(PakSize)), Changes);
}

void FZ4PakToolWatcher::ReportToolFailure(int32 ReturnCode)
{
	// The tool's own messages were in its console window; the likeliest cause, a cooked file gone since
	// the manifest was written, can be named here.
	IPlatformFile& PlatformFile = FPlatformFileManager::Get().GetPlatformFile();
	TArray<FString> MissingSources;
	for (const FString& SourcePath : SourcePaths)
	{
		if (!PlatformFile.FileExists(*SourcePath))
		{
			MissingSources.Add(SourcePath);
		}
	}
	const FString FullPakPath = FPaths::ConvertRelativePathToFull(PakFilePath);
	UE_LOG(Z4LogSDK, Error, TEXT("The pak tool ended with exit code %d; %s was not made.%s%s"), ReturnCode, *FullPakPath,
		MissingSources.Num() > 0 ? TEXT(" Missing source files: ") : TEXT(""), *FString::Join(MissingSources, TEXT(", ")));
	const FText Text = FText::Format(LOCTEXT("ToolFailed", "Pak not made: UnrealPak.exe ended with exit code {0} for {1}"), FText::AsNumber(ReturnCode), FText::FromString(FullPakPath));
	if (MissingSources.Num() > 0)
	{
		ShowOutcome(false, Text, FText::Format(LOCTEXT("MissingSources", "Missing source files: {0}. {1}"), JoinFirstEntries(MissingSources), OutputLogHint()));
	}
	else
	{
		ShowOutcome(false, Text, OutputLogHint());
	}
}

#undef LOCTEXT_NAMESPACE

#endif
