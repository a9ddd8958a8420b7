#include "Z4Package.h"

#include "Animation/AnimBlueprint.h"
#include "Engine/Blueprint.h"
#include "Engine/SkeletalMesh.h"
#include "Engine/StaticMesh.h"
#include "Engine/Texture2D.h"
#include "Engine/World.h"
#include "Misc/Guid.h"
#include "Misc/Paths.h"
#include "UObject/Package.h"

FZ4PackageData::FZ4PackageData()
	: PackId(FGuid::NewGuid().ToString(EGuidFormats::Digits).Left(6))
{
}

const FZ4Asset* FZ4PackageData::GetAsset(int32 Index) const
{
	return Assets.IsValidIndex(Index) ? &Assets[Index] : nullptr;
}

UZ4Package::UZ4Package()
	: PackageFolder(FPaths::GetPath(GetPackage()->GetPathName()))
{
}

EZ4AssetType UZ4Package::GetAssetType(const UClass* Class)
{
	if (Class == UWorld::StaticClass())
	{
		return EZ4AssetType::Level;
	}
	if (Class == UStaticMesh::StaticClass())
	{
		return EZ4AssetType::Mesh;
	}
	if (Class == UBlueprint::StaticClass())
	{
		return EZ4AssetType::Actor;
	}
	if (Class == USkeletalMesh::StaticClass())
	{
		return EZ4AssetType::Skeleton;
	}
	return EZ4AssetType::E_NONE;
}

bool UZ4Package::IsPackageClass(const UClass* Class)
{
	return Class && (Class->IsChildOf(UWorld::StaticClass()) || Class->IsChildOf(UStaticMesh::StaticClass()) || Class->IsChildOf(UBlueprint::StaticClass())
		|| Class->IsChildOf(USkeletalMesh::StaticClass()) || Class->IsChildOf(UAnimBlueprint::StaticClass()));
}

bool UZ4Package::IsSpawnableType(const UClass* Class)
{
	return Class && (Class == UStaticMesh::StaticClass() || Class->IsChildOf(UBlueprint::StaticClass()));
}

bool UZ4Package::IsCustomAsset(FString PackageName)
{
	if (!PackageName.StartsWith(TEXT("/Game/"), ESearchCase::IgnoreCase))
	{
		return false;
	}
	for (const TCHAR* Reserved : {TEXT("/Game/DIZEzerizidu/"), TEXT("/Game/Components/"), TEXT("/Game/Default/")})
	{
		if (PackageName.StartsWith(Reserved, ESearchCase::IgnoreCase))
		{
			return false;
		}
	}
	return true;
}

FName UZ4Package::RemoveClassPrefix(FName AssetName, const UClass* Class)
{
	const TCHAR* Prefix = nullptr;
	if (Class == UWorld::StaticClass())
	{
		Prefix = TEXT("L_");
	}
	else if (Class == UStaticMesh::StaticClass())
	{
		Prefix = TEXT("SM_");
	}
	else if (Class == UBlueprint::StaticClass())
	{
		Prefix = TEXT("BP_");
	}
	if (!Prefix)
	{
		return AssetName;
	}
	const FString Name = AssetName.ToString();
	if (!Name.StartsWith(Prefix, ESearchCase::IgnoreCase))
	{
		return AssetName;
	}
	return FName(*Name.RightChop(FCString::Strlen(Prefix)));
}
