#pragma once

#include "CoreMinimal.h"

namespace UE::StandInEditor
{
	class FEditorConsole;

	// Draws one of the editor's surfaces as text: "ContentBrowser:/Game/MyPack" (the filter menu's categories and the
	// folder's assets with their type labels), "NewAssetMenu" (the content browser's Add menu by category) or
	// "Placement" (the placement mode's tabs and items). False, with one line saying why, for anything else.
	bool ShowSurface(const FString& What, FEditorConsole& Console, FString& OutError);
}
