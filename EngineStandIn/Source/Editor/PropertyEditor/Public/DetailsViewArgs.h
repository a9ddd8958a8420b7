#pragma once

#include "CoreMinimal.h"

/** How a details view made by the property editor module looks and behaves. */
struct FDetailsViewArgs
{
	enum ENameAreaSettings
	{
		HideNameArea,
		ObjectsUseNameArea,
		ActorsUseNameArea,
		ComponentsAndActorsUseNameArea,
	};

	/** Whether the view follows the editor's selection rather than the objects it is given. */
	bool bUpdatesFromSelection = false;
	bool bLockable = true;
	bool bAllowSearch = true;
	bool bHideSelectionTip = false;
	ENameAreaSettings NameAreaSettings = ActorsUseNameArea;
};
