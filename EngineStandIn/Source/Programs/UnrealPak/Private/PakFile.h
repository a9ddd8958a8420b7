#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// A failure the user has to see. The message is complete: it names the file and the cause.
class FPakError : public std::runtime_error
{
public:
	using std::runtime_error::runtime_error;
};

// "<path>: <reason>" for the current errno.
std::string DescribeSystemError(const std::string& Path, int ErrorNumber);

// Backslashes become forward slashes, as the engine normalises every file name it is given.
std::string NormalizeSlashes(std::string Path);

// Creates Folder and its parents when missing.
void MakeDirectories(const std::string& Folder);

// An open file descriptor, closed when it goes out of scope.
class FFileHandle
{
public:
	FFileHandle() = default;
	explicit FFileHandle(int InDescriptor) : Descriptor(InDescriptor) {}
	FFileHandle(FFileHandle&& Other) noexcept;
	FFileHandle& operator=(FFileHandle&& Other) noexcept;
	FFileHandle(const FFileHandle&) = delete;
	FFileHandle& operator=(const FFileHandle&) = delete;
	~FFileHandle();

	// Description names the file's role in the error message, e.g. "the response file ".
	static FFileHandle OpenForRead(const std::string& Path, const std::string& Description = std::string());
	static FFileHandle CreateForWrite(const std::string& Path);

	bool IsOpen() const { return Descriptor >= 0; }
	int Get() const { return Descriptor; }
	void Close();

	uint64_t Size(const std::string& PathForMessages) const;
	// Reads until Count bytes or the end of the file; returns the number of bytes read.
	size_t Read(void* Buffer, size_t Count, const std::string& PathForMessages);
	// Reads exactly Count bytes at Offset; a short read means the file is damaged.
	void ReadExactAt(void* Buffer, size_t Count, uint64_t Offset, const std::string& PathForMessages) const;

private:
	int Descriptor = -1;
};

// Sequential writer with a large buffer; large writes bypass the buffer.
class FBufferedWriter
{
public:
	FBufferedWriter(int InDescriptor, std::string InPathForMessages);

	void Write(const void* Data, size_t Count);
	uint64_t Tell() const { return Position; }
	// Moves the write position back to Offset; later writes overwrite what was there.
	void Seek(uint64_t Offset);
	void Flush();
	// Flushes and cuts the file at the current position.
	void Finish();

private:
	void WriteDirect(const void* Data, size_t Count);

	int Descriptor;
	std::string PathForMessages;
	std::vector<uint8_t> Buffer;
	size_t Used = 0;
	uint64_t Position = 0;
};

// A file written under a unique temporary name beside its destination and renamed into place by
// Commit, so readers never see a half-written file. Removed when not committed, including when the
// process is interrupted by SIGINT, SIGTERM or SIGHUP.
class FAtomicFile
{
public:
	explicit FAtomicFile(std::string InDestination);
	~FAtomicFile();
	FAtomicFile(const FAtomicFile&) = delete;
	FAtomicFile& operator=(const FAtomicFile&) = delete;

	int GetDescriptor() const { return Handle.Get(); }
	const std::string& GetTempPath() const { return TempPath; }
	void Commit();

private:
	std::string Destination;
	std::string TempPath;
	FFileHandle Handle;
	bool bCommitted = false;
};
