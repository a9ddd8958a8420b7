#include "QuillonEditorStyle.h"
#include "Brushes/SlateImageBrush.h"
#include "Misc/Paths.h"
#include "Styling/SlateStyle.h"
#include "Styling/SlateStyleRegistry.h"

TSharedPtr<FSlateStyleSet> FQuillonEditorStyle::StyleSet;

void FQuillonEditorStyle::Initialize()
{
	if (StyleSet.IsValid())
	{
		return;
	}
	StyleSet = MakeShareable(new FSlateStyleSet(TEXT("QuillonEditorStyle")));
	// The icon is found only where a creator installs the plug-in: the project's Plugins/QuillonSDKBase.
	StyleSet->SetContentRoot(FPaths::ProjectPluginsDir() / TEXT("QuillonSDKBase/Resources"));
	StyleSet->Set(TEXT("QuillonActor.Icon"), new FSlateImageBrush(StyleSet->RootToContentDir(TEXT("QuillonIcon"), TEXT(".png")), FVector2D(40.0, 40.0)));
	FSlateStyleRegistry::RegisterSlateStyle(*StyleSet);
}

void FQuillonEditorStyle::Shutdown()
{
	if (StyleSet.IsValid())
	{
		FSlateStyleRegistry::UnRegisterSlateStyle(*StyleSet);
		StyleSet.Reset();
	}
}

const ISlateStyle& FQuillonEditorStyle::Get()
{
	check(StyleSet.IsValid());
	return *StyleSet;
}
