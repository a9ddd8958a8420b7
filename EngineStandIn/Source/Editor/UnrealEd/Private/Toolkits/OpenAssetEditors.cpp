#include "StandIn/OpenAssetEditors.h"
#include "Toolkits/AssetEditorToolkit.h"

namespace UE::StandIn
{
	namespace
	{
		TArray<TSharedRef<FAssetEditorToolkit>>& OpenEditors()
		{
			static TArray<TSharedRef<FAssetEditorToolkit>> Editors;
			return Editors;
		}
	}

	TArray<TSharedRef<FAssetEditorToolkit>> GetOpenAssetEditors()
	{
		return OpenEditors();
	}

	TArray<TSharedRef<FAssetEditorToolkit>> FindEditorsForAsset(const UObject* Asset)
	{
		TArray<TSharedRef<FAssetEditorToolkit>> Result;
		for (const TSharedRef<FAssetEditorToolkit>& Editor : OpenEditors())
		{
			if (Editor->GetEditingObjects().Contains(Asset))
			{
				Result.Add(Editor);
			}
		}
		return Result;
	}

	void CloseAllAssetEditors()
	{
		// Closing an editor takes it off the list, so close from a copy.
		const TArray<TSharedRef<FAssetEditorToolkit>> Editors = OpenEditors();
		for (const TSharedRef<FAssetEditorToolkit>& Editor : Editors)
		{
			Editor->CloseWindow(EAssetEditorCloseReason::CloseAllAssetEditors);
		}
		OpenEditors().Reset();
	}

	namespace Private
	{
		void AddOpenAssetEditor(const TSharedRef<FAssetEditorToolkit>& Editor)
		{
			OpenEditors().AddUnique(Editor);
		}

		bool RemoveOpenAssetEditor(const FAssetEditorToolkit& Editor)
		{
			return OpenEditors().RemoveAll([&Editor](const TSharedRef<FAssetEditorToolkit>& Open) { return &*Open == &Editor; }) > 0;
		}
	}
}
