#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// One block of an entry, compressed on a worker thread. The blocks of an entry, written one after the
// other, form a single raw deflate stream: every block but the last ends on a byte boundary (a sync
// flush) and each block is primed with the 32 KiB before it, so the split costs almost no ratio.
struct FDeflateBlock
{
	std::shared_ptr<const std::vector<uint8_t>> Input;
	// The entry's previous block, whose tail is this block's dictionary; null for the first block.
	std::shared_ptr<const std::vector<uint8_t>> Previous;
	bool bLastInEntry = false;

	// Filled by the worker.
	std::vector<uint8_t> Output;
	uint32_t InputCrc32 = 0;
	std::string Error;
	bool bDone = false;
};

class FParallelDeflate
{
public:
	FParallelDeflate(unsigned NumThreads, int InLevel);
	~FParallelDeflate();
	FParallelDeflate(const FParallelDeflate&) = delete;
	FParallelDeflate& operator=(const FParallelDeflate&) = delete;

	unsigned GetNumThreads() const { return static_cast<unsigned>(Workers.size()); }

	void Submit(std::shared_ptr<FDeflateBlock> Block);
	// Blocks until the worker has finished Block.
	void Wait(const FDeflateBlock& Block);

private:
	void WorkerMain();

	int Level;
	std::mutex Mutex;
	std::condition_variable WorkAvailable;
	std::condition_variable WorkDone;
	std::deque<std::shared_ptr<FDeflateBlock>> Queue;
	bool bStopping = false;
	std::vector<std::thread> Workers;
};
