#include "EditorLevel.h"

#include "EditorConsole.h"
#include "Engine/Engine.h"
#include "Engine/World.h"
#include "FileHelpers.h"
#include "GameFramework/Actor.h"
#include "IPlacementModeModule.h"
#include "Misc/OutputDevice.h"
#include "Misc/PackageName.h"
#include "Misc/Paths.h"
#include "StandIn/EditorWorld.h"
#include "UObject/Package.h"

namespace UE::StandInEditor
{
	namespace
	{
		// What the console prints goes to its output window; here, to the editor's lines.
		class FConsoleOutput : public FOutputDevice
		{
		public:
			explicit FConsoleOutput(FEditorConsole& InConsole)
				: Console(InConsole)
			{
			}

			virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override
			{
				Console.PrintLine(FString(TEXT("  ")) + V);
			}

		private:
			FEditorConsole& Console;
		};

		FString ListTabsAndItems()
		{
			IPlacementModeModule& PlacementMode = IPlacementModeModule::Get();
			TArray<FPlacementCategoryInfo> Tabs;
			PlacementMode.GetSortedCategories(Tabs);
			TArray<FString> Names;
			for (const FPlacementCategoryInfo& Tab : Tabs)
			{
				TArray<TSharedPtr<FPlaceableItem>> Items;
				PlacementMode.GetItemsForCategory(Tab.UniqueHandle, Items);
				for (const TSharedPtr<FPlaceableItem>& Item : Items)
				{
					Names.Add(Tab.DisplayName.ToString() + TEXT("/") + Item->DisplayName.ToString());
				}
			}
			return Names.IsEmpty() ? FString(TEXT("no items")) : FString::Join(Names, TEXT(", "));
		}
	}

	FEditorLevel::FEditorLevel(FEditorConsole& InConsole)
		: Console(InConsole)
	{
	}

	FEditorLevel::~FEditorLevel()
	{
		UE::StandIn::SetEditorWorld(nullptr);
	}

	bool FEditorLevel::Open(const FString& PackageName, FString& OutError)
	{
		Console.PrintLine(FString::Printf(TEXT("== Open Level %s =="), *PackageName));
		FText Reason;
		if (!FPackageName::IsValidLongPackageName(PackageName, false, &Reason))
		{
			OutError = FString::Printf(TEXT("-Level=%s is not a long package name such as /Game/MyPack/L_Level"), *PackageName);
			return false;
		}
		if (!FPackageName::DoesPackageExist(PackageName) || !FEditorFileUtils::LoadMap(PackageName))
		{
			OutError = FString::Printf(TEXT("-Level=%s: there is no level %s in this project (no file %s)"), *PackageName, *PackageName,
				*FPaths::ConvertRelativePathToFull(FPackageName::LongPackageNameToFilename(PackageName, FPackageName::GetMapPackageExtension())));
			return false;
		}
		Console.PrintLine(FString::Printf(TEXT("  Actors: %s"), *FString::Join(UE::StandIn::GetActorLabels(), TEXT(", "))));
		return true;
	}

	bool FEditorLevel::CheckOpen(const TCHAR* Option, FString& OutError) const
	{
		if (!UE::StandIn::GetEditorWorld())
		{
			OutError = FString::Printf(TEXT("%s acts on a level: open one first with -Level=/Game/MyPack/L_Level"), Option);
			return false;
		}
		return true;
	}

	bool FEditorLevel::Place(const FString& TabAndItem, FString& OutError)
	{
		Console.PrintLine(FString::Printf(TEXT("== Place %s =="), *TabAndItem));
		if (!CheckOpen(TEXT("-Place"), OutError))
		{
			return false;
		}
		FString TabName;
		FString ItemName;
		TabAndItem.Split(TEXT("/"), &TabName, &ItemName);
		IPlacementModeModule& PlacementMode = IPlacementModeModule::Get();
		TArray<FPlacementCategoryInfo> Tabs;
		PlacementMode.GetSortedCategories(Tabs);
		for (const FPlacementCategoryInfo& Tab : Tabs)
		{
			if (!Tab.DisplayName.ToString().Equals(TabName, ESearchCase::IgnoreCase))
			{
				continue;
			}
			TArray<TSharedPtr<FPlaceableItem>> Items;
			PlacementMode.GetItemsForCategory(Tab.UniqueHandle, Items);
			for (const TSharedPtr<FPlaceableItem>& Item : Items)
			{
				if (!Item->DisplayName.ToString().Equals(ItemName, ESearchCase::IgnoreCase))
				{
					continue;
				}
				// An item without a factory of its own is placed by the one that fits its asset: for an actor class,
				// one actor of the class.
				UClass* ActorClass = Cast<UClass>(Item->AssetData.GetAsset());
				AActor* Actor = Item->Factory ? nullptr : UE::StandIn::PlaceActor(ActorClass);
				if (!Actor)
				{
					OutError = FString::Printf(TEXT("-Place=\"%s\": the item places no actor here (%s)"), *TabAndItem, *Item->AssetData.GetObjectPathString());
					return false;
				}
				Console.PrintLine(FString::Printf(TEXT("  Placed \"%s\" (%s) in %s"), *Actor->GetActorLabel(), *Actor->GetClass()->GetName(), *Actor->GetPackage()->GetName()));
				return true;
			}
		}
		OutError = FString::Printf(TEXT("-Place=\"%s\": the placement mode has no such item; it has: %s"), *TabAndItem, *ListTabsAndItems());
		return false;
	}

	AActor* FEditorLevel::Select(const FString& Label, FString& OutError)
	{
		Console.PrintLine(FString::Printf(TEXT("== Select \"%s\" =="), *Label));
		if (!CheckOpen(TEXT("-Select"), OutError))
		{
			return nullptr;
		}
		const TArray<AActor*> Found = UE::StandIn::FindActorsByLabel(Label);
		if (Found.IsEmpty())
		{
			OutError = FString::Printf(TEXT("-Select=\"%s\": the level has no actor with this label; it has: %s"), *Label, *FString::Join(UE::StandIn::GetActorLabels(), TEXT(", ")));
			return nullptr;
		}
		return Found[0];
	}

	void FEditorLevel::RunConsoleCommand(const FString& Command)
	{
		Console.PrintLine(FString::Printf(TEXT("== Console: %s =="), *Command));
		FConsoleOutput Output(Console);
		if (GEngine)
		{
			GEngine->Exec(UE::StandIn::GetEditorWorld(), *Command, Output);
		}
	}

	bool FEditorLevel::Save(FString& OutError)
	{
		Console.PrintLine(TEXT("== Save Current Level =="));
		if (!CheckOpen(TEXT("-SaveLevel"), OutError))
		{
			return false;
		}
		// A level that cannot be written is logged as an error, which the run's outcome reports.
		if (FEditorFileUtils::SaveCurrentLevel())
		{
			Console.PrintLine(TEXT("  Saved ") + UE::StandIn::GetEditorWorld()->GetPackage()->GetName());
		}
		return true;
	}
}
