#include "EditorDetailsPanel.h"

#include "EditorConsole.h"
#include "IDetailsView.h"
#include "StandIn/ContentBrowserModel.h"
#include "StandIn/DetailsView.h"
#include "StandIn/OpenAssetEditors.h"
#include "Toolkits/SimpleAssetEditor.h"
#include "Z4Package.h"

namespace UE::StandInEditor
{
	using UE::StandIn::EDetailsViewActionResult;

	FEditorDetailsPanel::FEditorDetailsPanel(FEditorConsole& InConsole)
		: Console(InConsole)
	{
	}

	FEditorDetailsPanel::~FEditorDetailsPanel()
	{
		// The editors hold the panel's customizations, which live in the plug-in's module: they go before it.
		if (View)
		{
			UE::StandIn::CloseAllAssetEditors();
		}
	}

	bool FEditorDetailsPanel::Open(UZ4Package& Package, FString& OutError)
	{
		UE::StandIn::OpenAsset(&Package);
		for (const TSharedRef<FAssetEditorToolkit>& Editor : UE::StandIn::FindEditorsForAsset(&Package))
		{
			if (Editor->GetToolkitFName() == FSimpleAssetEditor::ToolkitFName)
			{
				if (const TSharedPtr<IDetailsView> DetailsView = StaticCastSharedRef<FSimpleAssetEditor>(Editor)->GetDetailsView())
				{
					View = &UE::StandIn::GetStandInView(*DetailsView);
				}
			}
		}
		if (!View)
		{
			OutError = FString::Printf(TEXT("-Details: opening %s shows no details view"), *Package.GetPathName());
			return false;
		}
		Console.PrintLine(FString::Printf(TEXT("== Details of %s =="), *Package.GetPathName()));
		Draw();
		return true;
	}

	bool FEditorDetailsPanel::Click(const FString& Label, FString& OutError)
	{
		Console.PrintLine(FString::Printf(TEXT("== Click \"%s\" =="), *Label));
		switch (View->ClickButton(Label))
		{
		case EDetailsViewActionResult::Done:
			return true;
		case EDetailsViewActionResult::Disabled:
			OutError = FString::Printf(TEXT("-Click=\"%s\": the button is disabled"), *Label);
			return false;
		case EDetailsViewActionResult::NotFound:
		default:
			OutError = FString::Printf(TEXT("-Click=\"%s\": the panel shows no button with this label; it shows: %s"), *Label,
									   *FString::Join(View->GetButtonLabels(), TEXT(", ")));
			return false;
		}
	}

	bool FEditorDetailsPanel::Pick(const FString& AssetPath, FString& OutError)
	{
		Console.PrintLine(FString::Printf(TEXT("== Pick %s =="), *AssetPath));
		switch (View->PickAsset(AssetPath))
		{
		case EDetailsViewActionResult::Done:
			return true;
		case EDetailsViewActionResult::Disabled:
			OutError = FString::Printf(TEXT("-Pick=%s: the asset picker is disabled"), *AssetPath);
			return false;
		case EDetailsViewActionResult::NotFound:
		default:
			OutError = FString::Printf(TEXT("-Pick=%s: the panel's asset picker does not offer it (the panel drawn above lists what it offers)"), *AssetPath);
			return false;
		}
	}

	void FEditorDetailsPanel::Search(const FString& Text)
	{
		Console.PrintLine(FString::Printf(TEXT("== Search \"%s\" =="), *Text));
		View->SetSearchText(Text);
		Draw();
	}

	void FEditorDetailsPanel::Tick()
	{
		if (View && View->Tick())
		{
			Console.PrintLine(TEXT("== Details (rebuilt) =="));
			Draw();
		}
	}

	void FEditorDetailsPanel::Draw()
	{
		TArray<FString> Lines;
		View->Paint().ParseIntoArrayLines(Lines, false);
		while (!Lines.IsEmpty() && Lines.Last().IsEmpty())
		{
			Lines.Pop();
		}
		for (const FString& Line : Lines)
		{
			Console.PrintLine(TEXT("  ") + Line);
		}
	}
}
