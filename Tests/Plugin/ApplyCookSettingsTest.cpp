#include "Engine/RendererSettings.h"
#include "Engine/StaticMesh.h"
#include "Engine/Blueprint.h"
#include "Engine/World.h"
#include "HAL/FileManager.h"
#include "HAL/PlatformFileManager.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "Settings/ProjectPackagingSettings.h"
#include "StandIn/DialogScript.h"
#include "StandIn/EditorRestart.h"
#include "StandIn/LogCapture.h"
#include "StandIn/StringConv.h"
#include "StandIn/TestProject.h"
#include "UObject/Package.h"
#include "Z4Package.h"
#include <gtest/gtest.h>

using namespace UE::StandIn;

namespace
{
	const TCHAR* const RestartTitle = TEXT("Restart Required");

	class FApplyCookSettingsTest : public ::testing::Test
	{
	protected:
		FTestProject Project;
		TUniquePtr<FStandInEngine> Engine = MakeUnique<FStandInEngine>(Project);
		FDialogScript Dialogs;
		FLogCapture Log;

		FApplyCookSettingsTest() { ResetEditorRestartRequests(); }

		// Closes the project and opens it again, as restarting the editor would.
		void ReopenProject()
		{
			Engine.Reset();
			Engine = MakeUnique<FStandInEngine>(Project);
		}

		UZ4Package* MakePackage(const TCHAR* PackageName)
		{
			const FString Name = FPaths::GetBaseFilename(PackageName);
			return NewObject<UZ4Package>(CreatePackage(PackageName), FName(*Name), RF_Public | RF_Standalone);
		}

		static void AddMainAsset(UZ4Package* Package, const TCHAR* ObjectPath, UClass* Class)
		{
			FZ4Asset& Asset = Package->Data.Assets.AddDefaulted_GetRef();
			Asset.ObjectPath = ObjectPath;
			Asset.AssetName = FName(*FPaths::GetBaseFilename(ObjectPath, false));
			Asset.Class = Class;
		}

		// A class made the way content makes them.
		static UClass* MakeWorldSubclass()
		{
			UClass* Class = NewObject<UClass>(CreatePackage(TEXT("/Game/Test/Subclasses")), FName(TEXT("WorldSubclass")), RF_Public);
			Class->SetSuperStruct(UWorld::StaticClass());
			Class->ClassConstructor = UWorld::StaticClass()->ClassConstructor;
			Class->StaticLink();
			return Class;
		}

		FString ReadConfig(const TCHAR* Name) const
		{
			FString Text;
			FFileHelper::LoadFileToString(Text, *(Project.GetConfigDir() + Name));
			return Text;
		}

		static TArray<FString> MapsToCook()
		{
			TArray<FString> Paths;
			for (const FFilePath& Map : GetDefault<UProjectPackagingSettings>()->MapsToCook)
			{
				Paths.Add(Map.FilePath);
			}
			return Paths;
		}

		static TArray<FString> DirectoriesToAlwaysCook()
		{
			TArray<FString> Paths;
			for (const FDirectoryPath& Directory : GetDefault<UProjectPackagingSettings>()->DirectoriesToAlwaysCook)
			{
				Paths.Add(Directory.Path);
			}
			return Paths;
		}
	};

	std::string Utf8(const TArray<FString>& Lines)
	{
		std::string Out;
		for (const FString& Line : Lines)
		{
			Out += ToUtf8(Line) + "\n";
		}
		return Out;
	}
}

TEST_F(FApplyCookSettingsTest, LevelsOfTheExactWorldClassGoOnTheMapListOnce)
{
	Project.WriteFile(TEXT("Config/DefaultGame.ini"), TEXT("[/Script/UnrealEd.ProjectPackagingSettings]\n+MapsToCook=(FilePath=\"/game/pack/maps/L_ARENA\")\n"));
	ReopenProject();
	UClass* WorldSubclass = MakeWorldSubclass();

	const struct
	{
		const TCHAR* ObjectPath;
		UClass* Class;
		const TCHAR* Why;
	} Assets[] = {
		{TEXT("/Game/Pack/Maps/L_Arena.L_Arena"), UWorld::StaticClass(), TEXT("listed already in another letter case")},
		{TEXT("/Game/Pack/SM_Rock.SM_Rock"), UStaticMesh::StaticClass(), TEXT("not a level")},
		{TEXT("/Game/Pack/Maps/L_Cave.L_Cave"), UWorld::StaticClass(), TEXT("added as its package name")},
		{TEXT("/Game/Pack/Maps/L_Derived.L_Derived"), WorldSubclass, TEXT("a subclass of UWorld is not a level here")},
		{TEXT("/Game/Pack/BP_Door.BP_Door"), UBlueprint::StaticClass(), TEXT("not a level")},
		{TEXT("/Game/Pack/Maps/L_NoDot"), UWorld::StaticClass(), TEXT("a path without '.' is taken whole")},
		{TEXT("/Game/Pack/Maps/L_Cave.L_Cave"), UWorld::StaticClass(), TEXT("the same level twice is added once")},
	};
	UZ4Package* Package = MakePackage(TEXT("/Game/Pack/Pack"));
	for (const auto& Asset : Assets)
	{
		AddMainAsset(Package, Asset.ObjectPath, Asset.Class);
	}

	Package->ApplyCookSettings();

	const TArray<FString> Expected = {TEXT("/game/pack/maps/L_ARENA"), TEXT("/Game/Pack/Maps/L_Cave"), TEXT("/Game/Pack/Maps/L_NoDot")};
	EXPECT_EQ(Utf8(MapsToCook()), Utf8(Expected));
	EXPECT_EQ(Utf8(DirectoriesToAlwaysCook()), Utf8({TEXT("/Game/Pack")}));
}

TEST_F(FApplyCookSettingsTest, PackagesAccumulateTheirFoldersAndApplyingAgainChangesNothing)
{
	UZ4Package* Props = MakePackage(TEXT("/Game/Props/Props"));
	AddMainAsset(Props, TEXT("/Game/Props/SM_Chair.SM_Chair"), UStaticMesh::StaticClass());
	UZ4Package* Dungeon = MakePackage(TEXT("/Game/Dungeon/Dungeon"));
	AddMainAsset(Dungeon, TEXT("/Game/Dungeon/L_Crypt.L_Crypt"), UWorld::StaticClass());

	Props->ApplyCookSettings();
	EXPECT_TRUE(MapsToCook().IsEmpty()) << "a package without levels adds only its folder";
	EXPECT_EQ(Utf8(DirectoriesToAlwaysCook()), Utf8({TEXT("/Game/Props")}));

	Dungeon->ApplyCookSettings();
	const FString Written = ReadConfig(TEXT("DefaultGame.ini"));
	Props->ApplyCookSettings();
	Dungeon->ApplyCookSettings();

	EXPECT_EQ(Utf8(DirectoriesToAlwaysCook()), Utf8({TEXT("/Game/Props"), TEXT("/Game/Dungeon")}));
	EXPECT_EQ(Utf8(MapsToCook()), Utf8({TEXT("/Game/Dungeon/L_Crypt")}));
	EXPECT_EQ(ToUtf8(ReadConfig(TEXT("DefaultGame.ini"))), ToUtf8(Written));
}

TEST_F(FApplyCookSettingsTest, WritesOnlyItsKeysAndTheSettingsAreReadBackWhenTheProjectOpens)
{
	// The engine file has Windows line ends, which stay.
	const FString Game = TEXT("; Packaging for the creator's project\n"
							  "[/Script/EngineSettings.GeneralProjectSettings]\n"
							  "ProjectID=1234\n"
							  "ProjectName=Test\n"
							  "\n"
							  "[/Script/UnrealEd.ProjectPackagingSettings]\n"
							  "; keep the build configuration\n"
							  "BuildConfiguration=PPBC_Shipping\n"
							  "bUseZenStore=True\n"
							  "+MapsToCook=(FilePath=\"/Game/Existing/L_Old\")\n"
							  "UsePakFile=True\n"
							  "\n"
							  "[/Script/Other.Section]\n"
							  "+MapsToCook=(FilePath=\"/Game/NotThisSection\")\n");
	// The renderer's settings are kept under their console variables' names, as a UE 5 project with Lumen has them.
	const FString Engine = TEXT("[/Script/Engine.Engine]\r\n"
								"GameViewportClientClassName=/Script/Engine.GameViewportClient\r\n"
								"\r\n"
								"[/Script/Engine.RendererSettings]\r\n"
								"r.Mobile.EnableStaticAndCSMShadowReceivers=True\r\n"
								"r.DynamicGlobalIlluminationMethod=1\r\n"
								"r.AllowStaticLighting=False\r\n"
								"; end of the renderer's settings\r\n");
	Project.WriteFile(TEXT("Config/DefaultGame.ini"), Game);
	Project.WriteFile(TEXT("Config/DefaultEngine.ini"), Engine);
	ReopenProject();
	EXPECT_TRUE(GetDefault<UProjectPackagingSettings>()->bUseZenStore);
	EXPECT_FALSE(GetDefault<URendererSettings>()->bAllowStaticLighting);
	EXPECT_EQ(Utf8(MapsToCook()), Utf8({TEXT("/Game/Existing/L_Old")}));

	UZ4Package* Package = MakePackage(TEXT("/Game/Pack/Pack"));
	AddMainAsset(Package, TEXT("/Game/Pack/Maps/L_Arena.L_Arena"), UWorld::StaticClass());
	Dialogs.AnswerTitled(RestartTitle, EAppReturnType::No);
	Package->ApplyCookSettings();

	EXPECT_EQ(ToUtf8(ReadConfig(TEXT("DefaultGame.ini"))),
			  "; Packaging for the creator's project\n"
			  "[/Script/EngineSettings.GeneralProjectSettings]\n"
			  "ProjectID=1234\n"
			  "ProjectName=Test\n"
			  "\n"
			  "[/Script/UnrealEd.ProjectPackagingSettings]\n"
			  "; keep the build configuration\n"
			  "BuildConfiguration=PPBC_Shipping\n"
			  "bUseZenStore=False\n"
			  "+MapsToCook=(FilePath=\"/Game/Existing/L_Old\")\n"
			  "+MapsToCook=(FilePath=\"/Game/Pack/Maps/L_Arena\")\n"
			  "UsePakFile=True\n"
			  "bShareMaterialShaderCode=True\n"
			  "+DirectoriesToAlwaysCook=(Path=\"/Game/Pack\")\n"
			  "\n"
			  "[/Script/Other.Section]\n"
			  "+MapsToCook=(FilePath=\"/Game/NotThisSection\")\n");
	EXPECT_EQ(ToUtf8(ReadConfig(TEXT("DefaultEngine.ini"))),
			  "[/Script/Engine.Engine]\r\n"
			  "GameViewportClientClassName=/Script/Engine.GameViewportClient\r\n"
			  "\r\n"
			  "[/Script/Engine.RendererSettings]\r\n"
			  "r.Mobile.EnableStaticAndCSMShadowReceivers=True\r\n"
			  "r.DynamicGlobalIlluminationMethod=1\r\n"
			  "r.AllowStaticLighting=True\r\n"
			  "; end of the renderer's settings\r\n");

	// What the editor holds goes with it; the next start reads the files.
	GetMutableDefault<UProjectPackagingSettings>()->bUseZenStore = true;
	GetMutableDefault<UProjectPackagingSettings>()->MapsToCook.Reset();
	GetMutableDefault<URendererSettings>()->bAllowStaticLighting = false;
	ReopenProject();
	EXPECT_FALSE(GetDefault<UProjectPackagingSettings>()->bUseZenStore);
	EXPECT_TRUE(GetDefault<URendererSettings>()->bAllowStaticLighting);
	EXPECT_EQ(Utf8(MapsToCook()), Utf8({TEXT("/Game/Existing/L_Old"), TEXT("/Game/Pack/Maps/L_Arena")}));
	EXPECT_EQ(Utf8(DirectoriesToAlwaysCook()), Utf8({TEXT("/Game/Pack")}));
}

TEST_F(FApplyCookSettingsTest, MissingConfigFilesAreMade)
{
	IFileManager::Get().DeleteDirectory(*Project.GetConfigDir(), false, true);
	GetMutableDefault<URendererSettings>()->bAllowStaticLighting = false;
	UZ4Package* Package = MakePackage(TEXT("/Game/Pack/Pack"));
	Dialogs.Answer(EAppReturnType::No);

	Package->ApplyCookSettings();

	EXPECT_EQ(ToUtf8(ReadConfig(TEXT("DefaultGame.ini"))),
			  "[/Script/UnrealEd.ProjectPackagingSettings]\n"
			  "bUseZenStore=False\n"
			  "bShareMaterialShaderCode=True\n"
			  "+DirectoriesToAlwaysCook=(Path=\"/Game/Pack\")\n");
	EXPECT_EQ(ToUtf8(ReadConfig(TEXT("DefaultEngine.ini"))), "[/Script/Engine.RendererSettings]\nr.AllowStaticLighting=True\n");
}

TEST_F(FApplyCookSettingsTest, RestartIsOfferedOnlyWhenStaticLightingHadToBeSwitchedOn)
{
	const struct
	{
		bool bAllowedBefore;
		EAppReturnType::Type Answer;
		bool bRestarted;
	} Cases[] = {
		{true, EAppReturnType::Yes, false},
		{false, EAppReturnType::Yes, true},
		{false, EAppReturnType::No, false},
	};
	for (const auto& Case : Cases)
	{
		SCOPED_TRACE(testing::Message() << "allowed before: " << Case.bAllowedBefore << ", answer: " << ToUtf8(LexToString(Case.Answer)));
		ReopenProject();
		ResetEditorRestartRequests();
		IFileManager::Get().Delete(*(Project.GetConfigDir() + TEXT("DefaultEngine.ini")));
		GetMutableDefault<URendererSettings>()->bAllowStaticLighting = Case.bAllowedBefore;
		FDialogScript Script;
		Script.AnswerTitled(RestartTitle, Case.Answer);

		MakePackage(TEXT("/Game/Pack/Pack"))->ApplyCookSettings();

		EXPECT_TRUE(GetDefault<URendererSettings>()->bAllowStaticLighting);
		if (Case.bAllowedBefore)
		{
			EXPECT_TRUE(Script.GetShownDialogs().IsEmpty());
			EXPECT_FALSE(IFileManager::Get().FileExists(*(Project.GetConfigDir() + TEXT("DefaultEngine.ini")))) << "nothing to write";
		}
		else
		{
			ASSERT_EQ(Script.GetShownDialogs().Num(), 1);
			const FShownDialog& Dialog = Script.GetShownDialogs()[0];
			EXPECT_EQ(Dialog.Type, EAppMsgType::YesNo);
			EXPECT_EQ(ToUtf8(Dialog.Title), "Restart Required");
			EXPECT_EQ(ToUtf8(Dialog.Message), "Changes to static lighting settings require a restart to take effect. Would you like to restart the editor now?");
			EXPECT_TRUE(ReadConfig(TEXT("DefaultEngine.ini")).Contains(TEXT("r.AllowStaticLighting=True"))) << "written before the question";
		}
		ASSERT_EQ(GetEditorRestartRequests().Num(), Case.bRestarted ? 1 : 0);
		if (Case.bRestarted)
		{
			EXPECT_TRUE(GetEditorRestartRequests()[0].bWarn);
			EXPECT_FALSE(GetEditorRestartRequests()[0].NewCommandLine.IsSet()) << "the same project is reopened";
		}
	}
}

// A restart starts the editor from the files: it is offered only when the renderer's file holds the change.
TEST_F(FApplyCookSettingsTest, ReadOnlySettingsFileIsReportedAndNothingElseIsLost)
{
	const struct
	{
		const TCHAR* ReadOnlyFile;
		const TCHAR* Contents;
		bool bRestartOffered;
	} Cases[] = {
		{TEXT("DefaultGame.ini"), TEXT("[/Script/UnrealEd.ProjectPackagingSettings]\nbUseZenStore=True\n"), true},
		{TEXT("DefaultEngine.ini"), TEXT("[/Script/Engine.RendererSettings]\nr.AllowStaticLighting=False\n"), false},
	};
	for (const auto& Case : Cases)
	{
		SCOPED_TRACE(ToUtf8(Case.ReadOnlyFile));
		IFileManager::Get().DeleteDirectory(*Project.GetConfigDir(), false, true);
		const FString ReadOnlyPath = Project.GetConfigDir() + Case.ReadOnlyFile;
		Project.WriteFile(FString(TEXT("Config/")) + Case.ReadOnlyFile, Case.Contents);
		ASSERT_TRUE(FPlatformFileManager::Get().GetPlatformFile().SetReadOnly(*ReadOnlyPath, true));
		ReopenProject();
		ResetEditorRestartRequests();
		GetMutableDefault<UProjectPackagingSettings>()->bUseZenStore = true;
		GetMutableDefault<URendererSettings>()->bAllowStaticLighting = false;
		UZ4Package* Package = MakePackage(TEXT("/Game/Pack/Pack"));
		AddMainAsset(Package, TEXT("/Game/Pack/L_Arena.L_Arena"), UWorld::StaticClass());
		FDialogScript Script;
		Script.AnswerTitled(RestartTitle, EAppReturnType::Yes);
		FLogCapture Errors;

		Package->ApplyCookSettings();

		EXPECT_EQ(ToUtf8(ReadConfig(Case.ReadOnlyFile)), ToUtf8(Case.Contents)) << "a read-only file stays as it was";
		TArray<FCapturedLogLine> ErrorLines;
		for (const FCapturedLogLine& Line : Errors.Lines())
		{
			if (Line.Verbosity == ELogVerbosity::Error)
			{
				ErrorLines.Add(Line);
			}
		}
		ASSERT_EQ(ErrorLines.Num(), 1);
		EXPECT_EQ(ErrorLines[0].Category, FName(TEXT("Z4LogSDK")));
		EXPECT_TRUE(ErrorLines[0].Message.Contains(FPaths::ConvertRelativePathToFull(ReadOnlyPath))) << ToUtf8(ErrorLines[0].Message);

		EXPECT_EQ(Utf8(MapsToCook()), Utf8({TEXT("/Game/Pack/L_Arena")})) << "the editor's settings keep the change";
		EXPECT_FALSE(GetDefault<UProjectPackagingSettings>()->bUseZenStore);
		EXPECT_TRUE(GetDefault<URendererSettings>()->bAllowStaticLighting);
		EXPECT_EQ(Script.GetShownDialogs().Num(), Case.bRestartOffered ? 1 : 0);
		EXPECT_EQ(GetEditorRestartRequests().Num(), Case.bRestartOffered ? 1 : 0);
		if (Case.bRestartOffered)
		{
			EXPECT_TRUE(ReadConfig(TEXT("DefaultEngine.ini")).Contains(TEXT("r.AllowStaticLighting=True")));
		}
		FPlatformFileManager::Get().GetPlatformFile().SetReadOnly(*ReadOnlyPath, false);
	}
}
