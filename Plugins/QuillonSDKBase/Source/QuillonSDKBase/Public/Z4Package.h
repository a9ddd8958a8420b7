#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/ObjectPtr.h"
#include "Z4PackageFinding.h"
#include "Z4SDKTypes.h"
#include "Z4Package.generated.h"

class FAssetRegistryModule;
class FZ4DependencyQueryCache;
class UTexture2D;
struct FAssetData;

/** Holds data on an individual asset stored in a .pak / Z4Package */
USTRUCT(BlueprintType)
struct QUILLONSDKBASE_API FZ4Asset
{
	GENERATED_BODY()

	UPROPERTY()
	FName AssetName;

	UPROPERTY()
	FString ObjectPath;

	UPROPERTY()
	UClass* Class = nullptr;

	UPROPERTY(EditDefaultsOnly, Category = "Asset")
	FName Name;

	UPROPERTY(EditDefaultsOnly, Category = "Asset")
	TObjectPtr<UTexture2D> Thumbnail;

	/**
	 * If true, asset will not be available to access by players manually in the client build
	 * (but the file will still be contained in the package, and copies of it can exist in levels)
	 */
	UPROPERTY(EditDefaultsOnly, Category = "Asset")
	bool bExclude = false;

	UPROPERTY(EditDefaultsOnly, Category = "Asset")
	TArray<FName> Tags;
};

/** Struct to hold all actual package data (so it can be saved) */
USTRUCT(BlueprintType)
struct QUILLONSDKBASE_API FZ4PackageData
{
	GENERATED_BODY()

	FZ4PackageData();

	/** The entry at Index, or null when there is none. Valid until Assets next changes. */
	const FZ4Asset* GetAsset(int32 Index) const;

	UPROPERTY(EditDefaultsOnly, Category = "Private Metadata")
	FString PackId;

	UPROPERTY(EditDefaultsOnly, Category = "Public Metadata")
	FName Name;

	UPROPERTY(EditDefaultsOnly, Category = "Public Metadata")
	float Version = 0.1f;

	UPROPERTY(EditDefaultsOnly, Category = "Public Metadata")
	TObjectPtr<UTexture2D> Thumbnail;

	/**
	 * If false, this Z4Package was auto-generated in the client because the .pak file
	 * it relates to was not created with the SDK.
	 */
	UPROPERTY(BlueprintReadOnly, Category = "Public Metadata")
	bool bIsPakedInSDK = true;

	/**
	 * "Main Assets" added deliberately to the pack by the creator
	 * May not include all assets actually in the pack file due to asset references
	 */
	UPROPERTY(EditDefaultsOnly, EditFixedSize, Category = "Asset Data", meta = (TitleProperty = "Name"))
	TArray<FZ4Asset> Assets;

	UPROPERTY()
	TMap<FName, int32> AssetsIndexMap;

	UPROPERTY(EditDefaultsOnly, EditFixedSize, Category = "Asset Data")
	TMap<FName, FZ4SkeletalMesh> Skeletons;

	UPROPERTY(EditDefaultsOnly, EditFixedSize, Category = "Asset Data")
	TMap<FName, FZ4AnimationInstance> Animations;
};

USTRUCT()
struct QUILLONSDKBASE_API FZ4ReferenceList
{
	GENERATED_BODY()

	// Runtime only: a loaded package knows which packages it depends on, not which main assets reach them.
	TSet<FName> References;
};

/** Package bundles of assets for use in Quillon VTT */
UCLASS(Blueprintable, BlueprintType)
class QUILLONSDKBASE_API UZ4Package : public UObject
{
	GENERATED_BODY()

public:
	UZ4Package();

	static EZ4AssetType GetAssetType(const UClass* Class);
	static bool IsPackageClass(const UClass* Class);
	static bool IsSpawnableType(const UClass* Class);
	static bool IsCustomAsset(FString PackageName);
	static FName RemoveClassPrefix(FName AssetName, const UClass* Class);

	/**
	 * Whether the long package name Name is the folder Folder or lies in it or below it, ignoring letter case: the
	 * folder /Game/Pack holds /Game/Pack/SM_Rock and /Game/Pack/Sub/SM_Rock, but not /Game/Pack2/SM_Rock.
	 */
	static bool IsInFolder(const FString& Name, const FString& Folder);

	/**
	 * Takes PackageFolder from the package's current place. The creator may have moved or renamed the package asset
	 * since it was loaded; every public operation, and the details panel, calls this before using the folder.
	 */
	void UpdatePackageFolder();

#if WITH_EDITOR
	/**
	 * Starts a cook by the book, for Windows, of the export set and returns at once: the editor ticks the cook to its
	 * end, which is when the cooked files are there to pack.
	 */
	void CookAssets();
#endif

#if WITH_EDITOR
	/**
	 * Puts the package's levels and folder on the project's cook lists, writes the packaging settings to the
	 * project's configuration and makes sure static lighting is allowed, offering an editor restart when it was not.
	 */
	void ApplyCookSettings();
#endif

#if WITH_EDITOR
	/**
	 * Packs the Windows-cooked files of the export set: warns about outside dependencies and uncooked files,
	 * writes the pak manifest and starts the pak tool on it without waiting. A notification tells the creator
	 * later whether the pak was made with every file of the manifest.
	 */
	void MakePakFile();

	/** Opens a console that lists the package's pak with the pak tool. */
	void LogPakFile();

	/**
	 * "Check Package": looks for what would make the pak incomplete, stale or surprising (outside dependencies,
	 * referenced engine content, missing packages, redirectors, uncooked and stale cooked files, paths too long for
	 * Windows, shared shader code, thumbnails sharing a name, the pak's name). Logs each finding and returns them,
	 * errors first. Changes nothing.
	 */
	TArray<FZ4PackageFinding> CheckPackage();
#endif

#if WITH_EDITOR
	/**
	 * Gathers the dependencies of every main asset again from the asset registry, from empty maps: Dependencies
	 * with the main assets that reach each one, ExternalDependencies with those outside the package's folder.
	 * Saves the package.
	 */
	void FindAllDependencies();
#endif

#if WITH_EDITOR
	/**
	 * "Add All Assets": adds every level, static mesh, blueprint, skeletal mesh and animation blueprint of the
	 * package's folder and its subfolders that is not in the package yet, then tells the subscribers and saves.
	 */
	void FindAllAssets();

	/** Adds one asset (from the details panel's asset picker) and saves the package. */
	void AddAsset(FAssetData AssetData);
#endif

#if WITH_EDITOR
	/** "Remove All Assets": after the creator confirms, empties the asset list and the dependency records and saves. */
	void RemoveAllAssets();

	/**
	 * Takes the main asset that Asset names out of the package and saves it. Dependencies that other main assets still
	 * reach stay, and so does the asset itself when another main asset references it.
	 */
	void RemoveAsset(FZ4Asset* Asset);
#endif

#if WITH_EDITOR
	/** Copies the outside dependencies into the package folder's CopiedAssets and points the package at the copies. */
	void CopyDependencies();
#endif

	UPROPERTY(EditDefaultsOnly, Category = "Package")
	FZ4PackageData Data;

#if WITH_EDITORONLY_DATA
	/** Assets we depend on that are not user-selected "main" assets */
	UPROPERTY()
	TMap<FName, FZ4ReferenceList> Dependencies;

	/** Asset dependencies that are outside the package's folder */
	UPROPERTY()
	TMap<FName, int32> ExternalDependencies;
#endif

	FString PackageFolder;

#if WITH_EDITORONLY_DATA
	/** What the last "Check Package" found, for the details panel; not saved. */
	TArray<FZ4PackageFinding> LastCheckFindings;
#endif

	FSimpleMulticastDelegate OnPackageChanged;

private:
	/** The engine's asset registry module, loaded on first use. */
	static FAssetRegistryModule& AssetRegistryModule();

#if WITH_EDITOR
	/**
	 * Records the packages reachable from MainAsset as its dependencies, depth first: each custom package that is on
	 * disk goes into Dependencies, and those outside the package's folder into ExternalDependencies with the depth of
	 * their last listing. The walk goes through each package once.
	 */
	void FindAssetDependencies(FName MainAsset);

	/**
	 * The walk's step through the package that the operation's query cache numbers Asset, which lists its
	 * dependencies at Depth; Root is the number of MainAsset.
	 */
	void FindAssetDependencies(FName MainAsset, int32 Root, int32 Asset, int32 Depth);

	/** Withdraws MainAsset from the dependencies reachable from Asset, dropping those that no main asset reaches now. */
	void RemoveAssetDependencies(FName MainAsset, FName Asset, TSet<FName>& Visited);

	/** Empties both dependency maps and walks every main asset again; does not save. */
	void RebuildAllDependencies();

	/** RemoveAsset without the save. Asset may point into Data.Assets. */
	void RemoveAsset_Internal(FZ4Asset* Asset);

	/** The registry's answers shared by the walks of the running operation; null between operations. */
	FZ4DependencyQueryCache* DependencyQueryCache = nullptr;
#endif

#if WITH_EDITOR
	/** Adds one asset with its thumbnail, skeleton or animation entry and dependencies; does not save. */
	void AddAsset_Internal(FAssetData AssetData);

	/** Renders the editor thumbnail of Object, writes it to FilePath as PNG and imports that; null when any step fails. */
	static UObject* SaveThumbnail(UObject* Object, FString FilePath);

	/** Imports one file into the folder it lies in with the editor's asset tools; the first imported object or null. */
	static UObject* ImportAsset(FString FilePath);
#endif

#if WITH_EDITOR
	/** The export of MakePakFile once the creator has accepted the outside dependencies; Findings go into its report. */
	void MakePakFileInternal(TArray<FZ4PackageFinding> Findings);

	/** The findings of CheckPackage, without logging them. */
	TArray<FZ4PackageFinding> GatherFindings();

	/**
	 * Asks the creator about the errors among Findings that Make Pak File's own dialogs do not ask about; true when
	 * there are none or the creator packages anyway.
	 */
	bool ConfirmProblemsBeforePacking(const TArray<FZ4PackageFinding>& Findings) const;
#endif

#if WITH_EDITOR
	/**
	 * The export set: the packages whose files go into the pak, in order and with repeats kept. The main assets, their
	 * dependencies, the package itself, then the creator's own thumbnails (the assets', then the package's).
	 */
	void GetExportAssets(TArray<FName>& OutPackageNames) const;

	/** Appends the asset registry's records of the export set's packages, in the registry's order. */
	void GetExportAssets(TArray<FAssetData>& OutAssets) const;
#endif
};
