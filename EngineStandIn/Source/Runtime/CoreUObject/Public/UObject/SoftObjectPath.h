#pragma once

#include "CoreMinimal.h"
#include "UObject/TopLevelAssetPath.h"
#include "SoftObjectPath.generated.h"

class UObject;

// A reference to an object by its path, which may or may not be loaded.
struct COREUOBJECT_API FSoftObjectPath
{
	FSoftObjectPath() = default;
	FSoftObjectPath(const FString& Path) { SetPath(Path); }
	FSoftObjectPath(const TCHAR* Path) { SetPath(FString(Path)); }
	FSoftObjectPath(FTopLevelAssetPath InAssetPath, FString InSubPathString = FString()) : AssetPath(InAssetPath), SubPathString(MoveTemp(InSubPathString)) {}
	FSoftObjectPath(const UObject* Object);
	FSoftObjectPath(TYPE_OF_NULLPTR) {}

	void SetPath(const FString& Path);
	void Reset()
	{
		AssetPath.Reset();
		SubPathString.Empty();
	}

	FString ToString() const;
	FString GetAssetPathString() const { return AssetPath.ToString(); }
	FTopLevelAssetPath GetAssetPath() const { return AssetPath; }
	FName GetLongPackageFName() const { return AssetPath.GetPackageName(); }
	FString GetLongPackageName() const { return AssetPath.GetPackageName().ToString(); }
	FName GetAssetFName() const { return AssetPath.GetAssetName(); }
	FString GetAssetName() const { return AssetPath.GetAssetName().ToString(); }
	const FString& GetSubPathString() const { return SubPathString; }
	bool IsValid() const { return AssetPath.IsValid(); }
	bool IsNull() const { return AssetPath.IsNull(); }
	bool IsAsset() const { return AssetPath.IsValid() && SubPathString.IsEmpty(); }

	// The object if it is loaded; never loads.
	UObject* ResolveObject() const;
	// The object, loading its package when it is not loaded yet.
	UObject* TryLoad() const;

	bool operator==(const FSoftObjectPath& Other) const { return AssetPath == Other.AssetPath && SubPathString.Equals(Other.SubPathString, ESearchCase::IgnoreCase); }
	bool operator!=(const FSoftObjectPath& Other) const { return !(*this == Other); }
	friend uint32 GetTypeHash(const FSoftObjectPath& Path) { return HashCombine(GetTypeHash(Path.AssetPath), GetTypeHash(Path.SubPathString)); }

private:
	FTopLevelAssetPath AssetPath;
	FString SubPathString;
};

/** Structure for file paths that are displayed in the editor with a picker UI. */
USTRUCT(BlueprintType)
struct FFilePath
{
	GENERATED_BODY()

	/** The path to the file. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = FilePath)
	FString FilePath;
};

/** Structure for directory paths that are displayed in the editor with a picker UI. */
USTRUCT(BlueprintType)
struct FDirectoryPath
{
	GENERATED_BODY()

	/** The path to the directory. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = Path)
	FString Path;
};
