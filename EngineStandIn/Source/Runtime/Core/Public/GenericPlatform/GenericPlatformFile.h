#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "Misc/DateTime.h"
#include "Templates/Function.h"

/** An open file. */
class CORE_API IFileHandle
{
public:
	virtual ~IFileHandle() = default;

	virtual int64 Tell() = 0;
	virtual bool Seek(int64 NewPosition) = 0;
	virtual bool SeekFromEnd(int64 NewPositionRelativeToEnd = 0) = 0;
	virtual bool Read(uint8* Destination, int64 BytesToRead) = 0;
	virtual bool Write(const uint8* Source, int64 BytesToWrite) = 0;
	virtual bool Flush(const bool bFullFlush = false) = 0;
	virtual int64 Size() = 0;
};

/** What stat'ing a file or folder returns; check bIsValid before using the rest. */
struct FFileStatData
{
	FFileStatData() = default;

	FFileStatData(FDateTime InCreationTime, FDateTime InAccessTime, FDateTime InModificationTime, const int64 InFileSize, const bool InIsDirectory, const bool InIsReadOnly)
		: CreationTime(InCreationTime)
		, AccessTime(InAccessTime)
		, ModificationTime(InModificationTime)
		, FileSize(InFileSize)
		, bIsDirectory(InIsDirectory)
		, bIsReadOnly(InIsReadOnly)
		, bIsValid(true)
	{
	}

	FDateTime CreationTime = FDateTime::MinValue();
	FDateTime AccessTime = FDateTime::MinValue();
	FDateTime ModificationTime = FDateTime::MinValue();
	/** -1 for a folder or when unknown. */
	int64 FileSize = -1;
	bool bIsDirectory : 1 = false;
	bool bIsReadOnly : 1 = false;
	bool bIsValid : 1 = false;
};

/**
 * The file system. Files without the owner's write permission count as read-only, and (as on Windows)
 * cannot be written, replaced or deleted until made writable again, whoever runs the process.
 */
class CORE_API IPlatformFile
{
public:
	virtual ~IPlatformFile() = default;

	/** Called for each entry of a folder; return false to stop. */
	class FDirectoryVisitor
	{
	public:
		virtual ~FDirectoryVisitor() = default;
		virtual bool Visit(const TCHAR* FilenameOrDirectory, bool bIsDirectory) = 0;
	};

	using FDirectoryVisitorFunc = TFunctionRef<bool(const TCHAR*, bool)>;

	virtual const TCHAR* GetName() const = 0;

	virtual bool FileExists(const TCHAR* Filename) = 0;
	/** -1 if the file does not exist. */
	virtual int64 FileSize(const TCHAR* Filename) = 0;
	virtual bool DeleteFile(const TCHAR* Filename) = 0;
	virtual bool IsReadOnly(const TCHAR* Filename) = 0;
	virtual bool MoveFile(const TCHAR* To, const TCHAR* From) = 0;
	virtual bool SetReadOnly(const TCHAR* Filename, bool bNewReadOnlyValue) = 0;
	/** FDateTime::MinValue() if the file does not exist. */
	virtual FDateTime GetTimeStamp(const TCHAR* Filename) = 0;
	/** One look at the disk for everything about a file or folder. */
	virtual FFileStatData GetStatData(const TCHAR* FilenameOrDirectory) = 0;

	virtual IFileHandle* OpenRead(const TCHAR* Filename, bool bAllowWrite = false) = 0;
	virtual IFileHandle* OpenWrite(const TCHAR* Filename, bool bAppend = false, bool bAllowRead = false) = 0;

	virtual bool DirectoryExists(const TCHAR* Directory) = 0;
	virtual bool CreateDirectory(const TCHAR* Directory) = 0;
	/** Removes an empty folder. */
	virtual bool DeleteDirectory(const TCHAR* Directory) = 0;

	/** Visits the folder's entries (not recursively), with their paths as Directory/Name. */
	virtual bool IterateDirectory(const TCHAR* Directory, FDirectoryVisitor& Visitor) = 0;
	virtual bool IterateDirectory(const TCHAR* Directory, FDirectoryVisitorFunc Visitor);
	virtual bool IterateDirectoryRecursively(const TCHAR* Directory, FDirectoryVisitor& Visitor);
	virtual bool IterateDirectoryRecursively(const TCHAR* Directory, FDirectoryVisitorFunc Visitor);

	virtual bool CreateDirectoryTree(const TCHAR* Directory);
	virtual bool DeleteDirectoryRecursively(const TCHAR* Directory);
	virtual bool CopyFile(const TCHAR* To, const TCHAR* From);

	/** Full paths (Directory/Name) of the files in Directory whose name ends with FileExtension, if given. */
	virtual void FindFiles(TArray<FString>& FoundFiles, const TCHAR* Directory, const TCHAR* FileExtension);
	virtual void FindFilesRecursively(TArray<FString>& FoundFiles, const TCHAR* Directory, const TCHAR* FileExtension);

	virtual FString ConvertToAbsolutePathForExternalAppForRead(const TCHAR* Filename);
	virtual FString ConvertToAbsolutePathForExternalAppForWrite(const TCHAR* Filename);
};
