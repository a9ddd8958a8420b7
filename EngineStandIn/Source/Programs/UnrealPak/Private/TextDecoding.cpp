#include "TextDecoding.h"

#include <cstdint>

namespace
{
	void AppendUtf8(std::string& Out, uint32_t CodePoint)
	{
		if (CodePoint < 0x80)
		{
			Out.push_back(static_cast<char>(CodePoint));
		}
		else if (CodePoint < 0x800)
		{
			Out.push_back(static_cast<char>(0xC0 | (CodePoint >> 6)));
			Out.push_back(static_cast<char>(0x80 | (CodePoint & 0x3F)));
		}
		else if (CodePoint < 0x10000)
		{
			Out.push_back(static_cast<char>(0xE0 | (CodePoint >> 12)));
			Out.push_back(static_cast<char>(0x80 | ((CodePoint >> 6) & 0x3F)));
			Out.push_back(static_cast<char>(0x80 | (CodePoint & 0x3F)));
		}
		else
		{
			Out.push_back(static_cast<char>(0xF0 | (CodePoint >> 18)));
			Out.push_back(static_cast<char>(0x80 | ((CodePoint >> 12) & 0x3F)));
			Out.push_back(static_cast<char>(0x80 | ((CodePoint >> 6) & 0x3F)));
			Out.push_back(static_cast<char>(0x80 | (CodePoint & 0x3F)));
		}
	}

	bool DecodeUtf16(std::string_view Bytes, bool bLittleEndian, std::string& OutText, std::string& OutError)
	{
		if (Bytes.size() % 2 != 0)
		{
			OutError = "its UTF-16 text has an odd number of bytes";
			return false;
		}
		OutText.clear();
		OutText.reserve(Bytes.size());
		const auto UnitAt = [&](size_t Index) -> uint32_t
		{
			const uint32_t First = static_cast<uint8_t>(Bytes[Index]);
			const uint32_t Second = static_cast<uint8_t>(Bytes[Index + 1]);
			return bLittleEndian ? (First | (Second << 8)) : ((First << 8) | Second);
		};
		for (size_t Index = 0; Index < Bytes.size(); Index += 2)
		{
			uint32_t Unit = UnitAt(Index);
			if (Unit >= 0xD800 && Unit <= 0xDBFF)
			{
				const uint32_t Low = Index + 2 < Bytes.size() ? UnitAt(Index + 2) : 0;
				if (Low < 0xDC00 || Low > 0xDFFF)
				{
					OutError = "its UTF-16 text has an unpaired surrogate at byte " + std::to_string(Index);
					return false;
				}
				Unit = 0x10000 + ((Unit - 0xD800) << 10) + (Low - 0xDC00);
				Index += 2;
			}
			else if (Unit >= 0xDC00 && Unit <= 0xDFFF)
			{
				OutError = "its UTF-16 text has an unpaired surrogate at byte " + std::to_string(Index);
				return false;
			}
			AppendUtf8(OutText, Unit);
		}
		return true;
	}

	bool IsValidUtf8(std::string_view Bytes)
	{
		size_t Index = 0;
		while (Index < Bytes.size())
		{
			const uint8_t Lead = static_cast<uint8_t>(Bytes[Index]);
			size_t Length = 0;
			uint32_t CodePoint = 0;
			if (Lead < 0x80)
			{
				++Index;
				continue;
			}
			else if ((Lead & 0xE0) == 0xC0)
			{
				Length = 2;
				CodePoint = Lead & 0x1F;
			}
			else if ((Lead & 0xF0) == 0xE0)
			{
				Length = 3;
				CodePoint = Lead & 0x0F;
			}
			else if ((Lead & 0xF8) == 0xF0)
			{
				Length = 4;
				CodePoint = Lead & 0x07;
			}
			else
			{
				return false;
			}
			if (Index + Length > Bytes.size())
			{
				return false;
			}
			for (size_t Offset = 1; Offset < Length; ++Offset)
			{
				const uint8_t Continuation = static_cast<uint8_t>(Bytes[Index + Offset]);
				if ((Continuation & 0xC0) != 0x80)
				{
					return false;
				}
				CodePoint = (CodePoint << 6) | (Continuation & 0x3F);
			}
			static constexpr uint32_t MinimumForLength[5] = {0, 0, 0x80, 0x800, 0x10000};
			if (CodePoint < MinimumForLength[Length] || CodePoint > 0x10FFFF ||
				(CodePoint >= 0xD800 && CodePoint <= 0xDFFF))
			{
				return false;
			}
			Index += Length;
		}
		return true;
	}

	// Windows-1252 bytes 0x80-0x9F; the five bytes the code page leaves undefined map to the C1
	// control of the same value, as Windows' own conversion does.
	constexpr uint16_t Windows1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
											  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
											  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
											  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

	std::string DecodeWindows1252(std::string_view Bytes)
	{
		std::string Result;
		Result.reserve(Bytes.size() * 2);
		for (const char Character : Bytes)
		{
			const uint8_t Byte = static_cast<uint8_t>(Character);
			if (Byte >= 0x80 && Byte <= 0x9F)
			{
				AppendUtf8(Result, Windows1252High[Byte - 0x80]);
			}
			else
			{
				AppendUtf8(Result, Byte);
			}
		}
		return Result;
	}

	bool StartsWith(std::string_view Bytes, std::string_view Prefix)
	{
		return Bytes.substr(0, Prefix.size()) == Prefix;
	}
}

bool DecodeTextToUtf8(std::string_view Bytes, std::string& OutText, std::string& OutError)
{
	if (StartsWith(Bytes, "\xFF\xFE"))
	{
		return DecodeUtf16(Bytes.substr(2), true, OutText, OutError);
	}
	if (StartsWith(Bytes, "\xFE\xFF"))
	{
		return DecodeUtf16(Bytes.substr(2), false, OutText, OutError);
	}
	if (StartsWith(Bytes, "\xEF\xBB\xBF"))
	{
		Bytes.remove_prefix(3);
	}
	OutText = IsValidUtf8(Bytes) ? std::string(Bytes) : DecodeWindows1252(Bytes);
	return true;
}
