// "Check Package": each check on a small tavern that is clean but for the one fault a case puts in, and "Make Pak
// File" asking about what its own dialogs do not.
#include "../Core/CoreTestPrinters.h"
#include "AssetRegistry/ARFilter.h"
#include "AssetRegistry/AssetData.h"
#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "Engine/Texture2D.h"
#include "Engine/World.h"
#include "HAL/FileManager.h"
#include "Misc/FileHelper.h"
#include "Misc/PackageName.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "Settings/ProjectPackagingSettings.h"
#include "StandIn/DialogScript.h"
#include "StandIn/LogCapture.h"
#include "StandIn/ProcessLog.h"
#include "StandIn/StringConv.h"
#include "StandIn/TestAssets.h"
#include "StandIn/TestProject.h"
#include "UObject/Package.h"
#include "Z4Package.h"
#include "Z4SDKStatics.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using namespace UE::StandIn;

namespace
{
	namespace fs = std::filesystem;

	const FName Z4LogSDKName(TEXT("Z4LogSDK"));

	IAssetRegistry& Registry()
	{
		return FModuleManager::LoadModuleChecked<FAssetRegistryModule>(TEXT("AssetRegistry")).Get();
	}

	/** A package of the test content and the packages it imports. */
	struct FNode
	{
		FString Name;
		TArray<FString> Imports;
		FString ClassPath = TEXT("/Script/Engine.StaticMesh");
	};

	/** "severity code package | chain" per finding, in their order. */
	TArray<FString> Describe(const TArray<FZ4PackageFinding>& Findings)
	{
		TArray<FString> Lines;
		for (const FZ4PackageFinding& Finding : Findings)
		{
			Lines.Add(FString::Printf(TEXT("%s %s %s | %s"), FZ4PackageFinding::GetSeverityName(Finding.Severity), *Finding.Code.ToString(),
				*Finding.Package.ToString(), *Finding.GetChainText()));
		}
		return Lines;
	}

	// Share Material Shader Code is off while a test runs, as the recommended settings have it.
	class FPackageCheckTest : public ::testing::Test
	{
	protected:
		bool bSharedShaderCodeBefore = true;

		void SetUp() override
		{
			UProjectPackagingSettings* Settings = GetMutableDefault<UProjectPackagingSettings>();
			bSharedShaderCodeBefore = Settings->bShareMaterialShaderCode;
			Settings->bShareMaterialShaderCode = false;
		}

		void TearDown() override
		{
			GetMutableDefault<UProjectPackagingSettings>()->bShareMaterialShaderCode = bSharedShaderCodeBefore;
		}
	};

	/** A project with its editor running and its log captured. */
	struct FTavern
	{
		FTestProject Project;
		FStandInEngine Engine{Project};
		FLogCapture Log;

		// The tavern: a level with a torch that uses a stone material, and a table; Extra adds packages or replaces
		// the torch. BeforeRecords runs before Find Dependencies and the cook of everything.
		UZ4Package* MakeTavern(const TArray<FNode>& Extra, const std::function<void(FTavern&, UZ4Package&)>& BeforeRecords)
		{
			TArray<FNode> Graph = {
				{TEXT("/Game/Tavern/L_Tavern"), {TEXT("/Game/Tavern/BP_Torch")}, TEXT("/Script/Engine.World")},
				{TEXT("/Game/Tavern/BP_Torch"), {TEXT("/Game/Tavern/M_Stone")}},
				{TEXT("/Game/Tavern/M_Stone"), {}},
				{TEXT("/Game/Tavern/SM_Table"), {}},
			};
			for (const FNode& Node : Extra)
			{
				FNode* Existing = Graph.FindByPredicate([&Node](const FNode& Known) { return Known.Name == Node.Name; });
				if (Existing)
				{
					*Existing = Node;
				}
				else
				{
					Graph.Add(Node);
				}
			}
			for (const FNode& Node : Graph)
			{
				WriteTestPackage({.PackageName = Node.Name, .Imports = Node.Imports, .ClassPath = Node.ClassPath});
			}
			Registry().ScanPathsSynchronous({TEXT("/Game/")}, true);

			UZ4Package* Package = NewObject<UZ4Package>(CreatePackage(TEXT("/Game/Tavern/PK_Tavern")), TEXT("PK_Tavern"), RF_Public | RF_Standalone);
			Package->Data.Name = FName(TEXT("The Tavern"));
			for (const TCHAR* MainAsset : {TEXT("/Game/Tavern/L_Tavern"), TEXT("/Game/Tavern/SM_Table")})
			{
				FZ4Asset& Entry = Package->Data.Assets.AddDefaulted_GetRef();
				Entry.AssetName = FName(MainAsset);
				Entry.ObjectPath = FString(MainAsset) + TEXT(".") + FPackageName::GetShortName(FString(MainAsset));
				Package->Data.AssetsIndexMap.Add(Entry.AssetName, Package->Data.Assets.Num() - 1);
			}
			BeforeRecords(*this, *Package);
			Package->FindAllDependencies();
			Registry().ScanPathsSynchronous({TEXT("/Game/")}, true);
			CookEverything();
			return Package;
		}

		FString CookedPath(const FString& PackageName, const TCHAR* Extension = TEXT(".uasset")) const
		{
			return Project.GetSavedDir() + TEXT("Cooked/Windows/") + Project.GetName() + TEXT("/Content/") + PackageName.RightChop(6) + Extension;
		}

		// A cooked file, written after its source, for every package of the content.
		void CookEverything() const
		{
			FARFilter Filter;
			Filter.PackagePaths.Add(FName(TEXT("/Game")));
			Filter.bRecursivePaths = true;
			TArray<FAssetData> Assets;
			Registry().GetAssets(Filter, Assets, true);
			for (const FAssetData& Asset : Assets)
			{
				const bool bMap = Asset.AssetClassPath.GetAssetName() == FName(TEXT("World"));
				const FString Path = CookedPath(Asset.PackageName.ToString(), bMap ? TEXT(".umap") : TEXT(".uasset"));
				fs::create_directories(fs::path(ToUtf8(Path)).parent_path());
				FFileHelper::SaveStringToFile(TEXT("cooked"), *Path);
			}
		}

		UTexture2D* SaveTexture(const TCHAR* PackageName)
		{
			UTexture2D* Texture = NewObject<UTexture2D>(CreatePackage(PackageName), FName(*FPaths::GetBaseFilename(PackageName)), RF_Public | RF_Standalone);
			UZ4SDKStatics::SaveAsset(Texture);
			return Texture;
		}

		// The cooked file is an hour older than its package's file.
		void MakeStale(const FString& PackageName) const
		{
			const fs::path Source(ToUtf8(FPackageName::LongPackageNameToFilename(PackageName, FPackageName::GetAssetPackageExtension())));
			fs::last_write_time(fs::path(ToUtf8(CookedPath(PackageName))), fs::last_write_time(Source) - std::chrono::hours(1));
		}
	};
}

TEST_F(FPackageCheckTest, EachCheckFindsExactlyItsFault)
{
	const FString LongFolder = TEXT("/Game/Tavern/") + FString::ChrN(50, TEXT('a')) + TEXT("/") + FString::ChrN(50, TEXT('b')) + TEXT("/") + FString::ChrN(50, TEXT('c'));
	const auto None = [](FTavern&, UZ4Package&) {};
	const struct
	{
		const TCHAR* Case;
		TArray<FNode> Extra;
		std::function<void(FTavern&, UZ4Package&)> BeforeRecords;
		std::function<void(FTavern&, UZ4Package&)> After;
		TArray<FString> Expected;
	} Cases[] = {
		{TEXT("clean"), {}, None, None, {}},
		{TEXT("outside dependency"), {{TEXT("/Game/Tavern/BP_Torch"), {TEXT("/Game/Shared/M_Stone")}}, {TEXT("/Game/Shared/M_Stone"), {}}}, None, None,
			{TEXT("warning OutsideDependency /Game/Shared/M_Stone | /Game/Tavern/L_Tavern \u2192 /Game/Tavern/BP_Torch \u2192 /Game/Shared/M_Stone")}},
		{TEXT("engine content"), {{TEXT("/Game/Tavern/M_Stone"), {TEXT("/Script/Engine"), TEXT("/Engine/EngineMaterials/DefaultMaterial")}}}, None, None,
			{TEXT("note EngineContent /Engine/EngineMaterials/DefaultMaterial | /Game/Tavern/L_Tavern \u2192 /Game/Tavern/BP_Torch \u2192 /Game/Tavern/M_Stone \u2192 /Engine/EngineMaterials/DefaultMaterial")}},
		{TEXT("referenced package not on disk"), {{TEXT("/Game/Tavern/SM_Table"), {TEXT("/Game/Tavern/M_Gone")}}}, None, None,
			{TEXT("error MissingPackage /Game/Tavern/M_Gone | /Game/Tavern/SM_Table \u2192 /Game/Tavern/M_Gone")}},
		{TEXT("package of the export set the registry cannot list"), {}, None,
			[](FTavern&, UZ4Package& Package) { Package.Dependencies.Add(FName(TEXT("/Game/Tavern/M_Deleted"))); },
			{TEXT("error MissingPackage /Game/Tavern/M_Deleted | /Game/Tavern/M_Deleted")}},
		{TEXT("redirector"),
			{{TEXT("/Game/Tavern/BP_Torch"), {TEXT("/Game/Tavern/M_Old")}}, {TEXT("/Game/Tavern/M_Old"), {TEXT("/Game/Tavern/M_Stone")}, TEXT("/Script/CoreUObject.ObjectRedirector")}},
			None, None,
			{TEXT("warning Redirector /Game/Tavern/M_Old | /Game/Tavern/L_Tavern \u2192 /Game/Tavern/BP_Torch \u2192 /Game/Tavern/M_Old")}},
		{TEXT("uncooked"), {}, None,
			[](FTavern& Tavern, UZ4Package&) { ASSERT_TRUE(IFileManager::Get().Delete(*Tavern.CookedPath(TEXT("/Game/Tavern/M_Stone")))); },
			{TEXT("error Uncooked /Game/Tavern/M_Stone | /Game/Tavern/L_Tavern \u2192 /Game/Tavern/BP_Torch \u2192 /Game/Tavern/M_Stone")}},
		{TEXT("stale cooked file"), {}, None, [](FTavern& Tavern, UZ4Package&) { Tavern.MakeStale(TEXT("/Game/Tavern/M_Stone")); },
			{TEXT("error StaleCookedFile /Game/Tavern/M_Stone | /Game/Tavern/L_Tavern \u2192 /Game/Tavern/BP_Torch \u2192 /Game/Tavern/M_Stone")}},
		{TEXT("cooked path too long"), {{TEXT("/Game/Tavern/SM_Table"), {LongFolder + TEXT("/T_Wood")}}, {LongFolder + TEXT("/T_Wood"), {}}}, None, None,
			{TEXT("error CookedPathTooLong ") + LongFolder + TEXT("/T_Wood | /Game/Tavern/SM_Table \u2192 ") + LongFolder + TEXT("/T_Wood")}},
		{TEXT("shared material shader code"), {}, None,
			[](FTavern&, UZ4Package&) { GetMutableDefault<UProjectPackagingSettings>()->bShareMaterialShaderCode = true; },
			{TEXT("warning SharedMaterialShaderCode /Game/Tavern/PK_Tavern | /Game/Tavern/PK_Tavern")}},
		{TEXT("two thumbnails with one name"), {},
			[](FTavern& Tavern, UZ4Package& Package)
			{
				Package.Data.Assets[0].Thumbnail = Tavern.SaveTexture(TEXT("/Game/Tavern/Thumbnails/T_Thumb"));
				Package.Data.Assets[1].Thumbnail = Tavern.SaveTexture(TEXT("/Game/Tavern/Props/T_Thumb"));
			},
			None,
			{TEXT("warning SharedThumbnailName /Game/Tavern/Props/T_Thumb | /Game/Tavern/SM_Table \u2192 /Game/Tavern/Props/T_Thumb")}},
		{TEXT("one thumbnail for two main assets is no clash"), {},
			[](FTavern& Tavern, UZ4Package& Package)
			{
				Package.Data.Assets[0].Thumbnail = Tavern.SaveTexture(TEXT("/Game/Tavern/Thumbnails/T_Thumb"));
				Package.Data.Assets[1].Thumbnail = Package.Data.Assets[0].Thumbnail;
			},
			None, {}},
		{TEXT("pak name the pak tool cannot use"), {}, None, [](FTavern&, UZ4Package& Package) { Package.Data.Name = FName(TEXT("Tavern: Night")); },
			{TEXT("error UnsafePakName /Game/Tavern/PK_Tavern | /Game/Tavern/PK_Tavern")}},
		{TEXT("no public name"), {}, None, [](FTavern&, UZ4Package& Package) { Package.Data.Name = NAME_None; },
			{TEXT("warning NoPublicName /Game/Tavern/PK_Tavern | /Game/Tavern/PK_Tavern")}},
	};
	for (const auto& Case : Cases)
	{
		SCOPED_TRACE(ToUtf8(Case.Case));
		GetMutableDefault<UProjectPackagingSettings>()->bShareMaterialShaderCode = false;
		FTavern Tavern;
		UZ4Package* Package = Tavern.MakeTavern(Case.Extra, Case.BeforeRecords);
		Case.After(Tavern, *Package);
		Tavern.Log.Clear();

		const TArray<FZ4PackageFinding> Findings = Package->CheckPackage();

		EXPECT_EQ(Describe(Findings), Case.Expected);
		const int32 NumErrors = Findings.FilterByPredicate([](const FZ4PackageFinding& Finding) { return Finding.Severity == EZ4FindingSeverity::Error; }).Num();
		EXPECT_EQ(Tavern.Log.Count(Z4LogSDKName, ELogVerbosity::Error), NumErrors);
		for (const FZ4PackageFinding& Finding : Findings)
		{
			EXPECT_FALSE(Finding.Message.IsEmpty());
			EXPECT_FALSE(Finding.Hint.IsEmpty());
		}
	}
}

// The uncooked file keeps its own dialog, asked after this one; a stale file and a path too long are asked about first.
TEST_F(FPackageCheckTest, MakePakFileAsksAboutAStaleCookedFileFirstAndCancelWritesNothing)
{
	FTavern Tavern;
	FProcessLog Processes;
	UZ4Package* Package = Tavern.MakeTavern({}, [](FTavern&, UZ4Package&) {});
	Tavern.MakeStale(TEXT("/Game/Tavern/M_Stone"));
	ASSERT_TRUE(IFileManager::Get().Delete(*Tavern.CookedPath(TEXT("/Game/Tavern/SM_Table"))));
	{
		FDialogScript Script;
		Script.Answer(EAppReturnType::Cancel);

		Package->MakePakFile();

		ASSERT_EQ(Script.GetShownDialogs().Num(), 1);
		EXPECT_EQ(Script.GetShownDialogs()[0].Type, EAppMsgType::OkCancel);
		EXPECT_EQ(Script.GetShownDialogs()[0].Message, TEXT("1 problems would make this pak incomplete or stale:\n"
			"- /Game/Tavern/M_Stone: The cooked file is older than the package's file: the pak would ship the asset as it was at the last cook.\n"
			"Package anyway?"));
	}
	const FString ManifestPath = Tavern.Project.GetConfigDir() + TEXT("Manifest.txt");
	EXPECT_FALSE(IFileManager::Get().FileExists(*ManifestPath));
	EXPECT_TRUE(Processes.GetLaunches().IsEmpty());

	FDialogScript Script;
	Script.Answer(EAppReturnType::Ok).Answer(EAppReturnType::Cancel);
	Package->MakePakFile();
	ASSERT_EQ(Script.GetShownDialogs().Num(), 2);
	EXPECT_TRUE(Script.GetShownDialogs()[1].Message.StartsWith(TEXT("1 uncooked files."))) << ToUtf8(Script.GetShownDialogs()[1].Message);
	EXPECT_FALSE(IFileManager::Get().FileExists(*ManifestPath));
	EXPECT_TRUE(Processes.GetLaunches().IsEmpty());
}
