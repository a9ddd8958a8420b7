#include "EditorHelp.h"

#include "EditorOperations.h"

namespace UE::StandInEditor
{
	FString GetEditorHelpText()
	{
		return FString::Printf(TEXT(
			"StandInEditor: the headless editor. It opens a project as the editor does (engine and plug-in\n"
			"modules, content mounted from Content/ and Plugins/QuillonSDKBase/) and runs a creator's work on it.\n"
			"\n"
			"Usage: StandInEditor <Project>.uproject [options]\n"
			"\n"
			"  -Package=/Game/MyPack/MyPackage   the package asset to work on\n"
			"  -Run=Name,Name,...                operations, in order: %s\n"
			"                                    (CookContent needs no package)\n"
			"  -Answer=Ok,Cancel,...             answers for dialogs, in the order they come up\n"
			"  -Answer=\"Title=Yes\"               the answer for every dialog with that title\n"
			"                                    (without an answer a dialog asks on the terminal, or stops the run)\n"
			"  -NewPackage=/Game/MyPack/MyPackage   makes an empty package asset\n"
			"  -MakeContent=<file>.json          makes the assets a content description lists\n"
			"                                    (format: Docs/ContentDescription.md)\n"
			"  -Verbose                          prints every log line, not only warnings and errors\n"
			"  -help                             this text\n"
			"\n"
			"Between operations and after the last one the editor ticks until the cook and the programs it\n"
			"started have finished, then prints a summary of the package.\n"
			"\n"
			"Example:\n"
			"  StandInEditor MyProject.uproject -Package=/Game/MyPack/MyPackage -Answer=Ok \\\n"
			"      -Run=AddAllAssets,FindDependencies,ApplyCookSettings,CookContent,MakePakFile,LogPakFile\n"
			"\n"
			"Exit codes: 0 done; 1 the project, package or content description cannot be used; 2 the command\n"
			"line is wrong.\n"),
			*ListEditorOperationNames());
	}
}
