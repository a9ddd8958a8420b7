#include "Misc/Parse.h"

namespace
{
	/** Finds Match in Stream where it is not the tail of a longer word; returns what follows it. */
	const TCHAR* FindMatch(const TCHAR* Stream, const TCHAR* Match)
	{
		const int32 MatchLen = FCString::Strlen(Match);
		for (const TCHAR* Found = FCString::Stristr(Stream, Match); Found; Found = FCString::Stristr(Found + 1, Match))
		{
			if (Found == Stream || !FChar::IsAlnum(Found[-1]))
			{
				return Found + MatchLen;
			}
		}
		return nullptr;
	}
}

bool FParse::Value(const TCHAR* Stream, const TCHAR* Match, FString& Value, bool bShouldStopOnSeparator)
{
	const TCHAR* Start = FindMatch(Stream, Match);
	if (!Start)
	{
		return false;
	}
	if (*Start == TEXT('"'))
	{
		const TCHAR* End = FCString::Strchr(Start + 1, TEXT('"'));
		Value = End ? FString::ConstructFromPtrSize(Start + 1, static_cast<int32>(End - Start - 1)) : FString(Start + 1);
		return true;
	}
	const TCHAR* End = Start;
	while (*End && !FChar::IsWhitespace(*End) && !(bShouldStopOnSeparator && (*End == TEXT(',') || *End == TEXT(')'))))
	{
		++End;
	}
	Value = FString::ConstructFromPtrSize(Start, static_cast<int32>(End - Start));
	return true;
}

bool FParse::Value(const TCHAR* Stream, const TCHAR* Match, int32& Value)
{
	const TCHAR* Start = FindMatch(Stream, Match);
	if (!Start)
	{
		return false;
	}
	Value = FCString::Atoi(Start);
	return true;
}

bool FParse::Value(const TCHAR* Stream, const TCHAR* Match, float& Value)
{
	const TCHAR* Start = FindMatch(Stream, Match);
	if (!Start)
	{
		return false;
	}
	Value = FCString::Atof(Start);
	return true;
}

bool FParse::Bool(const TCHAR* Stream, const TCHAR* Match, bool& OnOff)
{
	FString Text;
	if (!Value(Stream, Match, Text))
	{
		return false;
	}
	OnOff = FCString::ToBool(*Text);
	return true;
}

bool FParse::Param(const TCHAR* Stream, const TCHAR* Param)
{
	const int32 ParamLen = FCString::Strlen(Param);
	for (const TCHAR* Cursor = Stream; *Cursor; ++Cursor)
	{
		const bool bSwitch =
			(*Cursor == TEXT('-') || *Cursor == TEXT('/')) && (Cursor == Stream || FChar::IsWhitespace(Cursor[-1]));
		if (bSwitch && FCString::Strnicmp(Cursor + 1, Param, ParamLen) == 0)
		{
			const TCHAR After = Cursor[1 + ParamLen];
			if (After == 0 || FChar::IsWhitespace(After))
			{
				return true;
			}
		}
	}
	return false;
}

bool FParse::Token(const TCHAR*& Str, FString& Arg, bool bUseEscape)
{
	Arg.Reset();
	while (*Str && FChar::IsWhitespace(*Str))
	{
		++Str;
	}
	if (!*Str)
	{
		return false;
	}
	bool bInQuotes = false;
	while (*Str && (bInQuotes || !FChar::IsWhitespace(*Str)))
	{
		if (*Str == TEXT('"'))
		{
			bInQuotes = !bInQuotes;
			++Str;
			continue;
		}
		if (bUseEscape && bInQuotes && *Str == TEXT('\\') && Str[1] == TEXT('"'))
		{
			++Str;
		}
		Arg.AppendChar(*Str++);
	}
	return true;
}
