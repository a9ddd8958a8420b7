#include "ChecksumPipeline.h"

#include <zlib.h>

FChecksumPipeline::FChecksumPipeline(size_t NumBuffers, size_t InBufferSize)
	: BufferSize(InBufferSize), Crc(crc32(0, nullptr, 0))
{
	Storage.resize(NumBuffers);
	for (std::vector<uint8_t>& Buffer : Storage)
	{
		Buffer.resize(BufferSize);
		FreeBuffers.push_back(Buffer.data());
	}
	Worker = std::thread([this] { WorkerMain(); });
}

FChecksumPipeline::~FChecksumPipeline()
{
	{
		std::lock_guard Lock(Mutex);
		bStopping = true;
	}
	Changed.notify_all();
	Worker.join();
}

uint8_t* FChecksumPipeline::AcquireBuffer()
{
	std::unique_lock Lock(Mutex);
	Changed.wait(Lock, [this] { return !FreeBuffers.empty(); });
	uint8_t* Buffer = FreeBuffers.back();
	FreeBuffers.pop_back();
	return Buffer;
}

void FChecksumPipeline::Submit(uint8_t* Buffer, size_t Count)
{
	{
		std::lock_guard Lock(Mutex);
		Queue.push_back({Buffer, Count});
		++NumInFlight;
	}
	Changed.notify_all();
}

uint32_t FChecksumPipeline::TakeChecksum()
{
	std::unique_lock Lock(Mutex);
	Changed.wait(Lock, [this] { return NumInFlight == 0; });
	const uint32_t Result = static_cast<uint32_t>(Crc);
	Crc = crc32(0, nullptr, 0);
	return Result;
}

void FChecksumPipeline::WorkerMain()
{
	std::unique_lock Lock(Mutex);
	while (true)
	{
		Changed.wait(Lock, [this] { return bStopping || !Queue.empty(); });
		if (Queue.empty())
		{
			return;
		}
		const FChunk Chunk = Queue.front();
		Queue.pop_front();
		// Only this thread touches Crc while chunks are in flight.
		unsigned long Running = Crc;
		Lock.unlock();
		Running = crc32(Running, Chunk.Buffer, static_cast<uInt>(Chunk.Count));
		Lock.lock();
		Crc = Running;
		FreeBuffers.push_back(Chunk.Buffer);
		--NumInFlight;
		Changed.notify_all();
	}
}
