#include "HAL/FileManager.h"

#include "HAL/PlatformFileManager.h"
#include "Logging/LogMacros.h"
#include "Misc/Paths.h"

DEFINE_LOG_CATEGORY_STATIC(LogFileManager, Log, All);

namespace
{
	/** The engine's file manager over the platform file. */
	class FFileManagerGeneric final : public IFileManager
	{
	public:
		virtual bool FileExists(const TCHAR* Filename) override { return LowLevel().FileExists(Filename); }

		virtual bool DirectoryExists(const TCHAR* InDirectory) override
		{
			return LowLevel().DirectoryExists(InDirectory);
		}

		virtual int64 FileSize(const TCHAR* Filename) override { return LowLevel().FileSize(Filename); }

		virtual bool IsReadOnly(const TCHAR* Filename) override { return LowLevel().IsReadOnly(Filename); }

		virtual FDateTime GetTimeStamp(const TCHAR* Path) override { return LowLevel().GetTimeStamp(Path); }

		virtual bool Delete(const TCHAR* Filename, bool RequireExists, bool EvenReadOnly, bool Quiet) override
		{
			const bool bExists = LowLevel().FileExists(Filename);
			if (!bExists)
			{
				if (RequireExists && !Quiet)
				{
					UE_LOG(LogFileManager, Warning, TEXT("Could not delete %s because it does not exist."), Filename);
				}
				return !RequireExists;
			}
			if (EvenReadOnly)
			{
				LowLevel().SetReadOnly(Filename, false);
			}
			if (!LowLevel().DeleteFile(Filename))
			{
				if (!Quiet)
				{
					UE_LOG(LogFileManager, Warning, TEXT("Error deleting file: %s"), Filename);
				}
				return false;
			}
			return true;
		}

		virtual uint32 Copy(const TCHAR* Dest, const TCHAR* Src, bool Replace, bool EvenIfReadOnly, bool Attributes,
							FCopyProgress* Progress, EFileRead ReadFlags, EFileWrite WriteFlags) override
		{
			if (!Replace && LowLevel().FileExists(Dest))
			{
				return COPY_Fail;
			}
			if (EvenIfReadOnly)
			{
				LowLevel().SetReadOnly(Dest, false);
			}
			MakeDirectory(*FPaths::GetPath(FString(Dest)), true);
			return LowLevel().CopyFile(Dest, Src) ? COPY_OK : COPY_Fail;
		}

		virtual bool Move(const TCHAR* Dest, const TCHAR* Src, bool Replace, bool EvenIfReadOnly, bool Attributes,
						  bool bDoNotRetryOrError) override
		{
			if (!LowLevel().FileExists(Src))
			{
				return false;
			}
			if (LowLevel().FileExists(Dest))
			{
				if (!Replace || !Delete(Dest, false, EvenIfReadOnly, true))
				{
					return false;
				}
			}
			MakeDirectory(*FPaths::GetPath(FString(Dest)), true);
			return LowLevel().MoveFile(Dest, Src);
		}

		virtual bool MakeDirectory(const TCHAR* Path, bool Tree) override
		{
			return Tree ? LowLevel().CreateDirectoryTree(Path) : LowLevel().CreateDirectory(Path);
		}

		virtual bool DeleteDirectory(const TCHAR* Path, bool RequireExists, bool Tree) override
		{
			if (!LowLevel().DirectoryExists(Path))
			{
				return !RequireExists;
			}
			return Tree ? LowLevel().DeleteDirectoryRecursively(Path) : LowLevel().DeleteDirectory(Path);
		}

		virtual void FindFiles(TArray<FString>& FoundFiles, const TCHAR* Directory, const TCHAR* FileExtension) override
		{
			FString Wildcard = TEXT("*");
			if (FileExtension && *FileExtension)
			{
				Wildcard += (FileExtension[0] == TEXT('.') ? TEXT("") : TEXT("."));
				Wildcard += FileExtension;
			}
			FindFiles(FoundFiles, *(FString(Directory) / Wildcard), true, false);
		}

		virtual void FindFiles(TArray<FString>& FileNames, const TCHAR* Filename, bool Files, bool Directories) override
		{
			FString Path = Filename;
			FPaths::NormalizeFilename(Path);
			const FString Directory = FPaths::GetPath(Path);
			FString Wildcard = FPaths::GetCleanFilename(Path);
			// "*.*" matches names without a dot too, as on Windows.
			if (Wildcard == TEXT("*.*"))
			{
				Wildcard = TEXT("*");
			}
			LowLevel().IterateDirectory(Directory.IsEmpty() ? TEXT(".") : *Directory,
										[&](const TCHAR* EntryPath, bool bIsDirectory)
										{
											const FString Name = FPaths::GetCleanFilename(FString(EntryPath));
											if ((bIsDirectory ? Directories : Files) && Name.MatchesWildcard(Wildcard))
											{
												FileNames.Add(Name);
											}
											return true;
										});
		}

		virtual void FindFilesRecursive(TArray<FString>& FileNames, const TCHAR* StartDirectory, const TCHAR* Filename,
										bool Files, bool Directories, bool bClearFileNames) override
		{
			if (bClearFileNames)
			{
				FileNames.Empty();
			}
			FindFilesRecursiveInternal(FileNames, FString(StartDirectory), FString(Filename), Files, Directories);
		}

		virtual bool IterateDirectory(const TCHAR* Directory, IPlatformFile::FDirectoryVisitor& Visitor) override
		{
			return LowLevel().IterateDirectory(Directory, Visitor);
		}

		virtual bool IterateDirectory(const TCHAR* Directory, IPlatformFile::FDirectoryVisitorFunc Visitor) override
		{
			return LowLevel().IterateDirectory(Directory, Visitor);
		}

		virtual bool IterateDirectoryRecursively(const TCHAR* Directory,
												 IPlatformFile::FDirectoryVisitor& Visitor) override
		{
			return LowLevel().IterateDirectoryRecursively(Directory, Visitor);
		}

		virtual bool IterateDirectoryRecursively(const TCHAR* Directory,
												 IPlatformFile::FDirectoryVisitorFunc Visitor) override
		{
			return LowLevel().IterateDirectoryRecursively(Directory, Visitor);
		}

		virtual FString ConvertToAbsolutePathForExternalAppForRead(const TCHAR* Filename) override
		{
			return LowLevel().ConvertToAbsolutePathForExternalAppForRead(Filename);
		}

		virtual FString ConvertToAbsolutePathForExternalAppForWrite(const TCHAR* Filename) override
		{
			return LowLevel().ConvertToAbsolutePathForExternalAppForWrite(Filename);
		}

	private:
		static IPlatformFile& LowLevel() { return FPlatformFileManager::Get().GetPlatformFile(); }

		/** This folder's matches first, then each subfolder's, in listing order. */
		void FindFilesRecursiveInternal(TArray<FString>& FileNames, const FString& Directory, const FString& Wildcard,
										bool Files, bool Directories)
		{
			TArray<FString> Names;
			FindFiles(Names, *(Directory / Wildcard), Files, Directories);
			for (const FString& Name : Names)
			{
				FileNames.Add(Directory / Name);
			}
			TArray<FString> SubFolders;
			FindFiles(SubFolders, *(Directory / TEXT("*")), false, true);
			for (const FString& SubFolder : SubFolders)
			{
				FindFilesRecursiveInternal(FileNames, Directory / SubFolder, Wildcard, Files, Directories);
			}
		}
	};
}

IFileManager& IFileManager::Get()
{
	static IFileManager* Singleton = new FFileManagerGeneric();
	return *Singleton;
}
