#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "StandIn/LogCapture.h"
#include "StandIn/SlateImageFile.h"
#include "StandIn/StringConv.h"
#include <filesystem>
#include <gtest/gtest.h>

using namespace UE::StandIn;

namespace
{
	FString IconPath()
	{
		return FromUtf8(QUILLON_SOURCE_DIR) + TEXT("/Plugins/QuillonSDKBase/Resources/QuillonIcon.png");
	}

	struct FDamagedImageCase
	{
		const char* Name;
		TFunction<void(TArray<uint8>&)> Damage;
		const TCHAR* Reason;
	};
}

TEST(SlateImageFileTest, ReadsTheSizeOfAWellFormedPng)
{
	FSlateImageFileInfo Info;
	FString Error;
	ASSERT_TRUE(ReadSlateImageFile(IconPath(), Info, Error)) << ToUtf8(Error);
	EXPECT_EQ(Info.Width, 64);
	EXPECT_EQ(Info.Height, 64);
}

// Each damaged copy of a good PNG fails with its reason, and the renderer's warning names the file.
TEST(SlateImageFileTest, RejectsMissingAndDamagedFiles)
{
	TArray<uint8> Good;
	ASSERT_TRUE(FFileHelper::LoadFileToArray(Good, *IconPath()));
	const FDamagedImageCase Cases[] = {
		{"not a PNG", [](TArray<uint8>& Bytes) { Bytes[1] = 'J'; }, TEXT("not a PNG")},
		{"header checksum", [](TArray<uint8>& Bytes) { Bytes[18] ^= 0x01; }, TEXT("checksum of its IHDR")},
		{"cut short", [](TArray<uint8>& Bytes) { Bytes.SetNum(Bytes.Num() - 12); }, TEXT("ends before its end chunk")},
	};
	const std::filesystem::path Folder = std::filesystem::temp_directory_path() / "quillon-slate-image-test";
	std::filesystem::create_directories(Folder);
	for (const FDamagedImageCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		TArray<uint8> Bytes = Good;
		Case.Damage(Bytes);
		const FString File = FromUtf8((Folder / "Damaged.png").string());
		ASSERT_TRUE(FFileHelper::SaveArrayToFile(Bytes, *File));
		FLogCapture Log;
		FSlateImageFileInfo Info;
		FString Error;
		EXPECT_FALSE(ReadSlateImageFile(File, Info, Error));
		EXPECT_TRUE(Error.Contains(Case.Reason)) << ToUtf8(Error);
		EXPECT_EQ(Info.Width, 0);
		EXPECT_TRUE(Log.Contains(TEXT("LogSlate"), ELogVerbosity::Warning, File));
	}
	std::filesystem::remove_all(Folder);

	FLogCapture Log;
	FSlateImageFileInfo Info;
	FString Error;
	EXPECT_FALSE(ReadSlateImageFile(TEXT("/nonexistent/QuillonIcon.png"), Info, Error));
	EXPECT_TRUE(Log.Contains(TEXT("LogSlate"), ELogVerbosity::Warning, TEXT("Could not find file for Slate resource: /nonexistent/QuillonIcon.png")));
}
