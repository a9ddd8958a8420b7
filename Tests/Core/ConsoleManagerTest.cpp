#include "CoreMinimal.h"
#include "HAL/IConsoleManager.h"
#include "StandIn/LogCapture.h"
#include <gtest/gtest.h>

namespace
{
	// Records what the console writes, without going through the log.
	class FRecordingOutputDevice final : public FOutputDevice
	{
	public:
		virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override
		{
			Lines.Add(V);
		}

		TArray<FString> Lines;
	};

	// Registers objects under the "qt." prefix and drops them all again, so every test starts from a console
	// without them.
	class FConsoleManagerTest : public ::testing::Test
	{
	protected:
		IConsoleManager& Console = IConsoleManager::Get();
		FRecordingOutputDevice Output;
		TArray<FString> Names;

		template <typename T>
		IConsoleVariable* Register(const TCHAR* Name, T DefaultValue, uint32 Flags = ECVF_Default)
		{
			Names.Add(Name);
			return Console.RegisterConsoleVariable(Name, DefaultValue, TEXT("test variable"), Flags);
		}

		void TearDown() override
		{
			for (const FString& Name : Names)
			{
				Console.UnregisterConsoleObject(*Name, false);
			}
		}

		bool Run(const TCHAR* Line) { return Console.ProcessUserConsoleInput(Line, Output, nullptr); }
	};
}

TEST_F(FConsoleManagerTest, ConsoleInputSetsValuesOfEachTypeAndRefusesTextOfTheWrongType)
{
	IConsoleVariable* Bool = Register(TEXT("qt.Bool"), false);
	IConsoleVariable* Int = Register(TEXT("qt.Int"), 7);
	IConsoleVariable* Float = Register(TEXT("qt.Float"), 100.0f);
	IConsoleVariable* String = Register(TEXT("qt.String"), TEXT("start"));
	EXPECT_EQ(Bool->GetString(), TEXT("false"));
	EXPECT_EQ(Int->GetString(), TEXT("7"));
	EXPECT_EQ(Float->GetString(), TEXT("100"));
	EXPECT_EQ(String->GetString(), TEXT("start"));

	struct FCase
	{
		IConsoleVariable* Variable;
		const TCHAR* Line;
		const TCHAR* Expected;
		bool bRefused;
	};
	const FCase Cases[] = {
		{Bool, TEXT("qt.Bool yes"), TEXT("true"), false},
		{Bool, TEXT("qt.Bool 0"), TEXT("false"), false},
		{Bool, TEXT("qt.Bool On"), TEXT("true"), false},
		{Bool, TEXT("qt.Bool maybe"), TEXT("true"), true},
		{Int, TEXT("qt.Int -3"), TEXT("-3"), false},
		{Int, TEXT("QT.INT   42  "), TEXT("42"), false},
		{Int, TEXT("qt.Int 4.5"), TEXT("42"), true},
		{Int, TEXT("qt.Int abc"), TEXT("42"), true},
		{Float, TEXT("qt.Float 0.5"), TEXT("0.5"), false},
		{Float, TEXT("qt.Float \"75\""), TEXT("75"), false},
		{Float, TEXT("qt.Float =1e3"), TEXT("1000"), false},
		{Float, TEXT("qt.Float fast"), TEXT("1000"), true},
		{String, TEXT("qt.String two words"), TEXT("two words"), false},
		{String, TEXT("qt.String 12"), TEXT("12"), false},
	};
	for (const FCase& Case : Cases)
	{
		Output.Lines.Reset();
		EXPECT_TRUE(Run(Case.Line)) << *FString(Case.Line);
		EXPECT_EQ(Case.Variable->GetString(), Case.Expected) << *FString(Case.Line);
		ASSERT_FALSE(Output.Lines.IsEmpty()) << *FString(Case.Line);
		EXPECT_EQ(Output.Lines.Last().StartsWith(TEXT("Error:")), Case.bRefused) << *Output.Lines.Last();
	}
	EXPECT_EQ(static_cast<uint32>(Int->GetFlags()) & ECVF_SetByMask, static_cast<uint32>(ECVF_SetByConsole));
	EXPECT_EQ(Int->GetInt(), 42);
	EXPECT_FLOAT_EQ(Float->GetFloat(), 1000.0f);
}

TEST_F(FConsoleManagerTest, ConsoleInputPrintsReadOnlyAndHelpButDoesNotRecognizeUnknownNames)
{
	IConsoleVariable* ReadOnly = Register(TEXT("qt.ReadOnly"), 3, ECVF_ReadOnly);

	EXPECT_TRUE(Run(TEXT("qt.ReadOnly 4")));
	EXPECT_EQ(ReadOnly->GetInt(), 3);
	EXPECT_EQ(Output.Lines.Last(), TEXT("Error: qt.ReadOnly is read only!"));

	EXPECT_TRUE(Run(TEXT("qt.readonly")));
	EXPECT_TRUE(Output.Lines.Last().StartsWith(TEXT("qt.ReadOnly = \"3\""))) << *Output.Lines.Last();

	EXPECT_TRUE(Run(TEXT("qt.ReadOnly ?")));
	EXPECT_TRUE(Output.Lines.Last().Contains(TEXT("test variable"))) << *Output.Lines.Last();

	const int32 Printed = Output.Lines.Num();
	for (const TCHAR* Line : {TEXT("qt.Nothing 1"), TEXT(""), TEXT("   "), TEXT("qt.ReadOnlyButLonger 1")})
	{
		EXPECT_FALSE(Run(Line)) << *FString(Line);
	}
	EXPECT_EQ(Output.Lines.Num(), Printed);
}

TEST_F(FConsoleManagerTest, CommandsGetTheirWordsWorldAndOutputDevice)
{
	TArray<FString> Received;
	int32 Runs = 0;
	Names.Add(TEXT("qt.Command"));
	Console.RegisterConsoleCommand(TEXT("qt.Command"), TEXT("records its words"),
								   FConsoleCommandWithWorldArgsAndOutputDeviceDelegate::CreateLambda(
									   [&](const TArray<FString>& Args, UWorld* World, FOutputDevice& Ar)
									   {
										   Received = Args;
										   Runs += World == nullptr ? 1 : 100;
										   Ar.Log(TEXT("ran"));
									   }));
	Names.Add(TEXT("qt.ExecOnly"));
	Console.RegisterConsoleCommand(TEXT("qt.ExecOnly"), TEXT("handled by some Exec"), ECVF_Cheat);

	EXPECT_TRUE(Run(TEXT("  qt.Command  first   second ")));
	EXPECT_EQ(Received, TArray<FString>({TEXT("first"), TEXT("second")}));
	EXPECT_EQ(Runs, 1);
	EXPECT_EQ(Output.Lines.Last(), TEXT("ran"));
	EXPECT_FALSE(Run(TEXT("qt.ExecOnly")));
	EXPECT_EQ(Console.FindConsoleObject(TEXT("qt.Command"))->AsVariable(), nullptr);
	EXPECT_EQ(Console.FindConsoleVariable(TEXT("qt.Command")), nullptr);
}

TEST_F(FConsoleManagerTest, VisitsByPrefixIgnoringCaseUnregisteredIncluded)
{
	Register(TEXT("qt.b"), 1);
	Register(TEXT("QT.A"), 2);
	Register(TEXT("qtx.C"), 3);
	IConsoleVariable* Kept = Register(TEXT("qt.Kept"), 4);
	Console.UnregisterConsoleObject(Kept, true);

	TArray<FString> Visited;
	Console.ForEachConsoleObjectThatStartsWith(
		FConsoleObjectVisitor::CreateLambda([&](const TCHAR* Name, IConsoleObject* Object) { Visited.Add(Name); }),
		TEXT("Qt."));
	// The order is the map's, which earlier tests' holes decide; what is visited is checked here.
	Visited.Sort();
	EXPECT_EQ(Visited, TArray<FString>({TEXT("QT.A"), TEXT("qt.b"), TEXT("qt.Kept")}))
		<< *FString::Join(Visited, TEXT(", "));

	// An unregistered object is still listed but can be neither found nor run, until it is registered again.
	EXPECT_TRUE(Kept->TestFlags(ECVF_Unregistered));
	EXPECT_EQ(Console.FindConsoleVariable(TEXT("qt.Kept")), nullptr);
	EXPECT_FALSE(Run(TEXT("qt.Kept 5")));
	IConsoleVariable* Again = Register(TEXT("qt.Kept"), 6);
	EXPECT_EQ(Console.FindConsoleVariable(TEXT("QT.KEPT")), Again);
	EXPECT_EQ(Again->GetInt(), 6);

	Console.UnregisterConsoleObject(TEXT("qt.b"), false);
	EXPECT_EQ(Console.FindConsoleObject(TEXT("qt.b")), nullptr);
}

TEST_F(FConsoleManagerTest, ReferenceVariablesWriteTheCallersStorageAndRegisteringTwiceKeepsTheFirst)
{
	float Storage = 1.5f;
	Names.Add(TEXT("qt.Ref"));
	IConsoleVariable* Ref = Console.RegisterConsoleVariableRef(TEXT("qt.Ref"), Storage, TEXT("refers to Storage"));
	EXPECT_EQ(Ref->GetString(), TEXT("1.5"));
	EXPECT_TRUE(Run(TEXT("qt.Ref 2.25")));
	EXPECT_FLOAT_EQ(Storage, 2.25f);
	int32 Changes = 0;
	Ref->OnChangedDelegate().AddLambda([&Changes](IConsoleVariable*) { ++Changes; });
	Ref->Set(3.0f);
	EXPECT_FLOAT_EQ(Storage, 3.0f);
	EXPECT_EQ(Changes, 1);

	UE::StandIn::FLogCapture Log;
	EXPECT_EQ(Register(TEXT("qt.Ref"), 9), Ref);
	EXPECT_EQ(Log.Count(FName(TEXT("LogConsoleManager")), ELogVerbosity::Warning), 1);
	EXPECT_FLOAT_EQ(Ref->GetFloat(), 3.0f);
}

TEST_F(FConsoleManagerTest, AutoObjectsAreRegisteredWhileTheyLive)
{
	Names.Append({TEXT("qt.AutoInt"), TEXT("qt.AutoText"), TEXT("qt.AutoRef")});
	float Storage = 2.0f;
	{
		TAutoConsoleVariable<int32> AutoInt(TEXT("qt.AutoInt"), 1, TEXT("an int"), ECVF_Cheat);
		TAutoConsoleVariable<FString> AutoText(TEXT("qt.AutoText"), TEXT("a"), TEXT("a string"));
		FAutoConsoleVariableRef AutoRef(TEXT("qt.AutoRef"), Storage, TEXT("refers to Storage"));
		EXPECT_TRUE(Run(TEXT("qt.AutoInt 5")));
		EXPECT_TRUE(Run(TEXT("qt.AutoText b c")));
		EXPECT_EQ(AutoInt.GetValueOnGameThread(), 5);
		EXPECT_EQ(AutoText.GetValueOnAnyThread(), TEXT("b c"));
		EXPECT_TRUE(AutoInt->TestFlags(ECVF_Cheat));
		EXPECT_FLOAT_EQ(AutoRef->GetFloat(), 2.0f);
	}
	// Their owners gone, they stay listed as unregistered, out of reach of the console.
	EXPECT_EQ(Console.FindConsoleVariable(TEXT("qt.AutoInt")), nullptr);
	EXPECT_FALSE(Run(TEXT("qt.AutoRef 3")));
	EXPECT_FLOAT_EQ(Storage, 2.0f);
}
