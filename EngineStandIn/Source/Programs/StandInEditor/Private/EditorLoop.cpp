#include "EditorLoop.h"

#include "Containers/Ticker.h"
#include "EditorConsole.h"
#include "EditorRunOutcome.h"
#include "HAL/FileManager.h"
#include "HAL/PlatformFileManager.h"
#include "HAL/PlatformProcess.h"
#include "HAL/PlatformTime.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "StandIn/EditorTick.h"
#include "StandIn/NotificationLog.h"
#include "UObject/UObjectGlobals.h"

namespace UE::StandInEditor
{
	namespace
	{
		constexpr float FrameSeconds = 0.01f;
		// The editor collects garbage between frames while it works, so what nobody holds goes meanwhile.
		constexpr double GarbageCollectionSeconds = 1.0;
	}

	FEditorLoop::FEditorLoop(FEditorConsole& InConsole, FEditorRunOutcome& InOutcome, const FString& InConsoleFile)
		: Console(InConsole)
		, Outcome(InOutcome)
		, ConsoleFile(InConsoleFile)
	{
		IFileManager::Get().Delete(*ConsoleFile);
		IFileManager::Get().MakeDirectory(*FPaths::GetPath(ConsoleFile), true);
		ProcessLog.SetConsoleFile(ConsoleFile);
	}

	void FEditorLoop::TickUntilIdle()
	{
		double LastTime = FPlatformTime::Seconds();
		double LastGarbageCollection = LastTime;
		while (true)
		{
			const double Now = FPlatformTime::Seconds();
			UE::StandIn::TickEditor(static_cast<float>(Now - LastTime));
			LastTime = Now;
			PrintConsoleOutput();
			PrintNotifications();
			if (Now - LastGarbageCollection >= GarbageCollectionSeconds)
			{
				CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
				LastGarbageCollection = Now;
			}
			// Work on the ticker (a watcher of a program) notices a program's end at its next check and may
			// start another then; it is done when it takes itself off the ticker.
			if (!UE::StandIn::IsEditorCooking() && !IsAnyProgramRunning() && !UE::StandIn::HasActiveTickers(FTSTicker::GetCoreTicker()))
			{
				break;
			}
			FPlatformProcess::Sleep(FrameSeconds);
		}
		// What a program wrote between this frame's read of its output and its end would otherwise be lost.
		PrintConsoleOutput();
		if (!PartialConsoleLine.IsEmpty())
		{
			Console.PrintLine(TEXT("  | ") + PartialConsoleLine);
			PartialConsoleLine.Reset();
		}
		CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
	}

	bool FEditorLoop::IsAnyProgramRunning() const
	{
		const TArray<UE::StandIn::FProcessLaunch> Launches = ProcessLog.GetLaunches();
		for (int32 Index = 0; Index < Launches.Num(); ++Index)
		{
			if (Launches[Index].ProcessId != 0 && !ProcessLog.WaitForExit(Index, 0.0).IsSet())
			{
				return true;
			}
		}
		return false;
	}

	void FEditorLoop::PrintNotifications()
	{
		const TArray<UE::StandIn::FShownNotification> Notifications = UE::StandIn::GetShownNotifications();
		for (int32 Index = 0; Index < Notifications.Num(); ++Index)
		{
			const UE::StandIn::FShownNotification& Notification = Notifications[Index];
			FString Line = TEXT("  Notification");
			switch (Notification.CompletionState)
			{
				case SNotificationItem::CS_Pending:
					Line += TEXT(" (in progress)");
					break;
				case SNotificationItem::CS_Success:
					Line += TEXT(" (success)");
					break;
				case SNotificationItem::CS_Fail:
					Line += TEXT(" (failed)");
					break;
				default:
					break;
			}
			Line += TEXT(": ") + Notification.Text;
			if (!Notification.SubText.IsEmpty())
			{
				Line += TEXT("\n    ") + Notification.SubText.Replace(TEXT("\n"), TEXT("\n    "));
			}
			if (!PrintedNotifications.IsValidIndex(Index))
			{
				PrintedNotifications.SetNum(Index + 1);
			}
			if (!PrintedNotifications[Index].Equals(Line, ESearchCase::CaseSensitive))
			{
				Console.PrintLine(Line);
				PrintedNotifications[Index] = Line;
				if (Notification.CompletionState == SNotificationItem::CS_Fail)
				{
					Outcome.NoteFailedNotification(Notification.Text);
				}
			}
		}
	}

	void FEditorLoop::PrintConsoleOutput()
	{
		// Only what was written since the last frame is read and split: a long listing would otherwise be read and
		// moved again for every frame and every line.
		const TUniquePtr<IFileHandle> File(FPlatformFileManager::Get().GetPlatformFile().OpenRead(*ConsoleFile, true));
		const int64 Size = File ? File->Size() : -1;
		if (Size <= ConsoleBytesPrinted)
		{
			return;
		}
		TArray<uint8> Bytes;
		Bytes.SetNumZeroed((int32)(Size - ConsoleBytesPrinted));
		if (!File->Seek(ConsoleBytesPrinted) || !File->Read(Bytes.GetData(), Bytes.Num()))
		{
			return;
		}
		ConsoleBytesPrinted = Size;
		FString Text;
		FFileHelper::BufferToString(Text, Bytes.GetData(), Bytes.Num());
		Text = PartialConsoleLine + Text.Replace(TEXT("\r"), TEXT(""));
		int32 LineStart = 0;
		for (int32 LineEnd = Text.Find(TEXT("\n"), ESearchCase::CaseSensitive, ESearchDir::FromStart, LineStart); LineEnd != INDEX_NONE;
			 LineEnd = Text.Find(TEXT("\n"), ESearchCase::CaseSensitive, ESearchDir::FromStart, LineStart))
		{
			Console.PrintLine(TEXT("  | ") + Text.Mid(LineStart, LineEnd - LineStart));
			LineStart = LineEnd + 1;
		}
		PartialConsoleLine = Text.RightChop(LineStart);
	}
}
