#pragma once

#include "CoreMinimal.h"

class AActor;

namespace UE::StandInEditor
{
	class FEditorConsole;

	// The level editor without a viewport: the level open in it, actors placed from the placement mode's items, the
	// outliner's labels and the editor's console. Each action is false, with one line saying why, when the editor
	// does not offer what is asked for.
	class FEditorLevel
	{
	public:
		explicit FEditorLevel(FEditorConsole& InConsole);
		~FEditorLevel();
		FEditorLevel(const FEditorLevel&) = delete;
		FEditorLevel& operator=(const FEditorLevel&) = delete;

		// File > Open Level, by long package name.
		bool Open(const FString& PackageName, FString& OutError);
		// Drags "Tab/Item" of the placement mode into the level, such as "Quillon/Recommended Settings".
		bool Place(const FString& TabAndItem, FString& OutError);
		// The actor with this label in the outliner.
		AActor* Select(const FString& Label, FString& OutError);
		// A line typed into the editor's console; what it prints is shown.
		void RunConsoleCommand(const FString& Command);
		// File > Save Current Level.
		bool Save(FString& OutError);

	private:
		bool CheckOpen(const TCHAR* Option, FString& OutError) const;

		FEditorConsole& Console;
	};
}
