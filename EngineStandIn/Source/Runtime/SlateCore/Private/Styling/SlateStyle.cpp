#include "Styling/SlateStyle.h"
#include "Brushes/SlateImageBrush.h"
#include "Misc/Paths.h"

DEFINE_LOG_CATEGORY_STATIC(LogSlateStyle, Log, All);

FSlateStyleSet::FSlateStyleSet(const FName& InStyleSetName)
	: StyleSetName(InStyleSetName)
	, DefaultBrush(new FSlateImageBrush(FPaths::EngineContentDir() / TEXT("Slate/Checkerboard.png"), FVector2f(16.0f, 16.0f),
										FLinearColor::White, ESlateBrushTileType::Both))
{
}

FSlateStyleSet::~FSlateStyleSet()
{
	for (const TPair<FName, FSlateBrush*>& Entry : BrushResources)
	{
		delete Entry.Value;
	}
	delete DefaultBrush;
}

const FName& FSlateStyleSet::GetStyleSetName() const
{
	return StyleSetName;
}

void FSlateStyleSet::GetResources(TArray<const FSlateBrush*>& OutResources) const
{
	for (const TPair<FName, FSlateBrush*>& Entry : BrushResources)
	{
		OutResources.Add(Entry.Value);
	}
}

FString FSlateStyleSet::GetContentRootDir() const
{
	return ContentRootDir;
}

void FSlateStyleSet::SetContentRoot(const FString& InContentRootDir)
{
	ContentRootDir = InContentRootDir;
}

void FSlateStyleSet::SetCoreContentRoot(const FString& InCoreContentRootDir)
{
	CoreContentRootDir = InCoreContentRootDir;
}

FString FSlateStyleSet::RootToContentDir(const ANSICHAR* RelativePath, const TCHAR* Extension)
{
	return RootToContentDir(FString(RelativePath), Extension);
}

FString FSlateStyleSet::RootToContentDir(const WIDECHAR* RelativePath, const TCHAR* Extension)
{
	return RootToContentDir(FString(RelativePath), Extension);
}

FString FSlateStyleSet::RootToContentDir(const FString& RelativePath, const TCHAR* Extension)
{
	return (ContentRootDir / RelativePath) + Extension;
}

FString FSlateStyleSet::RootToContentDir(const ANSICHAR* RelativePath)
{
	return ContentRootDir / FString(RelativePath);
}

FString FSlateStyleSet::RootToContentDir(const WIDECHAR* RelativePath)
{
	return ContentRootDir / FString(RelativePath);
}

FString FSlateStyleSet::RootToContentDir(const FString& RelativePath)
{
	return ContentRootDir / RelativePath;
}

FString FSlateStyleSet::RootToCoreContentDir(const ANSICHAR* RelativePath, const TCHAR* Extension)
{
	return RootToCoreContentDir(FString(RelativePath), Extension);
}

FString FSlateStyleSet::RootToCoreContentDir(const WIDECHAR* RelativePath, const TCHAR* Extension)
{
	return RootToCoreContentDir(FString(RelativePath), Extension);
}

FString FSlateStyleSet::RootToCoreContentDir(const FString& RelativePath, const TCHAR* Extension)
{
	return (CoreContentRootDir / RelativePath) + Extension;
}

FName FSlateStyleSet::Join(const FName PropertyName, const ANSICHAR* Specifier)
{
	if (!Specifier)
	{
		return PropertyName;
	}
	return FName(PropertyName.ToString() + FString(Specifier));
}

const FSlateBrush* FSlateStyleSet::GetBrush(const FName PropertyName, const ANSICHAR* Specifier,
											const ISlateStyle* RequestingStyle) const
{
	const FName StyleName = Join(PropertyName, Specifier);
	if (FSlateBrush* const* Found = BrushResources.Find(StyleName))
	{
		return *Found;
	}
	UE_LOG(LogSlateStyle, Warning, TEXT("Unable to find Slate brush '%s' in style set '%s'."), *StyleName.ToString(),
		   *StyleSetName.ToString());
	return GetDefaultBrush();
}

const FSlateBrush* FSlateStyleSet::GetOptionalBrush(const FName PropertyName, const ANSICHAR* Specifier,
													const FSlateBrush* const InDefaultBrush) const
{
	if (FSlateBrush* const* Found = BrushResources.Find(Join(PropertyName, Specifier)))
	{
		return *Found;
	}
	return InDefaultBrush;
}

const FSlateBrush* FSlateStyleSet::GetDefaultBrush() const
{
	return DefaultBrush;
}

void FSlateStyleSet::SetBrush(const FName PropertyName, FSlateBrush* InBrush)
{
	if (FSlateBrush** Existing = BrushResources.Find(PropertyName))
	{
		if (*Existing != InBrush)
		{
			delete *Existing;
		}
		*Existing = InBrush;
		return;
	}
	BrushResources.Add(PropertyName, InBrush);
}
