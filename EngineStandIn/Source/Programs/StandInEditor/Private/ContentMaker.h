#pragma once

#include "CoreMinimal.h"
#include "ContentDescription.h"

struct FSlowTask;
class UClass;
class UObject;
class UPackage;

namespace UE::StandInEditor
{
	// Makes the assets of a content description as real objects and saves their packages through the
	// engine's package saving, as assets made in the editor are saved. Every asset is made before anything
	// is written, so a description that fails leaves the project as it was; a package that exists already is
	// never replaced.
	class FContentMaker
	{
	public:
		bool Make(const TArray<FAssetDescription>& Assets, FString& OutError);

		// The long package names written, in the order they were written.
		const TArray<FString>& GetSavedPackages() const { return SavedPackages; }

	private:
		struct FMadeAsset
		{
			const FAssetDescription* Description = nullptr;
			UClass* Class = nullptr;
			UObject* Asset = nullptr;
		};

		bool CheckNothingExists(const TArray<FAssetDescription>& Assets, FString& OutError) const;
		bool CreateAsset(const FAssetDescription& Description, FString& OutError);
		bool CompileBlueprint(const FMadeAsset& Made, FString& OutError);
		bool FillAsset(const FMadeAsset& Made, FString& OutError);
		bool PlaceActors(const FMadeAsset& Made, FString& OutError);
		bool SaveAll(FSlowTask& Progress, FString& OutError);

		// An asset of the description or one already in a mounted content folder.
		UObject* FindAsset(const FString& Reference) const;
		template <class T>
		bool FindReferenced(const FMadeAsset& Made, const FString& Reference, const TCHAR* What, T*& OutObject, FString& OutError) const;
		// A native class by name or path, or the class of a blueprint given by its package.
		UClass* FindClass(const FString& Name) const;

		TArray<FMadeAsset> MadeAssets;
		TMap<FString, int32> MadeByPackage;
		TArray<TPair<UPackage*, UObject*>> PackagesToSave;
		TArray<FString> SavedPackages;
	};
}
