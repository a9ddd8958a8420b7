// The creator's whole flow through the editor's own surfaces: a package made from the new-asset menu, opened in
// its editor, driven by the buttons of its details panel, the content cooked with the editor's Cook Content, and
// the pak listed in the console that "Log Pak File" opens.
#include "../Cooker/CookerTestUtils.h"
#include "NotificationTestUtils.h"
#include "../Core/CoreTestPrinters.h"
#include "IDetailsView.h"
#include "Modules/ModuleManager.h"
#include "StandIn/ContentBrowserModel.h"
#include "StandIn/CookContent.h"
#include "StandIn/DetailsView.h"
#include "StandIn/DialogScript.h"
#include "StandIn/EditorTick.h"
#include "StandIn/EnginePaths.h"
#include "StandIn/NotificationLog.h"
#include "StandIn/OpenAssetEditors.h"
#include "StandIn/ProcessLog.h"
#include "StandIn/StringConv.h"
#include "StandIn/TestProject.h"
#include "Toolkits/SimpleAssetEditor.h"
#include "Z4Package.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

using namespace UE::StandIn;
using namespace UE::Quillon::Test;

namespace
{
	std::string ReadBytes(const FString& Path)
	{
		std::ifstream File(ToUtf8(Path), std::ios::binary);
		return std::string(std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>());
	}

	// The details view of the one editor open for Asset.
	FDetailsView* FindOpenDetailsView(const UObject* Asset)
	{
		const TArray<TSharedRef<FAssetEditorToolkit>> Editors = FindEditorsForAsset(Asset);
		if (Editors.Num() != 1 || Editors[0]->GetToolkitFName() != FSimpleAssetEditor::ToolkitFName)
		{
			return nullptr;
		}
		const TSharedPtr<IDetailsView> DetailsView = StaticCastSharedRef<FSimpleAssetEditor>(Editors[0])->GetDetailsView();
		return DetailsView.IsValid() ? &GetStandInView(*DetailsView) : nullptr;
	}
}

TEST(EditorSurfacesFlowTest, OpeningAPackageShowsItsPanel)
{
	FTestProject Project;
	FStandInEngine Engine(Project);
	const TArray<FNewAssetMenuEntry> Menu = GetNewAssetMenu();
	const FNewAssetMenuEntry* Entry = FindNewAssetMenuEntry(Menu, TEXT("Package"));
	ASSERT_NE(Entry, nullptr);
	UObject* Package = CreateAssetFromNewAssetMenu(*Entry, TEXT("/Game/MyPack"), TEXT("MyPackage"));
	ASSERT_NE(Package, nullptr);

	OpenAsset(Package);

	FDetailsView* View = FindOpenDetailsView(Package);
	ASSERT_NE(View, nullptr);
	EXPECT_EQ(View->GetCategoryNames(), TArray<FString>({TEXT("Add Assets"), TEXT("Dependencies"), TEXT("Export"), TEXT("Package")}));
	EXPECT_TRUE(View->Paint().StartsWith(TEXT("Add Assets\n  [Add All Assets]"))) << ToUtf8(View->Paint());

	// After the plug-in's editor module is reloaded the panel opens again, once.
	CloseAllAssetEditors();
	FModuleManager::Get().UnloadModule(TEXT("QuillonSDKBaseEditor"));
	FModuleManager::Get().LoadModuleChecked(TEXT("QuillonSDKBaseEditor"));
	OpenAsset(Package);
	View = FindOpenDetailsView(Package);
	ASSERT_NE(View, nullptr);
	EXPECT_EQ(View->GetCategoryNames(), TArray<FString>({TEXT("Add Assets"), TEXT("Dependencies"), TEXT("Export"), TEXT("Package")}));
}

TEST(EditorSurfacesFlowTest, NewPackageFromTheMenuGoesToAListedPakThroughItsPanel)
{
	FTestProject Project(TEXT("My Project"));
	UE::Cook::Test::WritePackageFile(Project, TEXT("/Game/MyPack/L_Cave"), TEXT("/Script/Engine.World"), {TEXT("/Game/MyPack/SM_Rock")});
	UE::Cook::Test::WritePackageFile(Project, TEXT("/Game/MyPack/SM_Rock"), TEXT("/Script/Engine.StaticMesh"), {TEXT("/Game/MyPack/M_Moss")});
	UE::Cook::Test::WritePackageFile(Project, TEXT("/Game/MyPack/M_Moss"), TEXT("/Script/Engine.Material"));
	FStandInEngine Engine(Project);
	SetWindowsDir(FromUtf8(STANDIN_WINDOWS_DIR));
	ClearShownNotifications();
	FProcessLog Processes;
	const FString ConsoleFile = Project.GetSavedDir() + TEXT("Console.txt");
	Processes.SetConsoleFile(ConsoleFile);
	// Should Apply Cook Settings offer a restart (static lighting off), the creator declines.
	FDialogScript Dialogs;
	Dialogs.AnswerTitled(TEXT("Restart Required"), EAppReturnType::No);

	const TArray<FNewAssetMenuEntry> Menu = GetNewAssetMenu();
	UObject* Asset = CreateAssetFromNewAssetMenu(*FindNewAssetMenuEntry(Menu, TEXT("Package")), TEXT("/Game/MyPack"), TEXT("MyPackage"));
	ASSERT_NE(Asset, nullptr);
	ASSERT_TRUE(SaveAsset(Asset));
	OpenAsset(Asset);
	FDetailsView* View = FindOpenDetailsView(Asset);
	ASSERT_NE(View, nullptr);

	for (const TCHAR* Button : {TEXT("Add All Assets"), TEXT("Find Dependencies"), TEXT("Apply Cook Settings")})
	{
		ASSERT_EQ(View->ClickButton(Button), EDetailsViewActionResult::Done) << ToUtf8(Button);
		View->Tick();
	}
	EXPECT_TRUE(View->Paint().Contains(TEXT("Main Assets: 2 | Assets To Cook: 3"))) << ToUtf8(View->Paint());

	ASSERT_TRUE(CookContent(TEXT("Windows")));
	TickUntilIdle();

	ASSERT_EQ(View->ClickButton(TEXT("Make Pak File")), EDetailsViewActionResult::Done);
	TickEditorUntilNotified();
	ASSERT_EQ(GetShownNotifications().Num(), 1);
	EXPECT_EQ(GetShownNotifications()[0].CompletionState, SNotificationItem::CS_Success) << ToUtf8(GetShownNotifications()[0].Text);

	ASSERT_EQ(View->ClickButton(TEXT("Log Pak File")), EDetailsViewActionResult::Done);
	const TArray<FProcessLaunch> Launches = Processes.GetLaunches();
	ASSERT_FALSE(Launches.IsEmpty());
	EXPECT_EQ(Launches.Last().Program, TEXT("cmd.exe"));
	EXPECT_EQ(Processes.WaitForExit(Launches.Num() - 1, 60.0), TOptional<int32>(0));
	const FString Console = FromUtf8(ReadBytes(ConsoleFile));
	for (const TCHAR* File : {TEXT("MyPack/L_Cave.umap"), TEXT("MyPack/SM_Rock.uasset"), TEXT("MyPack/M_Moss.uasset"), TEXT("MyPack/MyPackage.uasset")})
	{
		EXPECT_TRUE(Console.Contains(FString::Printf(TEXT("\"../../../QuillonVTT/Content/%s\" offset: "), File))) << ToUtf8(File) << "\n" << ToUtf8(Console);
	}
}
