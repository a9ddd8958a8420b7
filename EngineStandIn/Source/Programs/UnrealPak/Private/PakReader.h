#pragma once

#include "PakFile.h"
#include "PakFormat.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// An open pak whose header, footer and index have been checked. Throws FPakError when the file is
// missing, is not a pak or is damaged.
class FPakReader
{
public:
	explicit FPakReader(std::string InPath);

	const std::string& GetPath() const { return Path; }
	const std::vector<FPakEntry>& GetEntries() const { return Entries; }
	const FPakFooter& GetFooter() const { return Footer; }

	using FChunkSink = std::function<void(const uint8_t* Data, size_t Count)>;

	// Streams the entry's uncompressed bytes to Sink and checks their size and CRC-32; throws FPakError
	// naming the entry when they do not match (the sink has then seen damaged bytes).
	void ReadEntry(const FPakEntry& Entry, const FChunkSink& Sink) const;

private:
	void ReadStored(const FPakEntry& Entry, const FChunkSink& Sink, uint32_t& OutCrc) const;
	void ReadDeflated(const FPakEntry& Entry, const FChunkSink& Sink, uint32_t& OutCrc) const;
	[[noreturn]] void ThrowEntryDamaged(const FPakEntry& Entry, const std::string& What) const;

	std::string Path;
	FFileHandle File;
	FPakFooter Footer;
	std::vector<FPakEntry> Entries;
};
