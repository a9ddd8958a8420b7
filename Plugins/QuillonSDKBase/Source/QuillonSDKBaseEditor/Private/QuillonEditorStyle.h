#pragma once

#include "CoreMinimal.h"

class FSlateStyleSet;
class ISlateStyle;

/** The plug-in's Slate style set "QuillonEditorStyle": the icon of its placement-mode tab. */
class FQuillonEditorStyle
{
public:
	/** Creates, fills and registers the style set; does nothing when it exists already. */
	static void Initialize();

	/** Unregisters and releases the style set, if there is one. */
	static void Shutdown();

	/** The style set; Initialize must have made it. */
	static const ISlateStyle& Get();

private:
	static TSharedPtr<FSlateStyleSet> StyleSet;
};
