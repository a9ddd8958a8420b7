#include "CookedPackageWriter.h"

#include "CookOnTheSide/CookOnTheFlyServer.h"
#include "Misc/FileHelper.h"
#include "StandIn/StringConv.h"

namespace UE::Cook::Private
{
	namespace
	{
		using FJson = nlohmann::ordered_json;

		FJson MemberOr(const FJson& Document, const char* Member, FJson Default)
		{
			return Document.contains(Member) ? Document[Member] : Default;
		}

		// Each file names its package, so that whoever reads the cooked output can tell where a file came from.
		FJson CookedHeader(const FCookedPackage& Package)
		{
			const FJson& Document = *Package.PackageDocument;
			FJson Exports = FJson::array();
			for (const FJson& Object : MemberOr(Document, "Objects", FJson::array()))
			{
				Exports.push_back({{"Name", MemberOr(Object, "Name", "")}, {"Class", MemberOr(Object, "Class", "")}, {"Outer", MemberOr(Object, "Outer", -1)}});
			}
			return {
				{"Format", "UnrealStandInCookedPackage"},
				{"Version", 1},
				{"PackageName", UE::StandIn::ToUtf8(Package.PackageName.ToString())},
				{"Platform", UE::StandIn::ToUtf8(Package.PlatformName)},
				{"Exports", Exports},
				{"Imports", MemberOr(Document, "Imports", FJson::array())},
				{"SoftReferences", MemberOr(Document, "SoftReferences", FJson::array())}};
		}

		FJson CookedExports(const FCookedPackage& Package)
		{
			return {
				{"Format", "UnrealStandInCookedExports"},
				{"PackageName", UE::StandIn::ToUtf8(Package.PackageName.ToString())},
				{"Objects", MemberOr(*Package.PackageDocument, "Objects", FJson::array())}};
		}

		FJson CookedBulkData(const FCookedPackage& Package)
		{
			FJson Objects = FJson::array();
			for (const FString& Object : Package.BulkDataObjects)
			{
				Objects.push_back(UE::StandIn::ToUtf8(Object));
			}
			return {
				{"Format", "UnrealStandInCookedBulkData"},
				{"PackageName", UE::StandIn::ToUtf8(Package.PackageName.ToString())},
				{"Objects", Objects}};
		}

		FString ToText(const FJson& Json)
		{
			return UE::StandIn::FromUtf8(Json.dump(1, '\t') + "\n");
		}

		bool WriteText(const FString& Text, const FString& Path)
		{
			if (FFileHelper::SaveStringToFile(Text, *Path, FFileHelper::EEncodingOptions::ForceUTF8WithoutBOM))
			{
				return true;
			}
			UE_LOG(LogCook, Error, TEXT("Unable to write the cooked file %s"), *Path);
			return false;
		}

		// The store is one document: the files of every cooked package, by their path in the platform's folder.
		bool WriteToStore(const FString& StorePath, const FString& PlatformName, const TArray<TPair<FString, FString>>& Files)
		{
			FJson Store;
			TArray<uint8> Bytes;
			if (FFileHelper::LoadFileToArray(Bytes, *StorePath, FILEREAD_Silent))
			{
				Store = FJson::parse(Bytes.GetData(), Bytes.GetData() + Bytes.Num(), nullptr, false);
			}
			if (!Store.is_object() || !Store.contains("Files") || !Store["Files"].is_object())
			{
				Store = {{"Format", "UnrealStandInZenStore"}, {"Version", 1}, {"Platform", UE::StandIn::ToUtf8(PlatformName)}, {"Files", FJson::object()}};
			}
			for (const TPair<FString, FString>& File : Files)
			{
				Store["Files"][UE::StandIn::ToUtf8(File.Key)] = UE::StandIn::ToUtf8(File.Value);
			}
			return WriteText(ToText(Store), StorePath);
		}
	}

	bool WriteCookedPackage(const FString& PlatformDir, const FCookedPackage& Package, bool bUseZenStore)
	{
		TArray<TPair<FString, FString>> Files;
		Files.Emplace(Package.RelativePathBase + Package.HeaderExtension, ToText(CookedHeader(Package)));
		Files.Emplace(Package.RelativePathBase + TEXT(".uexp"), ToText(CookedExports(Package)));
		if (Package.bHasBulkData)
		{
			Files.Emplace(Package.RelativePathBase + TEXT(".ubulk"), ToText(CookedBulkData(Package)));
		}
		if (bUseZenStore)
		{
			return WriteToStore(PlatformDir + TEXT("ue.projectstore"), Package.PlatformName, Files);
		}
		bool bWritten = true;
		for (const TPair<FString, FString>& File : Files)
		{
			bWritten &= WriteText(File.Value, PlatformDir + File.Key);
		}
		return bWritten;
	}
}
