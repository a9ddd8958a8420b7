#include "Containers/StringConv.h"

#include "StandIn/StringConv.h"

namespace UE::Core::Private
{
	void ConvertTCHARToUTF8(const TCHAR* Source, int32 SourceLen, std::string& Out)
	{
		Out.clear();
		Out.reserve(static_cast<SIZE_T>(SourceLen));
		for (int32 Index = 0; Index < SourceLen; ++Index)
		{
			uint32 Code = static_cast<uint32>(Source[Index]);
			if (Code > 0x10FFFF || (Code >= 0xD800 && Code <= 0xDFFF))
			{
				Code = 0xFFFD;
			}
			if (Code < 0x80)
			{
				Out.push_back(static_cast<char>(Code));
			}
			else if (Code < 0x800)
			{
				Out.push_back(static_cast<char>(0xC0 | (Code >> 6)));
				Out.push_back(static_cast<char>(0x80 | (Code & 0x3F)));
			}
			else if (Code < 0x10000)
			{
				Out.push_back(static_cast<char>(0xE0 | (Code >> 12)));
				Out.push_back(static_cast<char>(0x80 | ((Code >> 6) & 0x3F)));
				Out.push_back(static_cast<char>(0x80 | (Code & 0x3F)));
			}
			else
			{
				Out.push_back(static_cast<char>(0xF0 | (Code >> 18)));
				Out.push_back(static_cast<char>(0x80 | ((Code >> 12) & 0x3F)));
				Out.push_back(static_cast<char>(0x80 | ((Code >> 6) & 0x3F)));
				Out.push_back(static_cast<char>(0x80 | (Code & 0x3F)));
			}
		}
	}

	void ConvertUTF8ToTCHAR(const ANSICHAR* Source, int32 SourceLen, std::wstring& Out)
	{
		Out.clear();
		Out.reserve(static_cast<SIZE_T>(SourceLen));
		const uint8* Bytes = reinterpret_cast<const uint8*>(Source);
		for (int32 Index = 0; Index < SourceLen;)
		{
			const uint8 Lead = Bytes[Index];
			int32 Extra = 0;
			uint32 Code = 0;
			uint32 Min = 0;
			if (Lead < 0x80)
			{
				Out.push_back(static_cast<TCHAR>(Lead));
				++Index;
				continue;
			}
			else if ((Lead & 0xE0) == 0xC0)
			{
				Extra = 1;
				Code = Lead & 0x1F;
				Min = 0x80;
			}
			else if ((Lead & 0xF0) == 0xE0)
			{
				Extra = 2;
				Code = Lead & 0x0F;
				Min = 0x800;
			}
			else if ((Lead & 0xF8) == 0xF0)
			{
				Extra = 3;
				Code = Lead & 0x07;
				Min = 0x10000;
			}
			bool bValid = Extra > 0;
			for (int32 Offset = 1; bValid && Offset <= Extra; ++Offset)
			{
				if (Index + Offset >= SourceLen || (Bytes[Index + Offset] & 0xC0) != 0x80)
				{
					bValid = false;
					break;
				}
				Code = (Code << 6) | (Bytes[Index + Offset] & 0x3F);
			}
			if (bValid && Code >= Min && Code <= 0x10FFFF && !(Code >= 0xD800 && Code <= 0xDFFF))
			{
				Out.push_back(static_cast<TCHAR>(Code));
				Index += Extra + 1;
			}
			else
			{
				// Not UTF-8: take the byte as a Latin-1 character.
				Out.push_back(static_cast<TCHAR>(Lead));
				++Index;
			}
		}
	}

	void ConvertTCHARToAnsi(const TCHAR* Source, int32 SourceLen, std::string& Out)
	{
		Out.clear();
		Out.reserve(static_cast<SIZE_T>(SourceLen));
		for (int32 Index = 0; Index < SourceLen; ++Index)
		{
			const uint32 Code = static_cast<uint32>(Source[Index]);
			Out.push_back(Code <= 0xFF ? static_cast<char>(Code) : '?');
		}
	}

	void ConvertAnsiToTCHAR(const ANSICHAR* Source, int32 SourceLen, std::wstring& Out)
	{
		Out.clear();
		Out.reserve(static_cast<SIZE_T>(SourceLen));
		for (int32 Index = 0; Index < SourceLen; ++Index)
		{
			Out.push_back(static_cast<TCHAR>(static_cast<uint8>(Source[Index])));
		}
	}
}

namespace UE::StandIn
{
	std::string ToUtf8(const FString& String)
	{
		std::string Out;
		UE::Core::Private::ConvertTCHARToUTF8(*String, String.Len(), Out);
		return Out;
	}

	std::string ToUtf8(const TCHAR* String)
	{
		std::string Out;
		if (String)
		{
			UE::Core::Private::ConvertTCHARToUTF8(String, FCString::Strlen(String), Out);
		}
		return Out;
	}

	FString FromUtf8(std::string_view Utf8)
	{
		std::wstring Wide;
		UE::Core::Private::ConvertUTF8ToTCHAR(Utf8.data(), static_cast<int32>(Utf8.size()), Wide);
		return FString::ConstructFromPtrSize(Wide.c_str(), static_cast<int32>(Wide.size()));
	}
}
