#include "FileHelpers.h"

#include "Engine/World.h"
#include "Misc/Paths.h"
#include "StandIn/EditorWorld.h"
#include "Misc/PackageName.h"
#include "UObject/Package.h"
#include "UObject/SavePackage.h"
#include "UObject/UObjectHash.h"

DEFINE_LOG_CATEGORY_STATIC(LogFileHelpers, Log, All);

bool FEditorFileUtils::SaveDirtyPackages(const bool bPromptUserToSave, const bool bSaveMapPackages, const bool bSaveContentPackages,
										 const bool bFastSave, const bool bNotifyNoPackagesSaved, const bool bCanBeDeclined,
										 bool* bOutPackagesNeededSaving)
{
	TArray<UObject*> Packages;
	GetObjectsOfClass(UPackage::StaticClass(), Packages);
	bool bAllSaved = true;
	bool bAnyDirty = false;
	for (UObject* Object : Packages)
	{
		UPackage* Package = static_cast<UPackage*>(Object);
		// Packages made for the session only (transient, or outside a mounted content folder) are never saved.
		if (!Package->IsDirty() || Package->HasAnyFlags(RF_Transient) || !FPackageName::IsValidLongPackageName(Package->GetName()))
		{
			continue;
		}
		UObject* Asset = Package->FindAssetInPackage();
		const bool bIsMap = Asset && Asset->IsA<UWorld>();
		if (!Asset || (bIsMap ? !bSaveMapPackages : !bSaveContentPackages))
		{
			continue;
		}
		bAnyDirty = true;
		const FString Filename = FPackageName::LongPackageNameToFilename(Package->GetName(), bIsMap ? FPackageName::GetMapPackageExtension() : FPackageName::GetAssetPackageExtension());
		if (UPackage::Save(Package, Asset, *Filename, FSavePackageArgs()).IsSuccessful())
		{
			UE_LOG(LogFileHelpers, Log, TEXT("Saved %s"), *Package->GetName());
		}
		else
		{
			UE_LOG(LogFileHelpers, Error, TEXT("%s could not be saved to %s."), *Package->GetName(), *Filename);
			bAllSaved = false;
		}
	}
	if (bOutPackagesNeededSaving)
	{
		*bOutPackagesNeededSaving = bAnyDirty;
	}
	return bAllSaved;
}

bool FEditorFileUtils::LoadMap(const FString& Filename, bool LoadAsTemplate, bool bShowProgress)
{
	FString PackageName = Filename;
	if (!FPackageName::IsValidLongPackageName(PackageName) && !FPackageName::TryConvertFilenameToLongPackageName(Filename, PackageName))
	{
		UE_LOG(LogFileHelpers, Error, TEXT("%s is not a map of a mounted content folder."), *Filename);
		return false;
	}
	const FString MapFile = FPackageName::LongPackageNameToFilename(PackageName, FPackageName::GetMapPackageExtension());
	if (!FPaths::FileExists(MapFile))
	{
		UE_LOG(LogFileHelpers, Error, TEXT("There is no map %s (no file %s)."), *PackageName, *FPaths::ConvertRelativePathToFull(MapFile));
		return false;
	}
	const FString ObjectPath = PackageName + TEXT(".") + FPackageName::GetShortName(PackageName);
	UWorld* World = Cast<UWorld>(StaticLoadObject(UWorld::StaticClass(), nullptr, *ObjectPath));
	if (!World)
	{
		UE_LOG(LogFileHelpers, Error, TEXT("The map %s could not be loaded."), *PackageName);
		return false;
	}
	UE::StandIn::SetEditorWorld(World);
	return true;
}

bool FEditorFileUtils::SaveCurrentLevel()
{
	UWorld* World = UE::StandIn::GetEditorWorld();
	if (!World)
	{
		return false;
	}
	UPackage* Package = World->GetPackage();
	const FString Filename = FPackageName::LongPackageNameToFilename(Package->GetName(), FPackageName::GetMapPackageExtension());
	if (!UPackage::Save(Package, World, *Filename, FSavePackageArgs()).IsSuccessful())
	{
		UE_LOG(LogFileHelpers, Error, TEXT("The level %s could not be saved to %s."), *Package->GetName(), *Filename);
		return false;
	}
	return true;
}
