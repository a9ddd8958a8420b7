#include "Misc/MessageDialog.h"

#include "Internationalization/Internationalization.h"
#include "Logging/LogMacros.h"
#include "Misc/AssertionMacros.h"
#include "StandIn/DialogScript.h"
#include "StandIn/StringConv.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <unistd.h>

DEFINE_LOG_CATEGORY_STATIC(LogMessageDialog, Log, All);

namespace
{
	using namespace UE::StandIn;

	FDialogScript*& CurrentScript()
	{
		static FDialogScript* Current = nullptr;
		return Current;
	}

	TArray<EAppReturnType::Type> ButtonsOf(EAppMsgType::Type Type)
	{
		switch (Type)
		{
			case EAppMsgType::Ok:
				return {EAppReturnType::Ok};
			case EAppMsgType::YesNo:
				return {EAppReturnType::Yes, EAppReturnType::No};
			case EAppMsgType::OkCancel:
				return {EAppReturnType::Ok, EAppReturnType::Cancel};
			case EAppMsgType::YesNoCancel:
				return {EAppReturnType::Yes, EAppReturnType::No, EAppReturnType::Cancel};
			case EAppMsgType::CancelRetryContinue:
				return {EAppReturnType::Cancel, EAppReturnType::Retry, EAppReturnType::Continue};
			case EAppMsgType::YesNoYesAllNoAll:
				return {EAppReturnType::Yes, EAppReturnType::No, EAppReturnType::YesAll, EAppReturnType::NoAll};
			case EAppMsgType::YesNoYesAllNoAllCancel:
				return {EAppReturnType::Yes, EAppReturnType::No, EAppReturnType::YesAll, EAppReturnType::NoAll,
						EAppReturnType::Cancel};
			case EAppMsgType::YesNoYesAll:
				return {EAppReturnType::Yes, EAppReturnType::No, EAppReturnType::YesAll};
		}
		return {};
	}

	FString ButtonList(EAppMsgType::Type Type)
	{
		FString List;
		for (EAppReturnType::Type Button : ButtonsOf(Type))
		{
			List += (List.IsEmpty() ? TEXT("") : TEXT(", ")) + FString(LexToString(Button));
		}
		return List;
	}

	FString Describe(EAppMsgType::Type Type, const FString& Title, const FString& Message)
	{
		return FString::Printf(TEXT("\"%s\" (%s): %s"), *Title, *ButtonList(Type), *Message);
	}

	// A whole button name, or the start of exactly one, ignoring case.
	bool ParseTerminalAnswer(const FString& Input, EAppMsgType::Type Type, EAppReturnType::Type& OutAnswer)
	{
		const FString Trimmed = Input.TrimStartAndEnd();
		if (Trimmed.IsEmpty())
		{
			return false;
		}
		int32 Matches = 0;
		for (EAppReturnType::Type Button : ButtonsOf(Type))
		{
			const FString Name = LexToString(Button);
			if (Name.Equals(Trimmed, ESearchCase::IgnoreCase))
			{
				OutAnswer = Button;
				return true;
			}
			if (Name.StartsWith(Trimmed, ESearchCase::IgnoreCase))
			{
				OutAnswer = Button;
				++Matches;
			}
		}
		return Matches == 1;
	}

	bool AskTerminal(EAppMsgType::Type Type, const FString& Title, const FString& Message,
					 EAppReturnType::Type& OutAnswer)
	{
		if (!isatty(STDIN_FILENO))
		{
			return false;
		}
		std::printf("\n[%s]\n%s\n", ToUtf8(Title).c_str(), ToUtf8(Message).c_str());
		while (true)
		{
			std::printf("Answer (%s): ", ToUtf8(ButtonList(Type)).c_str());
			std::fflush(stdout);
			std::string Line;
			if (!std::getline(std::cin, Line))
			{
				return false;
			}
			if (ParseTerminalAnswer(FromUtf8(Line), Type, OutAnswer))
			{
				return true;
			}
		}
	}

	[[noreturn]] void EndProgram(const FString& Problem, int32 ExitCode)
	{
		std::fflush(stdout);
		std::fprintf(stderr, "Error: %s\n", ToUtf8(Problem).c_str());
		std::fflush(stderr);
		// Nothing after the dialog may run, static teardown included: the program stops where it stands.
		std::_Exit(ExitCode);
	}

	EAppReturnType::Type OpenDialog(EAppMsgType::Type Type, const FText& Message, const FText& Title)
	{
		return FDialogScript::AnswerDialog(Type, Title.ToString(), Message.ToString());
	}
}

const TCHAR* LexToString(EAppMsgType::Type Value)
{
	switch (Value)
	{
		case EAppMsgType::Ok:
			return TEXT("Ok");
		case EAppMsgType::YesNo:
			return TEXT("YesNo");
		case EAppMsgType::OkCancel:
			return TEXT("OkCancel");
		case EAppMsgType::YesNoCancel:
			return TEXT("YesNoCancel");
		case EAppMsgType::CancelRetryContinue:
			return TEXT("CancelRetryContinue");
		case EAppMsgType::YesNoYesAllNoAll:
			return TEXT("YesNoYesAllNoAll");
		case EAppMsgType::YesNoYesAllNoAllCancel:
			return TEXT("YesNoYesAllNoAllCancel");
		case EAppMsgType::YesNoYesAll:
			return TEXT("YesNoYesAll");
	}
	return TEXT("Unknown");
}

const TCHAR* LexToString(EAppReturnType::Type Value)
{
	switch (Value)
	{
		case EAppReturnType::No:
			return TEXT("No");
		case EAppReturnType::Yes:
			return TEXT("Yes");
		case EAppReturnType::YesAll:
			return TEXT("YesAll");
		case EAppReturnType::NoAll:
			return TEXT("NoAll");
		case EAppReturnType::Cancel:
			return TEXT("Cancel");
		case EAppReturnType::Ok:
			return TEXT("Ok");
		case EAppReturnType::Retry:
			return TEXT("Retry");
		case EAppReturnType::Continue:
			return TEXT("Continue");
	}
	return TEXT("Unknown");
}

namespace UE::StandIn
{
	FDialogScript::FDialogScript(EUnanswered InWhenUnanswered, int32 InUnansweredExitCode)
		: WhenUnanswered(InWhenUnanswered)
		, UnansweredExitCode(InUnansweredExitCode)
		, Outer(CurrentScript())
	{
		CurrentScript() = this;
	}

	FDialogScript::~FDialogScript()
	{
		checkf(CurrentScript() == this, TEXT("Dialog scripts must end in the reverse order of their start"));
		CurrentScript() = Outer;
	}

	FDialogScript& FDialogScript::Answer(EAppReturnType::Type InAnswer)
	{
		QueuedAnswers.Add(InAnswer);
		return *this;
	}

	FDialogScript& FDialogScript::AnswerTitled(const FString& Title, EAppReturnType::Type InAnswer)
	{
		TitledAnswers.Emplace(Title, InAnswer);
		return *this;
	}

	FDialogScript* FDialogScript::GetCurrent()
	{
		return CurrentScript();
	}

	EAppReturnType::Type FDialogScript::AnswerDialog(EAppMsgType::Type Type, const FString& Title,
													 const FString& Message)
	{
		FDialogScript* Script = CurrentScript();
		EAppReturnType::Type Answer = EAppReturnType::Cancel;
		bool bAnswered = false;
		if (Script)
		{
			// The latest answer given for a title wins.
			for (int32 Index = Script->TitledAnswers.Num() - 1; Index >= 0 && !bAnswered; --Index)
			{
				if (Script->TitledAnswers[Index].Key.Equals(Title, ESearchCase::IgnoreCase))
				{
					Answer = Script->TitledAnswers[Index].Value;
					bAnswered = true;
				}
			}
			if (!bAnswered && Script->NextQueuedAnswer < Script->QueuedAnswers.Num())
			{
				Answer = Script->QueuedAnswers[Script->NextQueuedAnswer++];
				bAnswered = true;
			}
		}
		if (!bAnswered && (!Script || Script->WhenUnanswered == EUnanswered::AskTerminal))
		{
			bAnswered = AskTerminal(Type, Title, Message, Answer);
		}
		if (Script && Script->WhenUnanswered == EUnanswered::AskTerminal)
		{
			// A program that runs unattended cannot go on without the answer: one line saying so, and a failed exit.
			if (!bAnswered)
			{
				EndProgram(FString::Printf(TEXT("A message dialog was shown with no answer for it: %s"), *Describe(Type, Title, Message)), Script->UnansweredExitCode);
			}
			if (!ButtonsOf(Type).Contains(Answer))
			{
				EndProgram(FString::Printf(TEXT("The answer %s is not a button of the message dialog %s"), LexToString(Answer), *Describe(Type, Title, Message)), Script->UnansweredExitCode);
			}
		}
		checkf(bAnswered, TEXT("A message dialog was shown with no answer for it: %s"), *Describe(Type, Title, Message));
		checkf(ButtonsOf(Type).Contains(Answer), TEXT("The answer %s is not a button of the message dialog %s"),
			   LexToString(Answer), *Describe(Type, Title, Message));

		UE_LOG(LogMessageDialog, Log, TEXT("%s -> %s"), *Describe(Type, Title, Message), LexToString(Answer));
		if (Script)
		{
			Script->ShownDialogs.Add({Type, Title, Message, Answer});
		}
		return Answer;
	}
}

EAppReturnType::Type FMessageDialog::Open(EAppMsgType::Type MessageType, const FText& Message)
{
	return OpenDialog(MessageType, Message, GetDefaultMessageTitle());
}

EAppReturnType::Type FMessageDialog::Open(EAppMsgType::Type MessageType, const FText& Message, const FText& Title)
{
	return OpenDialog(MessageType, Message, Title);
}

EAppReturnType::Type FMessageDialog::Open(EAppMsgType::Type MessageType, const FText& Message, const FText* OptTitle)
{
	return OpenDialog(MessageType, Message, OptTitle ? *OptTitle : GetDefaultMessageTitle());
}

const FText& FMessageDialog::GetDefaultMessageTitle()
{
	static const FText DefaultTitle = NSLOCTEXT("MessageDialog", "DefaultMessageTitle", "Message");
	return DefaultTitle;
}
