#include "CoreMinimal.h"
#include "CoreTestPrinters.h"
#include "Misc/FeedbackContext.h"
#include "Misc/ScopedSlowTask.h"
#include "StandIn/SlowTaskLog.h"

#include <gtest/gtest.h>

namespace
{
	// What an application's progress window would be told.
	class FRecordingContext : public FFeedbackContext
	{
	public:
		virtual void StartSlowTask(const FText& Task, bool bShowCancelButton) override { Events.Add(FString::Printf(TEXT("start %s"), *Task.ToString())); }
		virtual void FinalizeSlowTask() override { Events.Add(TEXT("end")); }
		virtual void ProgressReported(const float TotalProgressInterp, FText DisplayMessage) override
		{
			Events.Add(FString::Printf(TEXT("%.3f %s"), TotalProgressInterp, *DisplayMessage.ToString()));
		}

		TArray<FString> Events;
	};
}

TEST(SlowTaskTest, NestedTasksShowOneDialogWithTheWholeProgressAndAreRecorded)
{
	UE::StandIn::ResetSlowTaskLog();
	FRecordingContext Context;
	{
		FScopedSlowTask Outer(2.f, FText::FromString(TEXT("Adding")), true, Context);
		Outer.MakeDialog();
		Outer.EnterProgressFrame(1.f, FText::FromString(TEXT("first")));
		{
			FScopedSlowTask Inner(4.f, FText(), true, Context);
			Inner.MakeDialog();
			Inner.EnterProgressFrame(1.f, FText::FromString(TEXT("a")));
			Inner.EnterProgressFrame(2.f);
			{
				FScopedSlowTask Hidden(1.f, FText::FromString(TEXT("hidden")), false, Context);
				Hidden.MakeDialog();
				Hidden.EnterProgressFrame();
			}
		}
		Outer.EnterProgressFrame(1.f, FText::FromString(TEXT("second")));
	}

	const TArray<FString> Expected = {
		TEXT("start Adding"), TEXT("0.000 Adding"),
		TEXT("0.000 first"),
		TEXT("0.000 a"), TEXT("0.125 first"),
		TEXT("0.500 second"),
		TEXT("end")};
	EXPECT_EQ(Context.Events, Expected);

	const TArray<UE::StandIn::FSlowTaskRecord> Log = UE::StandIn::GetSlowTaskLog();
	ASSERT_EQ(Log.Num(), 2);
	EXPECT_EQ(Log[0].DefaultMessage, TEXT("Adding"));
	EXPECT_EQ(Log[0].TotalAmountOfWork, 2.f);
	EXPECT_EQ(Log[0].Depth, 0);
	EXPECT_TRUE(Log[0].bMadeDialog);
	EXPECT_TRUE(Log[0].bFinished);
	ASSERT_EQ(Log[0].Frames.Num(), 2);
	EXPECT_EQ(Log[0].Frames[1].Message, TEXT("second"));
	EXPECT_EQ(Log[1].Depth, 1);
	EXPECT_FALSE(Log[1].bMadeDialog);
	EXPECT_TRUE(Log[1].bFinished);
	ASSERT_EQ(Log[1].Frames.Num(), 2);
	EXPECT_EQ(Log[1].Frames[0].Message, TEXT("a"));
	EXPECT_EQ(Log[1].Frames[1].ExpectedWork, 2.f);
}
