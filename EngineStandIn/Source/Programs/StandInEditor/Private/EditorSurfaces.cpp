#include "EditorSurfaces.h"

#include "EditorConsole.h"
#include "StandIn/ContentBrowserModel.h"
#include "StandIn/PlacementModeText.h"
#include "UObject/Class.h"

namespace UE::StandInEditor
{
	namespace
	{
		void PrintLines(const FString& Text, FEditorConsole& Console)
		{
			TArray<FString> Lines;
			Text.ParseIntoArrayLines(Lines, false);
			while (!Lines.IsEmpty() && Lines.Last().IsEmpty())
			{
				Lines.Pop();
			}
			for (const FString& Line : Lines)
			{
				Console.PrintLine(TEXT("  ") + Line);
			}
		}

		FString DrawNewAssetMenu()
		{
			const TArray<UE::StandIn::FNewAssetMenuEntry> Menu = UE::StandIn::GetNewAssetMenu();
			FString Text = TEXT("New asset menu\n");
			TSet<const UE::StandIn::FNewAssetMenuEntry*> Listed;
			const auto ListEntry = [&Text](const UE::StandIn::FNewAssetMenuEntry& Entry)
			{
				Text += FString::Printf(TEXT("    %s  (%s, makes %s)\n"), *Entry.DisplayName.ToString(), Entry.FactoryClass ? *Entry.FactoryClass->GetName() : TEXT("no factory"),
										Entry.SupportedClass ? *Entry.SupportedClass->GetName() : TEXT("nothing"));
			};
			for (const UE::StandIn::FContentBrowserCategory& Category : UE::StandIn::GetContentBrowserCategories())
			{
				bool bHeadingShown = false;
				for (const UE::StandIn::FNewAssetMenuEntry& Entry : Menu)
				{
					if ((Entry.Categories & Category.Bit) != 0)
					{
						if (!bHeadingShown)
						{
							Text += FString::Printf(TEXT("  [%s]\n"), *Category.Name.ToString());
							bHeadingShown = true;
						}
						ListEntry(Entry);
						Listed.Add(&Entry);
					}
				}
			}
			bool bOtherShown = false;
			for (const UE::StandIn::FNewAssetMenuEntry& Entry : Menu)
			{
				if (!Listed.Contains(&Entry))
				{
					if (!bOtherShown)
					{
						Text += TEXT("  [Miscellaneous]\n");
						bOtherShown = true;
					}
					ListEntry(Entry);
				}
			}
			return Text;
		}
	}

	bool ShowSurface(const FString& What, FEditorConsole& Console, FString& OutError)
	{
		FString Surface = What;
		FString Folder;
		What.Split(TEXT(":"), &Surface, &Folder);
		Console.PrintLine(FString::Printf(TEXT("== Show %s =="), *What));
		if (Surface.Equals(TEXT("ContentBrowser"), ESearchCase::IgnoreCase) && !Folder.IsEmpty())
		{
			PrintLines(UE::StandIn::DrawContentBrowser(Folder), Console);
			return true;
		}
		if (Surface.Equals(TEXT("NewAssetMenu"), ESearchCase::IgnoreCase))
		{
			PrintLines(DrawNewAssetMenu(), Console);
			return true;
		}
		if (Surface.Equals(TEXT("Placement"), ESearchCase::IgnoreCase))
		{
			PrintLines(UE::StandIn::DrawPlacementMode(), Console);
			return true;
		}
		OutError = FString::Printf(TEXT("-Show=%s: the editor shows ContentBrowser:/Game/<folder>, NewAssetMenu or Placement"), *What);
		return false;
	}
}
