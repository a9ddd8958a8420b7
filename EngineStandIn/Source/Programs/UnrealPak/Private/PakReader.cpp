#include "PakReader.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <zlib.h>

namespace
{
	constexpr size_t ReadChunkSize = 1 << 20;

	std::string Hex32(uint32_t Value)
	{
		char Text[16];
		std::snprintf(Text, sizeof(Text), "0x%08X", Value);
		return Text;
	}

	// Inflate state freed on every exit path.
	class FInflater
	{
	public:
		FInflater() { bValid = inflateInit2(&Stream, -MAX_WBITS) == Z_OK; }
		~FInflater()
		{
			if (bValid)
			{
				inflateEnd(&Stream);
			}
		}
		FInflater(const FInflater&) = delete;
		FInflater& operator=(const FInflater&) = delete;

		bool IsValid() const { return bValid; }
		z_stream& Get() { return Stream; }

	private:
		z_stream Stream = {};
		bool bValid = false;
	};
}

FPakReader::FPakReader(std::string InPath) : Path(std::move(InPath))
{
	File = FFileHandle::OpenForRead(Path, "the pak ");
	struct stat Status;
	if (fstat(File.Get(), &Status) != 0)
	{
		throw FPakError("Cannot read " + DescribeSystemError(Path, errno));
	}
	if (!S_ISREG(Status.st_mode))
	{
		throw FPakError("\"" + Path + "\" is not a pak file (it is not a regular file)");
	}
	const uint64_t FileSize = static_cast<uint64_t>(Status.st_size);
	if (FileSize < PakFormat::HeaderSize + PakFormat::FooterSize)
	{
		throw FPakError("\"" + Path + "\" is not a pak file (" + std::to_string(FileSize) +
						" bytes is too small to hold a pak header and footer)");
	}

	uint8_t Header[PakFormat::HeaderSize];
	File.ReadExactAt(Header, sizeof(Header), 0, Path);
	ParseHeader(Header, Path);

	uint8_t FooterBytes[PakFormat::FooterSize];
	File.ReadExactAt(FooterBytes, sizeof(FooterBytes), FileSize - PakFormat::FooterSize, Path);
	Footer = ParseFooter(FooterBytes, FileSize, Path);

	std::vector<uint8_t> Index(static_cast<size_t>(Footer.IndexSize));
	File.ReadExactAt(Index.data(), Index.size(), Footer.IndexOffset, Path);
	const uint32_t IndexCrc = static_cast<uint32_t>(crc32(0, Index.data(), static_cast<uInt>(Index.size())));
	if (IndexCrc != Footer.IndexCrc32)
	{
		throw FPakError("\"" + Path + "\" is damaged: index checksum mismatch (expected " + Hex32(Footer.IndexCrc32) +
						", found " + Hex32(IndexCrc) + ")");
	}
	Entries = ParseIndex(Index, Footer.IndexOffset, Path);
}

void FPakReader::ReadEntry(const FPakEntry& Entry, const FChunkSink& Sink) const
{
	uint32_t Crc = 0;
	if (Entry.Compression == EPakCompression::Deflate)
	{
		ReadDeflated(Entry, Sink, Crc);
	}
	else
	{
		ReadStored(Entry, Sink, Crc);
	}
	if (Crc != Entry.Crc32)
	{
		ThrowEntryDamaged(Entry, "checksum mismatch (expected " + Hex32(Entry.Crc32) + ", found " + Hex32(Crc) + ")");
	}
}

void FPakReader::ReadStored(const FPakEntry& Entry, const FChunkSink& Sink, uint32_t& OutCrc) const
{
	std::vector<uint8_t> Buffer(static_cast<size_t>(std::min<uint64_t>(Entry.Size, ReadChunkSize)));
	uLong Crc = crc32(0, nullptr, 0);
	for (uint64_t Done = 0; Done < Entry.Size;)
	{
		const size_t Count = static_cast<size_t>(std::min<uint64_t>(Buffer.size(), Entry.Size - Done));
		File.ReadExactAt(Buffer.data(), Count, Entry.Offset + Done, Path);
		Crc = crc32(Crc, Buffer.data(), static_cast<uInt>(Count));
		Sink(Buffer.data(), Count);
		Done += Count;
	}
	OutCrc = static_cast<uint32_t>(Crc);
}

void FPakReader::ReadDeflated(const FPakEntry& Entry, const FChunkSink& Sink, uint32_t& OutCrc) const
{
	FInflater Inflater;
	if (!Inflater.IsValid())
	{
		throw FPakError("zlib could not start an inflate stream");
	}
	z_stream& Stream = Inflater.Get();
	std::vector<uint8_t> In(
		static_cast<size_t>(std::min<uint64_t>(std::max<uint64_t>(Entry.StoredSize, 1), ReadChunkSize)));
	std::vector<uint8_t> Out(ReadChunkSize);
	uLong Crc = crc32(0, nullptr, 0);
	uint64_t Consumed = 0;
	uint64_t Produced = 0;
	int Result = Z_OK;
	while (Result != Z_STREAM_END)
	{
		if (Stream.avail_in == 0)
		{
			if (Consumed == Entry.StoredSize)
			{
				ThrowEntryDamaged(Entry, "its compressed data ends before the end of its deflate stream");
			}
			const size_t Count = static_cast<size_t>(std::min<uint64_t>(In.size(), Entry.StoredSize - Consumed));
			File.ReadExactAt(In.data(), Count, Entry.Offset + Consumed, Path);
			Consumed += Count;
			Stream.next_in = In.data();
			Stream.avail_in = static_cast<uInt>(Count);
		}
		Stream.next_out = Out.data();
		Stream.avail_out = static_cast<uInt>(Out.size());
		Result = inflate(&Stream, Z_NO_FLUSH);
		if (Result != Z_OK && Result != Z_STREAM_END)
		{
			ThrowEntryDamaged(Entry, std::string("its compressed data is corrupt (") +
										 (Stream.msg ? Stream.msg : "zlib error " + std::to_string(Result)) + ")");
		}
		const size_t Count = Out.size() - Stream.avail_out;
		Produced += Count;
		if (Produced > Entry.Size)
		{
			ThrowEntryDamaged(Entry,
							  "it decompresses to more than its size of " + std::to_string(Entry.Size) + " bytes");
		}
		Crc = crc32(Crc, Out.data(), static_cast<uInt>(Count));
		Sink(Out.data(), Count);
	}
	if (Stream.avail_in != 0 || Consumed != Entry.StoredSize || Produced != Entry.Size)
	{
		ThrowEntryDamaged(Entry, "its compressed data does not match its sizes");
	}
	OutCrc = static_cast<uint32_t>(Crc);
}

void FPakReader::ThrowEntryDamaged(const FPakEntry& Entry, const std::string& What) const
{
	throw FPakError("\"" + Path + "\" is damaged: entry \"" + Entry.MountPath + "\": " + What);
}
