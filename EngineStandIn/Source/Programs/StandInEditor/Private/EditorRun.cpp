#include "EditorRun.h"

#include "ContentDescription.h"
#include "ContentMaker.h"
#include "CoreGlobals.h"
#include "EditorConsole.h"
#include "EditorDetailsPanel.h"
#include "EditorFeedbackContext.h"
#include "EditorHelp.h"
#include "EditorLevel.h"
#include "EditorLogDevice.h"
#include "EditorLoop.h"
#include "EditorOptions.h"
#include "EditorRunOutcome.h"
#include "EditorSteps.h"
#include "Misc/FileHelper.h"
#include "Misc/OutputDeviceRedirector.h"
#include "Misc/PackageName.h"
#include "Misc/Paths.h"
#include "PackageSummary.h"
#include "ProjectSession.h"
#include "StandIn/ContentBrowserModel.h"
#include "StandIn/DialogScript.h"
#include "StandIn/LogCapture.h"
#include "UObject/StrongObjectPtr.h"
#include "Z4Package.h"

#include <cstdio>

namespace UE::StandInEditor
{
	namespace
	{
		EEditorExitCode Fail(EEditorExitCode Code, const FString& Message)
		{
			std::fflush(stdout);
			std::fprintf(stderr, "Error: %s\n", TCHAR_TO_UTF8(*Message));
			std::fflush(stderr);
			return Code;
		}

		FString AbsoluteFromLaunchDir(const FString& Path)
		{
			return FPaths::ConvertRelativePathToFull(FPaths::LaunchDir(), Path);
		}

		bool MakeContent(const FString& DescriptionFile, FEditorConsole& Console, FString& OutError)
		{
			FString Text;
			if (!FFileHelper::LoadFileToString(Text, *DescriptionFile))
			{
				OutError = FString::Printf(TEXT("Cannot make content from %s: the file cannot be read"), *DescriptionFile);
				return false;
			}
			TArray<FAssetDescription> Assets;
			FContentMaker Maker;
			if (!ParseContentDescription(Text, Assets, OutError) || !Maker.Make(Assets, OutError))
			{
				OutError = FString::Printf(TEXT("Cannot make content from %s: %s"), *DescriptionFile, *OutError);
				return false;
			}
			Console.PrintLine(FString::Printf(TEXT("  Made %d assets (%d packages written):"), Assets.Num(), Maker.GetSavedPackages().Num()));
			for (const FString& Package : Maker.GetSavedPackages())
			{
				Console.PrintLine(TEXT("    ") + Package);
			}
			return true;
		}

		// Made as the creator makes one: the content browser's new-asset menu, "Package", in the folder, then saved.
		bool MakeNewPackage(const FString& PackageName, FEditorConsole& Console, FString& OutError)
		{
			FText Reason;
			if (!FPackageName::IsValidLongPackageName(PackageName, false, &Reason) || !PackageName.StartsWith(TEXT("/Game/")))
			{
				OutError = FString::Printf(TEXT("-NewPackage=%s: give a long package name under /Game/, such as /Game/MyPack/MyPackage"), *PackageName);
				return false;
			}
			if (FPackageName::DoesPackageExist(PackageName))
			{
				OutError = FString::Printf(TEXT("-NewPackage=%s: the package exists already"), *PackageName);
				return false;
			}
			const TArray<UE::StandIn::FNewAssetMenuEntry> Menu = UE::StandIn::GetNewAssetMenu();
			const UE::StandIn::FNewAssetMenuEntry* Entry = Menu.FindByPredicate([](const UE::StandIn::FNewAssetMenuEntry& Candidate) { return Candidate.SupportedClass == UZ4Package::StaticClass(); });
			if (!Entry)
			{
				OutError = TEXT("-NewPackage: the new-asset menu offers no package asset (is the plug-in's editor module started?)");
				return false;
			}
			UObject* Asset = UE::StandIn::CreateAssetFromNewAssetMenu(*Entry, FPackageName::GetLongPackagePath(PackageName), FPackageName::GetShortName(PackageName));
			if (!Asset || !UE::StandIn::SaveAsset(Asset))
			{
				OutError = FString::Printf(TEXT("Cannot make the package asset %s (the log above says why)"), *PackageName);
				return false;
			}
			Console.PrintLine(FString::Printf(TEXT("  Made the package asset %s with \"%s\" from the new-asset menu"), *PackageName, *Entry->DisplayName.ToString()));
			return true;
		}

		// Loads the package asset, turning a load failure into one line that says why.
		UZ4Package* OpenPackage(const FString& Name, FEditorLogDevice& LogDevice, FString& OutError)
		{
			const FString PackageName = FPackageName::ObjectPathToPackageName(Name);
			FText Reason;
			if (!FPackageName::IsValidLongPackageName(PackageName, false, &Reason))
			{
				OutError = FString::Printf(TEXT("-Package=%s is not a long package name such as /Game/MyPack/MyPackage"), *Name);
				return nullptr;
			}
			if (!FPackageName::DoesPackageExist(PackageName))
			{
				OutError = FString::Printf(TEXT("There is no package %s in this project (no file %s.uasset)"), *PackageName, *FPaths::ConvertRelativePathToFull(FPackageName::LongPackageNameToFilename(PackageName)));
				return nullptr;
			}
			UE::StandIn::FLogCapture Capture;
			LogDevice.SetMuted(true);
			UObject* Asset = StaticLoadObject(UObject::StaticClass(), nullptr, *(PackageName + TEXT(".") + FPackageName::GetShortName(PackageName)), nullptr, LOAD_NoWarn);
			LogDevice.SetMuted(false);
			if (!Asset)
			{
				const TArray<UE::StandIn::FCapturedLogLine> Lines = Capture.Lines();
				const UE::StandIn::FCapturedLogLine* Failure = Lines.FindByPredicate([](const UE::StandIn::FCapturedLogLine& Line) { return Line.Verbosity <= ELogVerbosity::Error; });
				OutError = FString::Printf(TEXT("Cannot open the package %s: %s"), *PackageName, Failure ? *Failure->Message : TEXT("it holds no asset of its name"));
				return nullptr;
			}
			UZ4Package* Package = Cast<UZ4Package>(Asset);
			if (!Package)
			{
				OutError = FString::Printf(TEXT("%s is a %s, not a package asset"), *PackageName, *Asset->GetClass()->GetName());
			}
			return Package;
		}

		// Lines go to the editor's own device only: the stand-in's default echo to stderr would print every
		// warning a second time, outside the progress bar's care.
		class FEditorOutput
		{
		public:
			FEditorOutput(FEditorConsole& Console, bool bVerbose)
				: LogDevice(Console, bVerbose)
				, Feedback(Console)
				, PreviousLog(GLog)
				, PreviousWarn(GWarn)
			{
				GLog = &Redirector;
				GLog->AddOutputDevice(&LogDevice);
				GWarn = &Feedback;
			}

			~FEditorOutput()
			{
				GLog->RemoveOutputDevice(&LogDevice);
				GLog = PreviousLog;
				GWarn = PreviousWarn;
			}

			FEditorLogDevice LogDevice;

		private:
			FEditorFeedbackContext Feedback;
			FOutputDeviceRedirector Redirector;
			FOutputDeviceRedirector* PreviousLog;
			FFeedbackContext* PreviousWarn;
		};
	}

	EEditorExitCode RunStandInEditor(const TCHAR* CommandLine)
	{
		FEditorConsole& Console = FEditorConsole::Get();
		FEditorOptions Options;
		FString Error;
		if (!ParseEditorOptions(CommandLine, Options, Error))
		{
			return Fail(EEditorExitCode::BadCommandLine, Error + TEXT(" (StandInEditor -help lists the options)"));
		}
		if (Options.bHelp)
		{
			Console.PrintLine(GetEditorHelpText());
			return EEditorExitCode::Success;
		}
		if (Options.ProjectFile.IsEmpty())
		{
			return Fail(EEditorExitCode::BadCommandLine, TEXT("no project given: StandInEditor <Project>.uproject [options] (StandInEditor -help lists them)"));
		}
		if (!CheckEditorSteps(Options, Error))
		{
			return Fail(EEditorExitCode::BadCommandLine, Error);
		}

		FEditorOutput Output(Console, Options.bVerbose);
		FEditorRunOutcome Outcome;
		Output.LogDevice.SetOutcome(&Outcome);
		FProjectSession Session;
		if (!Session.Open(AbsoluteFromLaunchDir(Options.ProjectFile), Error))
		{
			return Fail(EEditorExitCode::UnusableInput, Error);
		}
		Console.PrintLine(FString::Printf(TEXT("Project %s (%s)"), *FPaths::GetBaseFilename(Options.ProjectFile), *AbsoluteFromLaunchDir(Options.ProjectFile)));
		Console.PrintLine(FString::Printf(TEXT("Plug-in %s %s (%s)"), *Session.GetPlugin().Name, *Session.GetPlugin().VersionName, *Session.GetPlugin().BaseDir));

		UE::StandIn::FDialogScript Dialogs(UE::StandIn::FDialogScript::EUnanswered::AskTerminal, static_cast<int32>(EEditorExitCode::UnansweredDialog));
		for (EAppReturnType::Type Answer : Options.Answers)
		{
			Dialogs.Answer(Answer);
		}
		for (const TPair<FString, EAppReturnType::Type>& Answer : Options.TitledAnswers)
		{
			Dialogs.AnswerTitled(Answer.Key, Answer.Value);
		}

		if (!Options.ContentDescriptionFile.IsEmpty())
		{
			Console.PrintLine(TEXT("== Make Content =="));
			if (!MakeContent(AbsoluteFromLaunchDir(Options.ContentDescriptionFile), Console, Error))
			{
				return Fail(EEditorExitCode::UnusableInput, Error);
			}
		}
		if (!Options.NewPackageName.IsEmpty())
		{
			Console.PrintLine(TEXT("== New Package =="));
			if (!MakeNewPackage(Options.NewPackageName, Console, Error))
			{
				return Fail(EEditorExitCode::UnusableInput, Error);
			}
		}

		TStrongObjectPtr<UZ4Package> Package;
		if (!Options.PackageName.IsEmpty())
		{
			Package.Reset(OpenPackage(Options.PackageName, Output.LogDevice, Error));
			if (!Package)
			{
				return Fail(EEditorExitCode::UnusableInput, Error);
			}
		}
		FEditorLoop Loop(Console, Outcome, FPaths::ConvertRelativePathToFull(FPaths::ProjectSavedDir() + TEXT("Logs/StandInEditorConsole.log")));
		FEditorDetailsPanel Panel(Console);
		if (Options.bShowDetails && !Panel.Open(*Package, Error))
		{
			return Fail(EEditorExitCode::UnusableInput, Error);
		}
		FEditorLevel Level(Console);
		FEditorStepContext Context{Options, Package.Get(), Session, Panel, Level, Console, Loop, Outcome};
		if (!RunEditorSteps(Context, Error))
		{
			return Fail(Context.FailureCode, Error);
		}

		if (Package)
		{
			Console.PrintLine(TEXT("== Summary =="));
			for (const FString& Line : DescribePackage(*Package))
			{
				Console.PrintLine(Line);
			}
		}
		if (Dialogs.NumUnusedAnswers() > 0)
		{
			Console.PrintLine(FString::Printf(TEXT("Note: %d of the answers given with -Answer were not needed"), Dialogs.NumUnusedAnswers()));
		}
		const EEditorExitCode ExitCode = Outcome.GetExitCode();
		return ExitCode == EEditorExitCode::Success ? ExitCode : Fail(ExitCode, Outcome.Describe());
	}
}
