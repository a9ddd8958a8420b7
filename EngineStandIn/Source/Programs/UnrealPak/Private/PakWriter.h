#pragma once

#include "PakFormat.h"
#include "ResponseFile.h"

#include <string>
#include <vector>

struct FPakWriteOptions
{
	// Compress every entry (on every core); otherwise only the entries whose response line asks for it.
	bool bCompressAll = false;
};

struct FPakWriteResult
{
	std::vector<FPakEntry> Entries;
	uint64_t TotalSize = 0;
	uint64_t TotalStoredSize = 0;
	uint64_t PakSize = 0;
	unsigned NumThreads = 0;
};

// Writes the pak: header, every entry's data in the given order, the index, the footer. The file is
// written beside PakPath under a temporary name and renamed onto it only when complete, so a failure
// (FPakError) leaves whatever was at PakPath untouched. The pak's folder is created when missing.
FPakWriteResult WritePak(const std::string& PakPath, const std::vector<FPakInputEntry>& Inputs,
						 const FPakWriteOptions& Options);
