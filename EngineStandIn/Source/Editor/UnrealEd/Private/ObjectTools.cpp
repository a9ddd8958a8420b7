#include "ObjectTools.h"

#include "Animation/AnimBlueprint.h"
#include "Engine/Blueprint.h"
#include "GameFramework/Actor.h"
#include "Misc/ObjectThumbnail.h"
#include "Misc/PackageName.h"
#include "StandIn/PackageThumbnails.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

namespace
{
	// The editor renders 256 pixels square; a smaller picture looks the same to every caller and keeps the
	// thumbnails of large projects small in memory.
	constexpr int32 ThumbnailSize = 64;
	constexpr int32 CellSize = 8;

	uint32 HashText(const FString& Text)
	{
		uint32 Hash = 2166136261u;
		for (const TCHAR Char : Text)
		{
			Hash = (Hash ^ uint32(Char)) * 16777619u;
		}
		return Hash;
	}

	// What a thumbnail renderer could show: a blueprint shows its actor; a blueprint of anything else shows nothing.
	bool CanVisualizeAsset(const UObject* Object)
	{
		if (const UBlueprint* Blueprint = Cast<const UBlueprint>(Object); Blueprint && !Blueprint->IsA(UAnimBlueprint::StaticClass()))
		{
			const UClass* GeneratedClass = Blueprint->GeneratedClass.Get();
			return GeneratedClass && GeneratedClass->IsChildOf(AActor::StaticClass());
		}
		return true;
	}

	// A picture that tells assets apart the way a rendered one does: a colour per class, a pattern per asset.
	void RenderThumbnail(const UObject* Object, FObjectThumbnail& OutThumbnail)
	{
		const uint32 ClassHash = HashText(Object->GetClass()->GetPathName());
		const uint32 NameHash = HashText(Object->GetName());
		const uint8 Background[4] = {uint8(64 + (ClassHash & 127)), uint8(64 + ((ClassHash >> 8) & 127)), uint8(64 + ((ClassHash >> 16) & 127)), 255};
		const uint8 Foreground[4] = {uint8(255 - Background[0] / 2), uint8(255 - Background[1] / 2), uint8(255 - Background[2] / 2), 255};

		OutThumbnail.SetImageSize(ThumbnailSize, ThumbnailSize);
		TArray<uint8>& Pixels = OutThumbnail.AccessImageData();
		Pixels.SetNum(ThumbnailSize * ThumbnailSize * 4);
		constexpr int32 Cells = ThumbnailSize / CellSize;
		for (int32 Y = 0; Y < ThumbnailSize; ++Y)
		{
			for (int32 X = 0; X < ThumbnailSize; ++X)
			{
				// Mirrored left to right, as an identicon, from 4 x 8 bits of the name's hash.
				const int32 CellX = X / CellSize < Cells / 2 ? X / CellSize : Cells - 1 - X / CellSize;
				const int32 CellY = Y / CellSize;
				const uint32 Bit = (CellY * (Cells / 2) + CellX) % 32;
				const uint8* Colour = ((NameHash >> Bit) & 1) ? Foreground : Background;
				uint8* Pixel = &Pixels[(Y * ThumbnailSize + X) * 4];
				for (int32 Channel = 0; Channel < 4; ++Channel)
				{
					Pixel[Channel] = Colour[Channel];
				}
			}
		}
		OutThumbnail.MarkAsDirty();
	}

	FString ObjectPathOfFullName(const FString& FullName)
	{
		int32 Space = INDEX_NONE;
		return FullName.FindChar(TEXT(' '), Space) ? FullName.RightChop(Space + 1) : FString();
	}
}

namespace ThumbnailTools
{
	FObjectThumbnail* GenerateThumbnailForObjectToSaveToDisk(UObject* InObject)
	{
		if (!InObject || !CanVisualizeAsset(InObject))
		{
			return nullptr;
		}
		FObjectThumbnail Thumbnail;
		RenderThumbnail(InObject, Thumbnail);
		FThumbnailMap& Thumbnails = InObject->GetPackage()->AccessThumbnailMap();
		return &Thumbnails.Add(FName(*InObject->GetFullName()), MoveTemp(Thumbnail));
	}

	bool AssetHasCustomThumbnail(const FString& InAssetDataFullName, FObjectThumbnail& OutThumbnail)
	{
		const FName FullName(*InAssetDataFullName);
		const FString PackageName = FPackageName::ObjectPathToPackageName(ObjectPathOfFullName(InAssetDataFullName));
		if (PackageName.IsEmpty())
		{
			return false;
		}
		UPackage* Package = FindPackage(nullptr, *PackageName);
		if (Package && Package->HasThumbnailMap())
		{
			const FObjectThumbnail* Cached = Package->GetThumbnailMap().Find(FullName);
			if (Cached && !Cached->IsEmpty())
			{
				OutThumbnail = *Cached;
				return true;
			}
		}
		FString Filename;
		FThumbnailMap Saved;
		if (!FPackageName::DoesPackageExist(PackageName, &Filename) || !UE::StandIn::LoadThumbnailsFromPackageFile(Filename, Saved))
		{
			return false;
		}
		const FObjectThumbnail* Found = Saved.Find(FullName);
		if (!Found || Found->IsEmpty())
		{
			return false;
		}
		OutThumbnail = *Found;
		return true;
	}
}
