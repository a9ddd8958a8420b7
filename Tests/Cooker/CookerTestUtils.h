#pragma once

#include "CoreMinimal.h"
#include "Misc/PackageName.h"
#include "Modules/ModuleManager.h"
#include "StandIn/StringConv.h"
#include "StandIn/TestProject.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace UE::Cook::Test
{
	/**
	 * The first cook loads the module "TargetPlatform", which the editor keeps to its end; a test unloads it again, so
	 * that the tests after it find the module system as it was.
	 */
	class FTargetPlatformModuleScope
	{
	public:
		FTargetPlatformModuleScope() = default;
		FTargetPlatformModuleScope(const FTargetPlatformModuleScope&) = delete;
		FTargetPlatformModuleScope& operator=(const FTargetPlatformModuleScope&) = delete;
		~FTargetPlatformModuleScope()
		{
			if (!bWasLoaded)
			{
				FModuleManager::Get().UnloadModule(TEXT("TargetPlatform"));
			}
		}

	private:
		const bool bWasLoaded = FModuleManager::Get().IsModuleLoaded(TEXT("TargetPlatform"));
	};

	/** Every file below a folder, by its path relative to it, with its bytes; empty when the folder does not exist. */
	inline std::map<std::string, std::string> ReadFilesBelow(const FString& Folder)
	{
		namespace fs = std::filesystem;
		std::map<std::string, std::string> Files;
		const fs::path Root(UE::StandIn::ToUtf8(Folder));
		std::error_code Error;
		for (const fs::directory_entry& Entry : fs::recursive_directory_iterator(Root, Error))
		{
			if (Entry.is_regular_file())
			{
				std::ifstream File(Entry.path(), std::ios::binary);
				Files[fs::relative(Entry.path(), Root).generic_string()] = std::string(std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>());
			}
		}
		return Files;
	}

	/** The project's cooked folder for Windows, absolute, ending with '/'. */
	inline FString CookedWindowsDir(const UE::StandIn::FTestProject& Project)
	{
		return Project.GetSavedDir() + TEXT("Cooked/Windows/");
	}

	/**
	 * Writes a package file for /Game/<Path> (in the project's Content): one object of the class, named as the
	 * package, with the given hard (Imports) and soft references. A world's package is a .umap.
	 */
	inline void WritePackageFile(const UE::StandIn::FTestProject& Project, const FString& LongPackageName, const TCHAR* ClassPath,
		const TArray<FString>& Imports = {}, const TArray<FString>& SoftReferences = {}, bool bMarkedWithBulkData = false)
	{
		auto JsonList = [](const TArray<FString>& Names)
		{
			FString List;
			for (const FString& Name : Names)
			{
				List += (List.IsEmpty() ? TEXT("\"") : TEXT(", \"")) + Name + TEXT("\"");
			}
			return TEXT("[") + List + TEXT("]");
		};
		const bool bMap = FString(ClassPath) == TEXT("/Script/Engine.World");
		const FString ShortName = FPackageName::GetShortName(LongPackageName);
		const FString Text = FString::Printf(TEXT(R"({"Format": "UnrealStandInPackage", "Version": 1, "PackageName": "%s", %s"Objects": [
			{"Name": "%s", "Class": "%s", "Outer": -1, "Flags": 3, "Properties": {}}],
			"Imports": %s, "SoftReferences": %s})"),
			*LongPackageName, bMarkedWithBulkData ? TEXT("\"BulkData\": true, ") : TEXT(""), *ShortName, ClassPath, *JsonList(Imports), *JsonList(SoftReferences));
		Project.WriteFile(TEXT("Content/") + LongPackageName.RightChop(6) + (bMap ? TEXT(".umap") : TEXT(".uasset")), Text);
	}
}
