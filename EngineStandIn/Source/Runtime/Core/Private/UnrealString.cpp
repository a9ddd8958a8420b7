#include "Containers/UnrealString.h"

#include "Containers/StringConv.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace
{
	int32 ClampCount(int32 Count, int32 Max)
	{
		return Count < 0 ? 0 : (Count > Max ? Max : Count);
	}

	bool CharsEqual(TCHAR A, TCHAR B, ESearchCase::Type SearchCase)
	{
		return SearchCase == ESearchCase::CaseSensitive ? A == B : FChar::ToLower(A) == FChar::ToLower(B);
	}

	bool MatchesAt(const TCHAR* Text, const TCHAR* SubStr, int32 SubLen, ESearchCase::Type SearchCase)
	{
		return SearchCase == ESearchCase::CaseSensitive ? FCString::Strncmp(Text, SubStr, SubLen) == 0
														: FCString::Strnicmp(Text, SubStr, SubLen) == 0;
	}
}

FString::FString(const FString& Other, int32 ExtraSlack)
{
	Data.Reserve(Other.Data.Num() + ExtraSlack);
	Data.Append(Other.Data);
}

FString::FString(FString&& Other, int32 ExtraSlack) : Data(MoveTemp(Other.Data))
{
	Data.Reserve(Data.Num() + ExtraSlack);
}

FString::FString(const TCHAR* Str)
{
	if (Str && *Str)
	{
		AppendChars(Str, FCString::Strlen(Str));
	}
}

FString::FString(const ANSICHAR* Str)
{
	if (Str && *Str)
	{
		AppendChars(Str, FCStringAnsi::Strlen(Str));
	}
}

FString::FString(int32 InCount, const TCHAR* InSrc) : FString(ConstructFromPtrSize(InSrc, InCount))
{
}

FString::FString(int32 InCount, const ANSICHAR* InSrc) : FString(ConstructFromPtrSize(InSrc, InCount))
{
}

namespace
{
	template <typename CharType>
	FString ConstructFromChars(const CharType* Str, int32 Size)
	{
		check(Size >= 0);
		FString Result;
		if (Str && Size > 0)
		{
			Result.AppendChars(Str, Size);
		}
		return Result;
	}
}

FString FString::ConstructFromPtrSize(const TCHAR* Str, int32 Size)
{
	return ConstructFromChars(Str, Size);
}

FString FString::ConstructFromPtrSize(const ANSICHAR* Str, int32 Size)
{
	return ConstructFromChars(Str, Size);
}

FString& FString::operator=(const TCHAR* Other)
{
	if (Other == **this)
	{
		return *this;
	}
	FString Copy(Other);
	Data = MoveTemp(Copy.Data);
	return *this;
}

FString& FString::AppendChar(TCHAR InChar)
{
	check(InChar != 0);
	if (Data.Num() == 0)
	{
		Data.Add(InChar);
		Data.Add(0);
	}
	else
	{
		Data.Last() = InChar;
		Data.Add(0);
	}
	return *this;
}

FString& FString::AppendChars(const TCHAR* Str, int32 Count)
{
	check(Count >= 0);
	if (Count == 0)
	{
		return *this;
	}
	check(Str != nullptr);
	// Str may point into this string, so copy it before the buffer can move.
	if (Data.Num() && Str >= Data.GetData() && Str < Data.GetData() + Data.Max())
	{
		const FString Copy = FString::ConstructFromPtrSize(Str, Count);
		return AppendChars(*Copy, Count);
	}
	// Grown with slack, as the engine's strings grow: a text built by appending costs its length, not its square.
	const int32 Needed = (Data.Num() ? Data.Num() : 1) + Count;
	if (Needed > Data.Max())
	{
		Data.Reserve(std::max(Needed, Data.Max() + 3 * Data.Max() / 8 + 16));
	}
	if (Data.Num())
	{
		Data.Pop(EAllowShrinking::No);
	}
	Data.Append(Str, Count);
	Data.Add(0);
	return *this;
}

FString& FString::AppendChars(const ANSICHAR* Str, int32 Count)
{
	check(Count >= 0);
	if (Count == 0)
	{
		return *this;
	}
	std::wstring Converted;
	UE::Core::Private::ConvertUTF8ToTCHAR(Str, Count, Converted);
	return AppendChars(Converted.c_str(), static_cast<int32>(Converted.size()));
}

FString& FString::Append(const TCHAR* Text, int32 Count)
{
	return AppendChars(Text, Count);
}

FString& FString::Append(const TCHAR* Text)
{
	return Text ? AppendChars(Text, FCString::Strlen(Text)) : *this;
}

FString& FString::Append(const FString& Text)
{
	return AppendChars(*Text, Text.Len());
}

FString operator+(const FString& Lhs, const FString& Rhs)
{
	FString Result(Lhs, Rhs.Len());
	Result += Rhs;
	return Result;
}

FString operator+(FString&& Lhs, const FString& Rhs)
{
	Lhs += Rhs;
	return MoveTemp(Lhs);
}

FString operator+(const FString& Lhs, const TCHAR* Rhs)
{
	FString Result(Lhs);
	Result += Rhs;
	return Result;
}

FString operator+(FString&& Lhs, const TCHAR* Rhs)
{
	Lhs += Rhs;
	return MoveTemp(Lhs);
}

FString operator+(const TCHAR* Lhs, const FString& Rhs)
{
	FString Result(Lhs);
	Result += Rhs;
	return Result;
}

FString operator+(const FString& Lhs, TCHAR Rhs)
{
	FString Result(Lhs);
	Result += Rhs;
	return Result;
}

FString operator+(FString&& Lhs, TCHAR Rhs)
{
	Lhs += Rhs;
	return MoveTemp(Lhs);
}

void FString::PathAppend(const TCHAR* Str, int32 StrLength)
{
	const bool bEndsWithSeparator = Len() > 0 && (Data[Len() - 1] == TEXT('/') || Data[Len() - 1] == TEXT('\\'));
	if (StrLength == 0)
	{
		// Joining an empty part still marks this as a folder, as the engine does.
		if (Len() > 0 && !bEndsWithSeparator)
		{
			AppendChar(TEXT('/'));
		}
		return;
	}
	// As in the engine, a separator on both sides is kept as it is ("A/" / "/B" gives "A//B").
	if (Len() > 0 && !bEndsWithSeparator && Str[0] != TEXT('/'))
	{
		AppendChar(TEXT('/'));
	}
	AppendChars(Str, StrLength);
}

FString operator/(const FString& Lhs, const FString& Rhs)
{
	FString Result(Lhs, Rhs.Len() + 1);
	Result.PathAppend(*Rhs, Rhs.Len());
	return Result;
}

FString operator/(FString&& Lhs, const FString& Rhs)
{
	Lhs.PathAppend(*Rhs, Rhs.Len());
	return MoveTemp(Lhs);
}

FString operator/(const FString& Lhs, const TCHAR* Rhs)
{
	FString Result(Lhs);
	Result.PathAppend(Rhs, FCString::Strlen(Rhs));
	return Result;
}

FString operator/(FString&& Lhs, const TCHAR* Rhs)
{
	Lhs.PathAppend(Rhs, FCString::Strlen(Rhs));
	return MoveTemp(Lhs);
}

FString operator/(const TCHAR* Lhs, const FString& Rhs)
{
	FString Result(Lhs);
	Result.PathAppend(*Rhs, Rhs.Len());
	return Result;
}

bool FString::Equals(const FString& Other, ESearchCase::Type SearchCase) const
{
	if (Len() != Other.Len())
	{
		return false;
	}
	return SearchCase == ESearchCase::CaseSensitive ? FCString::Strcmp(**this, *Other) == 0
													: FCString::Stricmp(**this, *Other) == 0;
}

int32 FString::Compare(const FString& Other, ESearchCase::Type SearchCase) const
{
	return SearchCase == ESearchCase::CaseSensitive ? FCString::Strcmp(**this, *Other)
													: FCString::Stricmp(**this, *Other);
}

bool FString::StartsWith(const TCHAR* InPrefix, ESearchCase::Type SearchCase) const
{
	if (!InPrefix || !*InPrefix)
	{
		return false;
	}
	const int32 PrefixLen = FCString::Strlen(InPrefix);
	return PrefixLen <= Len() && MatchesAt(**this, InPrefix, PrefixLen, SearchCase);
}

bool FString::StartsWith(const FString& InPrefix, ESearchCase::Type SearchCase) const
{
	return StartsWith(*InPrefix, SearchCase);
}

bool FString::EndsWith(const TCHAR* InSuffix, ESearchCase::Type SearchCase) const
{
	if (!InSuffix || !*InSuffix)
	{
		return false;
	}
	const int32 SuffixLen = FCString::Strlen(InSuffix);
	return SuffixLen <= Len() && MatchesAt(**this + Len() - SuffixLen, InSuffix, SuffixLen, SearchCase);
}

bool FString::EndsWith(const FString& InSuffix, ESearchCase::Type SearchCase) const
{
	return EndsWith(*InSuffix, SearchCase);
}

bool FString::RemoveFromStart(const TCHAR* InPrefix, ESearchCase::Type SearchCase)
{
	if (!StartsWith(InPrefix, SearchCase))
	{
		return false;
	}
	RemoveAt(0, FCString::Strlen(InPrefix));
	return true;
}

bool FString::RemoveFromStart(const FString& InPrefix, ESearchCase::Type SearchCase)
{
	return RemoveFromStart(*InPrefix, SearchCase);
}

bool FString::RemoveFromEnd(const TCHAR* InSuffix, ESearchCase::Type SearchCase)
{
	if (!EndsWith(InSuffix, SearchCase))
	{
		return false;
	}
	const int32 SuffixLen = FCString::Strlen(InSuffix);
	RemoveAt(Len() - SuffixLen, SuffixLen);
	return true;
}

bool FString::RemoveFromEnd(const FString& InSuffix, ESearchCase::Type SearchCase)
{
	return RemoveFromEnd(*InSuffix, SearchCase);
}

int32 FString::Find(const TCHAR* SubStr, ESearchCase::Type SearchCase, ESearchDir::Type SearchDir,
					int32 StartPosition) const
{
	if (!SubStr)
	{
		return INDEX_NONE;
	}
	const int32 SubLen = FCString::Strlen(SubStr);
	const int32 TextLen = Len();
	if (SearchDir == ESearchDir::FromStart)
	{
		const int32 Start = StartPosition == INDEX_NONE ? 0 : ClampCount(StartPosition, TextLen);
		for (int32 Index = Start; Index + SubLen <= TextLen; ++Index)
		{
			if (MatchesAt(**this + Index, SubStr, SubLen, SearchCase))
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	// Searching backwards, a match must end at or before StartPosition.
	const int32 End = (StartPosition == INDEX_NONE || StartPosition > TextLen) ? TextLen : StartPosition;
	const int32 SearchLen = SubLen > 0 ? SubLen : 1;
	for (int32 Index = End - SearchLen; Index >= 0; --Index)
	{
		if (MatchesAt(**this + Index, SubStr, SubLen, SearchCase))
		{
			return Index;
		}
	}
	return INDEX_NONE;
}

int32 FString::Find(const FString& SubStr, ESearchCase::Type SearchCase, ESearchDir::Type SearchDir,
					int32 StartPosition) const
{
	return Find(*SubStr, SearchCase, SearchDir, StartPosition);
}

bool FString::FindChar(TCHAR InChar, int32& Index) const
{
	for (Index = 0; Index < Len(); ++Index)
	{
		if (Data[Index] == InChar)
		{
			return true;
		}
	}
	Index = INDEX_NONE;
	return false;
}

bool FString::FindLastChar(TCHAR InChar, int32& Index) const
{
	for (Index = Len() - 1; Index >= 0; --Index)
	{
		if (Data[Index] == InChar)
		{
			return true;
		}
	}
	Index = INDEX_NONE;
	return false;
}

FString FString::Left(int32 Count) const
{
	return FString::ConstructFromPtrSize(**this, ClampCount(Count, Len()));
}

FString FString::LeftChop(int32 Count) const
{
	return FString::ConstructFromPtrSize(**this, ClampCount(Len() - Count, Len()));
}

FString FString::Right(int32 Count) const
{
	const int32 Length = ClampCount(Count, Len());
	return FString::ConstructFromPtrSize(**this + Len() - Length, Length);
}

FString FString::RightChop(int32 Count) const
{
	const int32 Start = ClampCount(Count, Len());
	return FString::ConstructFromPtrSize(**this + Start, Len() - Start);
}

FString FString::Mid(int32 Start, int32 Count) const
{
	if (Count < 0)
	{
		return FString();
	}
	const int32 Length = Len();
	const int32 RequestedStart = Start;
	Start = ClampCount(Start, Length);
	const int64 RequestedEnd = static_cast<int64>(Count) + RequestedStart;
	const int32 End =
		static_cast<int32>(RequestedEnd < Start ? Start : (RequestedEnd > Length ? Length : RequestedEnd));
	return FString::ConstructFromPtrSize(**this + Start, End - Start);
}

void FString::LeftInline(int32 Count, EAllowShrinking AllowShrinking)
{
	const int32 Length = Len();
	Count = ClampCount(Count, Length);
	RemoveAt(Count, Length - Count, AllowShrinking);
}

void FString::LeftChopInline(int32 Count, EAllowShrinking AllowShrinking)
{
	const int32 Length = Len();
	Count = ClampCount(Count, Length);
	RemoveAt(Length - Count, Count, AllowShrinking);
}

void FString::RightInline(int32 Count, EAllowShrinking AllowShrinking)
{
	const int32 Length = Len();
	Count = ClampCount(Count, Length);
	RemoveAt(0, Length - Count, AllowShrinking);
}

void FString::RightChopInline(int32 Count, EAllowShrinking AllowShrinking)
{
	RemoveAt(0, ClampCount(Count, Len()), AllowShrinking);
}

void FString::MidInline(int32 Start, int32 Count, EAllowShrinking AllowShrinking)
{
	*this = Mid(Start, Count);
	if (AllowShrinking == EAllowShrinking::Yes)
	{
		Shrink();
	}
}

FString FString::ToUpper() const
{
	FString Result(*this);
	Result.ToUpperInline();
	return Result;
}

FString FString::ToLower() const
{
	FString Result(*this);
	Result.ToLowerInline();
	return Result;
}

void FString::ToUpperInline()
{
	for (int32 Index = 0; Index < Len(); ++Index)
	{
		Data[Index] = FChar::ToUpper(Data[Index]);
	}
}

void FString::ToLowerInline()
{
	for (int32 Index = 0; Index < Len(); ++Index)
	{
		Data[Index] = FChar::ToLower(Data[Index]);
	}
}

FString FString::TrimStart() const
{
	FString Result(*this);
	Result.TrimStartInline();
	return Result;
}

FString FString::TrimEnd() const
{
	FString Result(*this);
	Result.TrimEndInline();
	return Result;
}

FString FString::TrimStartAndEnd() const
{
	FString Result(*this);
	Result.TrimStartAndEndInline();
	return Result;
}

void FString::TrimStartInline()
{
	int32 Count = 0;
	while (Count < Len() && FChar::IsWhitespace(Data[Count]))
	{
		++Count;
	}
	RemoveAt(0, Count);
}

void FString::TrimEndInline()
{
	int32 End = Len();
	while (End > 0 && FChar::IsWhitespace(Data[End - 1]))
	{
		--End;
	}
	RemoveAt(End, Len() - End);
}

void FString::TrimStartAndEndInline()
{
	TrimEndInline();
	TrimStartInline();
}

FString FString::TrimQuotes(bool* bQuotesRemoved) const
{
	FString Result(*this);
	Result.TrimQuotesInline(bQuotesRemoved);
	return Result;
}

void FString::TrimQuotesInline(bool* bQuotesRemoved)
{
	bool bRemoved = false;
	if (Len() > 0 && Data[0] == TEXT('"'))
	{
		RemoveAt(0, 1);
		bRemoved = true;
	}
	if (Len() > 0 && Data[Len() - 1] == TEXT('"'))
	{
		RemoveAt(Len() - 1, 1);
		bRemoved = true;
	}
	if (bQuotesRemoved)
	{
		*bQuotesRemoved = bRemoved;
	}
}

FString FString::LeftPad(int32 ChCount) const
{
	const int32 Pad = ChCount - Len();
	return Pad > 0 ? ChrN(Pad, TEXT(' ')) + *this : *this;
}

FString FString::RightPad(int32 ChCount) const
{
	const int32 Pad = ChCount - Len();
	return Pad > 0 ? *this + ChrN(Pad, TEXT(' ')) : *this;
}

FString FString::Replace(const TCHAR* From, const TCHAR* To, ESearchCase::Type SearchCase) const
{
	FString Result(*this);
	Result.ReplaceInline(From, To, SearchCase);
	return Result;
}

int32 FString::ReplaceInline(const TCHAR* SearchText, const TCHAR* ReplacementText, ESearchCase::Type SearchCase)
{
	if (IsEmpty() || !SearchText || !*SearchText)
	{
		return 0;
	}
	const int32 SearchLen = FCString::Strlen(SearchText);
	FString Result;
	int32 NumReplaced = 0;
	int32 Index = 0;
	while (Index < Len())
	{
		if (Index + SearchLen <= Len() && MatchesAt(**this + Index, SearchText, SearchLen, SearchCase))
		{
			Result += ReplacementText;
			Index += SearchLen;
			++NumReplaced;
		}
		else
		{
			Result.AppendChar(Data[Index]);
			++Index;
		}
	}
	if (NumReplaced > 0)
	{
		*this = MoveTemp(Result);
	}
	return NumReplaced;
}

void FString::ReplaceCharInline(TCHAR SearchChar, TCHAR ReplacementChar, ESearchCase::Type SearchCase)
{
	for (int32 Index = 0; Index < Len(); ++Index)
	{
		if (CharsEqual(Data[Index], SearchChar, SearchCase))
		{
			Data[Index] = ReplacementChar;
		}
	}
}

void FString::RemoveSpacesInline()
{
	FString Result;
	Result.Reserve(Len());
	for (int32 Index = 0; Index < Len(); ++Index)
	{
		if (Data[Index] != TEXT(' '))
		{
			Result.AppendChar(Data[Index]);
		}
	}
	*this = MoveTemp(Result);
}

int32 FString::ParseIntoArray(TArray<FString>& OutArray, const TCHAR* pchDelim, bool InCullEmpty) const
{
	check(pchDelim);
	return ParseIntoArray(OutArray, &pchDelim, 1, InCullEmpty);
}

int32 FString::ParseIntoArray(TArray<FString>& OutArray, const TCHAR* const* DelimArray, int32 NumDelims,
							  bool InCullEmpty) const
{
	OutArray.Reset();
	int32 SubstringStart = 0;
	int32 Index = 0;
	while (Index < Len())
	{
		int32 MatchedLen = 0;
		for (int32 DelimIndex = 0; DelimIndex < NumDelims; ++DelimIndex)
		{
			const int32 DelimLen = FCString::Strlen(DelimArray[DelimIndex]);
			if (DelimLen > 0 && FCString::Strncmp(**this + Index, DelimArray[DelimIndex], DelimLen) == 0)
			{
				MatchedLen = DelimLen;
				break;
			}
		}
		if (MatchedLen > 0)
		{
			if (!InCullEmpty || Index > SubstringStart)
			{
				OutArray.Add(FString::ConstructFromPtrSize(**this + SubstringStart, Index - SubstringStart));
			}
			Index += MatchedLen;
			SubstringStart = Index;
		}
		else
		{
			++Index;
		}
	}
	if (!InCullEmpty || Len() > SubstringStart)
	{
		OutArray.Add(FString::ConstructFromPtrSize(**this + SubstringStart, Len() - SubstringStart));
	}
	return OutArray.Num();
}

int32 FString::ParseIntoArrayLines(TArray<FString>& OutArray, bool InCullEmpty) const
{
	static const TCHAR* const LineEndings[] = {TEXT("\r\n"), TEXT("\r"), TEXT("\n")};
	return ParseIntoArray(OutArray, LineEndings, UE_ARRAY_COUNT(LineEndings), InCullEmpty);
}

int32 FString::ParseIntoArrayWS(TArray<FString>& OutArray, const TCHAR* pchExtraDelim, bool InCullEmpty) const
{
	const TCHAR* Delims[] = {TEXT(" "), TEXT("\t"), TEXT("\r"), TEXT("\n"), TEXT("")};
	const bool bHasExtra = pchExtraDelim && *pchExtraDelim;
	if (bHasExtra)
	{
		Delims[4] = pchExtraDelim;
	}
	return ParseIntoArray(OutArray, Delims, bHasExtra ? 5 : 4, InCullEmpty);
}

bool FString::Split(const FString& InS, FString* LeftS, FString* RightS, ESearchCase::Type SearchCase,
					ESearchDir::Type SearchDir) const
{
	const int32 Index = Find(InS, SearchCase, SearchDir);
	if (Index == INDEX_NONE)
	{
		return false;
	}
	const int32 SplitLen = InS.Len();
	if (LeftS)
	{
		*LeftS = Left(Index);
	}
	if (RightS)
	{
		*RightS = Mid(Index + SplitLen);
	}
	return true;
}

bool FString::IsNumeric() const
{
	return !IsEmpty() && FCString::IsNumeric(**this);
}

bool FString::MatchesWildcard(const TCHAR* Wildcard, ESearchCase::Type SearchCase) const
{
	const TCHAR* Text = **this;
	const TCHAR* StarWildcard = nullptr;
	const TCHAR* StarText = nullptr;
	while (*Text)
	{
		if (*Wildcard == TEXT('*'))
		{
			StarWildcard = ++Wildcard;
			StarText = Text;
		}
		else if (*Wildcard && (*Wildcard == TEXT('?') || CharsEqual(*Wildcard, *Text, SearchCase)))
		{
			++Wildcard;
			++Text;
		}
		else if (StarWildcard)
		{
			Wildcard = StarWildcard;
			Text = ++StarText;
		}
		else
		{
			return false;
		}
	}
	while (*Wildcard == TEXT('*'))
	{
		++Wildcard;
	}
	return *Wildcard == 0;
}

bool FString::ToBool() const
{
	return FCString::ToBool(**this);
}

void FString::InsertAt(int32 Index, TCHAR Character)
{
	check(Character != 0);
	checkf(Index >= 0 && Index <= Len(), TEXT("String insert index out of bounds: %d into a string of length %d"),
		   Index, Len());
	if (Data.Num() == 0)
	{
		AppendChar(Character);
	}
	else
	{
		Data.Insert(Character, Index);
	}
}

void FString::InsertAt(int32 Index, const FString& Characters)
{
	checkf(Index >= 0 && Index <= Len(), TEXT("String insert index out of bounds: %d into a string of length %d"),
		   Index, Len());
	if (Characters.IsEmpty())
	{
		return;
	}
	if (Data.Num() == 0)
	{
		*this = Characters;
	}
	else
	{
		Data.Insert(Characters.Data.GetData(), Characters.Len(), Index);
	}
}

void FString::RemoveAt(int32 Index, int32 Count, EAllowShrinking AllowShrinking)
{
	if (Count <= 0)
	{
		return;
	}
	checkf(Index >= 0 && Index + Count <= Len(),
		   TEXT("String RemoveAt out of bounds: %d,%d from a string of length %d"), Index, Count, Len());
	Data.RemoveAt(Index, Count, AllowShrinking);
	if (Data.Num() == 1)
	{
		Data.Empty();
	}
}

FString FString::Reverse() const
{
	FString Result(*this);
	Result.ReverseString();
	return Result;
}

void FString::ReverseString()
{
	for (int32 Low = 0, High = Len() - 1; Low < High; ++Low, --High)
	{
		::Swap(Data[Low], Data[High]);
	}
}

FString FString::FromInt(int32 Num)
{
	return Printf(TEXT("%d"), Num);
}

FString FString::SanitizeFloat(double InFloat, int32 InMinFractionalDigits)
{
	FString Result = Printf(TEXT("%f"), InFloat);
	int32 DotIndex = INDEX_NONE;
	if (!Result.FindChar(TEXT('.'), DotIndex))
	{
		return Result;
	}
	int32 End = Result.Len();
	const int32 MinEnd = InMinFractionalDigits > 0 ? DotIndex + 1 + InMinFractionalDigits : DotIndex;
	while (End > MinEnd && Result[End - 1] == TEXT('0'))
	{
		--End;
	}
	if (End == DotIndex + 1)
	{
		--End;
	}
	Result.LeftInline(End);
	// A negative number that rounds to zero is written without its sign.
	if (Result.StartsWith(TEXT("-")) &&
		Result.Mid(1).Replace(TEXT("0"), TEXT("")).Replace(TEXT("."), TEXT("")).IsEmpty())
	{
		Result.RemoveAt(0, 1);
	}
	return Result;
}

FString FString::Chr(TCHAR Ch)
{
	FString Result;
	if (Ch)
	{
		Result.AppendChar(Ch);
	}
	return Result;
}

FString FString::ChrN(int32 NumCharacters, TCHAR Char)
{
	FString Result;
	Result.Reserve(NumCharacters);
	for (int32 Index = 0; Index < NumCharacters; ++Index)
	{
		Result.AppendChar(Char);
	}
	return Result;
}

FString FString::PrintfImpl(const TCHAR* Fmt, const UE::Core::Private::FPrintfArg* Args, int32 NumArgs)
{
	FString Formatted;
	UE::Core::Private::FormatPrintf(Formatted, Fmt, Args, NumArgs);
	return Formatted;
}

uint32 GetTypeHash(const FString& S)
{
	// FNV-1a over the lower-cased text, so strings that compare equal hash equal.
	uint32 Hash = 2166136261u;
	for (const TCHAR* Char = *S; *Char; ++Char)
	{
		Hash ^= static_cast<uint32>(FChar::ToLower(*Char));
		Hash *= 16777619u;
	}
	return Hash;
}

FString LexToString(int8 Value)
{
	return FString::Printf(TEXT("%d"), Value);
}

FString LexToString(int16 Value)
{
	return FString::Printf(TEXT("%d"), Value);
}

FString LexToString(int32 Value)
{
	return FString::Printf(TEXT("%d"), Value);
}

FString LexToString(int64 Value)
{
	return FString::Printf(TEXT("%lld"), Value);
}

FString LexToString(uint8 Value)
{
	return FString::Printf(TEXT("%u"), Value);
}

FString LexToString(uint16 Value)
{
	return FString::Printf(TEXT("%u"), Value);
}

FString LexToString(uint32 Value)
{
	return FString::Printf(TEXT("%u"), Value);
}

FString LexToString(uint64 Value)
{
	return FString::Printf(TEXT("%llu"), Value);
}

FString LexToString(float Value)
{
	return FString::Printf(TEXT("%f"), Value);
}

FString LexToString(double Value)
{
	return FString::Printf(TEXT("%f"), Value);
}
