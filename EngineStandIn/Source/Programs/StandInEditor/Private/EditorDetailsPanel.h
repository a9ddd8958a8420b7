#pragma once

#include "CoreMinimal.h"

class IDetailsView;
class IPropertyHandle;
class UObject;
class UZ4Package;

namespace UE::StandIn
{
	class FDetailsView;
}

namespace UE::StandInEditor
{
	class FEditorConsole;

	// A package open in its asset editor, as a double click in the content browser opens it, with the details
	// panel drawn on the console and acted on as a creator would. The editor stays open until this goes.
	class FEditorDetailsPanel
	{
	public:
		explicit FEditorDetailsPanel(FEditorConsole& InConsole);
		~FEditorDetailsPanel();
		FEditorDetailsPanel(const FEditorDetailsPanel&) = delete;
		FEditorDetailsPanel& operator=(const FEditorDetailsPanel&) = delete;

		// False, with one line saying why, when the package's editor shows no details view.
		bool Open(UZ4Package& Package, FString& OutError);
		// Shows an object (a selected actor) in a details view of its own, as the level editor's details panel does;
		// the actions below act on it from then on.
		void ShowObject(UObject& Object, const FString& Name);
		// Closes the package's editor and the other views, as the editor does before reloading a plug-in.
		void Close();

		// Each is false, with one line saying why, when the panel does not offer what is asked for.
		// "Label" clicks the button of that label; "Label:Text" the one in the row that shows Text, such as
		// "Remove:/Game/Pack/SM_Chair".
		bool Click(const FString& Label, FString& OutError);
		bool Pick(const FString& AssetPath, FString& OutError);
		void Search(const FString& Text);
		// "Data.Name=My Pack": sets a shown property through its row's handle, as typing into the row does;
		// "Data.Assets[1].Tags=(Wood,Chair)" reaches into an array. Refuses a read-only property, a value that is no
		// value of the property's type and a size change of a fixed-size array.
		bool SetProperty(const FString& Assignment, FString& OutError);

		// Runs the view's deferred rebuild and draws the panel again when it rebuilt, or when a selected actor's
		// values changed.
		void Tick();

	private:
		TSharedPtr<IPropertyHandle> FindPropertyHandle(const FString& Path, FString& OutError) const;
		bool ClickInRow(const FString& Label, const FString& RowText, FString& OutError);
		void Draw();

		FEditorConsole& Console;
		UE::StandIn::FDetailsView* View = nullptr;
		bool bAssetEditorOpen = false;
		TSharedPtr<IDetailsView> SelectionView;
		FString LastDrawn;
	};
}
