#include "Styling/SlateStyleRegistry.h"
#include "Styling/ISlateStyle.h"

TMap<FName, const ISlateStyle*>& FSlateStyleRegistry::Repository()
{
	static TMap<FName, const ISlateStyle*> Styles;
	return Styles;
}

void FSlateStyleRegistry::RegisterSlateStyle(const ISlateStyle& InSlateStyle)
{
	const FName& SlateStyleName = InSlateStyle.GetStyleSetName();
	check(!SlateStyleName.IsNone());
	checkf(!FindSlateStyle(SlateStyleName), TEXT("A Slate style named '%s' is registered already"), *SlateStyleName.ToString());
	Repository().Add(SlateStyleName, &InSlateStyle);
}

void FSlateStyleRegistry::UnRegisterSlateStyle(const ISlateStyle& InSlateStyle)
{
	UnRegisterSlateStyle(InSlateStyle.GetStyleSetName());
}

void FSlateStyleRegistry::UnRegisterSlateStyle(const FName StyleSetName)
{
	Repository().Remove(StyleSetName);
}

const ISlateStyle* FSlateStyleRegistry::FindSlateStyle(const FName& InSlateStyleName)
{
	const ISlateStyle* const* Found = Repository().Find(InSlateStyleName);
	return Found ? *Found : nullptr;
}

bool FSlateStyleRegistry::IterateAllStyles(const TFunctionRef<bool(const ISlateStyle&)>& Iter)
{
	for (const TPair<FName, const ISlateStyle*>& Entry : Repository())
	{
		if (!Iter(*Entry.Value))
		{
			return false;
		}
	}
	return true;
}

void FSlateStyleRegistry::GetAllResources(TArray<const FSlateBrush*>& OutResources)
{
	for (const TPair<FName, const ISlateStyle*>& Entry : Repository())
	{
		Entry.Value->GetResources(OutResources);
	}
}
