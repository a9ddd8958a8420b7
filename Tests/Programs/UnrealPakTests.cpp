// UnrealPak.exe run as a process: creating, listing and extracting paks, and its failures.
#include "Containers/StringConv.h"
#include "Misc/SecureHash.h"
#include "ProgramTestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <regex>

using namespace ProgramTest;

namespace
{
	struct FListedEntry
	{
		uint64_t Size = 0;
		uint64_t CompressedSize = 0;
		std::string Sha1;
	};

	// The entry lines of a listing, by mount path.
	std::map<std::string, FListedEntry> ParseListing(const std::string& Output)
	{
		static const std::regex EntryLine(
			R"re(LogPakFile: Display: "([^"]+)" offset: \d+, size: (\d+) bytes, compressed: (\d+) bytes, sha1: ([0-9A-F]{40}), compression: \w+\.)re");
		std::map<std::string, FListedEntry> Entries;
		for (auto It = std::sregex_iterator(Output.begin(), Output.end(), EntryLine); It != std::sregex_iterator();
			 ++It)
		{
			Entries[(*It)[1]] = {std::stoull((*It)[2]), std::stoull((*It)[3]), (*It)[4]};
		}
		return Entries;
	}

	// UTF-8 to UTF-16LE with a byte-order mark, as the engine writes a file that is not all ASCII.
	std::string Utf16LeWithBom(const std::string& Utf8)
	{
		std::string Bytes = "\xFF\xFE";
		const auto AppendUnit = [&Bytes](uint32_t Unit)
		{
			Bytes.push_back(static_cast<char>(Unit & 0xFF));
			Bytes.push_back(static_cast<char>(Unit >> 8));
		};
		for (size_t Index = 0; Index < Utf8.size();)
		{
			const uint8_t Lead = static_cast<uint8_t>(Utf8[Index]);
			const size_t Length = Lead < 0x80 ? 1 : Lead < 0xE0 ? 2 : Lead < 0xF0 ? 3 : 4;
			uint32_t CodePoint = Length == 1 ? Lead : Lead & (0xFF >> (Length + 1));
			for (size_t Offset = 1; Offset < Length; ++Offset)
			{
				CodePoint = (CodePoint << 6) | (static_cast<uint8_t>(Utf8[Index + Offset]) & 0x3F);
			}
			Index += Length;
			if (CodePoint >= 0x10000)
			{
				AppendUnit(0xD800 + ((CodePoint - 0x10000) >> 10));
				AppendUnit(0xDC00 + ((CodePoint - 0x10000) & 0x3FF));
			}
			else
			{
				AppendUnit(CodePoint);
			}
		}
		return Bytes;
	}

	// The footer is the last 28 bytes; it starts with the index offset (see Docs/PakFormat.md).
	size_t FooterOffset(const std::string& Pak)
	{
		return Pak.size() - 28;
	}

	uint64_t IndexOffset(const std::string& Pak)
	{
		uint64_t Offset = 0;
		for (int Byte = 7; Byte >= 0; --Byte)
		{
			Offset = (Offset << 8) | static_cast<uint8_t>(Pak[FooterOffset(Pak) + Byte]);
		}
		return Offset;
	}

	class FUnrealPakTest : public testing::Test
	{
	protected:
		FProcessResult RunPak(const std::vector<std::string>& Arguments) const
		{
			return RunProcess(UnrealPakPath(), Arguments, Root.Path());
		}

		std::filesystem::path At(const std::string& Relative) const { return Root.Path() / Relative; }

		FTempFolder Root;
	};

	struct FSourceFile
	{
		std::string SourcePath;
		std::string MountPath;
		// Where -extract writes it: the mount path without its leading "../".
		std::string ExtractedPath;
		std::string Bytes;
		bool bCompressible = false;
	};
}

class FUnrealPakRoundTripTest : public FUnrealPakTest, public testing::WithParamInterface<bool>
{
};

TEST_P(FUnrealPakRoundTripTest, ListsAndExtractsEveryFileAsWritten)
{
	const bool bCompress = GetParam();
	const std::vector<FSourceFile> Files = {
		// Several compression blocks, the last one partial.
		{"Cooked/Content/Pack/SM_Rock.uasset", "../../../QuillonVTT/Content/Pack/SM_Rock.uasset",
		 "QuillonVTT/Content/Pack/SM_Rock.uasset", CompressibleBytes(200003, 1), true},
		// Large enough for the kernel copy of an uncompressed entry.
		{"Cooked/Content/Pack/SK_Hero.uasset", "../../../QuillonVTT/Content/Pack/SK_Hero.uasset",
		 "QuillonVTT/Content/Pack/SK_Hero.uasset", CompressibleBytes(1600000, 2), true},
		// Incompressible: stored as it is even with -compress.
		{"Cooked/Content/Pack/T_Noise.ubulk", "../../../QuillonVTT/Content/Pack/T_Noise.ubulk",
		 "QuillonVTT/Content/Pack/T_Noise.ubulk", RandomBytes(150000, 3), false},
		{"Cooked/Content/Pack/T_Noise.uexp", "../../../QuillonVTT/Content/Pack/T_Noise.uexp",
		 "QuillonVTT/Content/Pack/T_Noise.uexp", "", false},
		{"Cooked/My Maps/L_Town.umap", "../../../QuillonVTT/Content/My Maps/L_Town.umap",
		 "QuillonVTT/Content/My Maps/L_Town.umap", CompressibleBytes(3000, 4), true},
	};
	std::string Response;
	for (const FSourceFile& File : Files)
	{
		WriteFile(At(File.SourcePath), File.Bytes);
		Response += "\"" + File.SourcePath + "\" \"" + File.MountPath + "\"\r\n\r\n";
	}
	WriteFile(At("Manifest.txt"), Response);

	// Relative paths resolve against the working folder; the pak's folders do not exist yet.
	std::vector<std::string> CreateArguments = {"Out/Paks/Pack.pak", "-create=Manifest.txt", "-log"};
	if (bCompress)
	{
		CreateArguments.push_back("-compress");
	}
	const FProcessResult Created = RunPak(CreateArguments);
	ASSERT_EQ(Created.ExitCode, 0) << Created.Output;
	EXPECT_NE(Created.Output.find("Added 5 files"), std::string::npos) << Created.Output;
	EXPECT_EQ(ListFiles(At("Out")), std::vector<std::string>{"Paks/Pack.pak"});

	const FProcessResult Listed = RunPak({"Out/Paks/Pack.pak", "-list"});
	ASSERT_EQ(Listed.ExitCode, 0) << Listed.Output;
	const std::map<std::string, FListedEntry> Entries = ParseListing(Listed.Output);
	EXPECT_EQ(Entries.size(), Files.size()) << Listed.Output;
	uint64_t TotalSize = 0;
	for (const FSourceFile& File : Files)
	{
		SCOPED_TRACE(File.MountPath);
		ASSERT_EQ(Entries.count(File.MountPath), 1u) << Listed.Output;
		const FListedEntry& Entry = Entries.at(File.MountPath);
		EXPECT_EQ(Entry.Size, File.Bytes.size());
		// The hash of the file as it was given, whether stored or compressed.
		EXPECT_EQ(Entry.Sha1, std::string(TCHAR_TO_UTF8(*FSHA1::HashBuffer(File.Bytes.data(), File.Bytes.size()).ToString())));
		if (bCompress && File.bCompressible)
		{
			EXPECT_LT(Entry.CompressedSize, File.Bytes.size() / 2);
		}
		else
		{
			EXPECT_EQ(Entry.CompressedSize, File.Bytes.size());
		}
		TotalSize += File.Bytes.size();
	}
	EXPECT_NE(Listed.Output.find("5 files (" + std::to_string(TotalSize) + " bytes)"), std::string::npos)
		<< Listed.Output;

	const FProcessResult Extracted = RunPak({"Out/Paks/Pack.pak", "-extract=Extracted"});
	ASSERT_EQ(Extracted.ExitCode, 0) << Extracted.Output;
	std::vector<std::string> ExpectedFiles;
	for (const FSourceFile& File : Files)
	{
		EXPECT_TRUE(ReadFile(At("Extracted") / File.ExtractedPath) == File.Bytes) << File.ExtractedPath;
		ExpectedFiles.push_back(File.ExtractedPath);
	}
	std::sort(ExpectedFiles.begin(), ExpectedFiles.end());
	EXPECT_EQ(ListFiles(At("Extracted")), ExpectedFiles);
}

INSTANTIATE_TEST_SUITE_P(, FUnrealPakRoundTripTest, testing::Values(false, true),
						 [](const testing::TestParamInfo<bool>& Info)
						 { return Info.param ? "Compressed" : "Uncompressed"; });

TEST_F(FUnrealPakTest, CompressionFindsRepeatsAcrossBlockBoundaries)
{
	// 24 KiB of noise repeated: past the first copy, every byte repeats something under 32 KiB back,
	// including across the 64 KiB blocks that are compressed on different threads.
	const std::string Noise = RandomBytes(24 * 1024, 9);
	std::string Bytes;
	while (Bytes.size() < 400 * 1024)
	{
		Bytes += Noise;
	}
	WriteFile(At("Src/Tiled.ubulk"), Bytes);
	WriteFile(At("Manifest.txt"), "Src/Tiled.ubulk Mount/Tiled.ubulk\n");
	ASSERT_EQ(RunPak({"Pack.pak", "-create=Manifest.txt", "-compress"}).ExitCode, 0);

	const FProcessResult Listed = RunPak({"Pack.pak", "-list"});
	ASSERT_EQ(Listed.ExitCode, 0) << Listed.Output;
	const FListedEntry Entry = ParseListing(Listed.Output)["Mount/Tiled.ubulk"];
	EXPECT_EQ(Entry.Size, Bytes.size());
	EXPECT_LT(Entry.CompressedSize, Noise.size() + 4 * 1024) << Listed.Output;
}

TEST_F(FUnrealPakTest, ReadsResponseFilesInEveryEncodingTheEditorWrites)
{
	struct FCase
	{
		const char* Name;
		// The response text, with SOURCE and MOUNT standing for the two paths.
		std::string (*Encode)(const std::string& Utf8);
		// The file's name on disk and in the pak, in UTF-8.
		std::string FileName;
	};
	const std::vector<FCase> Cases = {
		{"Utf16LeWithBom", &Utf16LeWithBom, "Dé \xCE\xA9 \xF0\x9F\x8E\xB2.uasset"},
		{"Utf8WithBom", [](const std::string& Utf8) { return "\xEF\xBB\xBF" + Utf8; }, "Dé \xCE\xA9.uasset"},
		{"Utf8", [](const std::string& Utf8) { return Utf8; }, "D\xC3\xA9.uasset"},
		// Windows-1252: "é" is the single byte E9.
		{"Ansi",
		 [](const std::string& Utf8)
		 {
			 std::string Ansi;
			 for (size_t Index = 0; Index < Utf8.size(); ++Index)
			 {
				 const bool bAcuteE = Utf8.compare(Index, 2, "\xC3\xA9") == 0;
				 Ansi.push_back(bAcuteE ? '\xE9' : Utf8[Index]);
				 Index += bAcuteE ? 1 : 0;
			 }
			 return Ansi;
		 },
		 "D\xC3\xA9.uasset"},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		const std::string Source = std::string(Case.Name) + "/" + Case.FileName;
		const std::string Mount = "../../../QuillonVTT/Content/" + Case.FileName;
		const std::string Bytes = CompressibleBytes(5000, 7);
		WriteFile(At(Source), Bytes);
		WriteFile(At(std::string(Case.Name) + ".txt"), Case.Encode("\"" + Source + "\" \"" + Mount + "\"\r\n"));

		const std::string Pak = std::string(Case.Name) + ".pak";
		const FProcessResult Created = RunPak({Pak, "-create=" + std::string(Case.Name) + ".txt"});
		ASSERT_EQ(Created.ExitCode, 0) << Created.Output;
		const FProcessResult Listed = RunPak({Pak, "-list"});
		EXPECT_EQ(ParseListing(Listed.Output).count(Mount), 1u) << Listed.Output;
		const FProcessResult Extracted = RunPak({Pak, "-extract=" + std::string(Case.Name) + "-out"});
		ASSERT_EQ(Extracted.ExitCode, 0) << Extracted.Output;
		EXPECT_TRUE(ReadFile(At(std::string(Case.Name) + "-out/QuillonVTT/Content/" + Case.FileName)) == Bytes);
	}
}

TEST_F(FUnrealPakTest, EmptyResponseFileMakesAnEmptyPak)
{
	for (const std::string Response : {"", "\r\n\n  \t\r\n"})
	{
		WriteFile(At("Empty.txt"), Response);
		const FProcessResult Created = RunPak({"Empty.pak", "-create=Empty.txt", "-compress"});
		ASSERT_EQ(Created.ExitCode, 0) << Created.Output;
		const FProcessResult Listed = RunPak({"Empty.pak", "-list"});
		EXPECT_EQ(Listed.ExitCode, 0) << Listed.Output;
		EXPECT_NE(Listed.Output.find("0 files (0 bytes)"), std::string::npos) << Listed.Output;
	}
}

TEST_F(FUnrealPakTest, FailedCreateNamesTheCauseAndLeavesNoPak)
{
	struct FCase
	{
		const char* Name;
		// Null: no response file at all.
		const char* Response;
		std::vector<std::string> MessageParts;
	};
	const std::vector<FCase> Cases = {
		{"MissingSource",
		 "Src/a.txt Mount/a.txt\nSrc/missing.txt Mount/missing.txt\n",
		 {"\"Src/missing.txt\"", "line 2", "does not exist"}},
		{"UnterminatedQuote",
		 "Src/a.txt Mount/a.txt\r\n\"Src/a.txt Mount/b.txt\r\n",
		 {"line 2", "quote is not closed"}},
		{"OnlyOnePath", "\nSrc/a.txt\n", {"line 2", "expected a source path and a mount path"}},
		{"UnquotedSpaces", "Src/a b.txt Mount/ab.txt\n", {"line 1", "unexpected \"Mount/ab.txt\""}},
		{"DuplicateMountPath",
		 "Src/a.txt Mount/a.txt\n\"Src/a b.txt\" mount/A.txt\n",
		 {"line 2", "already given on line 1"}},
		{"SourceIsFolder", "Src Mount/Src\n", {"\"Src\"", "not a regular file"}},
		{"MissingResponseFile", nullptr, {"MissingResponseFile.txt", "No such file"}},
		// Its size on disk is 0 but reading it gives bytes: a file that changes while it is packed,
		// found only after the pak has been started.
		{"SourceChangesWhileRead", "/proc/self/status Mount/status\n", {"/proc/self/status", "changed size"}},
	};
	WriteFile(At("Src/a.txt"), "alpha");
	WriteFile(At("Src/a b.txt"), "beta");
	for (const bool bCompress : {false, true})
	{
		for (const FCase& Case : Cases)
		{
			SCOPED_TRACE(std::string(Case.Name) + (bCompress ? " compressed" : ""));
			const std::string ResponseFile = std::string(Case.Name) + ".txt";
			if (Case.Response)
			{
				WriteFile(At(ResponseFile), Case.Response);
			}
			std::vector<std::string> Arguments = {"Out/Pack.pak", "-create=" + ResponseFile};
			if (bCompress)
			{
				Arguments.push_back("-compress");
			}
			const FProcessResult Result = RunPak(Arguments);
			EXPECT_NE(Result.ExitCode, 0);
			for (const std::string& Part : Case.MessageParts)
			{
				EXPECT_NE(Result.Output.find(Part), std::string::npos) << Part << "\n" << Result.Output;
			}
			EXPECT_EQ(ListFiles(At("Out")), std::vector<std::string>()) << "no pak and no temporary file";
		}
	}
}

TEST_F(FUnrealPakTest, FailedCreateKeepsThePreviousPak)
{
	WriteFile(At("Src/a.txt"), "alpha");
	WriteFile(At("Good.txt"), "Src/a.txt Mount/a.txt\n");
	ASSERT_EQ(RunPak({"Pack.pak", "-create=Good.txt"}).ExitCode, 0);
	const std::string Previous = ReadFile(At("Pack.pak"));

	WriteFile(At("Bad.txt"), "Src/a.txt Mount/a.txt\n/proc/self/status Mount/status\n");
	EXPECT_NE(RunPak({"Pack.pak", "-create=Bad.txt"}).ExitCode, 0);
	EXPECT_TRUE(ReadFile(At("Pack.pak")) == Previous);
	EXPECT_EQ(ListFiles(Root.Path()), (std::vector<std::string>{"Bad.txt", "Good.txt", "Pack.pak", "Src/a.txt"}));
}

TEST_F(FUnrealPakTest, DamagedPakIsReportedByListAndExtract)
{
	struct FCase
	{
		const char* Name;
		bool bCompress;
		// Turns the bytes of a good pak into the damaged file; null removes the pak.
		void (*Damage)(std::string& Pak);
		std::vector<std::string> MessageParts;
	};
	const std::vector<FCase> Cases = {
		{"Missing", false, nullptr, {"Pack.pak", "No such file"}},
		{"TooSmall", false, [](std::string& Pak) { Pak.resize(10); }, {"is not a pak file"}},
		{"NotAPak", false, [](std::string& Pak) { Pak = std::string(200, 'x'); }, {"is not a pak file"}},
		{"Truncated", false, [](std::string& Pak) { Pak.pop_back(); }, {"is damaged", "footer"}},
		{"IndexOutOfRange",
		 false,
		 [](std::string& Pak) { Pak[FooterOffset(Pak) + 6] = '\x7F'; },
		 {"is damaged", "out of range"}},
		{"IndexBytes",
		 false,
		 [](std::string& Pak) { Pak[IndexOffset(Pak) + 8] ^= 0x20; },
		 {"is damaged", "index checksum mismatch"}},
		{"EntryBytes",
		 false,
		 [](std::string& Pak) { Pak[16 + 100] ^= 0x01; },
		 {"is damaged", "\"Mount/First.uasset\"", "checksum mismatch"}},
		{"CompressedEntryBytes",
		 true,
		 [](std::string& Pak) { Pak[16 + 100] ^= 0x01; },
		 {"is damaged", "\"Mount/First.uasset\""}},
	};
	WriteFile(At("Src/First.uasset"), CompressibleBytes(20000, 11));
	WriteFile(At("Src/Second.uasset"), CompressibleBytes(20000, 12));
	WriteFile(At("Manifest.txt"), "Src/First.uasset Mount/First.uasset\nSrc/Second.uasset Mount/Second.uasset\n");
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		std::filesystem::remove_all(At("Out"));
		std::vector<std::string> Arguments = {"Pack.pak", "-create=Manifest.txt"};
		if (Case.bCompress)
		{
			Arguments.push_back("-compress");
		}
		ASSERT_EQ(RunPak(Arguments).ExitCode, 0);
		if (Case.Damage)
		{
			std::string Pak = ReadFile(At("Pack.pak"));
			Case.Damage(Pak);
			WriteFile(At("Pack.pak"), Pak);
		}
		else
		{
			std::filesystem::remove(At("Pack.pak"));
		}

		for (const std::string Mode : {"-list", "-extract=Out"})
		{
			const FProcessResult Result = RunPak({"Pack.pak", Mode});
			EXPECT_NE(Result.ExitCode, 0) << Mode;
			for (const std::string& Part : Case.MessageParts)
			{
				EXPECT_NE(Result.Output.find(Part), std::string::npos) << Mode << ": " << Part << "\n" << Result.Output;
			}
		}
		// A damaged entry is never extracted; an intact one still is.
		const std::vector<std::string> Extracted = ListFiles(At("Out"));
		EXPECT_TRUE(Extracted.empty() || Extracted == std::vector<std::string>{"Mount/Second.uasset"});
	}
}

TEST_F(FUnrealPakTest, BadCommandLinePrintsUsage)
{
	const std::vector<std::vector<std::string>> Cases = {
		{},
		{"-list"},
		{"Pack.pak"},
		{"Pack.pak", "-create"},
		{"Pack.pak", "-create="},
		{"Pack.pak", "-list", "-create=Manifest.txt"},
		{"Pack.pak", "Stray", "-list"},
	};
	for (const std::vector<std::string>& Arguments : Cases)
	{
		const FProcessResult Result = RunPak(Arguments);
		EXPECT_NE(Result.ExitCode, 0) << testing::PrintToString(Arguments);
		EXPECT_NE(Result.Output.find("Usage:"), std::string::npos) << Result.Output;
	}
}
