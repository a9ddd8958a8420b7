#include "EditorDetailsPanel.h"

#include "EditorConsole.h"
#include "DetailsViewArgs.h"
#include "IDetailsView.h"
#include "Modules/ModuleManager.h"
#include "PropertyEditorModule.h"
#include "PropertyHandle.h"
#include "StandIn/ContentBrowserModel.h"
#include "StandIn/DetailsView.h"
#include "StandIn/OpenAssetEditors.h"
#include "Toolkits/SimpleAssetEditor.h"
#include "UObject/UnrealType.h"
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
		Close();
	}

	void FEditorDetailsPanel::Close()
	{
		// The editors hold the panel's customizations, which live in the plug-in's module: they go before it.
		if (bAssetEditorOpen)
		{
			UE::StandIn::CloseAllAssetEditors();
			bAssetEditorOpen = false;
		}
		SelectionView.Reset();
		View = nullptr;
	}

	void FEditorDetailsPanel::ShowObject(UObject& Object, const FString& Name)
	{
		SelectionView = FModuleManager::LoadModuleChecked<FPropertyEditorModule>(TEXT("PropertyEditor")).CreateDetailView(FDetailsViewArgs());
		SelectionView->SetObject(&Object);
		View = &UE::StandIn::GetStandInView(*SelectionView);
		Console.PrintLine(FString::Printf(TEXT("== Details of %s =="), *Name));
		Draw();
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
		bAssetEditorOpen = true;
		Console.PrintLine(FString::Printf(TEXT("== Details of %s =="), *Package.GetPathName()));
		Draw();
		return true;
	}

	bool FEditorDetailsPanel::Click(const FString& Label, FString& OutError)
	{
		Console.PrintLine(FString::Printf(TEXT("== Click \"%s\" =="), *Label));
		FString ButtonLabel;
		FString RowText;
		if (!View->GetButtonLabels().Contains(Label) && Label.Split(TEXT(":"), &ButtonLabel, &RowText))
		{
			return ClickInRow(ButtonLabel, RowText, OutError);
		}
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

	bool FEditorDetailsPanel::ClickInRow(const FString& Label, const FString& RowText, FString& OutError)
	{
		switch (View->ClickButtonInRow(RowText, Label))
		{
		case EDetailsViewActionResult::Done:
			return true;
		case EDetailsViewActionResult::Disabled:
			OutError = FString::Printf(TEXT("-Click=\"%s:%s\": the button is disabled"), *Label, *RowText);
			return false;
		case EDetailsViewActionResult::NotFound:
		default:
			const TArray<FString> Rows = View->GetRowTextsWithButton(Label);
			OutError = Rows.IsEmpty()
				? FString::Printf(TEXT("-Click=\"%s:%s\": the panel shows no row with a \"%s\" button"), *Label, *RowText, *Label)
				: FString::Printf(TEXT("-Click=\"%s:%s\": no row with a \"%s\" button shows %s; those rows show: %s"), *Label, *RowText, *Label, *RowText, *FString::Join(Rows, TEXT(", ")));
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

	namespace
	{
		FString ListChildNames(const IPropertyHandle& Handle)
		{
			uint32 NumChildren = 0;
			Handle.GetNumChildren(NumChildren);
			TArray<FString> Names;
			for (uint32 Index = 0; Index < NumChildren; ++Index)
			{
				const TSharedPtr<IPropertyHandle> Child = Handle.GetChildHandle(Index);
				Names.Add(Child->GetIndexInArray() != INDEX_NONE ? FString::Printf(TEXT("[%d]"), Child->GetIndexInArray()) : Child->GetProperty()->GetName());
			}
			return Names.IsEmpty() ? FString(TEXT("nothing")) : FString::Join(Names, TEXT(", "));
		}
	}

	TSharedPtr<IPropertyHandle> FEditorDetailsPanel::FindPropertyHandle(const FString& Path, FString& OutError) const
	{
		TArray<FString> Segments;
		Path.ParseIntoArray(Segments, TEXT("."));
		TSharedPtr<IPropertyHandle> Handle;
		FString Reached;
		for (const FString& Segment : Segments)
		{
			// "Assets[1]" is the member Assets, then its element 1.
			FString Name = Segment;
			FString IndexText;
			const bool bIndexed = Segment.EndsWith(TEXT("]")) && Segment.Split(TEXT("["), &Name, &IndexText);
			IndexText.RemoveFromEnd(TEXT("]"));
			TSharedPtr<IPropertyHandle> Next = !Handle ? TSharedPtr<IPropertyHandle>(View->GetPropertyHandle(FName(*Name))) : Handle->GetChildHandle(FName(*Name), false);
			if (!Next || !Next->IsValidHandle())
			{
				OutError = Handle ? FString::Printf(TEXT("the details panel shows no property %s in %s; %s shows: %s"), *Name, *Reached, *Reached, *ListChildNames(*Handle))
								  : FString::Printf(TEXT("the details panel shows no property %s; it shows: %s"), *Name, *FString::Join(View->GetPropertyNames(), TEXT(", ")));
				return nullptr;
			}
			Reached += (Reached.IsEmpty() ? TEXT("") : TEXT(".")) + Name;
			Handle = Next;
			if (bIndexed)
			{
				const TSharedPtr<IPropertyHandle> Element = IndexText.IsNumeric() ? Handle->GetChildHandle((uint32)FCString::Atoi(*IndexText)) : nullptr;
				if (!Element)
				{
					OutError = FString::Printf(TEXT("%s has no entry [%s]; it has: %s"), *Reached, *IndexText, *ListChildNames(*Handle));
					return nullptr;
				}
				Reached += FString::Printf(TEXT("[%s]"), *IndexText);
				Handle = Element;
			}
		}
		if (!Handle)
		{
			OutError = TEXT("no property named");
		}
		return Handle;
	}

	bool FEditorDetailsPanel::SetProperty(const FString& Assignment, FString& OutError)
	{
		FString Path;
		FString Value;
		if (!Assignment.Split(TEXT("="), &Path, &Value) || Path.TrimStartAndEnd().IsEmpty())
		{
			OutError = FString::Printf(TEXT("-Set=%s: give a property and its value, such as -Set=\"Data.Name=My Pack\""), *Assignment);
			return false;
		}
		Path.TrimStartAndEndInline();
		Console.PrintLine(FString::Printf(TEXT("== Set %s =="), *Path));
		const TSharedPtr<IPropertyHandle> Handle = FindPropertyHandle(Path, OutError);
		if (!Handle)
		{
			OutError = FString::Printf(TEXT("-Set=%s: %s"), *Assignment, *OutError);
			return false;
		}
		if (!Handle->IsEditable())
		{
			OutError = FString::Printf(TEXT("-Set=%s: %s is read-only in the details panel"), *Assignment, *Path);
			return false;
		}
		FString OldValue;
		Handle->GetValueAsFormattedString(OldValue);
		if (Handle->SetValueFromFormattedString(Value) != FPropertyAccess::Success)
		{
			const FProperty* Property = Handle->GetProperty();
			uint32 NumEntries = 0;
			OutError = CastField<FArrayProperty>(Property) && Property->HasAnyPropertyFlags(CPF_EditFixedSize) && Handle->GetNumChildren(NumEntries) == FPropertyAccess::Success
				? FString::Printf(TEXT("-Set=%s: %s has a fixed size in the details panel (%u entries): its entries can be changed, not added or removed"), *Assignment, *Path, NumEntries)
				: FString::Printf(TEXT("-Set=%s: '%s' is not a value of %s (%s)"), *Assignment, *Value, *Path, *Property->GetCPPType());
			return false;
		}
		FString NewValue;
		Handle->GetValueAsFormattedString(NewValue);
		Console.PrintLine(FString::Printf(TEXT("  %s: %s -> %s"), *Path, *OldValue, *NewValue));
		return true;
	}

	void FEditorDetailsPanel::Tick()
	{
		if (View && View->Tick())
		{
			Console.PrintLine(TEXT("== Details (rebuilt) =="));
			Draw();
		}
		// A selected actor's rows show its values as they are now, as the level editor's panel does on every frame.
		else if (SelectionView && View->Paint() != LastDrawn)
		{
			Console.PrintLine(TEXT("== Details (changed) =="));
			Draw();
		}
	}

	void FEditorDetailsPanel::Draw()
	{
		LastDrawn = View->Paint();
		TArray<FString> Lines;
		LastDrawn.ParseIntoArrayLines(Lines, false);
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
