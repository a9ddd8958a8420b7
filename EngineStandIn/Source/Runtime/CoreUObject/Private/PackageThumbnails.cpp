#include "PackageThumbnails.h"

#include "Misc/Base64.h"
#include "Misc/FileHelper.h"
#include "PackageLoader.h"
#include "StandIn/PackageThumbnails.h"

namespace UE::StandIn
{
	void WriteThumbnails(FThumbnailMap& Thumbnails, FJsonTextWriter& Document)
	{
		FJson Entries = FJson::array();
		for (TPair<FName, FObjectThumbnail>& Entry : Thumbnails)
		{
			FObjectThumbnail& Thumbnail = Entry.Value;
			if (Thumbnail.IsEmpty())
			{
				continue;
			}
			if (Thumbnail.AccessCompressedImageData().Num() == 0)
			{
				Thumbnail.CompressImageData();
			}
			Entries.push_back({{"ObjectFullName", ToJsonString(Entry.Key.ToString())},
							   {"ImageWidth", Thumbnail.GetImageWidth()},
							   {"ImageHeight", Thumbnail.GetImageHeight()},
							   {"CompressedImageData", ToJsonString(FBase64::Encode(Thumbnail.AccessCompressedImageData()))}});
		}
		if (!Entries.empty())
		{
			Document.Key("Thumbnails");
			Document.Value(Entries);
		}
	}

	bool ReadThumbnails(const FJson& Document, FThumbnailMap& OutThumbnails, FString& OutError)
	{
		if (!Document.contains("Thumbnails"))
		{
			return true;
		}
		FThumbnailMap Read;
		const FJson& Entries = Document["Thumbnails"];
		if (!Entries.is_array())
		{
			OutError = TEXT("its thumbnail list is not an array");
			return false;
		}
		for (const FJson& Entry : Entries)
		{
			if (!Entry.is_object() || !Entry.contains("ObjectFullName") || !Entry["ObjectFullName"].is_string() || !Entry.contains("ImageWidth")
				|| !Entry["ImageWidth"].is_number_integer() || !Entry.contains("ImageHeight") || !Entry["ImageHeight"].is_number_integer()
				|| !Entry.contains("CompressedImageData") || !Entry["CompressedImageData"].is_string())
			{
				OutError = TEXT("a thumbnail has no object name, size or image");
				return false;
			}
			const int64 Width = Entry["ImageWidth"].get<int64>();
			const int64 Height = Entry["ImageHeight"].get<int64>();
			if (Width <= 0 || Height <= 0 || Width * Height > 16384ll * 16384)
			{
				OutError = TEXT("a thumbnail has an impossible size");
				return false;
			}
			FObjectThumbnail Thumbnail;
			Thumbnail.SetImageSize(static_cast<int32>(Width), static_cast<int32>(Height));
			if (!FBase64::Decode(FromJsonString(Entry["CompressedImageData"].get<std::string>()), Thumbnail.AccessCompressedImageData()))
			{
				OutError = TEXT("a thumbnail's image is not Base64");
				return false;
			}
			Read.Add(FName(*FromJsonString(Entry["ObjectFullName"].get<std::string>())), MoveTemp(Thumbnail));
		}
		for (TPair<FName, FObjectThumbnail>& Entry : Read)
		{
			OutThumbnails.Add(Entry.Key, MoveTemp(Entry.Value));
		}
		return true;
	}

	bool LoadThumbnailsFromPackageFile(const FString& Filename, FThumbnailMap& OutThumbnails)
	{
		FString Text;
		if (!FFileHelper::LoadFileToString(Text, *Filename))
		{
			return false;
		}
		const FJson Document = FJson::parse(ToJsonString(Text), nullptr, false);
		if (Document.is_discarded() || !Document.is_object() || !Document.contains("Format") || Document["Format"] != PackageFormatTag)
		{
			return false;
		}
		FString Error;
		return ReadThumbnails(Document, OutThumbnails, Error);
	}
}
