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
#include "EditorOperations.h"
#include "EditorOptions.h"
#include "EditorRunOutcome.h"
#include "EditorSurfaces.h"
#include "FileHelpers.h"
#include "GameFramework/Actor.h"
#include "Misc/FileHelper.h"
#include "Misc/OutputDeviceRedirector.h"
#include "Misc/PackageName.h"
#include "Misc/Paths.h"
#include "PackageSummary.h"
#include "ProjectSession.h"
#include "StandIn/ContentBrowserModel.h"
#include "StandIn/DialogScript.h"
#include "StandIn/EditorRestart.h"
#include "StandIn/LogCapture.h"
#include "UObject/Package.h"
#include "UObject/StrongObjectPtr.h"
#include "UObject/UObjectHash.h"
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

		bool CheckSteps(const FEditorOptions& Options, FString& OutError)
		{
			if (Options.bShowDetails && Options.PackageName.IsEmpty())
			{
				OutError = TEXT("-Details shows a package's details panel: name it with -Package=/Game/MyPack/MyPackage");
				return false;
			}
			bool bPanelShown = Options.bShowDetails;
			bool bLevelOpen = false;
			for (const FEditorStep& Step : Options.Steps)
			{
				switch (Step.Kind)
				{
				case EEditorStepKind::Click:
				case EEditorStepKind::Pick:
				case EEditorStepKind::Search:
				case EEditorStepKind::Set:
					if (!bPanelShown)
					{
						OutError = TEXT("-Click, -Pick, -Search and -Set act on the details panel: open it with -Details (or -Select an actor)");
						return false;
					}
					break;
				case EEditorStepKind::OpenLevel:
					bLevelOpen = true;
					break;
				case EEditorStepKind::Place:
				case EEditorStepKind::Select:
				case EEditorStepKind::SaveLevel:
					if (!bLevelOpen)
					{
						OutError = FString::Printf(TEXT("%s acts on a level: open one first with -Level=/Game/MyPack/L_Level"), *DescribeStep(Step));
						return false;
					}
					bPanelShown = bPanelShown || Step.Kind == EEditorStepKind::Select;
					break;
				case EEditorStepKind::Run:
				{
					const FEditorOperation* Operation = FindEditorOperation(Step.Value);
					if (!Operation)
					{
						OutError = FString::Printf(TEXT("unknown operation '%s' in -Run; the operations are: %s"), *Step.Value, *ListEditorOperationNames());
						return false;
					}
					if (Operation->RunOnPackage && Options.PackageName.IsEmpty())
					{
						OutError = FString::Printf(TEXT("-Run=%s works on a package: name it with -Package=/Game/MyPack/MyPackage"), Operation->Name);
						return false;
					}
					break;
				}
				default:
					break;
				}
			}
			return true;
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

		// A restart the editor was asked for needs nothing here: the next run starts with what was saved.
		void ReportRestartRequests(FEditorConsole& Console)
		{
			if (!UE::StandIn::GetEditorRestartRequests().IsEmpty())
			{
				Console.PrintLine(TEXT("  The editor was asked to restart: the settings saved take effect from the next run"));
				UE::StandIn::ResetEditorRestartRequests();
			}
		}

		void RunOperation(const FEditorOperation& Operation, UZ4Package* Package, FEditorConsole& Console)
		{
			Console.PrintLine(FString::Printf(TEXT("== %s =="), Operation.Label));
			if (Operation.RunOnPackage)
			{
				Operation.RunOnPackage(*Package);
			}
			else
			{
				Operation.RunInEditor();
			}
		}

		// File > Save All, without its dialog: every changed package is written.
		void SaveAll(FEditorConsole& Console)
		{
			Console.PrintLine(TEXT("== Save All =="));
			TArray<UObject*> Packages;
			GetObjectsOfClass(UPackage::StaticClass(), Packages);
			TArray<FString> Dirty;
			for (const UObject* Object : Packages)
			{
				if (static_cast<const UPackage*>(Object)->IsDirty())
				{
					Dirty.Add(Object->GetName());
				}
			}
			bool bNeededSaving = false;
			FEditorFileUtils::SaveDirtyPackages(false, true, true, false, false, false, &bNeededSaving);
			for (const FString& Name : Dirty)
			{
				const UPackage* Package = FindPackage(nullptr, *Name);
				if (Package && !Package->IsDirty())
				{
					Console.PrintLine(TEXT("  Saved ") + Name);
				}
			}
			if (!bNeededSaving)
			{
				Console.PrintLine(TEXT("  Nothing to save"));
			}
		}

		// What the steps act on, alive for the whole run.
		struct FEditorStepContext
		{
			const FEditorOptions& Options;
			UZ4Package* Package;
			FProjectSession& Session;
			FEditorDetailsPanel& Panel;
			FEditorLevel& Level;
			FEditorConsole& Console;
			FEditorLoop& Loop;
			FEditorRunOutcome& Outcome;
			// What a step that cannot be done ends the run with: most ask for what the editor does not offer.
			EEditorExitCode FailureCode = EEditorExitCode::BadCommandLine;
		};

		// The plug-in's modules go and come back; the package's editor, which holds their customizations, is closed
		// first and opened again after.
		bool ReloadPlugin(FEditorStepContext& Context, FString& OutError)
		{
			Context.Console.PrintLine(TEXT("== Reload Plug-in =="));
			Context.Panel.Close();
			Context.Session.ReloadPluginModules();
			Context.Console.PrintLine(FString::Printf(TEXT("  Restarted the modules of %s"), *Context.Session.GetPlugin().Name));
			return !Context.Options.bShowDetails || Context.Panel.Open(*Context.Package, OutError);
		}

		bool RunStep(const FEditorStep& Step, FEditorStepContext& Context, FString& OutError)
		{
			switch (Step.Kind)
			{
			case EEditorStepKind::Run:
				RunOperation(*FindEditorOperation(Step.Value), Context.Package, Context.Console);
				return true;
			case EEditorStepKind::Click:
				return Context.Panel.Click(Step.Value, OutError);
			case EEditorStepKind::Pick:
				return Context.Panel.Pick(Step.Value, OutError);
			case EEditorStepKind::Search:
				Context.Panel.Search(Step.Value);
				return true;
			case EEditorStepKind::Set:
				return Context.Panel.SetProperty(Step.Value, OutError);
			case EEditorStepKind::SaveAll:
				SaveAll(Context.Console);
				return true;
			case EEditorStepKind::OpenLevel:
				// A level that is not there cannot be used, as a missing package cannot.
				Context.FailureCode = EEditorExitCode::UnusableInput;
				if (!Context.Level.Open(Step.Value, OutError))
				{
					return false;
				}
				Context.FailureCode = EEditorExitCode::BadCommandLine;
				return true;
			case EEditorStepKind::Place:
				return Context.Level.Place(Step.Value, OutError);
			case EEditorStepKind::Select:
				if (AActor* Actor = Context.Level.Select(Step.Value, OutError))
				{
					Context.Panel.ShowObject(*Actor, FString::Printf(TEXT("\"%s\""), *Step.Value));
					return true;
				}
				return false;
			case EEditorStepKind::Console:
				Context.Level.RunConsoleCommand(Step.Value);
				return true;
			case EEditorStepKind::SaveLevel:
				return Context.Level.Save(OutError);
			case EEditorStepKind::Show:
				return ShowSurface(Step.Value, Context.Console, OutError);
			case EEditorStepKind::ReloadPlugin:
				return ReloadPlugin(Context, OutError);
			}
			return true;
		}

		// False, with one line saying why, when the editor does not offer what a step asks for.
		bool RunSteps(FEditorStepContext& Context, FString& OutError)
		{
			for (const FEditorStep& Step : Context.Options.Steps)
			{
				Context.Outcome.BeginStep(Step.Kind == EEditorStepKind::Run ? FString(FindEditorOperation(Step.Value)->Label) : DescribeStep(Step));
				if (!RunStep(Step, Context, OutError))
				{
					return false;
				}
				Context.Loop.TickUntilIdle();
				ReportRestartRequests(Context.Console);
				Context.Panel.Tick();
			}
			return true;
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
		if (!CheckSteps(Options, Error))
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
		if (!RunSteps(Context, Error))
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
