#include "Misc/FileHelper.h"

#include "Containers/StringConv.h"
#include "HAL/PlatformFileManager.h"
#include "Misc/Paths.h"
#include "Templates/UniquePtr.h"

#include <string>

namespace
{
	IPlatformFile& PlatformFile()
	{
		return FPlatformFileManager::Get().GetPlatformFile();
	}

	template <typename ArrayType>
	bool LoadToArray(ArrayType& Result, const TCHAR* Filename)
	{
		TUniquePtr<IFileHandle> Handle(PlatformFile().OpenRead(Filename));
		if (!Handle)
		{
			return false;
		}
		const int64 Size = Handle->Size();
		if (Size < 0 || Size > static_cast<int64>(TNumericLimits<typename ArrayType::SizeType>::Max()))
		{
			return false;
		}
		Result.Reset();
		Result.AddUninitialized(static_cast<typename ArrayType::SizeType>(Size));
		return Handle->Read(Result.GetData(), Size);
	}

	/** Writes the bytes, honouring the engine's write flags; creates the folder first. */
	bool WriteBytes(const uint8* Data, int64 Size, const TCHAR* Filename, IFileManager* FileManager, uint32 WriteFlags)
	{
		IFileManager& Manager = FileManager ? *FileManager : IFileManager::Get();
		if ((WriteFlags & FILEWRITE_NoReplaceExisting) && Manager.FileExists(Filename))
		{
			return false;
		}
		if ((WriteFlags & FILEWRITE_EvenIfReadOnly) && Manager.FileExists(Filename))
		{
			PlatformFile().SetReadOnly(Filename, false);
		}
		const FString Directory = FPaths::GetPath(FString(Filename));
		if (!Directory.IsEmpty())
		{
			Manager.MakeDirectory(*Directory, true);
		}
		TUniquePtr<IFileHandle> Handle(PlatformFile().OpenWrite(Filename, (WriteFlags & FILEWRITE_Append) != 0,
																(WriteFlags & FILEWRITE_AllowRead) != 0));
		if (!Handle)
		{
			return false;
		}
		return Handle->Write(Data, Size) && Handle->Flush();
	}

	void AppendUtf16LE(std::string& Out, uint32 Code)
	{
		auto Put = [&Out](uint32 Unit)
		{
			Out.push_back(static_cast<char>(Unit & 0xFF));
			Out.push_back(static_cast<char>((Unit >> 8) & 0xFF));
		};
		if (Code >= 0x10000 && Code <= 0x10FFFF)
		{
			Code -= 0x10000;
			Put(0xD800 + (Code >> 10));
			Put(0xDC00 + (Code & 0x3FF));
		}
		else
		{
			Put(Code > 0x10FFFF ? 0xFFFD : Code);
		}
	}

	std::string Encode(const FString& String, FFileHelper::EEncodingOptions EncodingOptions)
	{
		using EEncodingOptions = FFileHelper::EEncodingOptions;
		if (EncodingOptions == EEncodingOptions::AutoDetect)
		{
			EncodingOptions = EEncodingOptions::ForceAnsi;
			for (const TCHAR Char : String)
			{
				if (static_cast<uint32>(Char) > 0x7F)
				{
					EncodingOptions = EEncodingOptions::ForceUnicode;
					break;
				}
			}
		}

		std::string Bytes;
		switch (EncodingOptions)
		{
			case EEncodingOptions::ForceUnicode:
				Bytes = "\xFF\xFE";
				for (const TCHAR Char : String)
				{
					AppendUtf16LE(Bytes, static_cast<uint32>(Char));
				}
				break;
			case EEncodingOptions::ForceUTF8:
				UE::Core::Private::ConvertTCHARToUTF8(*String, String.Len(), Bytes);
				Bytes.insert(0, "\xEF\xBB\xBF");
				break;
			case EEncodingOptions::ForceUTF8WithoutBOM:
				UE::Core::Private::ConvertTCHARToUTF8(*String, String.Len(), Bytes);
				break;
			case EEncodingOptions::ForceAnsi:
			default:
				UE::Core::Private::ConvertTCHARToAnsi(*String, String.Len(), Bytes);
				break;
		}
		return Bytes;
	}

	void DecodeUtf16(FString& Result, const uint8* Buffer, int32 Size, bool bBigEndian)
	{
		std::wstring Wide;
		Wide.reserve(static_cast<SIZE_T>(Size / 2));
		auto UnitAt = [&](int32 Index) -> uint32
		{
			return bBigEndian ? (uint32(Buffer[Index]) << 8) | Buffer[Index + 1]
							  : (uint32(Buffer[Index + 1]) << 8) | Buffer[Index];
		};
		for (int32 Index = 0; Index + 1 < Size; Index += 2)
		{
			const uint32 Unit = UnitAt(Index);
			if (Unit >= 0xD800 && Unit <= 0xDBFF && Index + 3 < Size)
			{
				const uint32 Low = UnitAt(Index + 2);
				if (Low >= 0xDC00 && Low <= 0xDFFF)
				{
					Wide.push_back(static_cast<TCHAR>(0x10000 + ((Unit - 0xD800) << 10) + (Low - 0xDC00)));
					Index += 2;
					continue;
				}
			}
			Wide.push_back(static_cast<TCHAR>(Unit));
		}
		Result = FString::ConstructFromPtrSize(Wide.c_str(), static_cast<int32>(Wide.size()));
	}
}

void FFileHelper::BufferToString(FString& Result, const uint8* Buffer, int32 Size)
{
	if (Size >= 2 && Buffer[0] == 0xFF && Buffer[1] == 0xFE)
	{
		DecodeUtf16(Result, Buffer + 2, Size - 2, false);
	}
	else if (Size >= 2 && Buffer[0] == 0xFE && Buffer[1] == 0xFF)
	{
		DecodeUtf16(Result, Buffer + 2, Size - 2, true);
	}
	else
	{
		const int32 Skip = (Size >= 3 && Buffer[0] == 0xEF && Buffer[1] == 0xBB && Buffer[2] == 0xBF) ? 3 : 0;
		std::wstring Wide;
		UE::Core::Private::ConvertUTF8ToTCHAR(reinterpret_cast<const ANSICHAR*>(Buffer) + Skip, Size - Skip, Wide);
		Result = FString::ConstructFromPtrSize(Wide.c_str(), static_cast<int32>(Wide.size()));
	}
	// A text file may carry a terminator; strings do not.
	while (Result.Len() > 0 && Result[Result.Len() - 1] == 0)
	{
		Result.LeftChopInline(1);
	}
}

bool FFileHelper::LoadFileToArray(TArray<uint8>& Result, const TCHAR* Filename, uint32 Flags)
{
	return LoadToArray(Result, Filename);
}

bool FFileHelper::LoadFileToArray(TArray64<uint8>& Result, const TCHAR* Filename, uint32 Flags)
{
	return LoadToArray(Result, Filename);
}

bool FFileHelper::LoadFileToString(FString& Result, const TCHAR* Filename, EHashOptions VerifyFlags, uint32 ReadFlags)
{
	TArray<uint8> Bytes;
	if (!LoadFileToArray(Bytes, Filename, ReadFlags))
	{
		return false;
	}
	BufferToString(Result, Bytes.GetData(), Bytes.Num());
	return true;
}

bool FFileHelper::LoadFileToStringArray(TArray<FString>& Result, const TCHAR* Filename)
{
	FString Text;
	if (!LoadFileToString(Text, Filename))
	{
		return false;
	}
	Text.ParseIntoArrayLines(Result);
	return true;
}

bool FFileHelper::SaveArrayToFile(TArrayView64<const uint8> Array, const TCHAR* Filename, IFileManager* FileManager,
								  uint32 WriteFlags)
{
	return WriteBytes(Array.GetData(), Array.Num(), Filename, FileManager, WriteFlags);
}

bool FFileHelper::SaveArrayToFile(const TArray64<uint8>& Array, const TCHAR* Filename, IFileManager* FileManager,
								  uint32 WriteFlags)
{
	return WriteBytes(Array.GetData(), Array.Num(), Filename, FileManager, WriteFlags);
}

bool FFileHelper::SaveStringToFile(const FString& String, const TCHAR* Filename, EEncodingOptions EncodingOptions,
								   IFileManager* FileManager, uint32 WriteFlags)
{
	const std::string Bytes = Encode(String, EncodingOptions);
	return WriteBytes(reinterpret_cast<const uint8*>(Bytes.data()), static_cast<int64>(Bytes.size()), Filename,
					  FileManager, WriteFlags);
}

bool FFileHelper::SaveStringArrayToFile(const TArray<FString>& Lines, const TCHAR* Filename,
										EEncodingOptions EncodingOptions, IFileManager* FileManager, uint32 WriteFlags)
{
	FString Combined;
	for (const FString& Line : Lines)
	{
		Combined += Line;
		Combined += LINE_TERMINATOR;
	}
	return SaveStringToFile(Combined, Filename, EncodingOptions, FileManager, WriteFlags);
}
