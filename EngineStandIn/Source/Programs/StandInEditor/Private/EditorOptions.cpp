#include "EditorOptions.h"

#include "Misc/Parse.h"

namespace UE::StandInEditor
{
	namespace
	{
		// The options that add a step, besides -Run.
		struct FEditorStepOption
		{
			const TCHAR* Name;
			EEditorStepKind Kind;
			bool bNeedsValue;
		};

		// An empty search text shows every row again; the others need something to act on.
		const FEditorStepOption StepOptions[] = {
			{TEXT("Click"), EEditorStepKind::Click, true},
			{TEXT("Pick"), EEditorStepKind::Pick, true},
			{TEXT("Search"), EEditorStepKind::Search, false},
			{TEXT("Set"), EEditorStepKind::Set, true},
			{TEXT("SaveAll"), EEditorStepKind::SaveAll, false},
			{TEXT("Level"), EEditorStepKind::OpenLevel, true},
			{TEXT("Place"), EEditorStepKind::Place, true},
			{TEXT("Select"), EEditorStepKind::Select, true},
			{TEXT("Console"), EEditorStepKind::Console, true},
			{TEXT("SaveLevel"), EEditorStepKind::SaveLevel, false},
			{TEXT("Show"), EEditorStepKind::Show, true},
			{TEXT("ReloadPlugin"), EEditorStepKind::ReloadPlugin, false},
		};

		const EAppReturnType::Type DialogButtons[] = {EAppReturnType::No, EAppReturnType::Yes, EAppReturnType::YesAll,
													  EAppReturnType::NoAll, EAppReturnType::Cancel, EAppReturnType::Ok,
													  EAppReturnType::Retry, EAppReturnType::Continue};

		bool ParseButton(const FString& Text, EAppReturnType::Type& OutButton)
		{
			for (EAppReturnType::Type Button : DialogButtons)
			{
				if (Text.TrimStartAndEnd().Equals(LexToString(Button), ESearchCase::IgnoreCase))
				{
					OutButton = Button;
					return true;
				}
			}
			return false;
		}

		// "Ok,Cancel" answers dialogs in order; "Restart Required=Yes" every dialog with that title.
		bool ParseAnswers(const FString& Value, FEditorOptions& Options, FString& OutError)
		{
			TArray<FString> Items;
			Value.ParseIntoArray(Items, TEXT(","));
			for (const FString& Item : Items)
			{
				FString Title;
				FString ButtonText = Item;
				Item.Split(TEXT("="), &Title, &ButtonText, ESearchCase::IgnoreCase, ESearchDir::FromEnd);
				EAppReturnType::Type Button;
				if (!ParseButton(ButtonText, Button))
				{
					OutError = FString::Printf(TEXT("-Answer: '%s' is not a dialog button (Ok, Cancel, Yes, No, YesAll, NoAll, Retry, Continue)"), *ButtonText.TrimStartAndEnd());
					return false;
				}
				if (Title.IsEmpty())
				{
					Options.Answers.Add(Button);
				}
				else
				{
					Options.TitledAnswers.Emplace(Title.TrimStartAndEnd(), Button);
				}
			}
			return true;
		}

		bool SetOnce(FString& Target, const FString& Value, const TCHAR* Key, FString& OutError)
		{
			if (!Target.IsEmpty())
			{
				OutError = FString::Printf(TEXT("-%s is given twice"), Key);
				return false;
			}
			if (Value.IsEmpty())
			{
				OutError = FString::Printf(TEXT("-%s needs a value"), Key);
				return false;
			}
			Target = Value;
			return true;
		}

		bool ParseOption(const FString& Token, FEditorOptions& Options, FString& OutError)
		{
			FString Key = Token.Mid(1);
			FString Value;
			Token.Mid(1).Split(TEXT("="), &Key, &Value);
			if (Key.Equals(TEXT("help"), ESearchCase::IgnoreCase) || Key == TEXT("?") || Key.Equals(TEXT("-help"), ESearchCase::IgnoreCase))
			{
				Options.bHelp = true;
				return true;
			}
			if (Key.Equals(TEXT("Verbose"), ESearchCase::IgnoreCase))
			{
				Options.bVerbose = true;
				return true;
			}
			if (Key.Equals(TEXT("Package"), ESearchCase::IgnoreCase))
			{
				return SetOnce(Options.PackageName, Value, TEXT("Package"), OutError);
			}
			if (Key.Equals(TEXT("NewPackage"), ESearchCase::IgnoreCase))
			{
				return SetOnce(Options.NewPackageName, Value, TEXT("NewPackage"), OutError);
			}
			if (Key.Equals(TEXT("MakeContent"), ESearchCase::IgnoreCase))
			{
				return SetOnce(Options.ContentDescriptionFile, Value, TEXT("MakeContent"), OutError);
			}
			if (Key.Equals(TEXT("Run"), ESearchCase::IgnoreCase))
			{
				TArray<FString> Names;
				Value.ParseIntoArray(Names, TEXT(","));
				for (const FString& Name : Names)
				{
					Options.Steps.Add({EEditorStepKind::Run, Name.TrimStartAndEnd()});
				}
				if (Names.IsEmpty())
				{
					OutError = TEXT("-Run needs the names of operations, separated by commas");
					return false;
				}
				return true;
			}
			if (Key.Equals(TEXT("Details"), ESearchCase::IgnoreCase))
			{
				Options.bShowDetails = true;
				// -Details=<package> names the package too.
				return Value.IsEmpty() || SetOnce(Options.PackageName, Value, TEXT("Package"), OutError);
			}
			for (const FEditorStepOption& Option : StepOptions)
			{
				if (Key.Equals(Option.Name, ESearchCase::IgnoreCase))
				{
					if (Value.IsEmpty() && Option.bNeedsValue)
					{
						OutError = FString::Printf(TEXT("-%s needs a value"), Option.Name);
						return false;
					}
					Options.Steps.Add({Option.Kind, Value});
					return true;
				}
			}
			if (Key.Equals(TEXT("Answer"), ESearchCase::IgnoreCase))
			{
				return ParseAnswers(Value, Options, OutError);
			}
			OutError = FString::Printf(TEXT("unknown option %s"), *Token);
			return false;
		}
	}

	FString DescribeStep(const FEditorStep& Step)
	{
		for (const FEditorStepOption& Option : StepOptions)
		{
			if (Option.Kind == Step.Kind)
			{
				return Step.Value.IsEmpty() ? FString::Printf(TEXT("-%s"), Option.Name) : FString::Printf(TEXT("-%s=\"%s\""), Option.Name, *Step.Value);
			}
		}
		return Step.Value;
	}

	bool ParseEditorOptions(const TCHAR* CommandLine, FEditorOptions& OutOptions, FString& OutError)
	{
		OutOptions = FEditorOptions();
		FString Token;
		for (const TCHAR* Cursor = CommandLine; FParse::Token(Cursor, Token, false);)
		{
			if (Token.StartsWith(TEXT("-")))
			{
				if (!ParseOption(Token, OutOptions, OutError))
				{
					return false;
				}
			}
			else if (OutOptions.ProjectFile.IsEmpty())
			{
				OutOptions.ProjectFile = Token;
			}
			else
			{
				OutError = FString::Printf(TEXT("'%s' is not an option (options start with '-'); the project is %s"), *Token, *OutOptions.ProjectFile);
				return false;
			}
		}
		return true;
	}
}
