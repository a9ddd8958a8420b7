#include "PakFormat.h"

#include "PakFile.h"

#include <cstring>

namespace
{
	class FByteWriter
	{
	public:
		explicit FByteWriter(std::vector<uint8_t>& InBytes) : Bytes(InBytes) {}

		template <typename T>
		void WriteInt(T Value)
		{
			for (size_t Index = 0; Index < sizeof(T); ++Index)
			{
				Bytes.push_back(static_cast<uint8_t>(static_cast<uint64_t>(Value) >> (8 * Index)));
			}
		}

		void WriteBytes(const void* Data, size_t Count)
		{
			const size_t Start = Bytes.size();
			Bytes.resize(Start + Count);
			std::memcpy(Bytes.data() + Start, Data, Count);
		}

	private:
		std::vector<uint8_t>& Bytes;
	};

	// Reads fields from a byte range; running past its end is a damaged index.
	class FByteReader
	{
	public:
		FByteReader(const uint8_t* InData, size_t InSize, const std::string& InPakPath)
			: Data(InData), Size(InSize), PakPath(InPakPath)
		{
		}

		template <typename T>
		T ReadInt()
		{
			Require(sizeof(T));
			uint64_t Value = 0;
			for (size_t Index = 0; Index < sizeof(T); ++Index)
			{
				Value |= static_cast<uint64_t>(Data[Position + Index]) << (8 * Index);
			}
			Position += sizeof(T);
			return static_cast<T>(Value);
		}

		std::string ReadString(size_t Count)
		{
			Require(Count);
			std::string Result(reinterpret_cast<const char*>(Data + Position), Count);
			Position += Count;
			return Result;
		}

		size_t Remaining() const { return Size - Position; }

	private:
		void Require(size_t Count) const
		{
			if (Count > Size - Position)
			{
				throw FPakError("\"" + PakPath + "\" is damaged: its index ends in the middle of an entry");
			}
		}

		const uint8_t* Data;
		size_t Size;
		size_t Position = 0;
		const std::string& PakPath;
	};

	[[noreturn]] void ThrowDamaged(const std::string& PakPath, const std::string& What)
	{
		throw FPakError("\"" + PakPath + "\" is damaged: " + What);
	}
}

const char* LexToString(EPakCompression Compression)
{
	switch (Compression)
	{
		case EPakCompression::None:
			return "None";
		case EPakCompression::Deflate:
			return "Deflate";
	}
	return "Unknown";
}

std::vector<uint8_t> SerializeHeader()
{
	std::vector<uint8_t> Bytes;
	FByteWriter Writer(Bytes);
	Writer.WriteBytes(PakFormat::Magic, sizeof(PakFormat::Magic));
	Writer.WriteInt<uint32_t>(PakFormat::Version);
	Writer.WriteInt<uint32_t>(PakFormat::CompressionBlockSize);
	Writer.WriteInt<uint32_t>(0);
	return Bytes;
}

std::vector<uint8_t> SerializeIndex(const std::vector<FPakEntry>& Entries)
{
	std::vector<uint8_t> Bytes;
	FByteWriter Writer(Bytes);
	Writer.WriteInt<uint32_t>(static_cast<uint32_t>(Entries.size()));
	for (const FPakEntry& Entry : Entries)
	{
		Writer.WriteInt<uint32_t>(static_cast<uint32_t>(Entry.MountPath.size()));
		Writer.WriteBytes(Entry.MountPath.data(), Entry.MountPath.size());
		Writer.WriteInt<uint64_t>(Entry.Offset);
		Writer.WriteInt<uint64_t>(Entry.Size);
		Writer.WriteInt<uint64_t>(Entry.StoredSize);
		Writer.WriteInt<uint8_t>(static_cast<uint8_t>(Entry.Compression));
		Writer.WriteInt<uint32_t>(Entry.Crc32);
	}
	return Bytes;
}

std::vector<uint8_t> SerializeFooter(const FPakFooter& Footer)
{
	std::vector<uint8_t> Bytes;
	FByteWriter Writer(Bytes);
	Writer.WriteInt<uint64_t>(Footer.IndexOffset);
	Writer.WriteInt<uint64_t>(Footer.IndexSize);
	Writer.WriteInt<uint32_t>(Footer.IndexCrc32);
	Writer.WriteInt<uint32_t>(PakFormat::Version);
	Writer.WriteBytes(PakFormat::Magic, sizeof(PakFormat::Magic));
	return Bytes;
}

void ParseHeader(const uint8_t* Bytes, const std::string& PakPath)
{
	if (std::memcmp(Bytes, PakFormat::Magic, sizeof(PakFormat::Magic)) != 0)
	{
		throw FPakError("\"" + PakPath + "\" is not a pak file (it does not start with the pak magic \"QPAK\")");
	}
	FByteReader Reader(Bytes + sizeof(PakFormat::Magic), PakFormat::HeaderSize - sizeof(PakFormat::Magic), PakPath);
	const uint32_t Version = Reader.ReadInt<uint32_t>();
	if (Version != PakFormat::Version)
	{
		throw FPakError("\"" + PakPath + "\" has pak version " + std::to_string(Version) +
						"; this tool reads version " + std::to_string(PakFormat::Version));
	}
}

FPakFooter ParseFooter(const uint8_t* Bytes, uint64_t FileSize, const std::string& PakPath)
{
	FByteReader Reader(Bytes, PakFormat::FooterSize, PakPath);
	FPakFooter Footer;
	Footer.IndexOffset = Reader.ReadInt<uint64_t>();
	Footer.IndexSize = Reader.ReadInt<uint64_t>();
	Footer.IndexCrc32 = Reader.ReadInt<uint32_t>();
	const uint32_t Version = Reader.ReadInt<uint32_t>();
	if (std::memcmp(Bytes + PakFormat::FooterSize - sizeof(PakFormat::Magic), PakFormat::Magic,
					sizeof(PakFormat::Magic)) != 0 ||
		Version != PakFormat::Version)
	{
		ThrowDamaged(PakPath, "its footer is missing (the file is truncated or was not finished)");
	}
	const uint64_t IndexEnd = FileSize - PakFormat::FooterSize;
	if (Footer.IndexOffset < PakFormat::HeaderSize || Footer.IndexOffset > IndexEnd ||
		Footer.IndexSize != IndexEnd - Footer.IndexOffset)
	{
		ThrowDamaged(PakPath, "its index (offset " + std::to_string(Footer.IndexOffset) + ", size " +
								  std::to_string(Footer.IndexSize) + ") is out of range");
	}
	return Footer;
}

std::vector<FPakEntry> ParseIndex(const std::vector<uint8_t>& Bytes, uint64_t DataEnd, const std::string& PakPath)
{
	FByteReader Reader(Bytes.data(), Bytes.size(), PakPath);
	const uint32_t Count = Reader.ReadInt<uint32_t>();
	std::vector<FPakEntry> Entries;
	for (uint32_t Index = 0; Index < Count; ++Index)
	{
		FPakEntry Entry;
		const uint32_t PathLength = Reader.ReadInt<uint32_t>();
		if (PathLength == 0 || PathLength > PakFormat::MaxMountPathLength)
		{
			ThrowDamaged(PakPath, "entry " + std::to_string(Index) + " has a mount path of " +
									  std::to_string(PathLength) + " bytes");
		}
		Entry.MountPath = Reader.ReadString(PathLength);
		Entry.Offset = Reader.ReadInt<uint64_t>();
		Entry.Size = Reader.ReadInt<uint64_t>();
		Entry.StoredSize = Reader.ReadInt<uint64_t>();
		const uint8_t Compression = Reader.ReadInt<uint8_t>();
		Entry.Crc32 = Reader.ReadInt<uint32_t>();

		const std::string Name = "entry \"" + Entry.MountPath + "\"";
		if (Compression > static_cast<uint8_t>(EPakCompression::Deflate))
		{
			ThrowDamaged(PakPath, Name + " has unknown compression method " + std::to_string(Compression));
		}
		Entry.Compression = static_cast<EPakCompression>(Compression);
		if (Entry.Compression == EPakCompression::None && Entry.StoredSize != Entry.Size)
		{
			ThrowDamaged(PakPath, Name + " is stored uncompressed but its sizes differ");
		}
		if (Entry.Offset < PakFormat::HeaderSize || Entry.Offset > DataEnd || Entry.StoredSize > DataEnd - Entry.Offset)
		{
			ThrowDamaged(PakPath, Name + " (offset " + std::to_string(Entry.Offset) + ", " +
									  std::to_string(Entry.StoredSize) + " bytes) lies outside the data area");
		}
		Entries.push_back(std::move(Entry));
	}
	if (Reader.Remaining() != 0)
	{
		ThrowDamaged(PakPath, "its index has " + std::to_string(Reader.Remaining()) + " bytes after the last entry");
	}
	return Entries;
}
