#pragma once

#include "CoreMinimal.h"
#include "Styling/ISlateStyle.h"
#include "Styling/SlateBrush.h"

/** A style set that owns its brushes; its image files are named relative to a content root. */
class SLATECORE_API FSlateStyleSet : public ISlateStyle
{
public:
	explicit FSlateStyleSet(const FName& InStyleSetName);
	virtual ~FSlateStyleSet() override;

	virtual const FName& GetStyleSetName() const override;
	virtual void GetResources(TArray<const FSlateBrush*>& OutResources) const override;
	virtual FString GetContentRootDir() const override;

	virtual void SetContentRoot(const FString& InContentRootDir);
	virtual void SetCoreContentRoot(const FString& InCoreContentRootDir);

	/** The content root joined with RelativePath, then Extension appended as it is (it carries its own dot). */
	virtual FString RootToContentDir(const ANSICHAR* RelativePath, const TCHAR* Extension);
	virtual FString RootToContentDir(const WIDECHAR* RelativePath, const TCHAR* Extension);
	virtual FString RootToContentDir(const FString& RelativePath, const TCHAR* Extension);
	virtual FString RootToContentDir(const ANSICHAR* RelativePath);
	virtual FString RootToContentDir(const WIDECHAR* RelativePath);
	virtual FString RootToContentDir(const FString& RelativePath);

	virtual FString RootToCoreContentDir(const ANSICHAR* RelativePath, const TCHAR* Extension);
	virtual FString RootToCoreContentDir(const WIDECHAR* RelativePath, const TCHAR* Extension);
	virtual FString RootToCoreContentDir(const FString& RelativePath, const TCHAR* Extension);

	virtual const FSlateBrush* GetBrush(const FName PropertyName, const ANSICHAR* Specifier = nullptr,
										const ISlateStyle* RequestingStyle = nullptr) const override;
	virtual const FSlateBrush* GetOptionalBrush(const FName PropertyName, const ANSICHAR* Specifier = nullptr,
												const FSlateBrush* const DefaultBrush = FStyleDefaults::GetNoBrush()) const override;
	virtual const FSlateBrush* GetDefaultBrush() const override;

	/** Adds a brush under a name; the style set owns it from then on and deletes one it replaces. */
	template <typename BrushType>
	void Set(const FName PropertyName, BrushType* InBrush)
	{
		SetBrush(PropertyName, InBrush);
	}

protected:
	void SetBrush(const FName PropertyName, FSlateBrush* InBrush);
	static FName Join(const FName PropertyName, const ANSICHAR* Specifier);

	FName StyleSetName;
	FString ContentRootDir;
	FString CoreContentRootDir;
	TMap<FName, FSlateBrush*> BrushResources;
	FSlateBrush* DefaultBrush;
};
