#include "EditorOperations.h"

#include "Engine/Level.h"
#include "Engine/World.h"
#include "StandIn/CookContent.h"
#include "StandIn/EditorWorld.h"
#include "Z4Package.h"
#include "Z4RecommendedSettingsActor.h"

DEFINE_LOG_CATEGORY_STATIC(LogStandInEditorOperations, Log, All);

namespace UE::StandInEditor
{
	namespace
	{
		// What the client does with a level it loads: each Recommended Settings actor's text runs in the level's world.
		void ApplyRecommendedSettings()
		{
			UWorld* World = UE::StandIn::GetEditorWorld();
			if (!World || !World->PersistentLevel)
			{
				UE_LOG(LogStandInEditorOperations, Error, TEXT("Apply Recommended Settings needs a level: open one with -Level=/Game/MyPack/L_Level."));
				return;
			}
			for (AActor* Actor : World->PersistentLevel->Actors)
			{
				if (const AZ4RecommendedSettingsActor* SettingsActor = Cast<AZ4RecommendedSettingsActor>(Actor))
				{
					UE_LOG(LogStandInEditorOperations, Display, TEXT("Applying the settings of \"%s\""), *SettingsActor->GetActorLabel());
					AZ4RecommendedSettingsActor::ApplySettings(SettingsActor->Settings, World);
				}
			}
		}
	}

	const TArray<FEditorOperation>& GetEditorOperations()
	{
		// In the order a creator goes from a folder of assets to a listed pak.
		static const TArray<FEditorOperation> Operations = {
			{TEXT("AddAllAssets"), TEXT("Add All Assets"),
			 [](UZ4Package& Package) { Package.FindAllAssets(); }, nullptr},
			{TEXT("RemoveAllAssets"), TEXT("Remove All Assets"),
			 [](UZ4Package& Package) { Package.RemoveAllAssets(); }, nullptr},
			{TEXT("FindDependencies"), TEXT("Find Dependencies"),
			 [](UZ4Package& Package) { Package.FindAllDependencies(); }, nullptr},
			{TEXT("CopyDependencies"), TEXT("Copy Dependencies"),
			 [](UZ4Package& Package) { Package.CopyDependencies(); }, nullptr},
			{TEXT("ApplyCookSettings"), TEXT("Apply Cook Settings"),
			 [](UZ4Package& Package) { Package.ApplyCookSettings(); }, nullptr},
			{TEXT("CookContent"), TEXT("Cook Content for Windows"),
			 nullptr, []() { UE::StandIn::CookContent(TEXT("Windows")); }},
			{TEXT("CookAssets"), TEXT("Cook Assets"),
			 [](UZ4Package& Package) { Package.CookAssets(); }, nullptr},
			{TEXT("MakePakFile"), TEXT("Make Pak File"),
			 [](UZ4Package& Package) { Package.MakePakFile(); }, nullptr},
			{TEXT("LogPakFile"), TEXT("Log Pak File"),
			 [](UZ4Package& Package) { Package.LogPakFile(); }, nullptr},
			{TEXT("ApplyRecommendedSettings"), TEXT("Apply Recommended Settings"),
			 nullptr, []() { ApplyRecommendedSettings(); }},
		};
		return Operations;
	}

	const FEditorOperation* FindEditorOperation(const FString& Name)
	{
		return GetEditorOperations().FindByPredicate([&Name](const FEditorOperation& Operation) { return Name.Equals(Operation.Name, ESearchCase::IgnoreCase); });
	}

	FString ListEditorOperationNames()
	{
		FString List;
		for (const FEditorOperation& Operation : GetEditorOperations())
		{
			List += (List.IsEmpty() ? TEXT("") : TEXT(", ")) + FString(Operation.Name);
		}
		return List.IsEmpty() ? FString(TEXT("none in this build")) : List;
	}
}
