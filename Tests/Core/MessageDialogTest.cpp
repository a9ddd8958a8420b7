#include "CoreMinimal.h"
#include "CoreTestPrinters.h"
#include "Misc/MessageDialog.h"
#include "StandIn/DialogScript.h"

#include <gtest/gtest.h>

using UE::StandIn::FDialogScript;
using UE::StandIn::FShownDialog;

TEST(MessageDialogTest, ScriptAnswersByTitleFirstThenInOrderAndRecordsEveryDialog)
{
	FDialogScript Script;
	Script.Answer(EAppReturnType::Cancel).Answer(EAppReturnType::No);
	Script.AnswerTitled(TEXT("restart required"), EAppReturnType::No);
	Script.AnswerTitled(TEXT("Restart Required"), EAppReturnType::Yes);

	EXPECT_EQ(FMessageDialog::Open(EAppMsgType::YesNo, INVTEXT("Restart now?"), INVTEXT("Restart Required")), EAppReturnType::Yes);
	EXPECT_EQ(FMessageDialog::Open(EAppMsgType::OkCancel, INVTEXT("Remove all?")), EAppReturnType::Cancel);
	EXPECT_EQ(FMessageDialog::Open(EAppMsgType::YesNo, INVTEXT("Again?"), INVTEXT("Restart Required")), EAppReturnType::Yes);
	EXPECT_EQ(FMessageDialog::Open(EAppMsgType::YesNoCancel, INVTEXT("Keep?"), INVTEXT("Other")), EAppReturnType::No);
	EXPECT_EQ(Script.NumUnusedAnswers(), 0);

	const TArray<FShownDialog>& Shown = Script.GetShownDialogs();
	ASSERT_EQ(Shown.Num(), 4);
	EXPECT_EQ(Shown[0].Type, EAppMsgType::YesNo);
	EXPECT_EQ(Shown[0].Title, TEXT("Restart Required"));
	EXPECT_EQ(Shown[0].Message, TEXT("Restart now?"));
	EXPECT_EQ(Shown[0].Answer, EAppReturnType::Yes);
	EXPECT_EQ(Shown[1].Type, EAppMsgType::OkCancel);
	EXPECT_EQ(Shown[1].Title, TEXT("Message")) << "the engine's default title";
	EXPECT_EQ(Shown[3].Answer, EAppReturnType::No);
}

TEST(MessageDialogTest, InnerScriptAnswersUntilItEnds)
{
	FDialogScript Outer;
	Outer.Answer(EAppReturnType::Ok);
	{
		FDialogScript Inner;
		Inner.Answer(EAppReturnType::Cancel);
		EXPECT_EQ(FMessageDialog::Open(EAppMsgType::OkCancel, INVTEXT("Inner")), EAppReturnType::Cancel);
		EXPECT_EQ(FDialogScript::GetCurrent(), &Inner);
	}
	EXPECT_EQ(FMessageDialog::Open(EAppMsgType::OkCancel, INVTEXT("Outer")), EAppReturnType::Ok);
	ASSERT_EQ(Outer.GetShownDialogs().Num(), 1);
	EXPECT_EQ(Outer.GetShownDialogs()[0].Message, TEXT("Outer"));
}

TEST(MessageDialogDeathTest, DialogWithoutAnAnswerFailsInsteadOfGuessing)
{
	EXPECT_DEATH(
		{
			FDialogScript Script;
			Script.AnswerTitled(TEXT("Other"), EAppReturnType::Yes);
			FMessageDialog::Open(EAppMsgType::YesNo, INVTEXT("Restart now?"), INVTEXT("Restart Required"));
		},
		"no answer for it: \"Restart Required\" \\(Yes, No\\): Restart now\\?");
	EXPECT_DEATH(
		{
			FDialogScript Script;
			Script.Answer(EAppReturnType::Yes);
			FMessageDialog::Open(EAppMsgType::OkCancel, INVTEXT("Remove all?"));
		},
		"The answer Yes is not a button of the message dialog \"Message\" \\(Ok, Cancel\\)");
}
