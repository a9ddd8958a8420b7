#include "StandIn/DetailsView.h"

#include "DetailCategoryImpl.h"
#include "DetailLayoutBuilderImpl.h"
#include "Modules/ModuleManager.h"
#include "PropertyCustomizationHelpers.h"
#include "PropertyEditorModule.h"
#include "PropertyHandleImpl.h"
#include "UObject/UnrealType.h"
#include "StandIn/WidgetTextPainter.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Text/STextBlock.h"

namespace UE::StandIn
{
	namespace
	{
		TArray<FDetailsView*>& GetLiveViews()
		{
			static TArray<FDetailsView*> LiveViews;
			return LiveViews;
		}

		// A row as the view shows it now; for a group, the group's rows that are shown under it.
		struct FShownRow
		{
			const FDetailRowEntry* Entry = nullptr;
			TArray<const FDetailWidgetRow*> GroupRows;
		};

		struct FShownCategory
		{
			const FDetailCategoryImpl* Category = nullptr;
			TArray<FShownRow> Rows;
		};

		TArray<TSharedRef<SWidget>> GetRowWidgets(const FDetailWidgetRow& Row)
		{
			TArray<TSharedRef<SWidget>> Widgets;
			for (const FDetailWidgetDecl* Decl : {&Row.WholeRowWidget, &Row.NameWidget, &Row.ValueWidget})
			{
				if (Decl->Widget != SNullWidget::NullWidget)
				{
					Widgets.Add(Decl->Widget);
				}
			}
			return Widgets;
		}

		void CollectWidgets(const TSharedRef<SWidget>& Widget, TArray<TSharedRef<SWidget>>& OutWidgets)
		{
			OutWidgets.Add(Widget);
			if (FChildren* Children = Widget->GetChildren())
			{
				for (int32 Index = 0; Index < Children->Num(); ++Index)
				{
					CollectWidgets(Children->GetChildAt(Index), OutWidgets);
				}
			}
		}

		// A button's label is the text it shows: that of the first text block inside it.
		FString GetButtonLabel(const TSharedRef<SButton>& Button)
		{
			TArray<TSharedRef<SWidget>> Widgets;
			CollectWidgets(Button, Widgets);
			for (const TSharedRef<SWidget>& Widget : Widgets)
			{
				if (const STextBlock* Text = dynamic_cast<const STextBlock*>(Widget.Get()))
				{
					return Text->GetText().ToString();
				}
			}
			return FString();
		}
	}

	FDetailsView::FDetailsView()
	{
		GetLiveViews().Add(this);
	}

	FDetailsView::~FDetailsView()
	{
		GetLiveViews().Remove(this);
		if (Layout)
		{
			Layout->DetachFromView();
		}
	}

	void FDetailsView::SetObject(UObject* InObject)
	{
		SetObjects(InObject ? TArray<UObject*>{InObject} : TArray<UObject*>());
	}

	void FDetailsView::SetObjects(const TArray<UObject*>& InObjects)
	{
		Objects.Reset();
		for (UObject* Object : InObjects)
		{
			Objects.Add(Object);
		}
		ForceRefresh();
	}

	void FDetailsView::ForceRefresh()
	{
		bRefreshRequested = false;
		if (Layout)
		{
			Layout->DetachFromView();
		}
		// The old layout goes, and with it the customizations and widgets it made, before the new one is built.
		Layout.Reset();
		TSharedRef<FDetailLayoutBuilderImpl> NewLayout = MakeShared<FDetailLayoutBuilderImpl>(Objects, *this);
		Layout = NewLayout;
		FPropertyEditorModule& PropertyModule = FModuleManager::LoadModuleChecked<FPropertyEditorModule>(TEXT("PropertyEditor"));
		NewLayout->Build(PropertyModule.GetClassNameToDetailLayoutNameMap());
		++BuildCount;
	}

	bool FDetailsView::Tick()
	{
		if (!bRefreshRequested)
		{
			return false;
		}
		ForceRefresh();
		return true;
	}

	bool FDetailsView::MatchesSearch(const FText& FilterText) const
	{
		TArray<FString> Words;
		SearchText.ParseIntoArrayWS(Words);
		const FString Filter = FilterText.ToString();
		for (const FString& Word : Words)
		{
			if (!Filter.Contains(Word, ESearchCase::IgnoreCase))
			{
				return false;
			}
		}
		return true;
	}

	namespace
	{
		TArray<FShownCategory> GetShownLayout(const FDetailLayoutBuilderImpl* Layout,
											  TFunctionRef<bool(const FText&)> MatchesSearch)
		{
			TArray<FShownCategory> Shown;
			if (!Layout)
			{
				return Shown;
			}
			for (const FDetailCategoryImpl* Category : Layout->GetSortedCategories())
			{
				FShownCategory ShownCategory;
				ShownCategory.Category = Category;
				for (const FDetailRowEntry* Entry : Category->GetRowsInOrder())
				{
					FShownRow Row;
					Row.Entry = Entry;
					if (Entry->Group)
					{
						// A group shows when its name matches, with all its rows, or when some of its rows match.
						const bool bGroupMatches = MatchesSearch(Entry->Group->GetDisplayName());
						bool bAnyRowMatches = false;
						for (const TUniquePtr<FDetailWidgetRow>& GroupRow : Entry->Group->GetRows())
						{
							if (bGroupMatches || MatchesSearch(GroupRow->FilterTextString))
							{
								bAnyRowMatches = true;
								if (Entry->Group->GetExpansionState())
								{
									Row.GroupRows.Add(GroupRow.Get());
								}
							}
						}
						if (bGroupMatches || bAnyRowMatches)
						{
							ShownCategory.Rows.Add(MoveTemp(Row));
						}
					}
					else if (MatchesSearch(Entry->GetFilterText()))
					{
						ShownCategory.Rows.Add(MoveTemp(Row));
					}
				}
				// The engine shows no empty category.
				if (ShownCategory.Rows.Num() > 0)
				{
					Shown.Add(MoveTemp(ShownCategory));
				}
			}
			return Shown;
		}
	}

	void FDetailsView::PaintPropertyRow(FWidgetTextPainter& Painter, const FDetailRowEntry& Entry) const
	{
		// A struct or a container shows its members in rows of their own, folded here; a single value shows beside
		// the name, and a multi-line one below it.
		FString Line = Entry.GetFilterText().ToString();
		const TSharedRef<IPropertyHandle> Handle = GetPropertyHandle(Entry.Property->GetFName());
		const bool bSingleValue = !CastField<FStructProperty>(Entry.Property) && !CastField<FArrayProperty>(Entry.Property)
			&& !CastField<FMapProperty>(Entry.Property) && !CastField<FSetProperty>(Entry.Property);
		FString Value;
		const bool bHasValue = bSingleValue && Handle->GetValueAsFormattedString(Value) == FPropertyAccess::Success && !Value.IsEmpty();
		if (Handle->IsValidHandle() && !Handle->IsEditable())
		{
			Line += TEXT(" (read-only)");
		}
		if (bHasValue && !Value.Contains(TEXT("\n")))
		{
			Painter.AddLine(Line + TEXT(": ") + Value);
			return;
		}
		Painter.AddLine(Line);
		if (bHasValue)
		{
			FScopedTextIndent ValueIndent(Painter);
			Painter.AddLines(Value);
		}
	}

	FString FDetailsView::Paint()
	{
		FWidgetTextPainter Painter;
		for (const FShownCategory& Category : GetShownLayout(Layout.Get(), [this](const FText& Text) { return MatchesSearch(Text); }))
		{
			Painter.AddLine(Category.Category->GetHeading());
			FScopedTextIndent CategoryIndent(Painter);
			for (const FShownRow& Row : Category.Rows)
			{
				if (Row.Entry->CustomRow)
				{
					for (const TSharedRef<SWidget>& Widget : GetRowWidgets(*Row.Entry->CustomRow))
					{
						Painter.Paint(*Widget);
					}
				}
				else if (Row.Entry->Group)
				{
					const bool bExpanded = Row.Entry->Group->GetExpansionState();
					Painter.AddLine((bExpanded ? TEXT("- ") : TEXT("+ ")) + Row.Entry->Group->GetDisplayName().ToString());
					FScopedTextIndent GroupIndent(Painter);
					for (const FDetailWidgetRow* GroupRow : Row.GroupRows)
					{
						for (const TSharedRef<SWidget>& Widget : GetRowWidgets(*GroupRow))
						{
							Painter.Paint(*Widget);
						}
					}
				}
				else
				{
					PaintPropertyRow(Painter, *Row.Entry);
				}
			}
		}
		return Painter.ToString();
	}

	TSharedRef<IPropertyHandle> FDetailsView::GetPropertyHandle(FName PropertyPath) const
	{
		return Layout ? Layout->GetProperty(PropertyPath) : TSharedRef<IPropertyHandle>(MakeShared<FPropertyHandleImpl>());
	}

	TArray<FString> FDetailsView::GetPropertyNames() const
	{
		TArray<FString> Names;
		for (const FShownCategory& Category : GetShownLayout(Layout.Get(), [](const FText&) { return true; }))
		{
			for (const FShownRow& Row : Category.Rows)
			{
				if (Row.Entry->Property)
				{
					Names.Add(Row.Entry->Property->GetName());
				}
			}
		}
		return Names;
	}

	TArray<FString> FDetailsView::GetCategoryNames() const
	{
		TArray<FString> Names;
		for (const FShownCategory& Category : GetShownLayout(Layout.Get(), [this](const FText& Text) { return MatchesSearch(Text); }))
		{
			Names.Add(Category.Category->GetHeading());
		}
		return Names;
	}

	TArray<FText> FDetailsView::GetRowFilterTexts(FName CategoryName) const
	{
		TArray<FText> Texts;
		if (Layout)
		{
			for (const FDetailCategoryImpl* Category : Layout->GetSortedCategories())
			{
				if (Category->GetCategoryName() == CategoryName)
				{
					for (const FDetailRowEntry* Entry : Category->GetRowsInOrder())
					{
						Texts.Add(Entry->GetFilterText());
					}
				}
			}
		}
		return Texts;
	}

	TArray<TArray<TSharedRef<SWidget>>> FDetailsView::GetShownRowWidgets() const
	{
		TArray<TArray<TSharedRef<SWidget>>> Rows;
		for (const FShownCategory& Category : GetShownLayout(Layout.Get(), [this](const FText& Text) { return MatchesSearch(Text); }))
		{
			for (const FShownRow& Row : Category.Rows)
			{
				TArray<const FDetailWidgetRow*> WidgetRows = Row.GroupRows;
				if (Row.Entry->CustomRow)
				{
					WidgetRows.Add(Row.Entry->CustomRow.Get());
				}
				for (const FDetailWidgetRow* WidgetRow : WidgetRows)
				{
					TArray<TSharedRef<SWidget>>& Widgets = Rows.AddDefaulted_GetRef();
					for (const TSharedRef<SWidget>& Widget : GetRowWidgets(*WidgetRow))
					{
						CollectWidgets(Widget, Widgets);
					}
				}
			}
		}
		return Rows;
	}

	TArray<TSharedRef<SWidget>> FDetailsView::GetShownWidgets() const
	{
		TArray<TSharedRef<SWidget>> Widgets;
		for (const TArray<TSharedRef<SWidget>>& Row : GetShownRowWidgets())
		{
			Widgets.Append(Row);
		}
		return Widgets;
	}

	TArray<FString> FDetailsView::GetButtonLabels() const
	{
		TArray<FString> Labels;
		for (const TSharedRef<SButton>& Button : FindWidgets<SButton>())
		{
			Labels.Add(GetButtonLabel(Button));
		}
		return Labels;
	}

	EDetailsViewActionResult FDetailsView::ClickButton(const FString& Label)
	{
		for (const TSharedRef<SButton>& Button : FindWidgets<SButton>())
		{
			if (GetButtonLabel(Button) == Label)
			{
				if (!Button->IsEnabled())
				{
					return EDetailsViewActionResult::Disabled;
				}
				Button->SimulateClick();
				return EDetailsViewActionResult::Done;
			}
		}
		return EDetailsViewActionResult::NotFound;
	}

	namespace
	{
		TSharedPtr<SButton> FindButton(const TArray<TSharedRef<SWidget>>& Widgets, const FString& Label)
		{
			for (const TSharedRef<SWidget>& Widget : Widgets)
			{
				if (dynamic_cast<SButton*>(Widget.Get()) && GetButtonLabel(StaticCastSharedRef<SButton>(Widget)) == Label)
				{
					return StaticCastSharedRef<SButton>(Widget);
				}
			}
			return nullptr;
		}

		// The texts a row shows outside its buttons.
		TArray<FString> GetRowTexts(const TArray<TSharedRef<SWidget>>& Widgets)
		{
			TArray<FString> Texts;
			TSet<const SWidget*> InsideButtons;
			for (const TSharedRef<SWidget>& Widget : Widgets)
			{
				if (dynamic_cast<SButton*>(Widget.Get()))
				{
					TArray<TSharedRef<SWidget>> Content;
					CollectWidgets(Widget, Content);
					for (const TSharedRef<SWidget>& Inner : Content)
					{
						InsideButtons.Add(&*Inner);
					}
				}
			}
			for (const TSharedRef<SWidget>& Widget : Widgets)
			{
				const STextBlock* Text = dynamic_cast<const STextBlock*>(Widget.Get());
				if (Text && !InsideButtons.Contains(Widget.operator->()))
				{
					Texts.Add(Text->GetText().ToString());
				}
			}
			return Texts;
		}
	}

	EDetailsViewActionResult FDetailsView::ClickButtonInRow(const FString& RowText, const FString& Label)
	{
		for (const TArray<TSharedRef<SWidget>>& Row : GetShownRowWidgets())
		{
			const TSharedPtr<SButton> Button = FindButton(Row, Label);
			if (Button && GetRowTexts(Row).Contains(RowText))
			{
				if (!Button->IsEnabled())
				{
					return EDetailsViewActionResult::Disabled;
				}
				Button->SimulateClick();
				return EDetailsViewActionResult::Done;
			}
		}
		return EDetailsViewActionResult::NotFound;
	}

	TArray<FString> FDetailsView::GetRowTextsWithButton(const FString& Label) const
	{
		TArray<FString> Texts;
		for (const TArray<TSharedRef<SWidget>>& Row : GetShownRowWidgets())
		{
			if (FindButton(Row, Label))
			{
				Texts.Add(FString::Join(GetRowTexts(Row), TEXT(" ")));
			}
		}
		return Texts;
	}

	EDetailsViewActionResult FDetailsView::PickAsset(const FString& AssetPath)
	{
		TArray<TSharedRef<SObjectPropertyEntryBox>> Pickers = FindWidgets<SObjectPropertyEntryBox>();
		if (Pickers.Num() == 0)
		{
			return EDetailsViewActionResult::NotFound;
		}
		if (!Pickers[0]->IsEnabled())
		{
			return EDetailsViewActionResult::Disabled;
		}
		return Pickers[0]->PickAsset(AssetPath) ? EDetailsViewActionResult::Done : EDetailsViewActionResult::NotFound;
	}

	EDetailsViewActionResult FDetailsView::ExpandGroup(const FString& DisplayName, bool bExpand)
	{
		for (const FShownCategory& Category : GetShownLayout(Layout.Get(), [this](const FText& Text) { return MatchesSearch(Text); }))
		{
			for (const FShownRow& Row : Category.Rows)
			{
				if (Row.Entry->Group && Row.Entry->Group->GetDisplayName().ToString() == DisplayName)
				{
					Row.Entry->Group->ToggleExpansion(bExpand);
					return EDetailsViewActionResult::Done;
				}
			}
		}
		return EDetailsViewActionResult::NotFound;
	}

	void FDetailsView::RequestRefreshOfAllViews()
	{
		for (FDetailsView* View : GetLiveViews())
		{
			View->RequestRefresh();
		}
	}
}
