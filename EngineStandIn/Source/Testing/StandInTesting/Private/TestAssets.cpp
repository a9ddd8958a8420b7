#include "StandIn/TestAssets.h"

#include "Misc/PackageName.h"
#include "StandIn/StringConv.h"
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

namespace UE::StandIn
{
	FString WriteTestPackage(const FTestPackage& Package)
	{
		using FJson = nlohmann::ordered_json;
		TArray<FTestPackageObject> Objects = Package.Objects;
		if (Objects.Num() == 0)
		{
			Objects.Add({FPackageName::GetShortName(Package.PackageName), Package.ClassPath});
		}

		FJson Document;
		Document["Format"] = "UnrealStandInPackage";
		Document["Version"] = 1;
		Document["PackageName"] = ToUtf8(Package.PackageName);
		Document["Objects"] = FJson::array();
		for (const FTestPackageObject& Object : Objects)
		{
			Document["Objects"].push_back({{"Name", ToUtf8(Object.Name)}, {"Class", ToUtf8(Object.ClassPath)}, {"Outer", Object.Outer}, {"Flags", Object.Flags}, {"Properties", FJson::object()}});
		}
		auto ToJsonArray = [](const TArray<FString>& Names)
		{
			FJson Array = FJson::array();
			for (const FString& Name : Names)
			{
				Array.push_back(ToUtf8(Name));
			}
			return Array;
		};
		Document["Imports"] = ToJsonArray(Package.Imports);
		Document["SoftReferences"] = ToJsonArray(Package.SoftReferences);

		const FTestPackageObject* FirstAsset = Objects.FindByPredicate([](const FTestPackageObject& Object) { return Object.Outer == -1; });
		const bool bIsMap = FirstAsset && FirstAsset->ClassPath == TEXT("/Script/Engine.World");
		const FString Filename = FPackageName::LongPackageNameToFilename(Package.PackageName,
			bIsMap ? FPackageName::GetMapPackageExtension() : FPackageName::GetAssetPackageExtension());
		const std::filesystem::path Path(ToUtf8(Filename));
		std::filesystem::create_directories(Path.parent_path());
		std::ofstream(Path, std::ios::binary | std::ios::trunc) << Document.dump(1, '\t');
		return Filename;
	}
}
