// The stand-in's cooker: what a cook by the book writes and from what, the editor's tick and garbage collection
// around it, and the editor's own "Cook Content".
#include "../Core/CoreTestPrinters.h"
#include "CookerTestUtils.h"
#include "CookOnTheSide/CookOnTheFlyServer.h"
#include "HAL/FileManager.h"
#include "CoreGlobals.h"
#include "Interfaces/ITargetPlatform.h"
#include "Interfaces/ITargetPlatformManagerModule.h"
#include "Settings/ProjectPackagingSettings.h"
#include "StandIn/CookContent.h"
#include "StandIn/EditorTick.h"
#include "StandIn/LogCapture.h"
#include "StandIn/StartedCookLog.h"
#include "StandIn/TargetPlatforms.h"
#include "StandIn/TestProject.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/StrongObjectPtr.h"
#include "UObject/WeakObjectPtr.h"

#include <gtest/gtest.h>

using namespace UE::StandIn;
using namespace UE::Cook::Test;

namespace
{
	const FName LogCookName(TEXT("LogCook"));
	const TCHAR* const StaticMesh = TEXT("/Script/Engine.StaticMesh");
	const TCHAR* const Material = TEXT("/Script/Engine.Material");
	const TCHAR* const Texture = TEXT("/Script/Engine.Texture2D");
	const TCHAR* const World = TEXT("/Script/Engine.World");

	class FCookerTest : public ::testing::Test
	{
	protected:
		FTargetPlatformModuleScope TargetPlatformModule;
		FTestProject Project;
		FStandInEngine Engine{Project, false};
		FLogCapture Log;
		FStartedCookLog StartedCooks;

		// The packaging settings live in their class's default object, which outlives the project.
		void TearDown() override
		{
			UProjectPackagingSettings* Settings = GetMutableDefault<UProjectPackagingSettings>();
			Settings->bUseZenStore = bSavedUseZenStore;
			Settings->MapsToCook = SavedMapsToCook;
			Settings->DirectoriesToAlwaysCook = SavedDirectoriesToAlwaysCook;
		}

		static ITargetPlatform* Windows()
		{
			return GetTargetPlatformManagerRef().FindTargetPlatform(TEXT("Windows"));
		}

		/** A cooker as the editor would keep one, started on CookPackages. */
		TStrongObjectPtr<UCookOnTheFlyServer> StartCook(const TArray<FString>& CookPackages, ECookInitializationFlags Flags = ECookInitializationFlags::AutoTick,
			ECookMode::Type Mode = ECookMode::CookByTheBook)
		{
			TStrongObjectPtr<UCookOnTheFlyServer> Cooker(NewObject<UCookOnTheFlyServer>(GetTransientPackage()));
			Cooker->Initialize(Mode, Flags, FString());
			UCookOnTheFlyServer::FCookByTheBookStartupOptions Options;
			Options.TargetPlatforms.Add(Windows());
			Options.CookPackages = CookPackages;
			Cooker->StartCookByTheBook(Options);
			return Cooker;
		}

		std::map<std::string, std::string> Cooked() const
		{
			return ReadFilesBelow(CookedWindowsDir(Project));
		}

		/** A mesh with a material and its texture, a level that places the mesh and softly names a blueprint. */
		void WriteLevelWithMesh() const
		{
			WritePackageFile(Project, TEXT("/Game/Maps/L_Cave"), World, {TEXT("/Game/Pack/SM_Rock"), TEXT("/Script/Engine")}, {TEXT("/Game/Pack/BP_Door")});
			WritePackageFile(Project, TEXT("/Game/Pack/SM_Rock"), StaticMesh, {TEXT("/Game/Pack/M_Rock"), TEXT("/QuillonSDKBase/Textures/T_Default_Mesh")});
			WritePackageFile(Project, TEXT("/Game/Pack/M_Rock"), Material, {TEXT("/Game/Textures/T_Rock")});
			WritePackageFile(Project, TEXT("/Game/Textures/T_Rock"), Texture);
			WritePackageFile(Project, TEXT("/Game/Pack/BP_Door"), TEXT("/Script/Engine.Blueprint"), {TEXT("/Game/Pack/M_Heavy")});
			WritePackageFile(Project, TEXT("/Game/Pack/M_Heavy"), Material, {}, {}, true);
			WritePackageFile(Project, TEXT("/Game/Pack/SM_Unused"), StaticMesh);
		}

	private:
		const bool bSavedUseZenStore = GetDefault<UProjectPackagingSettings>()->bUseZenStore;
		const TArray<FFilePath> SavedMapsToCook = GetDefault<UProjectPackagingSettings>()->MapsToCook;
		const TArray<FDirectoryPath> SavedDirectoriesToAlwaysCook = GetDefault<UProjectPackagingSettings>()->DirectoriesToAlwaysCook;
	};
}

TEST_F(FCookerTest, CooksTheRequestedPackagesAndEverythingTheyReference)
{
	WriteLevelWithMesh();
	TStrongObjectPtr<UCookOnTheFlyServer> Cooker = StartCook({TEXT("/Game/Maps/L_Cave")});
	EXPECT_TRUE(Cooker->IsCookByTheBookRunning());
	EXPECT_TRUE(Cooked().empty()) << "starting a cook writes nothing yet";
	TickUntilIdle();
	EXPECT_FALSE(Cooker->IsCookByTheBookRunning());

	// Hard and soft references are followed, into the installed plug-in's content too; a world's package cooks to a
	// .umap, a texture's and a package marked with bulk data get a .ubulk.
	const std::map<std::string, std::string> Files = Cooked();
	const char* const Expected[] = {
		"TestProject/Content/Maps/L_Cave.umap", "TestProject/Content/Maps/L_Cave.uexp",
		"TestProject/Content/Pack/SM_Rock.uasset", "TestProject/Content/Pack/SM_Rock.uexp",
		"TestProject/Content/Pack/M_Rock.uasset", "TestProject/Content/Pack/M_Rock.uexp",
		"TestProject/Content/Textures/T_Rock.uasset", "TestProject/Content/Textures/T_Rock.uexp", "TestProject/Content/Textures/T_Rock.ubulk",
		"TestProject/Content/Pack/BP_Door.uasset", "TestProject/Content/Pack/BP_Door.uexp",
		"TestProject/Content/Pack/M_Heavy.uasset", "TestProject/Content/Pack/M_Heavy.uexp", "TestProject/Content/Pack/M_Heavy.ubulk",
		"TestProject/Plugins/QuillonSDKBase/Content/Textures/T_Default_Mesh.uasset",
		"TestProject/Plugins/QuillonSDKBase/Content/Textures/T_Default_Mesh.uexp",
		"TestProject/Plugins/QuillonSDKBase/Content/Textures/T_Default_Mesh.ubulk",
	};
	std::map<std::string, std::string> Unexpected = Files;
	for (const char* Path : Expected)
	{
		EXPECT_EQ(Files.count(Path), 1u) << Path;
		Unexpected.erase(Path);
	}
	for (const auto& [Path, Bytes] : Unexpected)
	{
		ADD_FAILURE() << "cooked, though nothing asked for it: " << Path;
	}

	// Each cooked file names the package it was cooked from.
	EXPECT_NE(Files.at("TestProject/Content/Pack/SM_Rock.uasset").find("\"PackageName\": \"/Game/Pack/SM_Rock\""), std::string::npos);
	EXPECT_NE(Files.at("TestProject/Content/Textures/T_Rock.ubulk").find("\"PackageName\": \"/Game/Textures/T_Rock\""), std::string::npos);
	EXPECT_EQ(Log.Count(LogCookName, ELogVerbosity::Error), 0);
}

TEST_F(FCookerTest, ADamagedOrMissingPackageIsReportedAndSkippedAndTheCookGoesOn)
{
	WritePackageFile(Project, TEXT("/Game/Pack/SM_Rock"), StaticMesh, {TEXT("/Game/Pack/M_Broken"), TEXT("/Game/Pack/M_Gone"), TEXT("/Game/Pack/M_Good")});
	WritePackageFile(Project, TEXT("/Game/Pack/M_Good"), Material);
	Project.WriteFile(TEXT("Content/Pack/M_Broken.uasset"), TEXT(R"({"Format": "UnrealStandInPackage", "Version": 1, "Objects": [{"Na)"));

	TStrongObjectPtr<UCookOnTheFlyServer> Cooker = StartCook({TEXT("/Game/Pack/SM_Rock")});
	TickUntilIdle();

	const std::map<std::string, std::string> Files = Cooked();
	EXPECT_EQ(Files.count("TestProject/Content/Pack/SM_Rock.uasset"), 1u);
	EXPECT_EQ(Files.count("TestProject/Content/Pack/M_Good.uasset"), 1u);
	for (const auto& [Path, Bytes] : Files)
	{
		EXPECT_EQ(Path.find("M_Broken"), std::string::npos) << Path;
		EXPECT_EQ(Path.find("M_Gone"), std::string::npos) << Path;
	}
	EXPECT_TRUE(Log.Contains(LogCookName, ELogVerbosity::Error, TEXT("/Game/Pack/M_Broken")));
	EXPECT_TRUE(Log.Contains(LogCookName, ELogVerbosity::Warning, TEXT("/Game/Pack/M_Gone")));
	EXPECT_TRUE(Log.Contains(LogCookName, ELogVerbosity::Display, TEXT("2 packages cooked, 2 failed")));
}

TEST_F(FCookerTest, TwoCooksOneAfterTheOtherBothFinishAndWriteTheSameFiles)
{
	WriteLevelWithMesh();
	TStrongObjectPtr<UCookOnTheFlyServer> Alone = StartCook({TEXT("/Game/Maps/L_Cave")});
	TickUntilIdle();
	const std::map<std::string, std::string> FirstFiles = Cooked();
	ASSERT_FALSE(FirstFiles.empty());

	std::filesystem::remove_all(ToUtf8(CookedWindowsDir(Project)));
	TStrongObjectPtr<UCookOnTheFlyServer> First = StartCook({TEXT("/Game/Maps/L_Cave")});
	TStrongObjectPtr<UCookOnTheFlyServer> Second = StartCook({TEXT("/Game/Maps/L_Cave")});
	TickUntilIdle();
	EXPECT_FALSE(First->IsInSession());
	EXPECT_FALSE(Second->IsInSession());
	EXPECT_TRUE(Log.Contains(LogCookName, ELogVerbosity::Display, TEXT("finished for Windows: 7 packages cooked, 0 failed")));
	EXPECT_EQ(Log.Count(LogCookName, ELogVerbosity::Display), 6) << "three cooks, each started and finished once";
	EXPECT_TRUE(Cooked() == FirstFiles);
}

TEST_F(FCookerTest, TheEditorTicksOnlyAutoTickCookersAndCollectsCookersNobodyKeeps)
{
	WritePackageFile(Project, TEXT("/Game/Pack/SM_Rock"), StaticMesh);

	// Started without AutoTick and kept by nobody: the editor never ticks it, and the next collection takes it.
	TWeakObjectPtr<UCookOnTheFlyServer> Unticked = StartCook({TEXT("/Game/Pack/SM_Rock")}, ECookInitializationFlags::None).Get();
	TickUntilIdle();
	ASSERT_TRUE(Unticked.IsValid());
	EXPECT_TRUE(Unticked->IsInSession());
	CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
	EXPECT_FALSE(Unticked.IsValid());
	TickUntilIdle();
	EXPECT_TRUE(Cooked().empty());

	// With AutoTick but kept by nobody: a collection before the cook has run ends it just the same.
	TWeakObjectPtr<UCookOnTheFlyServer> Unkept = StartCook({TEXT("/Game/Pack/SM_Rock")}).Get();
	CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
	EXPECT_FALSE(Unkept.IsValid());
	TickUntilIdle();
	EXPECT_TRUE(Cooked().empty());

	// Without AutoTick but kept, its owner drives it.
	TStrongObjectPtr<UCookOnTheFlyServer> Owned = StartCook({TEXT("/Game/Pack/SM_Rock")}, ECookInitializationFlags::None);
	while (Owned->IsInSession())
	{
		Owned->TickCookByTheBook(0.1f);
	}
	EXPECT_EQ(Cooked().size(), 2u);
}

TEST_F(FCookerTest, ZenStoreTakesTheCookAndNoLooseFileIsWritten)
{
	GetMutableDefault<UProjectPackagingSettings>()->bUseZenStore = true;
	WritePackageFile(Project, TEXT("/Game/Pack/SM_Rock"), StaticMesh, {TEXT("/Game/Textures/T_Rock")});
	WritePackageFile(Project, TEXT("/Game/Textures/T_Rock"), Texture);

	TStrongObjectPtr<UCookOnTheFlyServer> Cooker = StartCook({TEXT("/Game/Pack/SM_Rock")});
	TickUntilIdle();

	const std::map<std::string, std::string> Files = Cooked();
	ASSERT_EQ(Files.size(), 1u);
	const std::string& Store = Files.at("ue.projectstore");
	for (const char* Path : {"TestProject/Content/Pack/SM_Rock.uasset", "TestProject/Content/Pack/SM_Rock.uexp", "TestProject/Content/Textures/T_Rock.ubulk"})
	{
		EXPECT_NE(Store.find(std::string("\"") + Path + "\""), std::string::npos) << Path;
	}
}

TEST_F(FCookerTest, CookContentCooksTheProjectsMapsAndAlwaysCookedDirectoriesThenLetsTheCookerGo)
{
	UProjectPackagingSettings* Settings = GetMutableDefault<UProjectPackagingSettings>();
	Settings->MapsToCook.AddDefaulted_GetRef().FilePath = TEXT("/Game/Maps/L_Cave");
	Settings->DirectoriesToAlwaysCook.AddDefaulted_GetRef().Path = TEXT("/Game/Always");
	WritePackageFile(Project, TEXT("/Game/Maps/L_Cave"), World);
	WritePackageFile(Project, TEXT("/Game/Always/Sub/M_Kept"), Material);
	WritePackageFile(Project, TEXT("/Game/Elsewhere/M_Left"), Material);

	ASSERT_TRUE(CookContent());
	TickUntilIdle();

	const std::map<std::string, std::string> Files = Cooked();
	EXPECT_EQ(Files.count("TestProject/Content/Maps/L_Cave.umap"), 1u);
	EXPECT_EQ(Files.count("TestProject/Content/Always/Sub/M_Kept.uasset"), 1u);
	EXPECT_EQ(Files.count("TestProject/Content/Elsewhere/M_Left.uasset"), 0u);
	const TArray<FStartedCook> Cooks = StartedCooks.GetStartedCooks();
	ASSERT_EQ(Cooks.Num(), 1);
	CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
	EXPECT_FALSE(Cooks[0].Cooker.IsValid()) << "the editor lets its cooker go once the cook has ended";
}

TEST_F(FCookerTest, InsideTheEditorTheCommandletModeIsRefusedAndTheEditorsModeCooks)
{
	WritePackageFile(Project, TEXT("/Game/Pack/SM_Rock"), StaticMesh);
	const struct
	{
		bool bInEditor;
		ECookMode::Type Mode;
		bool bCooks;
	} Cases[] = {
		{true, ECookMode::CookByTheBook, false},
		{true, ECookMode::CookByTheBookFromTheEditor, true},
		{false, ECookMode::CookByTheBook, true},
	};
	for (const auto& Case : Cases)
	{
		SCOPED_TRACE(testing::Message() << "in the editor: " << Case.bInEditor << ", mode: " << static_cast<int32>(Case.Mode));
		IFileManager::Get().DeleteDirectory(*CookedWindowsDir(Project), false, true);
		FLogCapture CookLog;
		TGuardValue<bool> InEditor(GIsEditor, Case.bInEditor);
		const TStrongObjectPtr<UCookOnTheFlyServer> Cooker = StartCook({TEXT("/Game/Pack/SM_Rock")}, ECookInitializationFlags::AutoTick, Case.Mode);
		EXPECT_EQ(Cooker->IsInSession(), Case.bCooks);
		EXPECT_EQ(CookLog.Contains(LogCookName, ELogVerbosity::Error, TEXT("CookByTheBookFromTheEditor")), !Case.bCooks);
		TickUntilIdle();
		EXPECT_EQ(Cooked().count("TestProject/Content/Pack/SM_Rock.uasset"), Case.bCooks ? 1u : 0u);
	}
	const TArray<FStartedCook> Cooks = StartedCooks.GetStartedCooks();
	ASSERT_EQ(Cooks.Num(), 3);
	EXPECT_EQ(Cooks[0].CookMode, ECookMode::CookByTheBook);
	EXPECT_FALSE(Cooks[0].bSessionStarted);
	EXPECT_EQ(Cooks[1].CookMode, ECookMode::CookByTheBookFromTheEditor);
}

TEST_F(FCookerTest, OnlyTheInstalledWindowsPlatformIsFoundAndACookNeedsOne)
{
	ASSERT_NE(Windows(), nullptr);
	EXPECT_EQ(Windows()->PlatformName(), TEXT("Windows"));
	for (const TCHAR* Other : {TEXT("Linux"), TEXT("WindowsNoEditor"), TEXT("")})
	{
		EXPECT_EQ(GetTargetPlatformManagerRef().FindTargetPlatform(Other), nullptr) << ToUtf8(Other);
	}

	// A null platform (a failed lookup passed on) is refused at the start, not failed on later.
	WritePackageFile(Project, TEXT("/Game/Pack/SM_Rock"), StaticMesh);
	TStrongObjectPtr<UCookOnTheFlyServer> Cooker(NewObject<UCookOnTheFlyServer>(GetTransientPackage()));
	Cooker->Initialize(ECookMode::CookByTheBook, ECookInitializationFlags::AutoTick, FString());
	UCookOnTheFlyServer::FCookByTheBookStartupOptions Options;
	Options.TargetPlatforms.Add(nullptr);
	Options.CookPackages.Add(TEXT("/Game/Pack/SM_Rock"));
	Cooker->StartCookByTheBook(Options);
	EXPECT_FALSE(Cooker->IsInSession());
	EXPECT_TRUE(Log.Contains(LogCookName, ELogVerbosity::Error, TEXT("target platform is missing")));

	FScopedMissingTargetPlatform NoWindows(TEXT("Windows"));
	EXPECT_EQ(Windows(), nullptr);
	EXPECT_FALSE(CookContent());
	EXPECT_TRUE(Log.Contains(LogCookName, ELogVerbosity::Error, TEXT("Windows")));
	TickUntilIdle();
	EXPECT_TRUE(Cooked().empty());
}
