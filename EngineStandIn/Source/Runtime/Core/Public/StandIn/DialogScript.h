#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Containers/Map.h"
#include "Containers/UnrealString.h"
#include "GenericPlatform/GenericPlatformMisc.h"

namespace UE::StandIn
{
	struct FShownDialog
	{
		EAppMsgType::Type Type = EAppMsgType::Ok;
		FString Title;
		FString Message;
		EAppReturnType::Type Answer = EAppReturnType::Cancel;
	};

	/**
	 * Answers the message dialogs shown while it exists, in place of the person at the editor, and records
	 * every dialog shown with its answer. An answer given for a title answers every dialog with that title;
	 * the others answer one dialog each, in the order given. Scripts nest: the innermost one answers.
	 *
	 * A dialog the script has no answer for, or an answer that is not one of the dialog's buttons, stops the
	 * process with an assertion naming the dialog: a test that did not expect the dialog fails there, and no
	 * answer is ever guessed. A script made with EUnanswered::AskTerminal (the headless editor's) asks on the
	 * terminal instead when stdin is one; without an answer from there it ends the program with one line
	 * naming the dialog and the script's exit code. With no script at all, the terminal is asked when there is one.
	 */
	class CORE_API FDialogScript
	{
	public:
		enum class EUnanswered
		{
			Fail,
			AskTerminal
		};

		explicit FDialogScript(EUnanswered InWhenUnanswered = EUnanswered::Fail, int32 InUnansweredExitCode = 1);
		~FDialogScript();
		FDialogScript(const FDialogScript&) = delete;
		FDialogScript& operator=(const FDialogScript&) = delete;

		/** Queues the answer to the next dialog that has no answer by title. */
		FDialogScript& Answer(EAppReturnType::Type InAnswer);
		/** Answers every dialog with this title (compared ignoring case). */
		FDialogScript& AnswerTitled(const FString& Title, EAppReturnType::Type InAnswer);

		const TArray<FShownDialog>& GetShownDialogs() const { return ShownDialogs; }
		/** Queued answers no dialog has used yet. */
		int32 NumUnusedAnswers() const { return QueuedAnswers.Num() - NextQueuedAnswer; }

		/** The innermost script, or null. */
		static FDialogScript* GetCurrent();

		/** Answers a dialog being shown and records it; what FMessageDialog::Open does here. */
		static EAppReturnType::Type AnswerDialog(EAppMsgType::Type Type, const FString& Title, const FString& Message);

	private:
		EUnanswered WhenUnanswered;
		int32 UnansweredExitCode;
		FDialogScript* Outer;
		TArray<EAppReturnType::Type> QueuedAnswers;
		int32 NextQueuedAnswer = 0;
		TArray<TPair<FString, EAppReturnType::Type>> TitledAnswers;
		TArray<FShownDialog> ShownDialogs;
	};
}
