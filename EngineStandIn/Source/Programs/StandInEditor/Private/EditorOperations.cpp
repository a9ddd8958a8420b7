#include "EditorOperations.h"

#include "StandIn/CookContent.h"
#include "Z4Package.h"

namespace UE::StandInEditor
{
	const TArray<FEditorOperation>& GetEditorOperations()
	{
		// In the order a creator goes from a folder of assets to a listed pak.
		static const TArray<FEditorOperation> Operations = {
			{TEXT("AddAllAssets"), TEXT("Add All Assets"), TEXT("adds the levels, meshes and blueprints of the package's folder"),
			 [](UZ4Package& Package) { Package.FindAllAssets(); }, nullptr},
			{TEXT("RemoveAllAssets"), TEXT("Remove All Assets"), TEXT("empties the package, once confirmed"),
			 [](UZ4Package& Package) { Package.RemoveAllAssets(); }, nullptr},
			{TEXT("FindDependencies"), TEXT("Find Dependencies"), TEXT("finds what the main assets need, and what lies outside the folder"),
			 [](UZ4Package& Package) { Package.FindAllDependencies(); }, nullptr},
			{TEXT("CopyDependencies"), TEXT("Copy Dependencies"), TEXT("copies the outside dependencies into the folder's CopiedAssets"),
			 [](UZ4Package& Package) { Package.CopyDependencies(); }, nullptr},
			{TEXT("ApplyCookSettings"), TEXT("Apply Cook Settings"), TEXT("puts the package on the project's cook lists"),
			 [](UZ4Package& Package) { Package.ApplyCookSettings(); }, nullptr},
			{TEXT("CookContent"), TEXT("Cook Content for Windows"), TEXT("the editor's menu command: cooks the project's cook lists"),
			 nullptr, []() { UE::StandIn::CookContent(TEXT("Windows")); }},
			{TEXT("CookAssets"), TEXT("Cook Assets"), TEXT("cooks the package's own files for Windows"),
			 [](UZ4Package& Package) { Package.CookAssets(); }, nullptr},
			{TEXT("MakePakFile"), TEXT("Make Pak File"), TEXT("packs the cooked files into <Project>/Paks/<Name>.pak"),
			 [](UZ4Package& Package) { Package.MakePakFile(); }, nullptr},
			{TEXT("LogPakFile"), TEXT("Log Pak File"), TEXT("lists the files in the package's pak"),
			 [](UZ4Package& Package) { Package.LogPakFile(); }, nullptr},
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
