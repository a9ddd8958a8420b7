#include "ContentDescription.h"

#include "Misc/PackageName.h"
#include "StandIn/StringConv.h"

#include <nlohmann/json.hpp>

namespace UE::StandInEditor
{
	namespace
	{
		using FJson = nlohmann::json;

		const char* KnownKeys[] = {"Class", "Package", "References", "SoftReferences", "Skeleton", "ParentClass", "Actors", "ExternalActors", "Name"};

		bool ReadString(const FJson& Entry, const char* Key, FString& Out, const FString& Label, FString& OutError)
		{
			const auto Found = Entry.find(Key);
			if (Found == Entry.end())
			{
				return true;
			}
			if (!Found->is_string() || Found->get<std::string>().empty())
			{
				OutError = FString::Printf(TEXT("%s: \"%hs\" must be a non-empty string"), *Label, Key);
				return false;
			}
			Out = UE::StandIn::FromUtf8(Found->get<std::string>());
			return true;
		}

		bool ReadStrings(const FJson& Entry, const char* Key, TArray<FString>& Out, const FString& Label, FString& OutError)
		{
			const auto Found = Entry.find(Key);
			if (Found == Entry.end())
			{
				return true;
			}
			if (!Found->is_array())
			{
				OutError = FString::Printf(TEXT("%s: \"%hs\" must be an array of strings"), *Label, Key);
				return false;
			}
			for (const FJson& Item : *Found)
			{
				if (!Item.is_string() || Item.get<std::string>().empty())
				{
					OutError = FString::Printf(TEXT("%s: \"%hs\" must be an array of strings"), *Label, Key);
					return false;
				}
				Out.Add(UE::StandIn::FromUtf8(Item.get<std::string>()));
			}
			return true;
		}

		bool ReadEntry(const FJson& Entry, int32 Index, FAssetDescription& Out, FString& OutError)
		{
			Out.Label = FString::Printf(TEXT("entry %d"), Index + 1);
			if (!Entry.is_object())
			{
				OutError = FString::Printf(TEXT("%s is not an object"), *Out.Label);
				return false;
			}
			if (!ReadString(Entry, "Package", Out.PackageName, Out.Label, OutError))
			{
				return false;
			}
			if (Out.PackageName.IsEmpty())
			{
				OutError = FString::Printf(TEXT("%s has no \"Package\""), *Out.Label);
				return false;
			}
			Out.Label += FString::Printf(TEXT(" (%s)"), *Out.PackageName);
			for (auto Item = Entry.begin(); Item != Entry.end(); ++Item)
			{
				if (std::find_if(std::begin(KnownKeys), std::end(KnownKeys), [&Item](const char* Key) { return Item.key() == Key; }) == std::end(KnownKeys))
				{
					OutError = FString::Printf(TEXT("%s: unknown key \"%s\""), *Out.Label, *UE::StandIn::FromUtf8(Item.key()));
					return false;
				}
			}
			if (!ReadString(Entry, "Class", Out.ClassName, Out.Label, OutError) || !ReadStrings(Entry, "References", Out.References, Out.Label, OutError)
				|| !ReadStrings(Entry, "SoftReferences", Out.SoftReferences, Out.Label, OutError) || !ReadString(Entry, "Skeleton", Out.Skeleton, Out.Label, OutError)
				|| !ReadString(Entry, "ParentClass", Out.ParentClass, Out.Label, OutError) || !ReadStrings(Entry, "Actors", Out.Actors, Out.Label, OutError)
				|| !ReadStrings(Entry, "ExternalActors", Out.ExternalActors, Out.Label, OutError) || !ReadString(Entry, "Name", Out.PublicName, Out.Label, OutError))
			{
				return false;
			}
			if (Out.ClassName.IsEmpty())
			{
				OutError = FString::Printf(TEXT("%s has no \"Class\""), *Out.Label);
				return false;
			}
			FText Reason;
			if (!FPackageName::IsValidLongPackageName(Out.PackageName, false, &Reason) || !Out.PackageName.StartsWith(TEXT("/Game/")))
			{
				OutError = FString::Printf(TEXT("%s: \"Package\" must be a long package name under /Game/, such as /Game/MyPack/SM_Rock"), *Out.Label);
				return false;
			}
			return true;
		}
	}

	bool ParseContentDescription(const FString& Text, TArray<FAssetDescription>& OutAssets, FString& OutError)
	{
		OutAssets.Reset();
		FJson Document;
		try
		{
			Document = FJson::parse(UE::StandIn::ToUtf8(Text));
		}
		catch (const FJson::parse_error& Error)
		{
			// The library's message starts with its own tag: "[json.exception.parse_error.101] parse error at line 3, ...".
			std::string Message = Error.what();
			const size_t TagEnd = Message.find("] ");
			OutError = TEXT("it is not valid JSON: ") + UE::StandIn::FromUtf8(TagEnd == std::string::npos ? Message : Message.substr(TagEnd + 2));
			return false;
		}
		if (!Document.is_object() || !Document.contains("Assets") || !Document["Assets"].is_array())
		{
			OutError = TEXT("it has no \"Assets\" array");
			return false;
		}
		TSet<FString> Seen;
		for (int32 Index = 0; Index < (int32)Document["Assets"].size(); ++Index)
		{
			FAssetDescription& Asset = OutAssets.AddDefaulted_GetRef();
			if (!ReadEntry(Document["Assets"][Index], Index, Asset, OutError))
			{
				return false;
			}
			if (Seen.Contains(Asset.PackageName))
			{
				OutError = FString::Printf(TEXT("%s: the package is described twice"), *Asset.Label);
				return false;
			}
			Seen.Add(Asset.PackageName);
		}
		return true;
	}
}
