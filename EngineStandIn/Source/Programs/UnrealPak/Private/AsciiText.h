#pragma once

#include <string>
#include <string_view>

// Letter-case helpers for option names and paths; only ASCII letters fold, as in the engine's
// case-insensitive path comparisons of the names this tool sees.
inline char AsciiLower(char Character)
{
	return (Character >= 'A' && Character <= 'Z') ? static_cast<char>(Character - 'A' + 'a') : Character;
}

inline std::string AsciiLower(std::string Text)
{
	for (char& Character : Text)
	{
		Character = AsciiLower(Character);
	}
	return Text;
}

inline bool StartsWithIgnoreCase(std::string_view Text, std::string_view Prefix)
{
	if (Text.size() < Prefix.size())
	{
		return false;
	}
	for (size_t Index = 0; Index < Prefix.size(); ++Index)
	{
		if (AsciiLower(Text[Index]) != AsciiLower(Prefix[Index]))
		{
			return false;
		}
	}
	return true;
}

inline bool EqualsIgnoreCase(std::string_view Text, std::string_view Other)
{
	return Text.size() == Other.size() && StartsWithIgnoreCase(Text, Other);
}
