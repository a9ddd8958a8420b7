#pragma once

#include "CoreMinimal.h"

/** The editor's miscellany singleton; here it only restarts the editor. */
class FUnrealEdMisc
{
public:
	static UNREALED_API FUnrealEdMisc& Get();

	/**
	 * Restarts the editor, reopening the current project. bWarn first offers to save unsaved work. Here the
	 * request is recorded (StandIn/EditorRestart.h) and logged; the headless editor ends on it.
	 */
	UNREALED_API void RestartEditor(bool bWarn = true, const TOptional<FString>& NewCommandLine = TOptional<FString>());

private:
	FUnrealEdMisc() = default;
};
