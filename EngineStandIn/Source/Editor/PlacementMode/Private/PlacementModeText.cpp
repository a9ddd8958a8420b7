#include "StandIn/PlacementModeText.h"
#include "IPlacementModeModule.h"
#include "StandIn/SlateImageFile.h"
#include "Styling/ISlateStyle.h"
#include "Styling/SlateBrush.h"
#include "Textures/SlateIcon.h"
#include <algorithm>

namespace UE::StandIn
{
	namespace
	{
		FString DrawIcon(const FSlateIcon& Icon)
		{
			if (!Icon.IsSet())
			{
				return TEXT("no icon");
			}
			FString Text = FString::Printf(TEXT("icon %s/%s"), *Icon.GetStyleSetName().ToString(), *Icon.GetStyleName().ToString());
			const ISlateStyle* Style = Icon.GetStyleSet();
			if (!Style)
			{
				return Text + TEXT(" (not drawn: no style set of that name is registered)");
			}
			const FSlateBrush* Brush = Style->GetOptionalBrush(Icon.GetStyleName(), nullptr, nullptr);
			if (!Brush)
			{
				return Text + TEXT(" (not drawn: the style set has no brush of that name)");
			}
			FSlateImageFileInfo Image;
			FString Error;
			if (!ReadBrushImage(*Brush, Image, Error))
			{
				return Text + FString::Printf(TEXT(" (not drawn: %s)"), *Error);
			}
			const FVector2f Size = Brush->GetImageSize();
			return Text + FString::Printf(TEXT(" (%gx%g, from a %dx%d PNG)"), Size.X, Size.Y, Image.Width, Image.Height);
		}
	}

	FString DrawPlacementMode()
	{
		if (!IPlacementModeModule::IsAvailable())
		{
			return TEXT("The placement mode is not loaded.\n");
		}
		IPlacementModeModule& PlacementMode = IPlacementModeModule::Get();
		TArray<FPlacementCategoryInfo> Categories;
		PlacementMode.GetSortedCategories(Categories);
		FString Text = TEXT("Placement mode\n");
		for (const FPlacementCategoryInfo& Category : Categories)
		{
			const FText& Label = Category.ShortDisplayName.IsEmpty() ? Category.DisplayName : Category.ShortDisplayName;
			Text += FString::Printf(TEXT("  [%s]  sort order %d, tag %s, %s\n"), *Label.ToString(), Category.SortOrder,
									*Category.TagMetaData, *DrawIcon(Category.DisplayIcon));
			TArray<TSharedPtr<FPlaceableItem>> Items;
			PlacementMode.GetItemsForCategory(Category.UniqueHandle, Items);
			if (Category.bSortable)
			{
				// As the tab lists them: by sort order where one is given (those first), then by name.
				std::stable_sort(Items.GetData(), Items.GetData() + Items.Num(),
								 [](const TSharedPtr<FPlaceableItem>& A, const TSharedPtr<FPlaceableItem>& B)
								 {
									 if (A->SortOrder.IsSet() != B->SortOrder.IsSet())
									 {
										 return A->SortOrder.IsSet();
									 }
									 if (A->SortOrder.IsSet() && A->SortOrder.GetValue() != B->SortOrder.GetValue())
									 {
										 return A->SortOrder.GetValue() < B->SortOrder.GetValue();
									 }
									 return A->DisplayName.ToString().Compare(B->DisplayName.ToString(), ESearchCase::IgnoreCase) < 0;
								 });
			}
			for (const TSharedPtr<FPlaceableItem>& Item : Items)
			{
				Text += FString::Printf(TEXT("      %s  (%s)\n"), *Item->DisplayName.ToString(), *Item->AssetData.GetObjectPathString());
			}
		}
		return Text;
	}
}
