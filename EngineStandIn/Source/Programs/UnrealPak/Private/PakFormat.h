#pragma once

// The on-disk layout of a pak; Docs/PakFormat.md describes it byte by byte. All integers are
// little-endian.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace PakFormat
{
	inline constexpr uint8_t Magic[4] = {'Q', 'P', 'A', 'K'};
	inline constexpr uint32_t Version = 1;
	inline constexpr uint32_t CompressionBlockSize = 64 * 1024;
	inline constexpr size_t HeaderSize = 16;
	inline constexpr size_t FooterSize = 28;
	// A sanity bound for a mount path read from a file.
	inline constexpr uint32_t MaxMountPathLength = 64 * 1024;
}

enum class EPakCompression : uint8_t
{
	None = 0,
	// One raw deflate stream (RFC 1951) per entry.
	Deflate = 1,
};

const char* LexToString(EPakCompression Compression);

struct FPakEntry
{
	std::string MountPath;
	uint64_t Offset = 0;
	uint64_t Size = 0;
	uint64_t StoredSize = 0;
	EPakCompression Compression = EPakCompression::None;
	// CRC-32 (zlib's) of the uncompressed bytes.
	uint32_t Crc32 = 0;
};

struct FPakFooter
{
	uint64_t IndexOffset = 0;
	uint64_t IndexSize = 0;
	uint32_t IndexCrc32 = 0;
};

std::vector<uint8_t> SerializeHeader();
std::vector<uint8_t> SerializeIndex(const std::vector<FPakEntry>& Entries);
std::vector<uint8_t> SerializeFooter(const FPakFooter& Footer);

// The parsers throw FPakError naming PakPath and what is wrong.
void ParseHeader(const uint8_t* Bytes, const std::string& PakPath);
FPakFooter ParseFooter(const uint8_t* Bytes, uint64_t FileSize, const std::string& PakPath);
// Entries must lie between the header and DataEnd (the index offset).
std::vector<FPakEntry> ParseIndex(const std::vector<uint8_t>& Bytes, uint64_t DataEnd, const std::string& PakPath);
