#include "EditorHelp.h"

#include "EditorOperations.h"

namespace UE::StandInEditor
{
	namespace
	{
		FString ListOperationsWithSummaries()
		{
			FString List;
			for (const FEditorOperation& Operation : GetEditorOperations())
			{
				List += FString::Printf(TEXT("  %-19s %s\n"), Operation.Name, Operation.Summary);
			}
			return List;
		}
	}

	FString GetEditorHelpText()
	{
		return FString::Printf(TEXT(
			"StandInEditor: the headless editor. It opens a project as the editor does (engine and plug-in\n"
			"modules, content mounted from Content/ and Plugins/QuillonSDKBase/) and runs a creator's work on it.\n"
			"\n"
			"Usage: StandInEditor <Project>.uproject [options]\n"
			"\n"
			"  -Package=/Game/MyPack/MyPackage   the package asset to work on\n"
			"  -Run=Name,Name,...                operations (below), in the order given\n"
			"  -Details                          opens the package's editor and draws its details panel; then\n"
			"  -Click=\"Label\" -Pick=<asset> -Search=<text>   act on the panel, in order with -Run (repeatable)\n"
			"  -Answer=Ok,Cancel,...             answers for dialogs, in the order they come up\n"
			"  -Answer=\"Title=Yes\"               the answer for every dialog with that title\n"
			"                                    (with no answer, a dialog asks on the terminal or stops the run)\n"
			"  -NewPackage=/Game/MyPack/MyPackage   makes a package asset from the new-asset menu\n"
			"  -MakeContent=<file>.json          makes the assets a content description lists\n"
			"                                    (format: Docs/ContentDescription.md)\n"
			"  -Verbose                          prints every log line, not only warnings and errors\n"
			"  -help                             this text\n"
			"\n"
			"Operations (the package's buttons; CookContent needs no package). After each one the editor ticks\n"
			"until the cook and the programs it started have finished; a summary of the package ends the run.\n"
			"%s"
			"\n"
			"Example, through the panel (-Run=AddAllAssets,FindDependencies,... does the same without it):\n"
			"  StandInEditor MyProject.uproject -Package=/Game/MyPack/MyPackage -Details \\\n"
			"      -Answer=\"Restart Required=No,Message=Ok\" -Click=\"Add All Assets\" -Click=\"Find Dependencies\" \\\n"
			"      -Click=\"Apply Cook Settings\" -Run=CookContent -Click=\"Make Pak File\" -Click=\"Log Pak File\"\n"
			"\n"
			"Exit codes: 0 done; 1 the project, package or content description cannot be used; 2 the command\n"
			"line is wrong.\n"),
			*ListOperationsWithSummaries());
	}
}
