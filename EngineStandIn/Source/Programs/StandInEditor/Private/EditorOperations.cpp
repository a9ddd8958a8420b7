#include "EditorOperations.h"

#include "StandIn/CookContent.h"
#include "Z4Package.h"

namespace UE::StandInEditor
{
	const TArray<FEditorOperation>& GetEditorOperations()
	{
		static const TArray<FEditorOperation> Operations = {
			{TEXT("ApplyCookSettings"), TEXT("Apply Cook Settings"), [](UZ4Package& Package) { Package.ApplyCookSettings(); }, nullptr},
			{TEXT("CookContent"), TEXT("Cook Content for Windows"), nullptr, []() { UE::StandIn::CookContent(TEXT("Windows")); }},
		};
		return Operations;
	}

	const FEditorOperation* FindEditorOperation(const FString& Name)
	{
		return GetEditorOperations().FindByPredicate([&Name](const FEditorOperation& Operation) { return Name.Equals(Operation.Name, ESearchCase::IgnoreCase); });
	}

	FString ListEditorOperationNames()
	{
		FString List;
		for (const FEditorOperation& Operation : GetEditorOperations())
		{
			List += (List.IsEmpty() ? TEXT("") : TEXT(", ")) + FString(Operation.Name);
		}
		return List.IsEmpty() ? FString(TEXT("none in this build")) : List;
	}
}
