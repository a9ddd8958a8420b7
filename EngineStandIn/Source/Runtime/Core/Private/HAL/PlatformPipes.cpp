#include "HAL/PlatformProcess.h"

#include "ChildProcesses.h"
#include "StandIn/StringConv.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

using UE::StandIn::Private::FPipeHandle;

bool FPlatformProcess::CreatePipe(void*& ReadPipe, void*& WritePipe, bool bWritePipeLocal)
{
	ReadPipe = nullptr;
	WritePipe = nullptr;
	// Close-on-exec keeps both ends out of every child; a child gets its end through its standard streams.
	int Descriptors[2];
	if (pipe2(Descriptors, O_CLOEXEC) != 0)
	{
		return false;
	}
	const int LocalEnd = bWritePipeLocal ? Descriptors[1] : Descriptors[0];
	fcntl(LocalEnd, F_SETFL, fcntl(LocalEnd, F_GETFL) | O_NONBLOCK);
	ReadPipe = new FPipeHandle{Descriptors[0]};
	WritePipe = new FPipeHandle{Descriptors[1]};
	return true;
}

void FPlatformProcess::ClosePipe(void* ReadPipe, void* WritePipe)
{
	for (void* Pipe : {ReadPipe, WritePipe})
	{
		if (FPipeHandle* Handle = static_cast<FPipeHandle*>(Pipe))
		{
			close(Handle->Descriptor);
			delete Handle;
		}
	}
}

bool FPlatformProcess::ReadPipeToArray(void* ReadPipe, TArray<uint8>& Output)
{
	Output.Reset();
	if (!ReadPipe)
	{
		return false;
	}
	const int Descriptor = static_cast<FPipeHandle*>(ReadPipe)->Descriptor;
	uint8 Buffer[65536];
	while (true)
	{
		const ssize_t Count = read(Descriptor, Buffer, sizeof(Buffer));
		if (Count > 0)
		{
			Output.Append(Buffer, static_cast<int32>(Count));
			continue;
		}
		if (Count < 0 && errno == EINTR)
		{
			continue;
		}
		// EAGAIN (nothing waiting now), end of the data, or an error.
		break;
	}
	return Output.Num() > 0;
}

FString FPlatformProcess::ReadPipe(void* ReadPipe)
{
	TArray<uint8> Bytes;
	if (!ReadPipeToArray(ReadPipe, Bytes))
	{
		return FString();
	}
	return UE::StandIn::FromUtf8(std::string_view(reinterpret_cast<const char*>(Bytes.GetData()), Bytes.Num()));
}
