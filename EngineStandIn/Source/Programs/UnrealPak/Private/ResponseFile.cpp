#include "ResponseFile.h"

#include "AsciiText.h"
#include "PakFile.h"
#include "PakLog.h"
#include "TextDecoding.h"

#include <string_view>

namespace
{
	bool IsBlank(char Character)
	{
		return Character == ' ' || Character == '\t' || Character == '\r' || Character == '\v' || Character == '\f';
	}

	std::string LinePrefix(const std::string& Path, int LineNumber)
	{
		return "Response file \"" + Path + "\", line " + std::to_string(LineNumber) + ": ";
	}

	// Splits a line into tokens at blanks outside double quotes; a quote toggles quoting and is not
	// part of the token, so both "a b" and a" "b give the token a b.
	std::vector<std::string> TokenizeLine(std::string_view Line, const std::string& Path, int LineNumber)
	{
		std::vector<std::string> Tokens;
		size_t Index = 0;
		while (true)
		{
			while (Index < Line.size() && IsBlank(Line[Index]))
			{
				++Index;
			}
			if (Index == Line.size())
			{
				break;
			}
			std::string Token;
			bool bQuoted = false;
			bool bWasQuoted = false;
			for (; Index < Line.size() && (bQuoted || !IsBlank(Line[Index])); ++Index)
			{
				if (Line[Index] == '"')
				{
					bQuoted = !bQuoted;
					bWasQuoted = true;
				}
				else
				{
					Token.push_back(Line[Index]);
				}
			}
			if (bQuoted)
			{
				throw FPakError(LinePrefix(Path, LineNumber) + "a double quote is not closed");
			}
			if (Token.empty() && bWasQuoted)
			{
				throw FPakError(LinePrefix(Path, LineNumber) + "a path is empty (\"\")");
			}
			Tokens.push_back(std::move(Token));
		}
		return Tokens;
	}

	std::vector<FPakInputEntry> ParseResponseText(const std::string& Text, const std::string& PathForMessages)
	{
		std::vector<FPakInputEntry> Entries;
		int LineNumber = 0;
		size_t LineStart = 0;
		while (LineStart < Text.size())
		{
			size_t LineEnd = Text.find('\n', LineStart);
			if (LineEnd == std::string::npos)
			{
				LineEnd = Text.size();
			}
			const std::string_view Line(Text.data() + LineStart, LineEnd - LineStart);
			LineStart = LineEnd + 1;
			++LineNumber;

			if (Line.find('\0') != std::string_view::npos)
			{
				throw FPakError(LinePrefix(PathForMessages, LineNumber) + "the line holds a NUL character");
			}
			const std::vector<std::string> Tokens = TokenizeLine(Line, PathForMessages, LineNumber);
			if (Tokens.empty())
			{
				continue;
			}
			if (Tokens.size() < 2)
			{
				throw FPakError(LinePrefix(PathForMessages, LineNumber) +
								"expected a source path and a mount path, found only \"" + Tokens[0] + "\"");
			}

			FPakInputEntry Entry;
			Entry.SourcePath = NormalizeSlashes(Tokens[0]);
			Entry.MountPath = Tokens[1];
			Entry.LineNumber = LineNumber;
			for (size_t Index = 2; Index < Tokens.size(); ++Index)
			{
				const std::string& Option = Tokens[Index];
				if (Option.empty() || Option[0] != '-')
				{
					throw FPakError(LinePrefix(PathForMessages, LineNumber) + "unexpected \"" + Option +
									"\" after the mount path (put paths that hold spaces between double quotes)");
				}
				if (EqualsIgnoreCase(Option, "-compress"))
				{
					Entry.bCompress = true;
				}
				else
				{
					PakLog::Warning(LinePrefix(PathForMessages, LineNumber) + "ignoring unknown option \"" + Option +
									"\"");
				}
			}
			Entries.push_back(std::move(Entry));
		}
		return Entries;
	}
}

std::vector<FPakInputEntry> ReadResponseFile(const std::string& Path)
{
	FFileHandle File = FFileHandle::OpenForRead(Path, "the response file ");
	std::string Bytes(File.Size(Path), '\0');
	Bytes.resize(File.Read(Bytes.data(), Bytes.size(), Path));

	std::string Text;
	std::string DecodeError;
	if (!DecodeTextToUtf8(Bytes, Text, DecodeError))
	{
		throw FPakError("Response file \"" + Path + "\" cannot be read as text: " + DecodeError);
	}
	return ParseResponseText(Text, Path);
}
