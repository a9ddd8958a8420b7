#pragma once

#include "CoreMinimal.h"

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

		// Each is false, with one line saying why, when the panel does not offer what is asked for.
		bool Click(const FString& Label, FString& OutError);
		bool Pick(const FString& AssetPath, FString& OutError);
		void Search(const FString& Text);

		// Runs the view's deferred rebuild and draws the panel again when it rebuilt.
		void Tick();

	private:
		void Draw();

		FEditorConsole& Console;
		UE::StandIn::FDetailsView* View = nullptr;
	};
}
