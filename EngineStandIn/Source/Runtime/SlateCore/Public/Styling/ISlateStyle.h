#pragma once

#include "CoreMinimal.h"
#include "Styling/StyleDefaults.h"

struct FSlateBrush;

/** A named set of Slate style entries, looked up by name. */
class ISlateStyle
{
public:
	ISlateStyle() = default;
	virtual ~ISlateStyle() = default;

	ISlateStyle(const ISlateStyle&) = delete;
	ISlateStyle& operator=(const ISlateStyle&) = delete;

	virtual const FName& GetStyleSetName() const = 0;

	/** Every brush the style owns. */
	virtual void GetResources(TArray<const FSlateBrush*>& OutResources) const = 0;

	virtual FString GetContentRootDir() const = 0;

	/** The brush of that name (with the specifier appended), or the style's default brush when there is none. */
	virtual const FSlateBrush* GetBrush(const FName PropertyName, const ANSICHAR* Specifier = nullptr,
										const ISlateStyle* RequestingStyle = nullptr) const = 0;

	/** The brush of that name (with the specifier appended), or DefaultBrush when there is none. */
	virtual const FSlateBrush* GetOptionalBrush(const FName PropertyName, const ANSICHAR* Specifier = nullptr,
												const FSlateBrush* const DefaultBrush = FStyleDefaults::GetNoBrush()) const = 0;

	virtual const FSlateBrush* GetDefaultBrush() const = 0;
};
