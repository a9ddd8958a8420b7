#pragma once

#include "CoreMinimal.h"
#include "Templates/Function.h"

class UZ4Package;

namespace UE::StandInEditor
{
	// What -Run can do: the package's public operations, called as its details panel's buttons call them,
	// and the editor's own menu commands a creator uses on the way to a pak.
	struct FEditorOperation
	{
		// The name given to -Run and the label the editor shows.
		const TCHAR* Name;
		const TCHAR* Label;
		// Null for the editor's own commands, which need no package.
		TFunction<void(UZ4Package&)> RunOnPackage;
		TFunction<void()> RunInEditor;
	};

	const TArray<FEditorOperation>& GetEditorOperations();
	const FEditorOperation* FindEditorOperation(const FString& Name);
	// "AddAllAssets, RemoveAllAssets, ...", for messages.
	FString ListEditorOperationNames();
}
