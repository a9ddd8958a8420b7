#include "Z4RecommendedSettingsActor.h"

#include "Engine/Engine.h"
#include "HAL/IConsoleManager.h"
#include "QuillonSDKBase.h"

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

	static const TCHAR* const Prefixes[] = {TEXT("r."), TEXT("fx."), TEXT("grass."), TEXT("foliage.")};
	const FString ObjectName(Name);
	bool bHasPrefix = false;
	for (const TCHAR* Prefix : Prefixes)
	{
		if (ObjectName.StartsWith(Prefix, ESearchCase::IgnoreCase))
		{
			bHasPrefix = true;
			break;
		}
	}
	if (!bHasPrefix)
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

	TArray<FString> Lines;
	InSettings.ParseIntoArrayLines(Lines);
	for (FString& Line : Lines)
	{
		Line.TrimStartAndEndInline();
		if (!Line.IsEmpty())
		{
			GEngine->Exec(World, *Line, *GLog);
		}
	}
}

#if WITH_EDITOR
FString AZ4RecommendedSettingsActor::GetDefaultActorLabel() const
{
	return TEXT("Recommended Settings");
}
#endif
