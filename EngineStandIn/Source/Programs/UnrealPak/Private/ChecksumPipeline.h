#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

// Computes the CRC-32 of data passing through a ring of buffers on a thread of its own, so a file copy
// reads, writes and checksums at the same time.
//
// The caller fills a buffer from AcquireBuffer and hands it to Submit, in data order; after that it may
// still read the buffer (to write it out) but not change it. TakeChecksum returns the CRC-32 of
// everything submitted since the previous call.
class FChecksumPipeline
{
public:
	FChecksumPipeline(size_t NumBuffers, size_t InBufferSize);
	~FChecksumPipeline();
	FChecksumPipeline(const FChecksumPipeline&) = delete;
	FChecksumPipeline& operator=(const FChecksumPipeline&) = delete;

	size_t GetBufferSize() const { return BufferSize; }

	uint8_t* AcquireBuffer();
	void Submit(uint8_t* Buffer, size_t Count);
	uint32_t TakeChecksum();

private:
	struct FChunk
	{
		uint8_t* Buffer;
		size_t Count;
	};

	void WorkerMain();

	size_t BufferSize;
	std::vector<std::vector<uint8_t>> Storage;
	std::mutex Mutex;
	std::condition_variable Changed;
	std::vector<uint8_t*> FreeBuffers;
	std::deque<FChunk> Queue;
	size_t NumInFlight = 0;
	unsigned long Crc;
	bool bStopping = false;
	std::thread Worker;
};
