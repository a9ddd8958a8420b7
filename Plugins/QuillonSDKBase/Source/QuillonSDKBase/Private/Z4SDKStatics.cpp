#include "Z4SDKStatics.h"

#include "Engine/World.h"
#include "Misc/PackageName.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/SavePackage.h"

FSavePackageResultStruct UZ4SDKStatics::SaveAsset(UObject* Asset)
{
	if (!Asset)
	{
		return ESavePackageResult::Error;
	}
	UPackage* Package = Asset->GetPackage();
	const FString PackageName = Package->GetName();
	const FString& Extension = Asset->IsA<UWorld>() ? FPackageName::GetMapPackageExtension() : FPackageName::GetAssetPackageExtension();
	const FString FileName = FPackageName::LongPackageNameToFilename(PackageName, Extension);
	const FSavePackageArgs SaveArgs;
	return UPackage::Save(Package, Asset, *FileName, SaveArgs);
}

FTopLevelAssetPath UZ4SDKStatics::TryConvertShortTypeNameToPathName(FName ShortTypeName)
{
	FTopLevelAssetPath Result;
	if (ShortTypeName.IsNone())
	{
		return Result;
	}
	Result = UClass::TryConvertShortTypeNameToPathName<UStruct>(ShortTypeName.ToString(), ELogVerbosity::Warning, TEXT("AssetRegistry using deprecated function"));
	if (Result.IsNull())
	{
		UE_LOG(LogClass, Error, TEXT("Failed to convert short class name %s to class path name."), *ShortTypeName.ToString());
	}
	return Result;
}
