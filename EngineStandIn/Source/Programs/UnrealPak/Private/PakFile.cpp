#include "PakFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fcntl.h>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
	constexpr size_t WriteBufferSize = 4 << 20;
	// Writes this large gain nothing from a copy into the buffer.
	constexpr size_t DirectWriteMinimum = 512 << 10;

	// The temporary file of the pak being written, for the signal handler; empty when there is none.
	char GPendingTempPath[PATH_MAX + 1] = {};
	constexpr int InterruptSignals[] = {SIGINT, SIGTERM, SIGHUP};
	struct sigaction GPreviousActions[std::size(InterruptSignals)];

	void RemovePendingTempAndReraise(int Signal)
	{
		if (GPendingTempPath[0] != '\0')
		{
			unlink(GPendingTempPath);
		}
		signal(Signal, SIG_DFL);
		raise(Signal);
	}

	void InstallInterruptCleanup(const std::string& TempPath)
	{
		if (TempPath.size() > PATH_MAX)
		{
			return;
		}
		std::memcpy(GPendingTempPath, TempPath.c_str(), TempPath.size() + 1);
		struct sigaction Action = {};
		Action.sa_handler = RemovePendingTempAndReraise;
		sigemptyset(&Action.sa_mask);
		for (size_t Index = 0; Index < std::size(InterruptSignals); ++Index)
		{
			sigaction(InterruptSignals[Index], nullptr, &GPreviousActions[Index]);
			// A signal the caller ignores (nohup) stays ignored.
			if (GPreviousActions[Index].sa_handler != SIG_IGN)
			{
				sigaction(InterruptSignals[Index], &Action, nullptr);
			}
		}
	}

	void RemoveInterruptCleanup()
	{
		for (size_t Index = 0; Index < std::size(InterruptSignals); ++Index)
		{
			sigaction(InterruptSignals[Index], &GPreviousActions[Index], nullptr);
		}
		GPendingTempPath[0] = '\0';
	}
}

std::string DescribeSystemError(const std::string& Path, int ErrorNumber)
{
	return "\"" + Path + "\": " + std::strerror(ErrorNumber);
}

std::string NormalizeSlashes(std::string Path)
{
	std::replace(Path.begin(), Path.end(), '\\', '/');
	return Path;
}

void MakeDirectories(const std::string& Folder)
{
	if (Folder.empty())
	{
		return;
	}
	std::error_code Error;
	std::filesystem::create_directories(Folder, Error);
	if (Error)
	{
		throw FPakError("Cannot create folder \"" + Folder + "\": " + Error.message());
	}
}

FFileHandle::FFileHandle(FFileHandle&& Other) noexcept : Descriptor(Other.Descriptor)
{
	Other.Descriptor = -1;
}

FFileHandle& FFileHandle::operator=(FFileHandle&& Other) noexcept
{
	if (this != &Other)
	{
		Close();
		Descriptor = Other.Descriptor;
		Other.Descriptor = -1;
	}
	return *this;
}

FFileHandle::~FFileHandle()
{
	Close();
}

FFileHandle FFileHandle::OpenForRead(const std::string& Path, const std::string& Description)
{
	const int Descriptor = open(Path.c_str(), O_RDONLY | O_CLOEXEC);
	if (Descriptor < 0)
	{
		throw FPakError("Cannot open " + Description + DescribeSystemError(Path, errno));
	}
	posix_fadvise(Descriptor, 0, 0, POSIX_FADV_SEQUENTIAL);
	return FFileHandle(Descriptor);
}

FFileHandle FFileHandle::CreateForWrite(const std::string& Path)
{
	const int Descriptor = open(Path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
	if (Descriptor < 0)
	{
		throw FPakError("Cannot create " + DescribeSystemError(Path, errno));
	}
	return FFileHandle(Descriptor);
}

void FFileHandle::Close()
{
	if (Descriptor >= 0)
	{
		close(Descriptor);
		Descriptor = -1;
	}
}

uint64_t FFileHandle::Size(const std::string& PathForMessages) const
{
	struct stat Status;
	if (fstat(Descriptor, &Status) != 0)
	{
		throw FPakError("Cannot read the size of " + DescribeSystemError(PathForMessages, errno));
	}
	return static_cast<uint64_t>(Status.st_size);
}

size_t FFileHandle::Read(void* Buffer, size_t Count, const std::string& PathForMessages)
{
	size_t Total = 0;
	while (Total < Count)
	{
		const ssize_t Result = read(Descriptor, static_cast<uint8_t*>(Buffer) + Total, Count - Total);
		if (Result < 0)
		{
			if (errno == EINTR)
			{
				continue;
			}
			throw FPakError("Cannot read " + DescribeSystemError(PathForMessages, errno));
		}
		if (Result == 0)
		{
			break;
		}
		Total += static_cast<size_t>(Result);
	}
	return Total;
}

void FFileHandle::ReadExactAt(void* Buffer, size_t Count, uint64_t Offset, const std::string& PathForMessages) const
{
	size_t Total = 0;
	while (Total < Count)
	{
		const ssize_t Result =
			pread(Descriptor, static_cast<uint8_t*>(Buffer) + Total, Count - Total, static_cast<off_t>(Offset + Total));
		if (Result < 0)
		{
			if (errno == EINTR)
			{
				continue;
			}
			throw FPakError("Cannot read " + DescribeSystemError(PathForMessages, errno));
		}
		if (Result == 0)
		{
			throw FPakError("\"" + PathForMessages + "\" ends before offset " + std::to_string(Offset + Count) +
							"; the file is damaged");
		}
		Total += static_cast<size_t>(Result);
	}
}

FBufferedWriter::FBufferedWriter(int InDescriptor, std::string InPathForMessages)
	: Descriptor(InDescriptor), PathForMessages(std::move(InPathForMessages)), Buffer(WriteBufferSize)
{
}

void FBufferedWriter::Write(const void* Data, size_t Count)
{
	const uint8_t* Bytes = static_cast<const uint8_t*>(Data);
	if (Count >= DirectWriteMinimum || Used + Count > Buffer.size())
	{
		Flush();
		if (Count >= DirectWriteMinimum)
		{
			WriteDirect(Bytes, Count);
			Position += Count;
			return;
		}
	}
	std::memcpy(Buffer.data() + Used, Bytes, Count);
	Used += Count;
	Position += Count;
}

void FBufferedWriter::Seek(uint64_t Offset)
{
	Flush();
	if (lseek(Descriptor, static_cast<off_t>(Offset), SEEK_SET) < 0)
	{
		throw FPakError("Cannot seek in " + DescribeSystemError(PathForMessages, errno));
	}
	Position = Offset;
}

void FBufferedWriter::Flush()
{
	if (Used > 0)
	{
		WriteDirect(Buffer.data(), Used);
		Used = 0;
	}
}

void FBufferedWriter::Finish()
{
	Flush();
	if (ftruncate(Descriptor, static_cast<off_t>(Position)) != 0)
	{
		throw FPakError("Cannot set the size of " + DescribeSystemError(PathForMessages, errno));
	}
}

void FBufferedWriter::WriteDirect(const void* Data, size_t Count)
{
	const uint8_t* Bytes = static_cast<const uint8_t*>(Data);
	while (Count > 0)
	{
		const ssize_t Result = write(Descriptor, Bytes, Count);
		if (Result < 0)
		{
			if (errno == EINTR)
			{
				continue;
			}
			throw FPakError("Cannot write " + DescribeSystemError(PathForMessages, errno));
		}
		Bytes += Result;
		Count -= static_cast<size_t>(Result);
	}
}

FAtomicFile::FAtomicFile(std::string InDestination) : Destination(std::move(InDestination))
{
	std::string Template = Destination + ".XXXXXX.tmp";
	const int Descriptor = mkostemps(Template.data(), 4, O_CLOEXEC);
	if (Descriptor < 0)
	{
		throw FPakError("Cannot create a temporary file beside " + DescribeSystemError(Destination, errno));
	}
	TempPath = Template;
	Handle = FFileHandle(Descriptor);
	InstallInterruptCleanup(TempPath);

	// mkstemp makes the file private; the finished pak gets the permissions of any new file.
	const mode_t Mask = umask(0);
	umask(Mask);
	fchmod(Descriptor, 0666 & ~Mask);
}

FAtomicFile::~FAtomicFile()
{
	if (!bCommitted)
	{
		Handle.Close();
		unlink(TempPath.c_str());
		RemoveInterruptCleanup();
	}
}

void FAtomicFile::Commit()
{
	Handle.Close();
	if (rename(TempPath.c_str(), Destination.c_str()) != 0)
	{
		throw FPakError("Cannot move the finished pak into place at " + DescribeSystemError(Destination, errno));
	}
	bCommitted = true;
	RemoveInterruptCleanup();
}
