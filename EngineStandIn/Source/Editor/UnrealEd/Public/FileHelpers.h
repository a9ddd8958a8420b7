#pragma once

#include "CoreMinimal.h"

/** The editor's file commands: File > Save All and the saving of levels. */
class UNREALED_API FEditorFileUtils
{
public:
	/**
	 * File > Save All: saves every dirty package of the chosen kinds (maps, content) to its file. Without the prompt,
	 * as here, nothing is asked. True when every package it tried to save was saved; bOutPackagesNeededSaving says
	 * whether any was dirty.
	 */
	static bool SaveDirtyPackages(const bool bPromptUserToSave, const bool bSaveMapPackages, const bool bSaveContentPackages,
								  const bool bFastSave = false, const bool bNotifyNoPackagesSaved = false,
								  const bool bCanBeDeclined = true, bool* bOutPackagesNeededSaving = nullptr);

	/**
	 * File > Open Level: loads the map (a .umap file or its long package name) and makes it the editor's world.
	 * False, with an error logged, when there is no such map or it cannot be loaded.
	 */
	static bool LoadMap(const FString& Filename, bool LoadAsTemplate = false, bool bShowProgress = true);

	/** File > Save Current Level: saves the editor world's package to its file. */
	static bool SaveCurrentLevel();
};
