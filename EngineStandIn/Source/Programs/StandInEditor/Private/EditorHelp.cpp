#include "EditorHelp.h"

#include "EditorOperations.h"

namespace UE::StandInEditor
{
	namespace
	{
		// The operations' names, a few to a line.
		FString ListOperationNames()
		{
			FString List;
			FString Line = TEXT(" ");
			for (const FEditorOperation& Operation : GetEditorOperations())
			{
				if (Line.Len() + FCString::Strlen(Operation.Name) > 96)
				{
					List += Line + TEXT("\n");
					Line = TEXT(" ");
				}
				Line += FString::Printf(TEXT(" %s"), Operation.Name);
			}
			return List + Line + TEXT("\n");
		}
	}

	FString GetEditorHelpText()
	{
		return FString::Printf(TEXT(
			"StandInEditor: the headless editor. It opens a project as the editor does (engine and plug-in\n"
			"modules, content from Content/ and Plugins/QuillonSDKBase/) and runs a creator's work on it.\n"
			"Usage: StandInEditor <Project>.uproject [options]; steps run in the order given (README: examples)\n"
			"\n"
			"  -Package=/Game/MyPack/MyPackage   the package asset to work on\n"
			"  -NewPackage=/Game/MyPack/MyPackage   makes it from the new-asset menu first\n"
			"  -MakeContent=<file>.json          makes the assets a content description lists\n"
			"                                    (format: Docs/ContentDescription.md)\n"
			"  -Run=Name,Name,...                operations (below)\n"
			"  -Details                          opens the package's editor and draws its details panel\n"
			"  -Click=\"Label\"                    clicks a button of the panel; -Click=\"Remove:/Game/MyPack/SM_A\"\n"
			"                                    the Remove button in the row of that main asset\n"
			"  -Pick=<asset> -Search=<text>      adds an asset with the panel's picker; filters the panel's rows\n"
			"  -Set=\"Data.Name=My Pack\"          sets a property as its row does (Data.Assets[0].Tags=(A,B))\n"
			"  -SaveAll                          saves every changed package, as File > Save All does\n"
			"  -Level=/Game/MyPack/L_Level       opens a level; then -Place=\"Quillon/Recommended Settings\" places\n"
			"                                    an item of the placement mode, -Select=\"Label\" draws an actor's\n"
			"                                    details (for -Click and -Set), -SaveLevel saves the level\n"
			"  -Console=\"r.Variable 1\"           runs a line in the editor's console\n"
			"  -Show=Placement|NewAssetMenu|ContentBrowser:/Game/MyPack   draws that part of the editor\n"
			"  -ReloadPlugin                     shuts the plug-in's modules down and starts them again\n"
			"  -Answer=Ok,Cancel,...             answers dialogs in the order they come up; -Answer=\"Title=Yes\"\n"
			"                                    every dialog with that title (else the terminal is asked)\n"
			"  -Verbose                          prints every log line, not only warnings and errors\n"
			"\n"
			"Operations: the package's buttons of those names, CookContent (the editor's Cook Content for\n"
			"Windows) and ApplyRecommendedSettings (the open level's, as the client applies them). Each step\n"
			"waits for the cook and the programs it started to end; a summary of the package ends the run.\n"
			"%s"
			"\n"
			"Exit codes: 0 done; 1 the project, package, level or content description cannot be used; 2 the\n"
			"command line is wrong or asks for what the editor does not show (a button, row, property, actor,\n"
			"item), a read-only property or a value of the wrong type; 3 a step failed (a cook with failed\n"
			"packages, a program reported as failed); 4 an error was logged; 5 a dialog had no answer.\n"),
			*ListOperationNames());
	}
}
