#include "PakWriter.h"

#include "ChecksumPipeline.h"
#include "PakFile.h"
#include "PakLog.h"
#include "ParallelDeflate.h"

#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <thread>
#include <zlib.h>

namespace
{
	constexpr int CompressionLevel = 6;
	constexpr size_t CopyBufferSize = 1 << 20;
	constexpr size_t CopyBuffersInFlight = 4;
	// Blocks in flight per worker: enough to keep every core busy while the main thread writes.
	constexpr size_t BlocksInFlightPerThread = 4;

	[[noreturn]] void ThrowChangedWhileReading(const FPakInputEntry& Input)
	{
		throw FPakError("Source file \"" + Input.SourcePath + "\" (line " + std::to_string(Input.LineNumber) +
						") changed size while it was being added to the pak");
	}

	// The entry whose blocks are being read for compression.
	struct FEntryReadState
	{
		size_t InputIndex = 0;
		FFileHandle File;
		uint64_t Remaining = 0;
		std::shared_ptr<const std::vector<uint8_t>> PreviousBlock;
	};

	// Work queued in pak order: a block being compressed, or an entry copied as it is when its turn comes.
	struct FPendingWork
	{
		size_t InputIndex = 0;
		std::shared_ptr<FDeflateBlock> Block;
	};

	class FPakBuilder
	{
	public:
		FPakBuilder(FBufferedWriter& InWriter, const std::vector<FPakInputEntry>& InInputs,
					const FPakWriteOptions& InOptions)
			: Writer(InWriter), Inputs(InInputs), Options(InOptions)
		{
		}

		std::vector<FPakEntry> Build()
		{
			Entries.resize(Inputs.size());
			std::deque<FPendingWork> Pending;
			while (true)
			{
				while (Pending.size() < MaxPending() && QueueNextWork(Pending))
				{
				}
				if (Pending.empty())
				{
					break;
				}
				FPendingWork Work = std::move(Pending.front());
				Pending.pop_front();
				if (Work.Block)
				{
					WriteCompressedBlock(Work.InputIndex, *Work.Block);
				}
				else
				{
					Entries[Work.InputIndex] = CopyEntry(Work.InputIndex);
					ReportEntry(Work.InputIndex);
				}
			}
			return std::move(Entries);
		}

		unsigned GetNumThreads() const { return Deflate ? Deflate->GetNumThreads() : 0; }

	private:
		bool ShouldCompress(const FPakInputEntry& Input) const { return Options.bCompressAll || Input.bCompress; }

		size_t MaxPending() const { return Deflate ? Deflate->GetNumThreads() * BlocksInFlightPerThread : 1; }

		FParallelDeflate& GetDeflate()
		{
			if (!Deflate)
			{
				Deflate.emplace(std::max(1u, std::thread::hardware_concurrency()), CompressionLevel);
			}
			return *Deflate;
		}

		// Queues the next block (or whole uncompressed entry); false when every input is queued.
		bool QueueNextWork(std::deque<FPendingWork>& Pending)
		{
			if (!Reading.File.IsOpen())
			{
				if (NextInput == Inputs.size())
				{
					return false;
				}
				const size_t InputIndex = NextInput++;
				const FPakInputEntry& Input = Inputs[InputIndex];
				if (!ShouldCompress(Input))
				{
					Pending.push_back({InputIndex, nullptr});
					return true;
				}
				FFileHandle File = FFileHandle::OpenForRead(Input.SourcePath, "source file ");
				const uint64_t Size = File.Size(Input.SourcePath);
				if (Size == 0)
				{
					// Nothing to compress: deflate would only add bytes.
					Pending.push_back({InputIndex, nullptr});
					return true;
				}
				Reading.InputIndex = InputIndex;
				Reading.File = std::move(File);
				Reading.Remaining = Size;
				Reading.PreviousBlock.reset();
			}

			const FPakInputEntry& Input = Inputs[Reading.InputIndex];
			auto Data = std::make_shared<std::vector<uint8_t>>(
				static_cast<size_t>(std::min<uint64_t>(Reading.Remaining, PakFormat::CompressionBlockSize)));
			if (Reading.File.Read(Data->data(), Data->size(), Input.SourcePath) != Data->size())
			{
				ThrowChangedWhileReading(Input);
			}
			Reading.Remaining -= Data->size();

			auto Block = std::make_shared<FDeflateBlock>();
			Block->Input = Data;
			Block->Previous = std::move(Reading.PreviousBlock);
			Block->bLastInEntry = Reading.Remaining == 0;
			if (Block->bLastInEntry)
			{
				uint8_t Probe;
				if (Reading.File.Read(&Probe, 1, Input.SourcePath) != 0)
				{
					ThrowChangedWhileReading(Input);
				}
				Reading.File.Close();
			}
			else
			{
				Reading.PreviousBlock = Data;
			}
			GetDeflate().Submit(Block);
			Pending.push_back({Reading.InputIndex, std::move(Block)});
			return true;
		}

		void WriteCompressedBlock(size_t InputIndex, const FDeflateBlock& Block)
		{
			Deflate->Wait(Block);
			if (!Block.Error.empty())
			{
				throw FPakError("Cannot compress \"" + Inputs[InputIndex].SourcePath + "\": " + Block.Error);
			}
			FPakEntry& Entry = Entries[InputIndex];
			if (!Block.Previous)
			{
				Entry.Offset = Writer.Tell();
				Entry.Compression = EPakCompression::Deflate;
			}
			Writer.Write(Block.Output.data(), Block.Output.size());
			Entry.Crc32 = static_cast<uint32_t>(
				crc32_combine(Entry.Crc32, Block.InputCrc32, static_cast<z_off_t>(Block.Input->size())));
			Entry.Size += Block.Input->size();
			Entry.StoredSize += Block.Output.size();

			if (Block.bLastInEntry)
			{
				if (Entry.StoredSize >= Entry.Size)
				{
					// Not smaller compressed (already compressed or random data): store it as it is,
					// over the compressed bytes just written.
					Writer.Seek(Entry.Offset);
					Entry = CopyEntry(InputIndex);
				}
				ReportEntry(InputIndex);
			}
		}

		// Copies an entry as it is, its checksum computed on another core while it is written.
		FPakEntry CopyEntry(size_t InputIndex)
		{
			const FPakInputEntry& Input = Inputs[InputIndex];
			FFileHandle File = FFileHandle::OpenForRead(Input.SourcePath, "source file ");
			const uint64_t ExpectedSize = File.Size(Input.SourcePath);
			if (!Checksums)
			{
				Checksums.emplace(CopyBuffersInFlight, CopyBufferSize);
			}

			FPakEntry Entry;
			Entry.Offset = Writer.Tell();
			Entry.Compression = EPakCompression::None;
			while (true)
			{
				uint8_t* Buffer = Checksums->AcquireBuffer();
				const size_t Count = File.Read(Buffer, Checksums->GetBufferSize(), Input.SourcePath);
				Checksums->Submit(Buffer, Count);
				if (Count == 0)
				{
					break;
				}
				Writer.Write(Buffer, Count);
				Entry.Size += Count;
			}
			Entry.Crc32 = Checksums->TakeChecksum();
			if (Entry.Size != ExpectedSize)
			{
				ThrowChangedWhileReading(Input);
			}
			Entry.StoredSize = Entry.Size;
			return Entry;
		}

		void ReportEntry(size_t InputIndex)
		{
			FPakEntry& Entry = Entries[InputIndex];
			Entry.MountPath = Inputs[InputIndex].MountPath;
			if (PakLog::IsVerbose())
			{
				PakLog::Verbose("Added " + PakLog::Quote(Entry.MountPath) + " from " +
								PakLog::Quote(Inputs[InputIndex].SourcePath) + ": " + std::to_string(Entry.Size) +
								" bytes, stored " + std::to_string(Entry.StoredSize) + " bytes (" +
								LexToString(Entry.Compression) + ")");
			}
		}

		FBufferedWriter& Writer;
		const std::vector<FPakInputEntry>& Inputs;
		const FPakWriteOptions& Options;
		std::vector<FPakEntry> Entries;
		std::optional<FParallelDeflate> Deflate;
		std::optional<FChecksumPipeline> Checksums;
		FEntryReadState Reading;
		size_t NextInput = 0;
	};
}

FPakWriteResult WritePak(const std::string& PakPath, const std::vector<FPakInputEntry>& Inputs,
						 const FPakWriteOptions& Options)
{
	MakeDirectories(std::filesystem::path(PakPath).parent_path().string());
	FAtomicFile PakFile(PakPath);
	FBufferedWriter Writer(PakFile.GetDescriptor(), PakFile.GetTempPath());

	const std::vector<uint8_t> Header = SerializeHeader();
	Writer.Write(Header.data(), Header.size());

	FPakBuilder Builder(Writer, Inputs, Options);
	FPakWriteResult Result;
	Result.Entries = Builder.Build();
	Result.NumThreads = Builder.GetNumThreads();

	FPakFooter Footer;
	const std::vector<uint8_t> Index = SerializeIndex(Result.Entries);
	Footer.IndexOffset = Writer.Tell();
	Footer.IndexSize = Index.size();
	Footer.IndexCrc32 = static_cast<uint32_t>(crc32(0, Index.data(), static_cast<uInt>(Index.size())));
	Writer.Write(Index.data(), Index.size());
	const std::vector<uint8_t> FooterBytes = SerializeFooter(Footer);
	Writer.Write(FooterBytes.data(), FooterBytes.size());
	Writer.Finish();
	Result.PakSize = Writer.Tell();
	PakFile.Commit();

	for (const FPakEntry& Entry : Result.Entries)
	{
		Result.TotalSize += Entry.Size;
		Result.TotalStoredSize += Entry.StoredSize;
	}
	return Result;
}
