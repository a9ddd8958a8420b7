#include "CoreMinimal.h"
#include "CoreTestPrinters.h"
#include "HAL/FileManager.h"
#include "HAL/PlatformFileManager.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
	class FFileHelperTest : public ::testing::Test
	{
	protected:
		virtual void SetUp() override
		{
			char Template[] = "/tmp/CoreFileTest.XXXXXX";
			ASSERT_NE(mkdtemp(Template), nullptr);
			Scratch = UE::StandIn::FromUtf8(Template);
		}

		virtual void TearDown() override { IFileManager::Get().DeleteDirectory(*Scratch, false, true); }

		TArray<uint8> ReadBytes(const FString& Path)
		{
			TArray<uint8> Bytes;
			EXPECT_TRUE(FFileHelper::LoadFileToArray(Bytes, *Path));
			return Bytes;
		}

		FString Scratch;
	};
}

TEST_F(FFileHelperTest, SaveStringToFileEncodesAsTheEngineAndLoadsBack)
{
	using EEncodingOptions = FFileHelper::EEncodingOptions;
	struct FCase
	{
		const TCHAR* Name;
		FString Text;
		EEncodingOptions Encoding;
		TArray<uint8> Bytes;
	};
	const FCase Cases[] = {
		{TEXT("ascii autodetects to 8-bit"), TEXT("Hi\n"), EEncodingOptions::AutoDetect, {'H', 'i', '\n'}},
		{TEXT("non-ascii autodetects to UTF-16LE with BOM"),
		 TEXT("\u00e9\U0001F600"),
		 EEncodingOptions::AutoDetect,
		 {0xFF, 0xFE, 0xE9, 0x00, 0x3D, 0xD8, 0x00, 0xDE}},
		{TEXT("forced unicode"), TEXT("A"), EEncodingOptions::ForceUnicode, {0xFF, 0xFE, 'A', 0x00}},
		{TEXT("utf-8 with BOM"), TEXT("\u00e9"), EEncodingOptions::ForceUTF8, {0xEF, 0xBB, 0xBF, 0xC3, 0xA9}},
		{TEXT("utf-8 without BOM"), TEXT("\u00e9"), EEncodingOptions::ForceUTF8WithoutBOM, {0xC3, 0xA9}},
		{TEXT("forced ansi"), TEXT("a\u00e9"), EEncodingOptions::ForceAnsi, {'a', 0xE9}},
	};
	for (const FCase& Case : Cases)
	{
		const FString Path = Scratch / TEXT("Sub/Folder/Text.txt");
		ASSERT_TRUE(FFileHelper::SaveStringToFile(Case.Text, *Path, Case.Encoding)) << UE::StandIn::ToUtf8(Case.Name);
		EXPECT_EQ(ReadBytes(Path), Case.Bytes) << UE::StandIn::ToUtf8(Case.Name);

		FString Loaded;
		ASSERT_TRUE(FFileHelper::LoadFileToString(Loaded, *Path));
		EXPECT_TRUE(Loaded.Equals(Case.Text)) << UE::StandIn::ToUtf8(Case.Name) << ": " << UE::StandIn::ToUtf8(Loaded);
	}
}

TEST_F(FFileHelperTest, ReadOnlyFilesCannotBeOverwrittenOrDeleted)
{
	const FString Path = Scratch / TEXT("Locked.txt");
	ASSERT_TRUE(FFileHelper::SaveStringToFile(TEXT("original"), *Path));
	IPlatformFile& PlatformFile = FPlatformFileManager::Get().GetPlatformFile();
	ASSERT_TRUE(PlatformFile.SetReadOnly(*Path, true));
	EXPECT_TRUE(IFileManager::Get().IsReadOnly(*Path));

	EXPECT_FALSE(FFileHelper::SaveStringToFile(TEXT("changed"), *Path));
	EXPECT_FALSE(FFileHelper::SaveArrayToFile(TArray64<uint8>({1, 2}), *Path));
	EXPECT_FALSE(IFileManager::Get().Delete(*Path));
	EXPECT_EQ(IFileManager::Get().Copy(*Path, *Path), COPY_Fail);
	FString Loaded;
	ASSERT_TRUE(FFileHelper::LoadFileToString(Loaded, *Path));
	EXPECT_EQ(Loaded, TEXT("original"));

	EXPECT_TRUE(FFileHelper::SaveStringToFile(TEXT("forced"), *Path, FFileHelper::EEncodingOptions::AutoDetect,
											  &IFileManager::Get(), FILEWRITE_EvenIfReadOnly));
	ASSERT_TRUE(PlatformFile.SetReadOnly(*Path, true));
	EXPECT_TRUE(IFileManager::Get().Delete(*Path, false, true));
	EXPECT_FALSE(IFileManager::Get().FileExists(*Path));
}

TEST_F(FFileHelperTest, ArraysAndLines)
{
	const FString Path = Scratch / TEXT("Bytes.bin");
	TArray<uint8> Bytes = {0, 1, 2, 255};
	ASSERT_TRUE(FFileHelper::SaveArrayToFile(Bytes, *Path));
	EXPECT_EQ(IFileManager::Get().FileSize(*Path), 4);
	EXPECT_EQ(IFileManager::Get().FileSize(*(Scratch / TEXT("Missing"))), -1);
	TArray64<uint8> Loaded64;
	ASSERT_TRUE(FFileHelper::LoadFileToArray(Loaded64, *Path));
	EXPECT_EQ(Loaded64.Num(), 4);
	EXPECT_EQ(Loaded64[3], 255);

	const FString LinesPath = Scratch / TEXT("Lines.txt");
	ASSERT_TRUE(FFileHelper::SaveStringArrayToFile({TEXT("one"), TEXT("two")}, *LinesPath));
	FString Text;
	ASSERT_TRUE(FFileHelper::LoadFileToString(Text, *LinesPath));
	EXPECT_EQ(Text, FString(TEXT("one")) + LINE_TERMINATOR + TEXT("two") + LINE_TERMINATOR);
	TArray<FString> Lines;
	ASSERT_TRUE(FFileHelper::LoadFileToStringArray(Lines, *LinesPath));
	EXPECT_EQ(Lines, TArray<FString>({TEXT("one"), TEXT("two")}));
	EXPECT_FALSE(FFileHelper::LoadFileToString(Text, *(Scratch / TEXT("Missing.txt"))));
}

TEST_F(FFileHelperTest, FindingAndWalkingFiles)
{
	for (const TCHAR* Relative : {TEXT("Content/b.uasset"), TEXT("Content/A.uasset"), TEXT("Content/c.umap"),
								  TEXT("Content/Sub/d.uasset"), TEXT("Content/Sub/Deeper/e.uasset")})
	{
		ASSERT_TRUE(FFileHelper::SaveStringToFile(TEXT("x"), *(Scratch / Relative)));
	}
	IFileManager& FileManager = IFileManager::Get();
	const FString Content = Scratch / TEXT("Content");

	TArray<FString> Names;
	FileManager.FindFiles(Names, *Content, TEXT("uasset"));
	EXPECT_EQ(Names, TArray<FString>({TEXT("A.uasset"), TEXT("b.uasset")}));

	TArray<FString> Found = {TEXT("stale")};
	FileManager.FindFilesRecursive(Found, *Content, TEXT("*.uasset"), true, false);
	EXPECT_EQ(Found, TArray<FString>({Content / TEXT("A.uasset"), Content / TEXT("b.uasset"),
									  Content / TEXT("Sub/d.uasset"), Content / TEXT("Sub/Deeper/e.uasset")}));

	TArray<FString> Visited;
	FileManager.IterateDirectoryRecursively(*Content,
											[&Visited, &Content](const TCHAR* Path, bool bIsDirectory)
											{
												FString Relative = Path;
												Relative.RemoveFromStart(Content + TEXT("/"));
												Visited.Add(Relative + (bIsDirectory ? TEXT("/") : TEXT("")));
												return true;
											});
	EXPECT_EQ(Visited, TArray<FString>({TEXT("A.uasset"), TEXT("b.uasset"), TEXT("c.umap"), TEXT("Sub/"),
										TEXT("Sub/d.uasset"), TEXT("Sub/Deeper/"), TEXT("Sub/Deeper/e.uasset")}));

	EXPECT_EQ(FileManager.Copy(*(Scratch / TEXT("Copy/x.umap")), *(Content / TEXT("c.umap"))), COPY_OK);
	EXPECT_TRUE(FileManager.Move(*(Scratch / TEXT("Moved/y.umap")), *(Scratch / TEXT("Copy/x.umap"))));
	EXPECT_FALSE(FileManager.FileExists(*(Scratch / TEXT("Copy/x.umap"))));
	EXPECT_TRUE(FileManager.FileExists(*(Scratch / TEXT("Moved/y.umap"))));
	EXPECT_TRUE(FileManager.DeleteDirectory(*(Content / TEXT("Sub")), true, true));
	EXPECT_FALSE(FileManager.DirectoryExists(*(Content / TEXT("Sub"))));
}
