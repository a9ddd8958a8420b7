#include "ParallelDeflate.h"

#include <algorithm>
#include <zlib.h>

namespace
{
	constexpr size_t DictionarySize = 32 * 1024;
	// A sync flush appends an empty stored block (up to 5 bytes with the bits pending before it).
	constexpr size_t FlushMarkerSize = 16;

	// A worker's deflate state, reused for every block it compresses.
	class FDeflater
	{
	public:
		explicit FDeflater(int Level)
		{
			bValid = deflateInit2(&Stream, Level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) == Z_OK;
		}

		~FDeflater()
		{
			if (bValid)
			{
				deflateEnd(&Stream);
			}
		}

		FDeflater(const FDeflater&) = delete;
		FDeflater& operator=(const FDeflater&) = delete;

		void Compress(FDeflateBlock& Block)
		{
			const std::vector<uint8_t>& Input = *Block.Input;
			Block.InputCrc32 = static_cast<uint32_t>(crc32(0, Input.data(), static_cast<uInt>(Input.size())));
			if (!bValid || deflateReset(&Stream) != Z_OK)
			{
				Block.Error = "zlib could not start a deflate stream";
				return;
			}
			if (Block.Previous)
			{
				const std::vector<uint8_t>& Previous = *Block.Previous;
				const size_t Length = std::min(Previous.size(), DictionarySize);
				deflateSetDictionary(&Stream, Previous.data() + Previous.size() - Length, static_cast<uInt>(Length));
			}

			Block.Output.resize(deflateBound(&Stream, static_cast<uLong>(Input.size())) + FlushMarkerSize);
			Stream.next_in = const_cast<Bytef*>(Input.data());
			Stream.avail_in = static_cast<uInt>(Input.size());
			Stream.next_out = Block.Output.data();
			Stream.avail_out = static_cast<uInt>(Block.Output.size());
			const int Flush = Block.bLastInEntry ? Z_FINISH : Z_SYNC_FLUSH;
			const int Result = deflate(&Stream, Flush);
			// The output buffer is large enough for the whole block, so one call completes it.
			const bool bComplete = Block.bLastInEntry
									   ? Result == Z_STREAM_END
									   : (Result == Z_OK && Stream.avail_in == 0 && Stream.avail_out > 0);
			if (!bComplete)
			{
				Block.Error = "zlib failed to compress a block (code " + std::to_string(Result) + ")";
				return;
			}
			Block.Output.resize(Block.Output.size() - Stream.avail_out);
		}

	private:
		z_stream Stream = {};
		bool bValid = false;
	};
}

FParallelDeflate::FParallelDeflate(unsigned NumThreads, int InLevel) : Level(InLevel)
{
	NumThreads = std::max(1u, NumThreads);
	Workers.reserve(NumThreads);
	for (unsigned Index = 0; Index < NumThreads; ++Index)
	{
		Workers.emplace_back([this] { WorkerMain(); });
	}
}

FParallelDeflate::~FParallelDeflate()
{
	{
		std::lock_guard Lock(Mutex);
		bStopping = true;
	}
	WorkAvailable.notify_all();
	for (std::thread& Worker : Workers)
	{
		Worker.join();
	}
}

void FParallelDeflate::Submit(std::shared_ptr<FDeflateBlock> Block)
{
	{
		std::lock_guard Lock(Mutex);
		Queue.push_back(std::move(Block));
	}
	WorkAvailable.notify_one();
}

void FParallelDeflate::Wait(const FDeflateBlock& Block)
{
	std::unique_lock Lock(Mutex);
	WorkDone.wait(Lock, [&Block] { return Block.bDone; });
}

void FParallelDeflate::WorkerMain()
{
	FDeflater Deflater(Level);
	while (true)
	{
		std::shared_ptr<FDeflateBlock> Block;
		{
			std::unique_lock Lock(Mutex);
			WorkAvailable.wait(Lock, [this] { return bStopping || !Queue.empty(); });
			if (bStopping)
			{
				// Only an error stops the pool with work queued; nobody waits for those blocks.
				return;
			}
			Block = std::move(Queue.front());
			Queue.pop_front();
		}
		Deflater.Compress(*Block);
		{
			std::lock_guard Lock(Mutex);
			Block->bDone = true;
		}
		WorkDone.notify_all();
	}
}
