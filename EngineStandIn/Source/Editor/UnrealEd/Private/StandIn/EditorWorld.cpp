#include "StandIn/EditorWorld.h"

#include "Engine/Level.h"
#include "Engine/World.h"
#include "GameFramework/Actor.h"
#include "UObject/StrongObjectPtr.h"

namespace UE::StandIn
{
	namespace
	{
		TStrongObjectPtr<UWorld>& EditorWorld()
		{
			static TStrongObjectPtr<UWorld> World;
			return World;
		}

		TArray<AActor*> GetLevelActors()
		{
			UWorld* World = GetEditorWorld();
			TArray<AActor*> Actors;
			if (World && World->PersistentLevel)
			{
				for (AActor* Actor : World->PersistentLevel->Actors)
				{
					if (Actor)
					{
						Actors.Add(Actor);
					}
				}
			}
			return Actors;
		}
	}

	UWorld* GetEditorWorld()
	{
		return EditorWorld().Get();
	}

	void SetEditorWorld(UWorld* World)
	{
		EditorWorld().Reset(World);
	}

	AActor* PlaceActor(UClass* ActorClass)
	{
		UWorld* World = GetEditorWorld();
		if (!World || !World->PersistentLevel || !ActorClass || !ActorClass->IsChildOf(AActor::StaticClass()))
		{
			return nullptr;
		}
		ULevel* Level = World->PersistentLevel;
		Level->Modify();
		AActor* Actor = NewObject<AActor>(Level, ActorClass, MakeUniqueObjectName(Level, ActorClass), RF_Transactional);
		Level->Actors.Add(Actor);
		// As the editor names a placed actor: its default label, then "Label2", "Label3"... while one is taken.
		const FString DefaultLabel = Actor->GetDefaultActorLabel();
		FString Label = DefaultLabel;
		for (int32 Number = 2; FindActorsByLabel(Label).Num() > 0; ++Number)
		{
			Label = FString::Printf(TEXT("%s%d"), *DefaultLabel, Number);
		}
		Actor->SetActorLabel(Label);
		return Actor;
	}

	TArray<AActor*> FindActorsByLabel(const FString& Label)
	{
		return GetLevelActors().FilterByPredicate([&Label](const AActor* Actor) { return Actor->GetActorLabel().Equals(Label, ESearchCase::CaseSensitive); });
	}

	TArray<FString> GetActorLabels()
	{
		TArray<FString> Labels;
		for (const AActor* Actor : GetLevelActors())
		{
			Labels.Add(Actor->GetActorLabel());
		}
		return Labels;
	}
}
