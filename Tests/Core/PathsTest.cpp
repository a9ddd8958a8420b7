#include "CoreMinimal.h"
#include "CoreTestPrinters.h"
#include "HAL/FileManager.h"
#include "HAL/PlatformProcess.h"
#include "Misc/App.h"
#include "Misc/Paths.h"
#include "StandIn/EnginePaths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>

namespace
{
	/** A scratch folder holding a fake engine; restores the engine root, project and working folder after. */
	class FPathsTest : public ::testing::Test
	{
	protected:
		virtual void SetUp() override
		{
			char Template[] = "/tmp/CorePathsTest.XXXXXX";
			ASSERT_NE(mkdtemp(Template), nullptr);
			Scratch = UE::StandIn::FromUtf8(Template);
			SavedEngineRoot = UE::StandIn::GetEngineRoot();
			SavedProject = UE::StandIn::GetProjectRoot().IsEmpty() ? FString() : FString(FPaths::GetProjectFilePath());
			SavedWorkingDirectory = FPlatformProcess::GetCurrentWorkingDirectory();
			UE::StandIn::SetEngineRoot(Scratch / TEXT("UE_5.5/Engine"));
		}

		virtual void TearDown() override
		{
			ASSERT_EQ(chdir(UE::StandIn::ToUtf8(SavedWorkingDirectory).c_str()), 0);
			UE::StandIn::SetEngineRoot(SavedEngineRoot);
			if (SavedProject.IsEmpty())
			{
				UE::StandIn::ClearProject();
			}
			else
			{
				UE::StandIn::SetProject(FPaths::ConvertRelativePathToFull(SavedProject));
			}
			IFileManager::Get().DeleteDirectory(*Scratch, false, true);
		}

		FString Scratch;
		FString SavedEngineRoot;
		FString SavedProject;
		FString SavedWorkingDirectory;
	};
}

TEST_F(FPathsTest, FoldersAreRelativeToTheBinariesFolderAndResolveBack)
{
	UE::StandIn::SetProject(Scratch / TEXT("Projects/MyProj/MyProj.uproject"));

	EXPECT_EQ(FString(FPlatformProcess::BaseDir()), Scratch / TEXT("UE_5.5/Engine/Binaries/Win64/"));
	EXPECT_EQ(FPaths::EngineDir(), TEXT("../../../Engine/"));
	EXPECT_EQ(FPaths::RootDir(), TEXT("../../../"));
	EXPECT_EQ(FPaths::ProjectDir(), TEXT("../../../../Projects/MyProj/"));
	EXPECT_EQ(FPaths::ProjectContentDir(), TEXT("../../../../Projects/MyProj/Content/"));
	EXPECT_EQ(FPaths::ProjectSavedDir(), TEXT("../../../../Projects/MyProj/Saved/"));
	EXPECT_EQ(FPaths::ProjectPluginsDir(), TEXT("../../../../Projects/MyProj/Plugins/"));
	EXPECT_EQ(FPaths::GetProjectFilePath(), TEXT("../../../../Projects/MyProj/MyProj.uproject"));
	EXPECT_STREQ(FApp::GetProjectName(), TEXT("MyProj"));
	EXPECT_STREQ(GInternalProjectName, TEXT("MyProj"));

	EXPECT_EQ(FPaths::ConvertRelativePathToFull(FPaths::ProjectContentDir()),
			  Scratch / TEXT("Projects/MyProj/Content/"));
	EXPECT_EQ(FPaths::ConvertRelativePathToFull(FPaths::EngineContentDir()), Scratch / TEXT("UE_5.5/Engine/Content/"));
	EXPECT_TRUE(FPaths::IsSamePath(FPaths::ProjectDir(), Scratch / TEXT("Projects/MyProj/")));

	// Relative paths work for file access once the working folder is the binaries folder, as in the editor.
	UE::StandIn::SetWorkingDirectoryToBaseDir();
	const FString Marker = FPaths::ProjectSavedDir() / TEXT("Marker.txt");
	ASSERT_TRUE(IFileManager::Get().MakeDirectory(*FPaths::ProjectSavedDir(), true));
	FILE* File = std::fopen(UE::StandIn::ToUtf8(Scratch / TEXT("Projects/MyProj/Saved/Marker.txt")).c_str(), "w");
	ASSERT_NE(File, nullptr);
	std::fclose(File);
	EXPECT_TRUE(FPaths::FileExists(Marker));
	EXPECT_EQ(IFileManager::Get().ConvertToAbsolutePathForExternalAppForRead(*Marker),
			  Scratch / TEXT("Projects/MyProj/Saved/Marker.txt"));

	UE::StandIn::ClearProject();
	EXPECT_STREQ(FApp::GetProjectName(), TEXT(""));
}

TEST(PathsTest, FileNameParts)
{
	struct FCase
	{
		const TCHAR* Path;
		const TCHAR* Directory;
		const TCHAR* Clean;
		const TCHAR* Base;
		const TCHAR* Extension;
	};
	const FCase Cases[] = {
		{TEXT("/Game/Pack/Pkg"), TEXT("/Game/Pack"), TEXT("Pkg"), TEXT("Pkg"), TEXT("")},
		{TEXT("../Proj/Content/T_Icon.png"), TEXT("../Proj/Content"), TEXT("T_Icon.png"), TEXT("T_Icon"), TEXT("png")},
		{TEXT("C:\\Dir\\File.tar.gz"), TEXT("C:\\Dir"), TEXT("File.tar.gz"), TEXT("File.tar"), TEXT("gz")},
		{TEXT("dir.with.dots/noext"), TEXT("dir.with.dots"), TEXT("noext"), TEXT("noext"), TEXT("")},
		{TEXT("/Script"), TEXT(""), TEXT("Script"), TEXT("Script"), TEXT("")},
		{TEXT("File.uasset"), TEXT(""), TEXT("File.uasset"), TEXT("File"), TEXT("uasset")},
	};
	for (const FCase& Case : Cases)
	{
		const FString Path = Case.Path;
		EXPECT_EQ(FPaths::GetPath(Path), Case.Directory) << UE::StandIn::ToUtf8(Path);
		EXPECT_EQ(FPaths::GetPath(FString(Path)), Case.Directory) << UE::StandIn::ToUtf8(Path);
		EXPECT_EQ(FPaths::GetCleanFilename(Path), Case.Clean) << UE::StandIn::ToUtf8(Path);
		EXPECT_EQ(FPaths::GetBaseFilename(Path), Case.Base) << UE::StandIn::ToUtf8(Path);
		EXPECT_EQ(FPaths::GetExtension(Path), Case.Extension) << UE::StandIn::ToUtf8(Path);
	}
	EXPECT_EQ(FPaths::GetBaseFilename(TEXT("/A/B.txt"), false), TEXT("/A/B"));
	EXPECT_EQ(FPaths::GetExtension(TEXT("a/b.png"), true), TEXT(".png"));
	EXPECT_EQ(FPaths::ChangeExtension(TEXT("a/b.png"), TEXT("jpg")), TEXT("a/b.jpg"));
	EXPECT_EQ(FPaths::ChangeExtension(TEXT("a/b"), TEXT("jpg")), TEXT("a/b"));
	EXPECT_EQ(FPaths::ChangeExtension(TEXT("a/b.png"), TEXT("")), TEXT("a/b"));
	EXPECT_EQ(FPaths::SetExtension(TEXT("a/b"), TEXT(".uasset")), TEXT("a/b.uasset"));
}

TEST(PathsTest, CombineCollapseAndRelativePaths)
{
	EXPECT_EQ(FPaths::Combine(TEXT("A"), TEXT("B/"), FString(TEXT("C.txt"))), TEXT("A/B/C.txt"));
	EXPECT_EQ(FPaths::Combine(FString(TEXT("../Proj/")), TEXT("Saved")), TEXT("../Proj/Saved"));
	EXPECT_EQ(FPaths::Combine(TEXT("A"), TEXT(""), TEXT("B")), TEXT("A/B"));

	struct FCollapseCase
	{
		const TCHAR* Path;
		bool bCollapsed;
		const TCHAR* Expected;
	};
	const FCollapseCase CollapseCases[] = {
		{TEXT("/a/b/../c/./d/"), true, TEXT("/a/c/d/")},
		{TEXT("a/b/../../c"), true, TEXT("c")},
		{TEXT("../a"), false, TEXT("../a")},
		{TEXT("/a/../../b"), false, TEXT("/a/../../b")},
		{TEXT("C:\\x\\..\\y"), true, TEXT("C:/y")},
	};
	for (const FCollapseCase& Case : CollapseCases)
	{
		FString Path = Case.Path;
		EXPECT_EQ(FPaths::CollapseRelativeDirectories(Path), Case.bCollapsed) << UE::StandIn::ToUtf8(Case.Path);
		EXPECT_EQ(Path, Case.Expected);
	}

	EXPECT_EQ(FPaths::ConvertRelativePathToFull(TEXT("/base/dir"), TEXT("../x/y")), TEXT("/base/x/y"));
	EXPECT_EQ(FPaths::ConvertRelativePathToFull(TEXT("/base/dir"), TEXT("/abs/z")), TEXT("/abs/z"));
	EXPECT_TRUE(FPaths::IsRelative(TEXT("a/b")));
	EXPECT_FALSE(FPaths::IsRelative(TEXT("/a/b")));
	EXPECT_FALSE(FPaths::IsRelative(TEXT("C:/a")));

	FString Path = TEXT("/root/proj/Content/Maps/Level.umap");
	EXPECT_TRUE(FPaths::MakePathRelativeTo(Path, TEXT("/root/proj/Saved/Cooked/")));
	EXPECT_EQ(Path, TEXT("../../Content/Maps/Level.umap"));
	Path = TEXT("/root/proj/Content/A.uasset");
	EXPECT_TRUE(FPaths::MakePathRelativeTo(Path, TEXT("/root/proj/Proj.uproject")));
	EXPECT_EQ(Path, TEXT("Content/A.uasset"));

	FString Directory = TEXT("a\\b\\");
	FPaths::NormalizeDirectoryName(Directory);
	EXPECT_EQ(Directory, TEXT("a/b"));
	EXPECT_TRUE(FPaths::IsUnderDirectory(TEXT("/p/Content/x.uasset"), TEXT("/p/Content")));
	EXPECT_FALSE(FPaths::IsUnderDirectory(TEXT("/p/ContentOther/x.uasset"), TEXT("/p/Content")));
}
