#include "PackageTestUtils.h"
#include "Engine/Engine.h"
#include "Engine/Level.h"
#include "Engine/World.h"
#include "HAL/IConsoleManager.h"
#include "Modules/ModuleManager.h"
#include "StandIn/LogCapture.h"
#include "StandIn/TestProject.h"
#include "UObject/Class.h"
#include "UObject/UnrealType.h"
#include "Z4RecommendedSettingsActor.h"
#include "Z4SDKStatics.h"
#include <gtest/gtest.h>

using namespace UE::StandIn;
using namespace UE::Quillon::Test;

namespace
{
	constexpr uint32 RenderThreadSafe = ECVF_RenderThreadSafe;

	// The engine fixture ends a session by destroying every object, the engine object too, but keeps the
	// modules loaded; so each test starts the Engine module again, which brings a new engine object and the
	// engine's console variables at their defaults. The objects a test registers are dropped after it.
	class FRecommendedSettingsActorTest : public ::testing::Test
	{
	protected:
		FTestProject Project;
		FStandInEngine Engine{Project};
		IConsoleManager& Console = IConsoleManager::Get();
		TArray<FString> Registered;

		FRecommendedSettingsActorTest() { RestartEngineModule(); }

		void TearDown() override
		{
			for (const FString& Name : Registered)
			{
				Console.UnregisterConsoleObject(*Name, false);
			}
			RestartEngineModule();
		}

		static void RestartEngineModule()
		{
			FModuleManager::Get().UnloadModule(TEXT("Engine"));
			FModuleManager::Get().LoadModuleChecked(TEXT("Engine"));
			ASSERT_NE(GEngine, nullptr);
		}

		template <typename T>
		IConsoleVariable* Register(const TCHAR* Name, T DefaultValue, uint32 Flags)
		{
			Registered.Add(Name);
			return Console.RegisterConsoleVariable(Name, DefaultValue, TEXT("registered by the test"), Flags);
		}

		// A command that records "Name:its words" for each run, and the world it ran in.
		void RegisterRecordingCommand(const TCHAR* Name, uint32 Flags, TArray<FString>& Calls,
									  UWorld** OutWorld = nullptr)
		{
			Registered.Add(Name);
			const FString CommandName(Name);
			Console.RegisterConsoleCommand(
				Name, TEXT("records its runs"),
				FConsoleCommandWithWorldAndArgsDelegate::CreateLambda(
					[CommandName, &Calls, OutWorld](const TArray<FString>& Args, UWorld* World)
					{
						Calls.Add(CommandName + TEXT(":") + FString::Join(Args, TEXT(" ")));
						if (OutWorld)
						{
							*OutWorld = World;
						}
					}),
				Flags);
		}

		static AZ4RecommendedSettingsActor* Capture()
		{
			AZ4RecommendedSettingsActor* Actor = NewObject<AZ4RecommendedSettingsActor>();
			Actor->CaptureSettings();
			return Actor;
		}

		// The text cut at each line feed, empty parts kept.
		static TArray<FString> SplitLines(const FString& Settings)
		{
			TArray<FString> Lines;
			Settings.ParseIntoArray(Lines, TEXT("\n"), false);
			return Lines;
		}

		// Lines compared as written: FString's own comparison ignores case.
		static bool HasLine(const TArray<FString>& Lines, const FString& Expected)
		{
			return Lines.ContainsByPredicate([&Expected](const FString& Line)
											 { return Line.Equals(Expected, ESearchCase::CaseSensitive); });
		}

		static int32 CountLinesContaining(const FLogCapture& Log, const TCHAR* Text)
		{
			int32 Count = 0;
			for (const FCapturedLogLine& Line : Log.Lines())
			{
				Count += Line.Message.Contains(Text, ESearchCase::CaseSensitive) ? 1 : 0;
			}
			return Count;
		}
	};
}

TEST_F(FRecommendedSettingsActorTest, CaptureTakesFlaggedVariablesWithTheSettingsPrefixesOnly)
{
	const struct
	{
		const TCHAR* Name;
		int32 Value;
		uint32 Flags;
		bool bCaptured;
	} Cases[] = {
		{TEXT("r.QT.Plain"), 1, ECVF_Default, false},
		{TEXT("r.QT.OtherFlags"), 2, ECVF_Scalability | ECVF_ReadOnly | ECVF_Preview, false},
		{TEXT("r.QT.Cheat"), 3, ECVF_Cheat, true},
		{TEXT("r.QT.RenderThread"), 4, ECVF_RenderThreadSafe | ECVF_Scalability, true},
		{TEXT("R.QT.Upper"), 5, RenderThreadSafe, true},
		{TEXT("FX.QT.Effects"), 6, ECVF_Cheat, true},
		{TEXT("Grass.QT.Density"), 7, RenderThreadSafe, true},
		{TEXT("foliage.QT.Density"), 8, ECVF_Cheat | ECVF_RenderThreadSafe, true},
		{TEXT("rr.QT.Double"), 9, RenderThreadSafe, false},
		{TEXT("rhi.QT.NoDot"), 10, RenderThreadSafe, false},
		{TEXT("QT.r.Inside"), 11, RenderThreadSafe, false},
		{TEXT("foliageX.QT.Near"), 12, RenderThreadSafe, false},
	};
	for (const auto& Case : Cases)
	{
		Register(Case.Name, Case.Value, Case.Flags);
	}
	Register(TEXT("r.QT.Float"), 0.25f, RenderThreadSafe);
	Register(TEXT("fx.QT.Bool"), true, ECVF_Cheat);
	Register(TEXT("grass.QT.Text"), TEXT("two words"), RenderThreadSafe);
	TArray<FString> Calls;
	RegisterRecordingCommand(TEXT("r.QT.Command"), ECVF_Cheat | ECVF_RenderThreadSafe, Calls);
	RegisterRecordingCommand(TEXT("fx.QT.Command"), RenderThreadSafe, Calls);

	const TArray<FString> Lines = SplitLines(Capture()->Settings);
	for (const auto& Case : Cases)
	{
		const FString Expected = FString::Printf(TEXT("%s %d"), Case.Name, Case.Value);
		EXPECT_EQ(HasLine(Lines, Expected), Case.bCaptured) << *Expected;
	}
	for (const TCHAR* Expected : {TEXT("r.QT.Float 0.25"), TEXT("fx.QT.Bool true"), TEXT("grass.QT.Text two words")})
	{
		EXPECT_TRUE(HasLine(Lines, Expected)) << *FString(Expected);
	}
	for (const FString& Line : Lines)
	{
		EXPECT_FALSE(Line.StartsWith(TEXT("r.QT.Command"), ESearchCase::CaseSensitive) ||
					 Line.StartsWith(TEXT("fx.QT.Command"), ESearchCase::CaseSensitive))
			<< *Line;
		EXPECT_FALSE(Line.StartsWith(TEXT("r.ResetViewState"), ESearchCase::CaseSensitive)) << *Line;
	}
	EXPECT_TRUE(Calls.IsEmpty());

	// The engine's own variables of every group are there from start-up.
	for (const TCHAR* Prefix : {TEXT("r."), TEXT("fx."), TEXT("grass."), TEXT("foliage.")})
	{
		EXPECT_TRUE(Lines.ContainsByPredicate([Prefix](const FString& Line)
											  { return Line.StartsWith(Prefix) && !Line.Contains(TEXT(".QT.")); }))
			<< *FString(Prefix);
	}
}

TEST_F(FRecommendedSettingsActorTest, CapturedLinesFollowTheConsoleOrderEachEndingWithALineFeed)
{
	Register(TEXT("foliage.QT.First"), 1, RenderThreadSafe);
	Register(TEXT("r.QT.Second"), 2, ECVF_Cheat);
	Register(TEXT("fx.QT.Third"), 3, RenderThreadSafe);

	const FString Settings = Capture()->Settings;
	ASSERT_TRUE(Settings.EndsWith(TEXT("\n"), ESearchCase::CaseSensitive));
	const TArray<FString> Lines = SplitLines(Settings);
	ASSERT_GE(Lines.Num(), 4);
	EXPECT_TRUE(Lines.Last().IsEmpty());
	TArray<FString> CapturedOrder;
	for (int32 Index = 0; Index + 1 < Lines.Num(); ++Index)
	{
		FString Name, Value;
		EXPECT_TRUE(Lines[Index].Split(TEXT(" "), &Name, &Value) && !Name.IsEmpty() && !Value.IsEmpty())
			<< *Lines[Index];
		if (Name.Contains(TEXT(".QT.")))
		{
			CapturedOrder.Add(Name);
		}
	}

	TArray<FString> ConsoleOrder;
	Console.ForEachConsoleObjectThatStartsWith(FConsoleObjectVisitor::CreateLambda(
		[&ConsoleOrder](const TCHAR* Name, IConsoleObject*)
		{
			if (FString(Name).Contains(TEXT(".QT.")))
			{
				ConsoleOrder.Add(Name);
			}
		}));
	EXPECT_EQ(ConsoleOrder.Num(), 3);
	EXPECT_EQ(CapturedOrder, ConsoleOrder);
}

TEST_F(FRecommendedSettingsActorTest, SecondCaptureReplacesTheFirst)
{
	Register(TEXT("r.QT.Changing"), 1, RenderThreadSafe);
	AZ4RecommendedSettingsActor* Actor = NewObject<AZ4RecommendedSettingsActor>();
	Actor->Settings = TEXT("r.QT.Stale 0\n");
	Actor->CaptureSettings();
	const TArray<FString> FirstLines = SplitLines(Actor->Settings);
	EXPECT_FALSE(HasLine(FirstLines, TEXT("r.QT.Stale 0")));
	EXPECT_TRUE(HasLine(FirstLines, TEXT("r.QT.Changing 1")));

	GEngine->Exec(nullptr, TEXT("r.QT.Changing 2"));
	Actor->CaptureSettings();
	const TArray<FString> SecondLines = SplitLines(Actor->Settings);
	EXPECT_EQ(SecondLines.Num(), FirstLines.Num());
	EXPECT_TRUE(HasLine(SecondLines, TEXT("r.QT.Changing 2")));
	EXPECT_FALSE(HasLine(SecondLines, TEXT("r.QT.Changing 1")));
}

TEST_F(FRecommendedSettingsActorTest, ApplyRunsEachNonBlankLineTrimmedInOrder)
{
	IConsoleVariable* First = Register(TEXT("r.QT.First"), TEXT("unset"), ECVF_Default);
	IConsoleVariable* Second = Register(TEXT("fx.QT.Second"), TEXT("unset"), ECVF_Default);

	const struct
	{
		const TCHAR* Text;
		const TCHAR* First;
		const TCHAR* Second;
	} Cases[] = {
		{TEXT("  r.QT.First one  \n\n\tfx.QT.Second two three\t"), TEXT("one"), TEXT("two three")},
		{TEXT("fx.QT.Second two\r\n \t \r\nr.QT.First one\r\nr.QT.First later\r\n"), TEXT("later"), TEXT("two")},
		{TEXT("\n\n   \n"), TEXT("unset"), TEXT("unset")},
		{TEXT(""), TEXT("unset"), TEXT("unset")},
	};
	for (const auto& Case : Cases)
	{
		FLogCapture Log;
		First->Set(TEXT("unset"));
		Second->Set(TEXT("unset"));
		AZ4RecommendedSettingsActor::ApplySettings(Case.Text, NewObject<UWorld>());
		EXPECT_EQ(First->GetString(), Case.First) << *FString(Case.Text);
		EXPECT_EQ(Second->GetString(), Case.Second) << *FString(Case.Text);
		EXPECT_EQ(Log.Count(FName(TEXT("Z4LogSDK")), ELogVerbosity::Warning), 0) << *FString(Case.Text);
	}
}

// The text travels inside the pak to every player's client, so a line that is not a captured setting never runs.
TEST_F(FRecommendedSettingsActorTest, ApplyRunsOnlySettingsOfTheCapturedGroupsAndWarnsOfEveryOtherLine)
{
	IConsoleVariable* Captured = Register(TEXT("r.QT.Captured"), 1, RenderThreadSafe);
	IConsoleVariable* Outside = Register(TEXT("t.QT.Outside"), 1, RenderThreadSafe);
	IConsoleVariable* NoValue = Register(TEXT("grass.QT.NoValue"), 1, RenderThreadSafe);
	TArray<FString> Calls;
	for (const TCHAR* Command : {TEXT("quit"), TEXT("exit"), TEXT("exec"), TEXT("open"), TEXT("r.QT.Command")})
	{
		RegisterRecordingCommand(Command, ECVF_Default, Calls);
	}

	const TCHAR* const Skipped[] = {
		TEXT("quit"),
		TEXT("exit"),
		TEXT("exec x"),
		TEXT("open /Game/Maps/L_Other"),
		TEXT("r.QT.Command 1"),
		TEXT("t.QT.Outside 2"),
		TEXT("r.QT.Unknown 2"),
		TEXT("grass.QT.NoValue"),
	};
	FString Text = TEXT(" \n\t\nr.QT.Captured 5\n\n");
	for (const TCHAR* Line : Skipped)
	{
		Text += FString(Line) + TEXT("\n  \n");
	}

	FLogCapture Log;
	AZ4RecommendedSettingsActor::ApplySettings(Text, nullptr);

	EXPECT_EQ(Captured->GetInt(), 5);
	EXPECT_EQ(Outside->GetInt(), 1);
	EXPECT_EQ(NoValue->GetInt(), 1);
	EXPECT_TRUE(Calls.IsEmpty()) << *FString::Join(Calls, TEXT(", "));
	EXPECT_EQ(Log.Count(FName(TEXT("Z4LogSDK")), ELogVerbosity::Warning), static_cast<int32>(UE_ARRAY_COUNT(Skipped)));
	for (const TCHAR* Line : Skipped)
	{
		EXPECT_TRUE(Log.Contains(FName(TEXT("Z4LogSDK")), ELogVerbosity::Warning, FString::Printf(TEXT("\"%s\""), Line))) << *FString(Line);
	}
	EXPECT_EQ(CountLinesContaining(Log, TEXT("Command not recognized")), 0);
}

TEST_F(FRecommendedSettingsActorTest, CapturedSettingsAppliedToAChangedConsoleGiveBackTheSameValues)
{
	IConsoleVariable* Text = Register(TEXT("r.QT.Text"), TEXT("start"), RenderThreadSafe);
	IConsoleVariable* Flag = Register(TEXT("fx.QT.Flag"), false, ECVF_Cheat);
	IConsoleVariable* Scale = Register(TEXT("foliage.QT.Scale"), 1.0f, RenderThreadSafe);
	for (const TCHAR* Line :
		 {TEXT("r.ViewDistanceScale 0.5"), TEXT("r.Shadow.MaxResolution 1024"), TEXT("FX.FreezeParticleSimulation 1"),
		  TEXT("grass.DensityScale 0.75"), TEXT("foliage.DensityScale 0.125"), TEXT("r.QT.Text several words here"),
		  TEXT("fx.QT.Flag true"), TEXT("foliage.QT.Scale 0.3")})
	{
		ASSERT_TRUE(GEngine->Exec(nullptr, Line)) << *FString(Line);
	}
	const FString Recorded = Capture()->Settings;
	EXPECT_TRUE(HasLine(SplitLines(Recorded), TEXT("r.QT.Text several words here")));

	RestartEngineModule();
	Text->Set(TEXT("start"));
	Flag->Set(false);
	Scale->Set(1.0f);
	ASSERT_NE(Capture()->Settings, Recorded);

	AZ4RecommendedSettingsActor::ApplySettings(Recorded, nullptr);
	// The restarted module registered its variables again, so they may be listed in another order.
	TArray<FString> Expected = SplitLines(Recorded);
	TArray<FString> Actual = SplitLines(Capture()->Settings);
	Expected.Sort();
	Actual.Sort();
	EXPECT_EQ(Actual, Expected);
	EXPECT_FLOAT_EQ(Console.FindConsoleVariable(TEXT("r.ViewDistanceScale"))->GetFloat(), 0.5f);
	EXPECT_FLOAT_EQ(Scale->GetFloat(), 0.3f);
	EXPECT_TRUE(Flag->GetBool());
}

TEST_F(FRecommendedSettingsActorTest, BadLinesAreReportedAndEveryOtherLineStillRuns)
{
	IConsoleVariable* Int = Register(TEXT("r.QT.Int"), 1, RenderThreadSafe);
	IConsoleVariable* Float = Register(TEXT("r.QT.Float"), 1.0f, RenderThreadSafe);
	IConsoleVariable* ReadOnly = Register(TEXT("r.QT.ReadOnly"), 7, ECVF_ReadOnly | ECVF_RenderThreadSafe);

	FLogCapture Log;
	AZ4RecommendedSettingsActor::ApplySettings(TEXT("r.QT.Int 5\nr.QT.Missing 1\nr.QT.Float abc\n \t \nr.QT.Int "
													"notanumber\nr.QT.ReadOnly 8\nr.QT.Float 2.5\n"),
											   nullptr);

	EXPECT_EQ(Int->GetInt(), 5);
	EXPECT_FLOAT_EQ(Float->GetFloat(), 2.5f);
	EXPECT_EQ(ReadOnly->GetInt(), 7);
	EXPECT_EQ(Log.Count(FName(TEXT("Z4LogSDK")), ELogVerbosity::Warning), 1);
	EXPECT_TRUE(Log.Contains(FName(TEXT("Z4LogSDK")), ELogVerbosity::Warning, TEXT("r.QT.Missing 1")));
	EXPECT_EQ(CountLinesContaining(Log, TEXT("Error: r.QT.Float takes a number, not \"abc\"")), 1);
	EXPECT_EQ(CountLinesContaining(Log, TEXT("Error: r.QT.Int takes a whole number, not \"notanumber\"")), 1);
	EXPECT_EQ(CountLinesContaining(Log, TEXT("Error: r.QT.ReadOnly is read only!")), 1);
	EXPECT_EQ(CountLinesContaining(Log, TEXT("Error:")), 3);
}

TEST_F(FRecommendedSettingsActorTest, WithoutAnEngineNothingRunsAndAWarningIsLogged)
{
	IConsoleVariable* Int = Register(TEXT("r.QT.Int"), 1, RenderThreadSafe);
	UEngine* const SavedEngine = GEngine;
	GEngine = nullptr;
	FLogCapture Log;
	AZ4RecommendedSettingsActor::ApplySettings(TEXT("r.QT.Int 5\n"), nullptr);
	GEngine = SavedEngine;

	EXPECT_EQ(Int->GetInt(), 1);
	EXPECT_EQ(Log.Count(FName(TEXT("Z4LogSDK")), ELogVerbosity::Warning), 1);
}

TEST_F(FRecommendedSettingsActorTest, ActorSavedWithItsLevelKeepsItsSettings)
{
	Register(TEXT("grass.QT.Text"), TEXT("\"quoted\" words"), RenderThreadSafe);
	UPackage* Package = CreatePackage(TEXT("/Game/Maps/L_Settings"));
	UWorld* World = NewObject<UWorld>(Package, FName(TEXT("L_Settings")), RF_Public | RF_Standalone);
	ULevel* Level = NewObject<ULevel>(World, FName(TEXT("PersistentLevel")));
	World->PersistentLevel = Level;
	AZ4RecommendedSettingsActor* Actor =
		NewObject<AZ4RecommendedSettingsActor>(Level, FName(TEXT("RecommendedSettings")));
	Level->Actors.Add(Actor);
	Actor->CaptureSettings();
	const FString Captured = Actor->Settings;
	ASSERT_TRUE(HasLine(SplitLines(Captured), TEXT("grass.QT.Text \"quoted\" words")));

	ASSERT_TRUE(UZ4SDKStatics::SaveAsset(World).IsSuccessful());
	UnloadPackage(TEXT("/Game/Maps/L_Settings"));
	ASSERT_EQ(FindPackage(nullptr, TEXT("/Game/Maps/L_Settings")), nullptr);

	UWorld* Loaded = LoadObject<UWorld>(nullptr, TEXT("/Game/Maps/L_Settings.L_Settings"));
	ASSERT_NE(Loaded, nullptr);
	ASSERT_NE(Loaded->PersistentLevel, nullptr);
	ASSERT_EQ(Loaded->PersistentLevel->Actors.Num(), 1);
	const AZ4RecommendedSettingsActor* LoadedActor =
		Cast<AZ4RecommendedSettingsActor>(Loaded->PersistentLevel->Actors[0]);
	ASSERT_NE(LoadedActor, nullptr);
	EXPECT_EQ(LoadedActor->GetOuter(), Loaded->PersistentLevel);
	EXPECT_EQ(LoadedActor->Settings, Captured);
}

TEST_F(FRecommendedSettingsActorTest, EditorSeesAReadOnlySettingsTextACaptureButtonAndItsLabel)
{
	UClass* Class = AZ4RecommendedSettingsActor::StaticClass();
	EXPECT_EQ(Class->GetSuperClass(), AActor::StaticClass());
	EXPECT_EQ(Class->GetMetaData(TEXT("DisplayName")), TEXT("Recommended Settings"));
	EXPECT_EQ(Class->GetConfigName(), FName(TEXT("Engine")));

	const FProperty* Property = Class->FindPropertyByName(TEXT("Settings"));
	ASSERT_NE(Property, nullptr);
	EXPECT_TRUE(Property->HasAllPropertyFlags(CPF_Edit | CPF_EditConst | CPF_DisableEditOnTemplate |
											  CPF_BlueprintVisible | CPF_BlueprintReadOnly));
	EXPECT_EQ(Property->GetMetaData(TEXT("Category")), TEXT("Recommended Settings"));

	const UFunction* CaptureFunction = Class->FindFunctionByName(TEXT("CaptureSettings"));
	ASSERT_NE(CaptureFunction, nullptr);
	EXPECT_TRUE(CaptureFunction->HasMetaData(TEXT("CallInEditor")));
	EXPECT_TRUE(CaptureFunction->HasMetaData(TEXT("BlueprintCallable")));
	EXPECT_EQ(CaptureFunction->GetMetaData(TEXT("Category")), TEXT("Recommended Settings"));
	ASSERT_NE(CaptureFunction->Invoker, nullptr);
	EXPECT_EQ(Class->FindFunctionByName(TEXT("ApplySettings")), nullptr);

	// What the details panel's button does.
	AZ4RecommendedSettingsActor* Actor = NewObject<AZ4RecommendedSettingsActor>();
	CaptureFunction->Invoker(Actor);
	EXPECT_FALSE(Actor->Settings.IsEmpty());

	EXPECT_EQ(Actor->GetDefaultActorLabel(), TEXT("Recommended Settings"));
	EXPECT_EQ(NewObject<AActor>()->GetDefaultActorLabel(), TEXT("Actor"));
}
