#pragma once

#include "CoreMinimal.h"
#include "UObject/WeakObjectPtr.h"

class FDetailLayoutBuilderImpl;
struct FDetailRowEntry;
class IDetailsView;
class IPropertyHandle;
class SWidget;
class UObject;

namespace UE::StandIn
{
	class FWidgetTextPainter;

	enum class EDetailsViewActionResult : uint8
	{
		Done,
		// No visible row offers it (hidden by the search, inside a collapsed group, or not there at all).
		NotFound,
		// The button is there but disabled.
		Disabled,
	};

	/**
	 * A details view, as the editor shows one for the selected objects, without a screen: the default rows of
	 * the objects' visible properties by category, plus what the detail customizations registered for their
	 * class add. It paints itself as text and acts on its widgets as a user would. A layout asked to refresh
	 * (ForceRefreshDetails) is rebuilt on the view's next Tick, as the editor does; rebuilding makes new
	 * customizations and widgets and lets the old ones go.
	 */
	class PROPERTYEDITOR_API FDetailsView
	{
	public:
		FDetailsView();
		~FDetailsView();
		FDetailsView(const FDetailsView&) = delete;
		FDetailsView& operator=(const FDetailsView&) = delete;

		void SetObject(UObject* InObject);
		/** Shows these objects and builds the layout for them. */
		void SetObjects(const TArray<UObject*>& InObjects);

		/** Rebuilds the layout now. */
		void ForceRefresh();
		/** Asks for a rebuild on the next tick. */
		void RequestRefresh() { bRefreshRequested = true; }
		/** Runs what waits for the next tick; true when it rebuilt the layout. */
		bool Tick();
		/** How many times the layout was built. */
		int32 GetBuildCount() const { return BuildCount; }

		/** Hides the rows whose filter text does not hold every word of SearchText; empty shows all. */
		void SetSearchText(const FString& InSearchText) { SearchText = InSearchText; }

		/** The view as text: each visible category's name, then its rows' widgets indented below it. */
		FString Paint();

		/** The names of the categories shown, in their order. */
		TArray<FString> GetCategoryNames() const;
		/** The filter texts of a category's rows, in their order; a group gives its display name. */
		TArray<FText> GetRowFilterTexts(FName CategoryName) const;

		/** The handle of a shown property, as the layout's GetProperty gives it ("Data.Name"); not valid when there is none. */
		TSharedRef<IPropertyHandle> GetPropertyHandle(FName PropertyPath) const;

		/** The names of the properties with a row of their own, in paint order. */
		TArray<FString> GetPropertyNames() const;

		/** The labels of the shown buttons, in paint order. */
		TArray<FString> GetButtonLabels() const;
		/** Clicks the first shown button with this label. */
		EDetailsViewActionResult ClickButton(const FString& Label);
		/** Clicks the button with this label in the first shown row that has a text block showing exactly RowText. */
		EDetailsViewActionResult ClickButtonInRow(const FString& RowText, const FString& Label);
		/** For each shown row that holds a button with this label, the texts it shows beside it; for messages. */
		TArray<FString> GetRowTextsWithButton(const FString& Label) const;
		/** Chooses an asset in the first shown asset picker: a package name or object path the picker offers. */
		EDetailsViewActionResult PickAsset(const FString& AssetPath);
		/** Expands (or collapses) the shown group with this display name. */
		EDetailsViewActionResult ExpandGroup(const FString& DisplayName, bool bExpand = true);

		/** Every shown widget of the given type, in paint order; for tests that look closer than the text. */
		template <class WidgetType>
		TArray<TSharedRef<WidgetType>> FindWidgets() const
		{
			TArray<TSharedRef<WidgetType>> Result;
			for (const TSharedRef<SWidget>& Widget : GetShownWidgets())
			{
				if (dynamic_cast<WidgetType*>(Widget.Get()))
				{
					Result.Add(StaticCastSharedRef<WidgetType>(Widget));
				}
			}
			return Result;
		}

		/** Asks every live details view to rebuild on its next tick. */
		static void RequestRefreshOfAllViews();

	private:
		void PaintPropertyRow(FWidgetTextPainter& Painter, const FDetailRowEntry& Entry) const;
		TArray<TSharedRef<SWidget>> GetShownWidgets() const;
		/** The widgets of each shown row, a group's rows each counting as one. */
		TArray<TArray<TSharedRef<SWidget>>> GetShownRowWidgets() const;
		bool MatchesSearch(const FText& FilterText) const;

		TArray<TWeakObjectPtr<UObject>> Objects;
		TSharedPtr<FDetailLayoutBuilderImpl> Layout;
		FString SearchText;
		int32 BuildCount = 0;
		bool bRefreshRequested = false;
	};

	/** The view behind a details view that the property editor module made, to draw it and act on it. */
	PROPERTYEDITOR_API FDetailsView& GetStandInView(IDetailsView& DetailsView);
}
