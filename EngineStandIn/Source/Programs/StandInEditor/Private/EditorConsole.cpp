#include "EditorConsole.h"

#include "StandIn/StringConv.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace UE::StandInEditor
{
	namespace
	{
		constexpr int32 BarWidth = 30;

		int32 TerminalWidth(FILE* Out)
		{
			winsize Size{};
			if (ioctl(fileno(Out), TIOCGWINSZ, &Size) == 0 && Size.ws_col > 0)
			{
				return Size.ws_col;
			}
			return 80;
		}

		int32 Percent(float Fraction)
		{
			return FMath::Clamp(static_cast<int32>(Fraction * 100.0f + 0.5f), 0, 100);
		}
	}

	FEditorConsole::FEditorConsole(FILE* InOut, bool bInTerminal)
		: Out(InOut)
		, bTerminal(bInTerminal)
	{
	}

	FEditorConsole& FEditorConsole::Get()
	{
		static FEditorConsole Console(stdout, isatty(STDOUT_FILENO) != 0);
		return Console;
	}

	void FEditorConsole::PrintLine(const FString& Line)
	{
		std::lock_guard<std::recursive_mutex> Lock(Mutex);
		ClearProgressLine();
		WriteRaw(Line + TEXT("\n"));
		if (bInProgress && bTerminal)
		{
			DrawProgressLine();
		}
		std::fflush(Out);
	}

	void FEditorConsole::BeginProgress(const FString& Task)
	{
		std::lock_guard<std::recursive_mutex> Lock(Mutex);
		ClearProgressLine();
		bInProgress = true;
		ProgressTask = Task;
		ProgressMessage.Reset();
		ProgressFraction = 0.0f;
		LastPrintedTenth = -1;
		ReportProgress(0.0f, FString());
	}

	void FEditorConsole::ReportProgress(float Fraction, const FString& Message)
	{
		std::lock_guard<std::recursive_mutex> Lock(Mutex);
		if (!bInProgress)
		{
			return;
		}
		ProgressFraction = FMath::Clamp(Fraction, 0.0f, 1.0f);
		if (!Message.IsEmpty())
		{
			ProgressMessage = Message;
		}
		if (bTerminal)
		{
			ClearProgressLine();
			DrawProgressLine();
		}
		else if (Percent(ProgressFraction) / 10 != LastPrintedTenth)
		{
			LastPrintedTenth = Percent(ProgressFraction) / 10;
			const FString Detail = ProgressMessage.IsEmpty() ? FString() : TEXT(" - ") + ProgressMessage;
			WriteRaw(FString::Printf(TEXT("  %s: %d%%%s\n"), *ProgressTask, Percent(ProgressFraction), *Detail));
		}
		std::fflush(Out);
	}

	void FEditorConsole::EndProgress()
	{
		std::lock_guard<std::recursive_mutex> Lock(Mutex);
		if (!bInProgress)
		{
			return;
		}
		if (bTerminal)
		{
			ProgressFraction = 1.0f;
			ClearProgressLine();
			DrawProgressLine();
			WriteRaw(TEXT("\n"));
			bProgressLineDrawn = false;
		}
		else if (LastPrintedTenth != 10)
		{
			WriteRaw(FString::Printf(TEXT("  %s: 100%%\n"), *ProgressTask));
		}
		bInProgress = false;
		std::fflush(Out);
	}

	void FEditorConsole::WriteRaw(const FString& Text)
	{
		std::fputs(UE::StandIn::ToUtf8(Text).c_str(), Out);
	}

	void FEditorConsole::ClearProgressLine()
	{
		if (bProgressLineDrawn)
		{
			WriteRaw(TEXT("\r\x1b[K"));
			bProgressLineDrawn = false;
		}
	}

	void FEditorConsole::DrawProgressLine()
	{
		const int32 Filled = static_cast<int32>(ProgressFraction * BarWidth);
		FString Bar;
		for (int32 Index = 0; Index < BarWidth; ++Index)
		{
			Bar.AppendChar(Index < Filled ? TEXT('#') : TEXT('-'));
		}
		FString Line = FString::Printf(TEXT("  %s [%s] %3d%%"), *ProgressTask, *Bar, Percent(ProgressFraction));
		if (!ProgressMessage.IsEmpty())
		{
			Line += TEXT(" ") + ProgressMessage;
		}
		// A line longer than the terminal would wrap, and the next redraw would only clear its last part.
		const int32 Width = TerminalWidth(Out) - 1;
		if (Line.Len() > Width)
		{
			Line = Line.Left(Width);
		}
		WriteRaw(Line);
		bProgressLineDrawn = true;
	}
}
