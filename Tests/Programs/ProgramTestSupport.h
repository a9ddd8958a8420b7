#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Helpers for tests that run the stand-in's programs as processes.
namespace ProgramTest
{
	struct FProcessResult
	{
		int ExitCode = -1;
		// Standard output and standard error, interleaved as they were written.
		std::string Output;
	};

	// Runs Program with Arguments in WorkingFolder, standard input from /dev/null.
	FProcessResult RunProcess(const std::filesystem::path& Program, const std::vector<std::string>& Arguments,
							  const std::filesystem::path& WorkingFolder);

	// <build>/Engine/Binaries/Win64/UnrealPak.exe and <build>/Windows/System32/cmd.exe.
	std::filesystem::path UnrealPakPath();
	std::filesystem::path CmdPath();

	// A fresh folder under the system's temporary folder, removed with everything in it.
	class FTempFolder
	{
	public:
		FTempFolder();
		~FTempFolder();
		FTempFolder(const FTempFolder&) = delete;
		FTempFolder& operator=(const FTempFolder&) = delete;

		const std::filesystem::path& Path() const { return Root; }

	private:
		std::filesystem::path Root;
	};

	// Writes Bytes to Path, creating its folders.
	void WriteFile(const std::filesystem::path& Path, std::string_view Bytes);
	std::string ReadFile(const std::filesystem::path& Path);
	// Every regular file below Folder, as sorted paths relative to it; empty when Folder is missing.
	std::vector<std::string> ListFiles(const std::filesystem::path& Folder);

	// Text made of numbered lines: compresses well but not trivially.
	std::string CompressibleBytes(size_t Size, unsigned Seed);
	std::string RandomBytes(size_t Size, unsigned Seed);
}
