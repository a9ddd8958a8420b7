#include "Z4RecommendedSettingsActor.h"

#include "Engine/Engine.h"
#include "HAL/IConsoleManager.h"
#include "QuillonSDKBase.h"

namespace
{
	// The groups of console variables a capture records: rendering, effects, grass and foliage.
	bool HasSettingsPrefix(const FString& Name)
	{
		static const TCHAR* const Prefixes[] = {TEXT("r."), TEXT("fx."), TEXT("grass."), TEXT("foliage.")};
		for (const TCHAR* Prefix : Prefixes)
		{
			if (Name.StartsWith(Prefix, ESearchCase::IgnoreCase))
			{
				return true;
			}
		}
		return false;
	}
}

void AZ4RecommendedSettingsActor::CaptureSettings()
{
	IConsoleManager& ConsoleManager = IConsoleManager::Get();
	Settings.Empty();
	ConsoleManager.ForEachConsoleObjectThatStartsWith(
		FConsoleObjectVisitor::CreateUObject(this, &AZ4RecommendedSettingsActor::AppendSetting));
}

void AZ4RecommendedSettingsActor::AppendSetting(const TCHAR* Name, IConsoleObject* ConsoleObject)
{
	if ((ConsoleObject->GetFlags() & (ECVF_Cheat | ECVF_RenderThreadSafe)) == 0)
	{
		return;
	}

	if (!HasSettingsPrefix(Name))
	{
		return;
	}

	const IConsoleVariable* Variable = ConsoleObject->AsVariable();
	if (!Variable)
	{
		return;
	}
	Settings += FString::Printf(TEXT("%s %s\n"), Name, *Variable->GetString());
}

void AZ4RecommendedSettingsActor::ApplySettings(const FString& InSettings, UWorld* World)
{
	if (!GEngine)
	{
		UE_LOG(Z4LogSDK, Warning, TEXT("Recommended settings were not applied: there is no engine to run them."));
		return;
	}

	const IConsoleManager& ConsoleManager = IConsoleManager::Get();
	TArray<FString> Lines;
	InSettings.ParseIntoArrayLines(Lines);
	for (FString& Line : Lines)
	{
		Line.TrimStartAndEndInline();
		if (Line.IsEmpty())
		{
			continue;
		}
		// The text travels inside the pak to every player's client: a line such as "quit" or "exec x" must not run
		// there. Only what a capture writes is run, a variable of its groups and a value.
		FString Name;
		FString Value;
		if (!Line.Split(TEXT(" "), &Name, &Value) || !HasSettingsPrefix(Name) || !ConsoleManager.FindConsoleVariable(*Name))
		{
			UE_LOG(Z4LogSDK, Warning, TEXT("Recommended setting skipped: \"%s\" does not set a rendering, effects, grass or foliage console variable."), *Line);
			continue;
		}
		GEngine->Exec(World, *Line, *GLog);
	}
}

#if WITH_EDITOR
FString AZ4RecommendedSettingsActor::GetDefaultActorLabel() const
{
	return TEXT("Recommended Settings");
}
#endif
