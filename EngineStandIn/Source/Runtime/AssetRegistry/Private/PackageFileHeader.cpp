#include "PackageFileHeader.h"

#include "AssetRegistry/IAssetRegistry.h"
#include "Misc/FileHelper.h"
#include "Misc/PackageName.h"
#include "StandIn/StringConv.h"
#include "UObject/ObjectMacros.h"

#include <nlohmann/json.hpp>
#include <utility>
#include <vector>

namespace UE::AssetRegistry::Private
{
	namespace
	{
		using FJson = nlohmann::json;
		using UE::StandIn::FromUtf8;

		// The package format the engine saves (see the loader): a tag and a version before anything else.
		constexpr const char* PackageFormatTag = "UnrealStandInPackage";
		constexpr int32 PackageFormatVersion = 1;

		/**
		 * Builds the document of a package file in memory without the parts a header never needs: property
		 * values, struct descriptions and thumbnails, which are nearly all of a large package, are read past
		 * without being kept, as the engine reads a package's summary and tables without its exports' data.
		 */
		class FHeaderDocumentBuilder
		{
		public:
			FJson Document;

			bool null() { return Add(nullptr); }
			bool boolean(bool bValue) { return Add(bValue); }
			bool number_integer(FJson::number_integer_t Value) { return Add(Value); }
			bool number_unsigned(FJson::number_unsigned_t Value) { return Add(Value); }
			bool number_float(FJson::number_float_t Value, const FJson::string_t&) { return Add(Value); }
			bool string(FJson::string_t& Value) { return Add(std::move(Value)); }
			bool binary(FJson::binary_t&) { return Add(nullptr); }
			bool start_object(std::size_t) { return Open(FJson::value_t::object); }
			bool start_array(std::size_t) { return Open(FJson::value_t::array); }
			bool end_object() { return Close(); }
			bool end_array() { return Close(); }
			bool parse_error(std::size_t, const std::string&, const FJson::exception&) { return false; }

			bool key(FJson::string_t& Name)
			{
				if (SkippedDepth == 0)
				{
					bSkipNextValue = Name == "Properties" || Name == "Struct" || Name == "Thumbnails";
					PendingKey = std::move(Name);
				}
				return true;
			}

		private:
			bool Add(FJson&& Value)
			{
				if (SkippedDepth > 0 || std::exchange(bSkipNextValue, false))
				{
					return true;
				}
				Place(std::move(Value));
				return true;
			}

			bool Open(FJson::value_t Type)
			{
				if (SkippedDepth > 0 || std::exchange(bSkipNextValue, false))
				{
					++SkippedDepth;
					return true;
				}
				OpenContainers.push_back(Place(FJson(Type)));
				return true;
			}

			bool Close()
			{
				if (SkippedDepth > 0)
				{
					--SkippedDepth;
				}
				else
				{
					OpenContainers.pop_back();
				}
				return true;
			}

			// Nothing is added to a container while one of its members is open, so the pointers stay valid.
			FJson* Place(FJson&& Value)
			{
				if (OpenContainers.empty())
				{
					Document = std::move(Value);
					return &Document;
				}
				FJson& Container = *OpenContainers.back();
				if (Container.is_array())
				{
					Container.push_back(std::move(Value));
					return &Container.back();
				}
				FJson& Member = Container[PendingKey];
				Member = std::move(Value);
				return &Member;
			}

			std::vector<FJson*> OpenContainers;
			std::string PendingKey;
			int32 SkippedDepth = 0;
			bool bSkipNextValue = false;
		};

		FString Describe(const FJson& Value)
		{
			return Value.is_string() ? FString::Printf(TEXT("\"%s\""), *FromUtf8(Value.get<std::string>())) : FromUtf8(Value.dump());
		}

		void AddDependencies(const FJson& Document, const char* Field, EDependencyProperty Properties, FName PackageName,
			FPackageFileHeader& OutHeader, TMap<FName, int32>& IndexByName, TArray<FString>& OutProblems)
		{
			if (!Document.contains(Field))
			{
				return;
			}
			const FJson& Names = Document[Field];
			if (!Names.is_array())
			{
				OutProblems.Add(FString::Printf(TEXT("%s is not a list"), *FromUtf8(Field)));
				return;
			}
			for (const FJson& Entry : Names)
			{
				const FString Name = Entry.is_string() ? FromUtf8(Entry.get<std::string>()) : FString();
				if (!Entry.is_string() || !FPackageName::IsValidLongPackageName(Name))
				{
					OutProblems.Add(FString::Printf(TEXT("%s names %s, which is not a long package name"), *FromUtf8(Field), *Describe(Entry)));
					continue;
				}
				const FName Dependency(*Name);
				if (Dependency == PackageName)
				{
					continue;
				}
				if (const int32* Index = IndexByName.Find(Dependency))
				{
					OutHeader.Dependencies[*Index].Properties |= Properties;
					continue;
				}
				IndexByName.Add(Dependency, OutHeader.Dependencies.Num());
				OutHeader.Dependencies.Add({Dependency, Properties});
			}
		}
	}

	bool ReadPackageFileHeader(const FString& Filename, FName PackageName, FPackageFileHeader& OutHeader)
	{
		// Kept from one read to the next: a large package is read again after every save, and memory fresh from the
		// system costs a page fault for each of its pages every time.
		static thread_local TArray<uint8> Bytes;
		if (!FFileHelper::LoadFileToArray(Bytes, *Filename))
		{
			UE_LOG(LogAssetRegistry, Warning, TEXT("Could not read the package file '%s'; its package is left out."), *Filename);
			return false;
		}
		FHeaderDocumentBuilder Builder;
		const bool bParsed = FJson::sax_parse(Bytes.GetData(), Bytes.GetData() + Bytes.Num(), &Builder);
		const FJson& Document = Builder.Document;
		if (!bParsed || !Document.is_object() || !Document.contains("Format") || Document["Format"] != PackageFormatTag
			|| !Document.contains("Version") || Document["Version"] != PackageFormatVersion || !Document.contains("Objects") || !Document["Objects"].is_array())
		{
			UE_LOG(LogAssetRegistry, Warning, TEXT("'%s' is not a package file of this engine (damaged, truncated or another format); its package is left out."), *Filename);
			return false;
		}

		TArray<FString> Problems;
		const FName PackagePath(*FPackageName::GetLongPackagePath(PackageName.ToString()));
		const FJson& Objects = Document["Objects"];
		for (size_t Index = 0; Index < Objects.size(); ++Index)
		{
			const FJson& Object = Objects[Index];
			if (!Object.is_object() || !Object.contains("Name") || !Object["Name"].is_string() || Object["Name"].get<std::string>().empty()
				|| !Object.contains("Class") || !Object["Class"].is_string())
			{
				Problems.Add(FString::Printf(TEXT("object %d has no name or class"), (int32)Index));
				continue;
			}
			const bool bInPackage = !Object.contains("Outer") || Object["Outer"] == -1;
			const bool bClassDefault = Object.contains("Flags") && Object["Flags"].is_number_unsigned() && (Object["Flags"].get<uint32>() & RF_ClassDefaultObject);
			if (!bInPackage || bClassDefault)
			{
				continue;
			}
			const FString ClassPath = FromUtf8(Object["Class"].get<std::string>());
			OutHeader.Assets.Emplace(PackageName, PackagePath, FName(*FromUtf8(Object["Name"].get<std::string>())), FTopLevelAssetPath(ClassPath));
		}

		TMap<FName, int32> IndexByName;
		AddDependencies(Document, "Imports", EDependencyProperty::Hard | EDependencyProperty::Game, PackageName, OutHeader, IndexByName, Problems);
		AddDependencies(Document, "SoftReferences", EDependencyProperty::Game, PackageName, OutHeader, IndexByName, Problems);

		if (Problems.Num() > 0)
		{
			UE_LOG(LogAssetRegistry, Warning, TEXT("Package file '%s': ignored %s."), *Filename, *FString::Join(Problems, TEXT("; ")));
		}
		return true;
	}
}
