#include "PakCommands.h"

#include "AsciiText.h"
#include "PakFile.h"
#include "PakLog.h"
#include "PakReader.h"
#include "PakWriter.h"
#include "ResponseFile.h"
#include "Sha1Digest.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace
{
	std::string FormatSeconds(double Seconds)
	{
		char Text[32];
		std::snprintf(Text, sizeof(Text), "%.2f", Seconds);
		return Text;
	}

	class FStopwatch
	{
	public:
		double Seconds() const
		{
			return std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
		}

	private:
		std::chrono::steady_clock::time_point Start = std::chrono::steady_clock::now();
	};

	std::string AbsolutePath(const std::string& Path)
	{
		std::error_code Error;
		const std::filesystem::path Absolute = std::filesystem::absolute(Path, Error);
		return Error ? Path : Absolute.lexically_normal().string();
	}

	// Every source must be a readable regular file and every mount path unique (the engine's paths
	// ignore letter case), checked before anything is written. Logs each problem; false if any.
	bool ValidateInputs(const std::vector<FPakInputEntry>& Inputs, const std::string& ResponseFile)
	{
		bool bValid = true;
		std::unordered_map<std::string, int> LineOfMountPath;
		for (const FPakInputEntry& Input : Inputs)
		{
			const std::string Where =
				" (response file \"" + ResponseFile + "\", line " + std::to_string(Input.LineNumber) + ")";
			struct stat Status;
			if (stat(Input.SourcePath.c_str(), &Status) != 0)
			{
				const int Error = errno;
				const bool bMissing = Error == ENOENT || Error == ENOTDIR;
				PakLog::Error("Source file " + PakLog::Quote(Input.SourcePath) + Where +
							  (bMissing ? " does not exist" : std::string(" cannot be read: ") + std::strerror(Error)));
				bValid = false;
			}
			else if (!S_ISREG(Status.st_mode))
			{
				PakLog::Error("Source file " + PakLog::Quote(Input.SourcePath) + Where + " is not a regular file");
				bValid = false;
			}
			else if (access(Input.SourcePath.c_str(), R_OK) != 0)
			{
				const int Error = errno;
				PakLog::Error("Source file " + PakLog::Quote(Input.SourcePath) + Where +
							  " cannot be read: " + std::strerror(Error));
				bValid = false;
			}

			const auto [Existing, bInserted] = LineOfMountPath.emplace(AsciiLower(Input.MountPath), Input.LineNumber);
			if (Input.MountPath.size() > PakFormat::MaxMountPathLength)
			{
				PakLog::Error("Mount path" + Where + " is longer than " +
							  std::to_string(PakFormat::MaxMountPathLength) + " bytes");
				bValid = false;
			}
			else if (!bInserted)
			{
				PakLog::Error("Mount path " + PakLog::Quote(Input.MountPath) + Where + " was already given on line " +
							  std::to_string(Existing->second));
				bValid = false;
			}
		}
		return bValid;
	}

	std::string ToHex(const std::array<uint8_t, 20>& Digest)
	{
		static const char Digits[] = "0123456789ABCDEF";
		std::string Text;
		for (const uint8_t Byte : Digest)
		{
			Text.push_back(Digits[Byte >> 4]);
			Text.push_back(Digits[Byte & 15]);
		}
		return Text;
	}

	// The engine's listing line, with the bytes the entry takes in the pak added after its size.
	std::string DescribeEntry(const FPakEntry& Entry, const std::array<uint8_t, 20>& Sha1)
	{
		return PakLog::Quote(Entry.MountPath) + " offset: " + std::to_string(Entry.Offset) +
			   ", size: " + std::to_string(Entry.Size) + " bytes, compressed: " + std::to_string(Entry.StoredSize) +
			   " bytes, sha1: " + ToHex(Sha1) + ", compression: " + LexToString(Entry.Compression) + ".";
	}

	// The file an entry extracts to: its mount path below Folder, without the leading "../" (and "./",
	// "/") that mount paths relative to the engine's binaries carry. Empty when the rest of the path
	// would still leave Folder.
	std::filesystem::path ExtractedPath(const std::string& Folder, const std::string& MountPath)
	{
		std::filesystem::path Relative;
		bool bLeading = true;
		size_t Start = 0;
		const std::string Path = NormalizeSlashes(MountPath);
		while (Start <= Path.size())
		{
			size_t End = Path.find('/', Start);
			if (End == std::string::npos)
			{
				End = Path.size();
			}
			const std::string Part = Path.substr(Start, End - Start);
			Start = End + 1;
			if (Part.empty() || Part == ".")
			{
				continue;
			}
			if (Part == "..")
			{
				if (!bLeading)
				{
					return {};
				}
				continue;
			}
			bLeading = false;
			Relative /= Part;
		}
		if (Relative.empty())
		{
			return {};
		}
		return std::filesystem::path(Folder) / Relative;
	}
}

int RunCreate(const FPakCommandLine& CommandLine)
{
	const FStopwatch Stopwatch;
	PakLog::Display("Loading response file " + PakLog::Quote(CommandLine.ResponseFile));
	const std::vector<FPakInputEntry> Inputs = ReadResponseFile(CommandLine.ResponseFile);
	PakLog::Display("Added " + std::to_string(Inputs.size()) + " entries to add to pak file.");
	if (!ValidateInputs(Inputs, CommandLine.ResponseFile))
	{
		PakLog::Error("Pak " + PakLog::Quote(CommandLine.PakPath) + " was not created.");
		return 1;
	}

	PakLog::Display("Creating pak " + AbsolutePath(CommandLine.PakPath) + ".");
	FPakWriteOptions Options;
	Options.bCompressAll = CommandLine.bCompress;
	const FPakWriteResult Result = WritePak(CommandLine.PakPath, Inputs, Options);

	PakLog::Display("Added " + std::to_string(Result.Entries.size()) + " files, " + std::to_string(Result.TotalSize) +
					" bytes total, time " + FormatSeconds(Stopwatch.Seconds()) + "s.");
	if (Result.NumThreads > 0)
	{
		const double Percent = Result.TotalSize == 0 ? 100.0 : 100.0 * Result.TotalStoredSize / Result.TotalSize;
		char Text[32];
		std::snprintf(Text, sizeof(Text), "%.1f", Percent);
		PakLog::Display("Compressed " + std::to_string(Result.TotalSize) + " bytes to " +
						std::to_string(Result.TotalStoredSize) + " bytes (" + Text + "%) on " +
						std::to_string(Result.NumThreads) + " threads.");
	}
	PakLog::Display("Pak " + PakLog::Quote(CommandLine.PakPath) + " is " + std::to_string(Result.PakSize) + " bytes.");
	PakLog::Display("Unreal pak executed in " + FormatSeconds(Stopwatch.Seconds()) + " seconds");
	return 0;
}

int RunList(const FPakCommandLine& CommandLine)
{
	const FPakReader Reader(CommandLine.PakPath);
	const std::vector<FPakEntry>& Entries = Reader.GetEntries();
	PakLog::Verbose("Pak " + PakLog::Quote(Reader.GetPath()) + ": " + std::to_string(Entries.size()) +
					" entries, index at offset " + std::to_string(Reader.GetFooter().IndexOffset) + " (" +
					std::to_string(Reader.GetFooter().IndexSize) + " bytes).");

	uint64_t TotalSize = 0;
	int NumDamaged = 0;
	for (const FPakEntry& Entry : Entries)
	{
		try
		{
			UE::StandIn::FSha1Digest Digest;
			Reader.ReadEntry(Entry, [&Digest](const uint8_t* Data, size_t Count) { Digest.Update(Data, Count); });
			PakLog::Display(DescribeEntry(Entry, Digest.Finish()));
		}
		catch (const FPakError& Error)
		{
			PakLog::Error(Error.what());
			++NumDamaged;
		}
		TotalSize += Entry.Size;
	}
	PakLog::Display(std::to_string(Entries.size()) + " files (" + std::to_string(TotalSize) +
					" bytes), (0 filtered bytes).");
	if (NumDamaged > 0)
	{
		PakLog::Error(std::to_string(NumDamaged) + " of " + std::to_string(Entries.size()) + " entries of " +
					  PakLog::Quote(Reader.GetPath()) + " are damaged.");
		return 1;
	}
	return 0;
}

int RunExtract(const FPakCommandLine& CommandLine)
{
	const FStopwatch Stopwatch;
	const FPakReader Reader(CommandLine.PakPath);
	const std::vector<FPakEntry>& Entries = Reader.GetEntries();

	uint64_t TotalSize = 0;
	int NumFailed = 0;
	for (const FPakEntry& Entry : Entries)
	{
		const std::filesystem::path Target = ExtractedPath(CommandLine.ExtractFolder, Entry.MountPath);
		if (Target.empty())
		{
			PakLog::Error("Entry " + PakLog::Quote(Entry.MountPath) + " was not extracted: its mount path leaves " +
						  PakLog::Quote(CommandLine.ExtractFolder));
			++NumFailed;
			continue;
		}
		const std::string TargetPath = Target.string();
		try
		{
			MakeDirectories(Target.parent_path().string());
			FFileHandle Out = FFileHandle::CreateForWrite(TargetPath);
			FBufferedWriter Writer(Out.Get(), TargetPath);
			try
			{
				Reader.ReadEntry(Entry, [&Writer](const uint8_t* Data, size_t Count) { Writer.Write(Data, Count); });
				Writer.Finish();
			}
			catch (const FPakError&)
			{
				// A damaged entry leaves no file behind.
				Out.Close();
				std::error_code Ignored;
				std::filesystem::remove(Target, Ignored);
				throw;
			}
			PakLog::Verbose("Extracted " + PakLog::Quote(Entry.MountPath) + " to " + PakLog::Quote(TargetPath) + ".");
			TotalSize += Entry.Size;
		}
		catch (const FPakError& Error)
		{
			PakLog::Error(Error.what());
			++NumFailed;
		}
	}
	PakLog::Display("Extracted " + std::to_string(Entries.size() - NumFailed) + " files (" + std::to_string(TotalSize) +
					" bytes) to " + PakLog::Quote(CommandLine.ExtractFolder) + ", time " +
					FormatSeconds(Stopwatch.Seconds()) + "s.");
	if (NumFailed > 0)
	{
		PakLog::Error(std::to_string(NumFailed) + " of " + std::to_string(Entries.size()) +
					  " entries could not be extracted.");
		return 1;
	}
	return 0;
}
