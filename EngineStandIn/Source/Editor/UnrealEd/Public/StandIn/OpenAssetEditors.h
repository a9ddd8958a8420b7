#pragma once

#include "CoreMinimal.h"

class FAssetEditorToolkit;
class UObject;

namespace UE::StandIn
{
	/** The asset editors open in the editor, oldest first; the editor keeps each alive until it closes. */
	UNREALED_API TArray<TSharedRef<FAssetEditorToolkit>> GetOpenAssetEditors();

	/** The open asset editors that edit Asset. */
	UNREALED_API TArray<TSharedRef<FAssetEditorToolkit>> FindEditorsForAsset(const UObject* Asset);

	/** Closes every open asset editor, as the editor does when it shuts down. */
	UNREALED_API void CloseAllAssetEditors();

	namespace Private
	{
		void AddOpenAssetEditor(const TSharedRef<FAssetEditorToolkit>& Editor);
		bool RemoveOpenAssetEditor(const FAssetEditorToolkit& Editor);
	}
}
