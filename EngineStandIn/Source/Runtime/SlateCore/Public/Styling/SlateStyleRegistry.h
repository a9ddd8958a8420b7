#pragma once

#include "CoreMinimal.h"
#include "Templates/Function.h"

class ISlateStyle;
struct FSlateBrush;

/** The styles Slate knows by name; widgets and icons find their brushes through it. */
class SLATECORE_API FSlateStyleRegistry
{
public:
	/** Adds a style; its name must not be registered already. */
	static void RegisterSlateStyle(const ISlateStyle& InSlateStyle);

	static void UnRegisterSlateStyle(const ISlateStyle& InSlateStyle);

	static void UnRegisterSlateStyle(const FName StyleSetName);

	/** The style registered under that name, or null. */
	static const ISlateStyle* FindSlateStyle(const FName& InSlateStyleName);

	static bool IterateAllStyles(const TFunctionRef<bool(const ISlateStyle&)>& Iter);

	static void GetAllResources(TArray<const FSlateBrush*>& OutResources);

private:
	static TMap<FName, const ISlateStyle*>& Repository();
};
