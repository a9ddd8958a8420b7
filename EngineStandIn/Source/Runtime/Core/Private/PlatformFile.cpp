#include "GenericPlatform/GenericPlatformFile.h"

#include "Algo/Sort.h"
#include "HAL/PlatformFileManager.h"
#include "HAL/PlatformProcess.h"
#include "Misc/Paths.h"
#include "Containers/StringConv.h"
#include "StandIn/StringConv.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
	// The path in UTF-8 with forward slashes (a backslash byte is never part of a longer UTF-8 sequence).
	void ToNative(const TCHAR* Path, std::string& OutNative)
	{
		UE::Core::Private::ConvertTCHARToUTF8(Path, static_cast<int32>(std::char_traits<TCHAR>::length(Path)), OutNative);
		std::replace(OutNative.begin(), OutNative.end(), '\\', '/');
	}

	std::string ToNative(const TCHAR* Path)
	{
		std::string Native;
		ToNative(Path, Native);
		return Native;
	}

	bool Stat(const TCHAR* Path, struct stat& OutStat)
	{
		// Files are looked for very often, from several threads at once: each thread converts into its own buffer.
		thread_local std::string Native;
		ToNative(Path, Native);
		return ::stat(Native.c_str(), &OutStat) == 0;
	}

	FDateTime ToDateTime(const timespec& Time)
	{
		return FDateTime(FDateTime::FromUnixTimestamp(Time.tv_sec).GetTicks() + Time.tv_nsec / 100);
	}

	FFileStatData ToStatData(const struct stat& FileStat)
	{
		const bool bIsDirectory = S_ISDIR(FileStat.st_mode);
		// Linux keeps no creation time here: the last status change stands in for it.
		return FFileStatData(ToDateTime(FileStat.st_ctim), ToDateTime(FileStat.st_atim), ToDateTime(FileStat.st_mtim),
			bIsDirectory ? -1 : static_cast<int64>(FileStat.st_size), bIsDirectory, (FileStat.st_mode & S_IWUSR) == 0);
	}

	class FFileHandlePosix final : public IFileHandle
	{
	public:
		explicit FFileHandlePosix(FILE* InFile) : File(InFile) {}

		virtual ~FFileHandlePosix() override { std::fclose(File); }

		virtual int64 Tell() override { return static_cast<int64>(ftello(File)); }

		virtual bool Seek(int64 NewPosition) override
		{
			return fseeko(File, static_cast<off_t>(NewPosition), SEEK_SET) == 0;
		}

		virtual bool SeekFromEnd(int64 NewPositionRelativeToEnd) override
		{
			return fseeko(File, static_cast<off_t>(NewPositionRelativeToEnd), SEEK_END) == 0;
		}

		virtual bool Read(uint8* Destination, int64 BytesToRead) override
		{
			return BytesToRead == 0 || std::fread(Destination, 1, static_cast<SIZE_T>(BytesToRead), File) ==
										   static_cast<SIZE_T>(BytesToRead);
		}

		virtual bool Write(const uint8* Source, int64 BytesToWrite) override
		{
			return BytesToWrite == 0 ||
				   std::fwrite(Source, 1, static_cast<SIZE_T>(BytesToWrite), File) == static_cast<SIZE_T>(BytesToWrite);
		}

		virtual bool Flush(const bool bFullFlush) override { return std::fflush(File) == 0; }

		virtual int64 Size() override
		{
			struct stat FileStat;
			return fstat(fileno(File), &FileStat) == 0 ? static_cast<int64>(FileStat.st_size) : -1;
		}

	private:
		FILE* File;
	};

	/** The disk, through POSIX calls; relative paths resolve against the working folder. */
	class FPhysicalPlatformFile final : public IPlatformFile
	{
	public:
		virtual const TCHAR* GetName() const override { return TEXT("PhysicalFile"); }

		virtual bool FileExists(const TCHAR* Filename) override
		{
			struct stat FileStat;
			return Stat(Filename, FileStat) && S_ISREG(FileStat.st_mode);
		}

		virtual int64 FileSize(const TCHAR* Filename) override
		{
			struct stat FileStat;
			return Stat(Filename, FileStat) && S_ISREG(FileStat.st_mode) ? static_cast<int64>(FileStat.st_size) : -1;
		}

		virtual bool DeleteFile(const TCHAR* Filename) override
		{
			if (!FileExists(Filename) || IsReadOnly(Filename))
			{
				return false;
			}
			return ::unlink(ToNative(Filename).c_str()) == 0;
		}

		virtual bool IsReadOnly(const TCHAR* Filename) override
		{
			struct stat FileStat;
			return Stat(Filename, FileStat) && (FileStat.st_mode & S_IWUSR) == 0;
		}

		virtual bool MoveFile(const TCHAR* To, const TCHAR* From) override
		{
			if (!FileExists(From) || (FileExists(To) && IsReadOnly(To)))
			{
				return false;
			}
			if (::rename(ToNative(From).c_str(), ToNative(To).c_str()) == 0)
			{
				return true;
			}
			// Across file systems rename cannot work: copy, then remove the original.
			return errno == EXDEV && CopyFile(To, From) && ::unlink(ToNative(From).c_str()) == 0;
		}

		virtual bool SetReadOnly(const TCHAR* Filename, bool bNewReadOnlyValue) override
		{
			struct stat FileStat;
			if (!Stat(Filename, FileStat))
			{
				return false;
			}
			const mode_t WriteBits = S_IWUSR | S_IWGRP | S_IWOTH;
			const mode_t NewMode = bNewReadOnlyValue ? (FileStat.st_mode & ~WriteBits) : (FileStat.st_mode | S_IWUSR);
			return ::chmod(ToNative(Filename).c_str(), NewMode & 07777) == 0;
		}

		virtual FDateTime GetTimeStamp(const TCHAR* Filename) override
		{
			struct stat FileStat;
			return Stat(Filename, FileStat) ? ToDateTime(FileStat.st_mtim) : FDateTime::MinValue();
		}

		virtual FFileStatData GetStatData(const TCHAR* FilenameOrDirectory) override
		{
			struct stat FileStat;
			return Stat(FilenameOrDirectory, FileStat) ? ToStatData(FileStat) : FFileStatData();
		}

		virtual IFileHandle* OpenRead(const TCHAR* Filename, bool bAllowWrite) override
		{
			if (!FileExists(Filename))
			{
				return nullptr;
			}
			FILE* File = std::fopen(ToNative(Filename).c_str(), "rb");
			return File ? new FFileHandlePosix(File) : nullptr;
		}

		virtual IFileHandle* OpenWrite(const TCHAR* Filename, bool bAppend, bool bAllowRead) override
		{
			if (FileExists(Filename) && IsReadOnly(Filename))
			{
				return nullptr;
			}
			const char* Mode = bAppend ? (bAllowRead ? "a+b" : "ab") : (bAllowRead ? "w+b" : "wb");
			FILE* File = std::fopen(ToNative(Filename).c_str(), Mode);
			return File ? new FFileHandlePosix(File) : nullptr;
		}

		virtual bool DirectoryExists(const TCHAR* Directory) override
		{
			struct stat FileStat;
			return Stat(Directory, FileStat) && S_ISDIR(FileStat.st_mode);
		}

		virtual bool CreateDirectory(const TCHAR* Directory) override
		{
			return ::mkdir(ToNative(Directory).c_str(), 0775) == 0 || DirectoryExists(Directory);
		}

		virtual bool DeleteDirectory(const TCHAR* Directory) override
		{
			return ::rmdir(ToNative(Directory).c_str()) == 0;
		}

		virtual bool IterateDirectory(const TCHAR* Directory, FDirectoryVisitor& Visitor) override
		{
			DIR* Handle = ::opendir(ToNative(Directory).c_str());
			if (!Handle)
			{
				return false;
			}
			struct FEntry
			{
				FString Name;
				// Folders and files as the listing tells them; links and file systems that do not tell are asked.
				unsigned char Type = DT_UNKNOWN;
			};
			TArray<FEntry> Entries;
			while (const dirent* Entry = ::readdir(Handle))
			{
				if (std::strcmp(Entry->d_name, ".") != 0 && std::strcmp(Entry->d_name, "..") != 0)
				{
					Entries.Add({UE::StandIn::FromUtf8(Entry->d_name), Entry->d_type});
				}
			}
			::closedir(Handle);

			// The disk's own order is arbitrary; list as Windows does, by name ignoring case.
			Algo::Sort(Entries, [](const FEntry& A, const FEntry& B)
			{
				const int32 Order = A.Name.Compare(B.Name, ESearchCase::IgnoreCase);
				return Order != 0 ? Order < 0 : A.Name.Compare(B.Name, ESearchCase::CaseSensitive) < 0;
			});

			// One path for every entry, its name put after the folder's each time.
			FString Path = Directory;
			FPaths::NormalizeFilename(Path);
			if (!Path.IsEmpty() && !Path.EndsWith(TEXT("/")))
			{
				Path += TEXT("/");
			}
			const int32 PrefixLength = Path.Len();
			for (const FEntry& Entry : Entries)
			{
				Path.LeftInline(PrefixLength, EAllowShrinking::No);
				Path += Entry.Name;
				const bool bIsDirectory = Entry.Type == DT_DIR || ((Entry.Type == DT_UNKNOWN || Entry.Type == DT_LNK) && DirectoryExists(*Path));
				if (!Visitor.Visit(*Path, bIsDirectory))
				{
					return false;
				}
			}
			return true;
		}
	};

	class FFunctionVisitor final : public IPlatformFile::FDirectoryVisitor
	{
	public:
		explicit FFunctionVisitor(IPlatformFile::FDirectoryVisitorFunc InFunc) : Func(InFunc) {}

		virtual bool Visit(const TCHAR* FilenameOrDirectory, bool bIsDirectory) override
		{
			return Func(FilenameOrDirectory, bIsDirectory);
		}

	private:
		IPlatformFile::FDirectoryVisitorFunc Func;
	};
}

bool IPlatformFile::IterateDirectory(const TCHAR* Directory, FDirectoryVisitorFunc Visitor)
{
	FFunctionVisitor FunctionVisitor(Visitor);
	return IterateDirectory(Directory, FunctionVisitor);
}

bool IPlatformFile::IterateDirectoryRecursively(const TCHAR* Directory, FDirectoryVisitor& Visitor)
{
	// Each entry is visited before the contents of a folder entry.
	return IterateDirectory(Directory,
							[this, &Visitor](const TCHAR* FilenameOrDirectory, bool bIsDirectory)
							{
								if (!Visitor.Visit(FilenameOrDirectory, bIsDirectory))
								{
									return false;
								}
								return !bIsDirectory || IterateDirectoryRecursively(FilenameOrDirectory, Visitor);
							});
}

bool IPlatformFile::IterateDirectoryRecursively(const TCHAR* Directory, FDirectoryVisitorFunc Visitor)
{
	FFunctionVisitor FunctionVisitor(Visitor);
	return IterateDirectoryRecursively(Directory, FunctionVisitor);
}

bool IPlatformFile::CreateDirectoryTree(const TCHAR* Directory)
{
	FString Path = Directory;
	FPaths::NormalizeFilename(Path);
	if (Path.IsEmpty() || DirectoryExists(*Path))
	{
		return true;
	}
	FString Built = Path.StartsWith(TEXT("/")) ? FString(TEXT("/")) : FString();
	TArray<FString> Segments;
	Path.ParseIntoArray(Segments, TEXT("/"), true);
	for (const FString& Segment : Segments)
	{
		Built += Segment;
		if (!DirectoryExists(*Built) && !CreateDirectory(*Built))
		{
			return false;
		}
		Built += TEXT("/");
	}
	return true;
}

bool IPlatformFile::DeleteDirectoryRecursively(const TCHAR* Directory)
{
	TArray<FString> Files;
	TArray<FString> Folders;
	IterateDirectoryRecursively(Directory,
								[&Files, &Folders](const TCHAR* Path, bool bIsDirectory)
								{
									(bIsDirectory ? Folders : Files).Add(Path);
									return true;
								});
	for (const FString& File : Files)
	{
		SetReadOnly(*File, false);
		DeleteFile(*File);
	}
	// Deepest folders first.
	for (int32 Index = Folders.Num() - 1; Index >= 0; --Index)
	{
		DeleteDirectory(*Folders[Index]);
	}
	DeleteDirectory(Directory);
	return !DirectoryExists(Directory);
}

bool IPlatformFile::CopyFile(const TCHAR* To, const TCHAR* From)
{
	IFileHandle* Source = OpenRead(From);
	if (!Source)
	{
		return false;
	}
	IFileHandle* Dest = OpenWrite(To);
	if (!Dest)
	{
		delete Source;
		return false;
	}
	bool bSuccess = true;
	TArray<uint8> Buffer;
	Buffer.SetNumZeroed(1024 * 1024);
	for (int64 Remaining = Source->Size(); Remaining > 0 && bSuccess;)
	{
		const int64 Chunk = Remaining < Buffer.Num() ? Remaining : Buffer.Num();
		bSuccess = Source->Read(Buffer.GetData(), Chunk) && Dest->Write(Buffer.GetData(), Chunk);
		Remaining -= Chunk;
	}
	delete Source;
	delete Dest;
	return bSuccess;
}

void IPlatformFile::FindFiles(TArray<FString>& FoundFiles, const TCHAR* Directory, const TCHAR* FileExtension)
{
	const FString Extension = FileExtension ? FileExtension : TEXT("");
	IterateDirectory(Directory,
					 [&FoundFiles, &Extension](const TCHAR* Path, bool bIsDirectory)
					 {
						 if (!bIsDirectory && FString(Path).EndsWith(Extension, ESearchCase::CaseSensitive))
						 {
							 FoundFiles.Add(Path);
						 }
						 return true;
					 });
}

void IPlatformFile::FindFilesRecursively(TArray<FString>& FoundFiles, const TCHAR* Directory,
										 const TCHAR* FileExtension)
{
	const FString Extension = FileExtension ? FileExtension : TEXT("");
	IterateDirectoryRecursively(Directory,
								[&FoundFiles, &Extension](const TCHAR* Path, bool bIsDirectory)
								{
									if (!bIsDirectory && FString(Path).EndsWith(Extension, ESearchCase::CaseSensitive))
									{
										FoundFiles.Add(Path);
									}
									return true;
								});
}

FString IPlatformFile::ConvertToAbsolutePathForExternalAppForRead(const TCHAR* Filename)
{
	return FPaths::ConvertRelativePathToFull(FString(Filename));
}

FString IPlatformFile::ConvertToAbsolutePathForExternalAppForWrite(const TCHAR* Filename)
{
	return ConvertToAbsolutePathForExternalAppForRead(Filename);
}

FPlatformFileManager& FPlatformFileManager::Get()
{
	static FPlatformFileManager* Singleton = new FPlatformFileManager();
	return *Singleton;
}

IPlatformFile& FPlatformFileManager::GetPlatformFile()
{
	static IPlatformFile* Physical = new FPhysicalPlatformFile();
	return TopmostPlatformFile ? *TopmostPlatformFile : *Physical;
}

void FPlatformFileManager::SetPlatformFile(IPlatformFile* NewTopmostPlatformFile)
{
	TopmostPlatformFile = NewTopmostPlatformFile;
}

IPlatformFile* FPlatformFileManager::FindPlatformFile(const TCHAR* Name)
{
	IPlatformFile& PlatformFile = GetPlatformFile();
	return FCString::Stricmp(PlatformFile.GetName(), Name) == 0 ? &PlatformFile : nullptr;
}
