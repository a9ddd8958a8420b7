#include "CoreMinimal.h"
#include "CoreTestPrinters.h"
#include "Misc/FeedbackContext.h"
#include "Misc/OutputDeviceError.h"
#include "Misc/OutputDeviceRedirector.h"
#include "StandIn/LogCapture.h"

#include <gtest/gtest.h>

DECLARE_LOG_CATEGORY_EXTERN(LogCoreTestExtern, Log, All);
DEFINE_LOG_CATEGORY(LogCoreTestExtern);
DEFINE_LOG_CATEGORY_STATIC(LogCoreTestWarningsOnly, Log, Warning);

TEST(LogTest, LinesReachGLogDevicesUnlessSuppressed)
{
	UE::StandIn::FLogCapture Capture;
	const FString Folder = TEXT("/Game/Pack");

	UE_LOG(LogTemp, Warning, TEXT("Found %d files in %s"), 3, *Folder);
	UE_LOG(LogCoreTestExtern, Log, TEXT("plain"));
	UE_LOG(LogCoreTestExtern, Verbose, TEXT("above the default verbosity"));
	UE_LOG(LogCoreTestWarningsOnly, Log, TEXT("compiled out"));
	UE_LOG(LogCoreTestWarningsOnly, Error, TEXT("kept"));

	LogCoreTestExtern.SetVerbosity(ELogVerbosity::VeryVerbose);
	UE_LOG(LogCoreTestExtern, Verbose, TEXT("now shown"));
	LogCoreTestExtern.ResetToDefault();

	LogCoreTestWarningsOnly.SetVerbosity(ELogVerbosity::All);
	EXPECT_EQ(LogCoreTestWarningsOnly.GetVerbosity(), ELogVerbosity::Warning) << "never above the compile-time level";

	const TArray<UE::StandIn::FCapturedLogLine> Lines = Capture.Lines();
	ASSERT_EQ(Lines.Num(), 4);
	EXPECT_EQ(Lines[0].Category, FName(TEXT("LogTemp")));
	EXPECT_EQ(Lines[0].Verbosity, ELogVerbosity::Warning);
	EXPECT_EQ(Lines[0].Message, TEXT("Found 3 files in /Game/Pack"));
	EXPECT_TRUE(Capture.Contains(TEXT("LogCoreTestExtern"), ELogVerbosity::Log, TEXT("plain")));
	EXPECT_TRUE(Capture.Contains(TEXT("LogCoreTestWarningsOnly"), ELogVerbosity::Error, TEXT("kept")));
	EXPECT_EQ(Capture.Count(TEXT("LogCoreTestExtern"), ELogVerbosity::Verbose), 1);
}

TEST(LogTest, CaptureStopsWhenItGoesAwayAndDevicesSeeOutputDeviceCalls)
{
	{
		UE::StandIn::FLogCapture Capture;
		EXPECT_TRUE(GLog->IsRedirectingTo(&Capture));
	}
	UE::StandIn::FLogCapture Capture;
	GLog->Logf(ELogVerbosity::Display, TEXT("%s=%d"), TEXT("Answer"), 42);
	GWarn->Log(TEXT("LogTemp"), ELogVerbosity::Warning, TEXT("through GWarn"));
	EXPECT_TRUE(Capture.Contains(NAME_None, ELogVerbosity::Display, TEXT("Answer=42")));
	EXPECT_TRUE(Capture.Contains(TEXT("LogTemp"), ELogVerbosity::Warning, TEXT("through GWarn")));
	EXPECT_EQ(Capture.Lines().Num(), 2);
}

TEST(LogTest, EnsureLogsAnErrorOnceAndReturnsFalse)
{
	UE::StandIn::FLogCapture Capture;
	int32 Failures = 0;
	for (int32 Attempt = 0; Attempt < 3; ++Attempt)
	{
		if (!ensureMsgf(Attempt < 0, TEXT("attempt %d"), Attempt))
		{
			++Failures;
		}
	}
	EXPECT_EQ(Failures, 3);
	EXPECT_EQ(Capture.Count(TEXT("LogOutputDevice"), ELogVerbosity::Error), 1);
	EXPECT_TRUE(Capture.Contains(TEXT("LogOutputDevice"), ELogVerbosity::Error, TEXT("attempt 0")));
	EXPECT_TRUE(ensure(true));
}

TEST(LogDeathTest, FatalLinesAndFailedChecksEndTheProcess)
{
	EXPECT_DEATH(UE_LOG(LogTemp, Fatal, TEXT("cannot go on: %d"), 7), "cannot go on: 7");
	EXPECT_DEATH(checkf(1 + 1 == 3, TEXT("arithmetic is %s"), TEXT("broken")),
				 "Assertion failed: 1 \\+ 1 == 3.*\n.*arithmetic is broken");
	EXPECT_DEATH(checkNoEntry(), "Enclosing block should never be called");
	EXPECT_DEATH(GError->Log(TEXT("unrecoverable")), "unrecoverable");
}
