#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Containers/ArrayView.h"
#include "Containers/UnrealString.h"
#include "HAL/FileManager.h"

/**
 * Whole-file reads and writes. Writing creates missing folders and fails on a read-only file (unless
 * FILEWRITE_EvenIfReadOnly). The file manager argument is accepted for the engine's signatures; reading and
 * writing go through the platform file.
 */
struct CORE_API FFileHelper
{
	enum class EHashOptions
	{
		None = 0,
		EnableVerify = 1 << 0,
		ErrorMissingHash = 1 << 1
	};

	enum class EEncodingOptions
	{
		/** 8-bit if every character is ASCII, otherwise UTF-16LE with a byte order mark. */
		AutoDetect,
		ForceAnsi,
		/** UTF-16LE with a byte order mark. */
		ForceUnicode,
		/** UTF-8 with a byte order mark. */
		ForceUTF8,
		ForceUTF8WithoutBOM
	};

	static bool LoadFileToArray(TArray<uint8>& Result, const TCHAR* Filename, uint32 Flags = 0);
	static bool LoadFileToArray(TArray64<uint8>& Result, const TCHAR* Filename, uint32 Flags = 0);

	/** Decodes UTF-16 (either byte order, with a BOM) or UTF-8; bytes that are not UTF-8 are read as ANSI. */
	static bool LoadFileToString(FString& Result, const TCHAR* Filename, EHashOptions VerifyFlags = EHashOptions::None,
								 uint32 ReadFlags = 0);
	static bool LoadFileToStringArray(TArray<FString>& Result, const TCHAR* Filename);

	/** Decodes a byte buffer as LoadFileToString does. */
	static void BufferToString(FString& Result, const uint8* Buffer, int32 Size);

	static bool SaveArrayToFile(TArrayView64<const uint8> Array, const TCHAR* Filename,
								IFileManager* FileManager = &IFileManager::Get(), uint32 WriteFlags = 0);
	static bool SaveArrayToFile(const TArray64<uint8>& Array, const TCHAR* Filename,
								IFileManager* FileManager = &IFileManager::Get(), uint32 WriteFlags = 0);

	static bool SaveStringToFile(const FString& String, const TCHAR* Filename,
								 EEncodingOptions EncodingOptions = EEncodingOptions::AutoDetect,
								 IFileManager* FileManager = &IFileManager::Get(), uint32 WriteFlags = 0);

	/** Writes each line followed by LINE_TERMINATOR. */
	static bool SaveStringArrayToFile(const TArray<FString>& Lines, const TCHAR* Filename,
									  EEncodingOptions EncodingOptions = EEncodingOptions::AutoDetect,
									  IFileManager* FileManager = &IFileManager::Get(), uint32 WriteFlags = 0);
};
