#include "EditorSteps.h"

#include "EditorConsole.h"
#include "EditorDetailsPanel.h"
#include "EditorLevel.h"
#include "EditorLoop.h"
#include "EditorOperations.h"
#include "EditorOptions.h"
#include "EditorRunOutcome.h"
#include "EditorSurfaces.h"
#include "FileHelpers.h"
#include "GameFramework/Actor.h"
#include "ProjectSession.h"
#include "StandIn/EditorRestart.h"
#include "UObject/Package.h"
#include "UObject/UObjectHash.h"
#include "Z4Package.h"

namespace UE::StandInEditor
{
	namespace
	{
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
	}

	bool CheckEditorSteps(const FEditorOptions& Options, FString& OutError)
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

	bool RunEditorSteps(FEditorStepContext& Context, FString& OutError)
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
}
