#pragma once

#include "CoreMinimal.h"
#include "GenericPlatform/GenericPlatformMisc.h"

namespace UE::StandInEditor
{
	// One thing the creator does, in command-line order: an operation of -Run, or an action on the details
	// panel that -Details opened.
	enum class EEditorStepKind : uint8
	{
		Run,
		Click,
		Pick,
		Search,
		Set,
		SaveAll,
		OpenLevel,
		Place,
		Select,
		Console,
		SaveLevel,
		Show,
		ReloadPlugin,
	};

	struct FEditorStep
	{
		EEditorStepKind Kind;
		// The operation's name, the button's label, the asset's path, the search text or the property assignment.
		FString Value;
	};

	// The step as its option gives it, such as -Click="Make Pak File", for messages.
	FString DescribeStep(const FEditorStep& Step);

	// What the command line asks for. Paths are as given; relative ones are made absolute against the
	// folder the editor was started in.
	struct FEditorOptions
	{
		FString ProjectFile;
		FString PackageName;
		TArray<FEditorStep> Steps;
		// Answers for dialogs in the order they come up, and answers for every dialog of a title.
		TArray<EAppReturnType::Type> Answers;
		TArray<TPair<FString, EAppReturnType::Type>> TitledAnswers;
		FString NewPackageName;
		FString ContentDescriptionFile;
		bool bShowDetails = false;
		bool bVerbose = false;
		bool bHelp = false;
	};

	// Reads the engine's command-line form: the project first, then -Key=Value options and -Switches.
	// False with a reason on an unknown option, a repeated one or an answer that is no dialog button.
	bool ParseEditorOptions(const TCHAR* CommandLine, FEditorOptions& OutOptions, FString& OutError);
}
