#pragma once

#include "CoreTypes.h"
#include "Containers/AllowShrinking.h"
#include "Containers/Array.h"
#include "Misc/AssertionMacros.h"
#include "Misc/CString.h"
#include "Misc/Char.h"
#include "Misc/PrintfArgs.h"
#include "Templates/TypeHash.h"
#include "Templates/UnrealTemplate.h"

#include <type_traits>

/**
 * The engine's string: a TArray of TCHAR holding the characters and a terminator, or nothing at all when
 * empty. Equality and ordering operators ignore case, as the engine's do.
 */
class CORE_API FString
{
public:
	using DataType = TArray<TCHAR>;
	using ElementType = TCHAR;

	FString() = default;
	FString(FString&&) = default;
	FString(const FString&) = default;
	FString& operator=(FString&&) = default;
	FString& operator=(const FString&) = default;

	FString(const FString& Other, int32 ExtraSlack);
	FString(FString&& Other, int32 ExtraSlack);

	FString(const TCHAR* Str);

	/** Accepts UTF-8; bytes that are not valid UTF-8 are taken as Latin-1 characters. */
	FString(const ANSICHAR* Str);

	UE_DEPRECATED(5.4, "This constructor has been deprecated - please use FString::ConstructFromPtrSize(Ptr, Size) instead.")
	explicit FString(int32 InCount, const TCHAR* InSrc);
	UE_DEPRECATED(5.4, "This constructor has been deprecated - please use FString::ConstructFromPtrSize(Ptr, Size) instead.")
	explicit FString(int32 InCount, const ANSICHAR* InSrc);

	FString& operator=(const TCHAR* Other);

	/** The Size characters from Str on (none when Str is null); zeros among them stay in the string. */
	static FString ConstructFromPtrSize(const TCHAR* Str, int32 Size);
	/** Accepts UTF-8, as the constructor from a C string does. */
	static FString ConstructFromPtrSize(const ANSICHAR* Str, int32 Size);

	/** Never null: an empty string gives "". */
	FORCEINLINE const TCHAR* operator*() const { return Data.Num() ? Data.GetData() : TEXT(""); }

	FORCEINLINE DataType& GetCharArray() { return Data; }

	FORCEINLINE const DataType& GetCharArray() const { return Data; }

	FORCEINLINE TCHAR& operator[](int32 Index)
	{
		checkf(IsValidIndex(Index), TEXT("String index out of bounds: Index %d from a string with a length of %d"),
			   Index, Len());
		return Data.GetData()[Index];
	}

	FORCEINLINE const TCHAR& operator[](int32 Index) const
	{
		checkf(IsValidIndex(Index), TEXT("String index out of bounds: Index %d from a string with a length of %d"),
			   Index, Len());
		return Data.GetData()[Index];
	}

	FORCEINLINE int32 Len() const { return Data.Num() ? Data.Num() - 1 : 0; }

	FORCEINLINE bool IsEmpty() const { return Data.Num() <= 1; }

	FORCEINLINE bool IsValidIndex(int32 Index) const { return Index >= 0 && Index < Len(); }

	SIZE_T GetAllocatedSize() const { return Data.GetAllocatedSize(); }

	void Empty(int32 Slack = 0) { Data.Empty(Slack); }

	void Reset(int32 NewReservedSize = 0)
	{
		const int32 NewSizeIncludingTerminator = NewReservedSize > 0 ? NewReservedSize + 1 : 0;
		Data.Reset(NewSizeIncludingTerminator);
	}

	void Reserve(int32 CharacterCount)
	{
		if (CharacterCount > 0)
		{
			Data.Reserve(CharacterCount + 1);
		}
	}

	void Shrink() { Data.Shrink(); }

	TCHAR* begin() { return Data.GetData(); }

	TCHAR* end() { return Data.GetData() + Len(); }

	const TCHAR* begin() const { return Data.GetData(); }

	const TCHAR* end() const { return Data.GetData() + Len(); }

	FString& AppendChar(TCHAR InChar);
	FString& AppendChars(const TCHAR* Str, int32 Count);
	FString& AppendChars(const ANSICHAR* Str, int32 Count);
	FString& Append(const TCHAR* Text, int32 Count);
	FString& Append(const TCHAR* Text);
	FString& Append(const FString& Text);

	FString& operator+=(const FString& Str) { return Append(Str); }

	FString& operator+=(const TCHAR* Str) { return Append(Str); }

	FString& operator+=(TCHAR InChar) { return AppendChar(InChar); }

	friend FString operator+(const FString& Lhs, const FString& Rhs);
	friend FString operator+(FString&& Lhs, const FString& Rhs);
	friend FString operator+(const FString& Lhs, const TCHAR* Rhs);
	friend FString operator+(FString&& Lhs, const TCHAR* Rhs);
	friend FString operator+(const TCHAR* Lhs, const FString& Rhs);
	friend FString operator+(const FString& Lhs, TCHAR Rhs);
	friend FString operator+(FString&& Lhs, TCHAR Rhs);

	/** Appends a path part, with exactly one '/' between the two. */
	void PathAppend(const TCHAR* Str, int32 StrLength);

	FString& operator/=(const FString& Str)
	{
		PathAppend(*Str, Str.Len());
		return *this;
	}

	FString& operator/=(const TCHAR* Str)
	{
		PathAppend(Str, FCString::Strlen(Str));
		return *this;
	}

	friend FString operator/(const FString& Lhs, const FString& Rhs);
	friend FString operator/(FString&& Lhs, const FString& Rhs);
	friend FString operator/(const FString& Lhs, const TCHAR* Rhs);
	friend FString operator/(FString&& Lhs, const TCHAR* Rhs);
	friend FString operator/(const TCHAR* Lhs, const FString& Rhs);

	friend bool operator==(const FString& Lhs, const FString& Rhs) { return Lhs.Equals(Rhs, ESearchCase::IgnoreCase); }

	friend bool operator==(const FString& Lhs, const TCHAR* Rhs)
	{
		return FCString::Stricmp(*Lhs, Rhs ? Rhs : TEXT("")) == 0;
	}

	friend bool operator==(const TCHAR* Lhs, const FString& Rhs) { return Rhs == Lhs; }

	friend bool operator!=(const FString& Lhs, const FString& Rhs) { return !(Lhs == Rhs); }

	friend bool operator!=(const FString& Lhs, const TCHAR* Rhs) { return !(Lhs == Rhs); }

	friend bool operator!=(const TCHAR* Lhs, const FString& Rhs) { return !(Rhs == Lhs); }

	friend bool operator<(const FString& Lhs, const FString& Rhs) { return FCString::Stricmp(*Lhs, *Rhs) < 0; }

	friend bool operator<=(const FString& Lhs, const FString& Rhs) { return FCString::Stricmp(*Lhs, *Rhs) <= 0; }

	friend bool operator>(const FString& Lhs, const FString& Rhs) { return FCString::Stricmp(*Lhs, *Rhs) > 0; }

	friend bool operator>=(const FString& Lhs, const FString& Rhs) { return FCString::Stricmp(*Lhs, *Rhs) >= 0; }

	bool Equals(const FString& Other, ESearchCase::Type SearchCase = ESearchCase::CaseSensitive) const;
	int32 Compare(const FString& Other, ESearchCase::Type SearchCase = ESearchCase::CaseSensitive) const;

	bool StartsWith(const TCHAR* InPrefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	bool StartsWith(const FString& InPrefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	bool EndsWith(const TCHAR* InSuffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	bool EndsWith(const FString& InSuffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	bool RemoveFromStart(const TCHAR* InPrefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);
	bool RemoveFromStart(const FString& InPrefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);
	bool RemoveFromEnd(const TCHAR* InSuffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);
	bool RemoveFromEnd(const FString& InSuffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);

	int32 Find(const TCHAR* SubStr, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase,
			   ESearchDir::Type SearchDir = ESearchDir::FromStart, int32 StartPosition = INDEX_NONE) const;
	int32 Find(const FString& SubStr, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase,
			   ESearchDir::Type SearchDir = ESearchDir::FromStart, int32 StartPosition = INDEX_NONE) const;

	bool Contains(const TCHAR* SubStr, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase,
				  ESearchDir::Type SearchDir = ESearchDir::FromStart) const
	{
		return Find(SubStr, SearchCase, SearchDir) != INDEX_NONE;
	}

	bool Contains(const FString& SubStr, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase,
				  ESearchDir::Type SearchDir = ESearchDir::FromStart) const
	{
		return Find(*SubStr, SearchCase, SearchDir) != INDEX_NONE;
	}

	bool FindChar(TCHAR InChar, int32& Index) const;
	bool FindLastChar(TCHAR InChar, int32& Index) const;

	template <typename PredicateType>
	int32 FindLastCharByPredicate(PredicateType Pred, int32 Count) const
	{
		check(Count >= 0 && Count <= Len());
		for (int32 Index = Count - 1; Index >= 0; --Index)
		{
			if (Pred(Data.GetData()[Index]))
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	template <typename PredicateType>
	int32 FindLastCharByPredicate(PredicateType Pred) const
	{
		return FindLastCharByPredicate(Pred, Len());
	}

	FString Left(int32 Count) const;
	FString LeftChop(int32 Count) const;
	FString Right(int32 Count) const;
	FString RightChop(int32 Count) const;
	FString Mid(int32 Start, int32 Count = MAX_int32) const;

	void LeftInline(int32 Count, EAllowShrinking AllowShrinking = EAllowShrinking::Yes);
	void LeftChopInline(int32 Count, EAllowShrinking AllowShrinking = EAllowShrinking::Yes);
	void RightInline(int32 Count, EAllowShrinking AllowShrinking = EAllowShrinking::Yes);
	void RightChopInline(int32 Count, EAllowShrinking AllowShrinking = EAllowShrinking::Yes);
	void MidInline(int32 Start, int32 Count = MAX_int32, EAllowShrinking AllowShrinking = EAllowShrinking::Yes);

	FString ToUpper() const;
	FString ToLower() const;
	void ToUpperInline();
	void ToLowerInline();

	FString TrimStart() const;
	FString TrimEnd() const;
	FString TrimStartAndEnd() const;
	void TrimStartInline();
	void TrimEndInline();
	void TrimStartAndEndInline();
	FString TrimQuotes(bool* bQuotesRemoved = nullptr) const;
	void TrimQuotesInline(bool* bQuotesRemoved = nullptr);

	FString LeftPad(int32 ChCount) const;
	FString RightPad(int32 ChCount) const;

	FString Replace(const TCHAR* From, const TCHAR* To, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	int32 ReplaceInline(const TCHAR* SearchText, const TCHAR* ReplacementText,
						ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);
	void ReplaceCharInline(TCHAR SearchChar, TCHAR ReplacementChar,
						   ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);
	void RemoveSpacesInline();

	int32 ParseIntoArray(TArray<FString>& OutArray, const TCHAR* pchDelim, bool InCullEmpty = true) const;
	int32 ParseIntoArray(TArray<FString>& OutArray, const TCHAR* const* DelimArray, int32 NumDelims,
						 bool InCullEmpty = true) const;
	int32 ParseIntoArrayLines(TArray<FString>& OutArray, bool InCullEmpty = true) const;
	int32 ParseIntoArrayWS(TArray<FString>& OutArray, const TCHAR* pchExtraDelim = nullptr,
						   bool InCullEmpty = true) const;

	bool Split(const FString& InS, FString* LeftS, FString* RightS,
			   ESearchCase::Type SearchCase = ESearchCase::IgnoreCase,
			   ESearchDir::Type SearchDir = ESearchDir::FromStart) const;

	bool IsNumeric() const;
	bool ToBool() const;

	/** '*' matches any run of characters, '?' any one character. */
	bool MatchesWildcard(const TCHAR* Wildcard, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	bool MatchesWildcard(const FString& Wildcard, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const
	{
		return MatchesWildcard(*Wildcard, SearchCase);
	}

	void InsertAt(int32 Index, TCHAR Character);
	void InsertAt(int32 Index, const FString& Characters);
	void RemoveAt(int32 Index, int32 Count = 1, EAllowShrinking AllowShrinking = EAllowShrinking::Yes);

	UE_ALLOWSHRINKING_BOOL_DEPRECATED("RemoveAt")
	void RemoveAt(int32 Index, int32 Count, bool bAllowShrinking)
	{
		RemoveAt(Index, Count, bAllowShrinking ? EAllowShrinking::Yes : EAllowShrinking::No);
	}

	FString Reverse() const;
	void ReverseString();

	static FString FromInt(int32 Num);
	static FString SanitizeFloat(double InFloat, int32 InMinFractionalDigits = 1);
	static FString Chr(TCHAR Ch);
	static FString ChrN(int32 NumCharacters, TCHAR Char);

	template <typename RangeType>
	static FString Join(const RangeType& Range, const TCHAR* Separator)
	{
		FString Result;
		bool bFirst = true;
		for (const auto& Element : Range)
		{
			if (!bFirst)
			{
				Result += Separator;
			}
			bFirst = false;
			Result += Element;
		}
		return Result;
	}

	/** Printf with the engine's rules: %s takes a TCHAR string (pass *MyString), %d an int32. */
	template <typename FmtType, typename... Types>
	static FString Printf(const FmtType& Fmt, Types... Args)
	{
		static_assert(std::is_convertible_v<const FmtType&, const TCHAR*>, "Formatting string must be a TCHAR array.");
		if constexpr (sizeof...(Types) == 0)
		{
			return PrintfImpl(Fmt, nullptr, 0);
		}
		else
		{
			const UE::Core::Private::FPrintfArg ArgArray[] = {UE::Core::Private::MakePrintfArg(Args)...};
			return PrintfImpl(Fmt, ArgArray, static_cast<int32>(sizeof...(Types)));
		}
	}

	template <typename FmtType, typename... Types>
	FString& Appendf(const FmtType& Fmt, Types... Args)
	{
		return Append(Printf(Fmt, Args...));
	}

	friend CORE_API uint32 GetTypeHash(const FString& S);

private:
	static FString PrintfImpl(const TCHAR* Fmt, const UE::Core::Private::FPrintfArg* Args, int32 NumArgs);

	DataType Data;
};

inline FString LexToString(const FString& Value)
{
	return Value;
}

inline FString LexToString(FString&& Value)
{
	return MoveTemp(Value);
}

inline FString LexToString(const TCHAR* Value)
{
	return FString(Value);
}

inline FString LexToString(bool Value)
{
	return Value ? FString(TEXT("true")) : FString(TEXT("false"));
}

CORE_API FString LexToString(int8 Value);
CORE_API FString LexToString(int16 Value);
CORE_API FString LexToString(int32 Value);
CORE_API FString LexToString(int64 Value);
CORE_API FString LexToString(uint8 Value);
CORE_API FString LexToString(uint16 Value);
CORE_API FString LexToString(uint32 Value);
CORE_API FString LexToString(uint64 Value);
CORE_API FString LexToString(float Value);
CORE_API FString LexToString(double Value);

inline FString LexToSanitizedString(float Value)
{
	return FString::SanitizeFloat(Value);
}

inline FString LexToSanitizedString(double Value)
{
	return FString::SanitizeFloat(Value);
}

inline void LexFromString(FString& OutValue, const TCHAR* Buffer)
{
	OutValue = Buffer;
}

inline void LexFromString(bool& OutValue, const TCHAR* Buffer)
{
	OutValue = FCString::ToBool(Buffer);
}

template <typename NumericType>
std::enable_if_t<std::is_arithmetic_v<NumericType> && !std::is_same_v<NumericType, bool>>
LexFromString(NumericType& OutValue, const TCHAR* Buffer)
{
	if constexpr (std::is_floating_point_v<NumericType>)
	{
		OutValue = static_cast<NumericType>(FCString::Atod(Buffer));
	}
	else if constexpr (std::is_signed_v<NumericType>)
	{
		OutValue = static_cast<NumericType>(FCString::Strtoi64(Buffer, nullptr, 10));
	}
	else
	{
		OutValue = static_cast<NumericType>(FCString::Strtoui64(Buffer, nullptr, 10));
	}
}

/** Parses a whole number, or a decimal number for floating point types; false if the text is not one. */
template <typename NumericType>
std::enable_if_t<std::is_arithmetic_v<NumericType>, bool> LexTryParseString(NumericType& OutValue, const TCHAR* Buffer)
{
	if constexpr (std::is_same_v<NumericType, bool>)
	{
		if (FCString::Stricmp(Buffer, TEXT("true")) == 0 || FCString::Stricmp(Buffer, TEXT("1")) == 0)
		{
			OutValue = true;
			return true;
		}
		if (FCString::Stricmp(Buffer, TEXT("false")) == 0 || FCString::Stricmp(Buffer, TEXT("0")) == 0)
		{
			OutValue = false;
			return true;
		}
		return false;
	}
	else
	{
		if (!*Buffer || FChar::IsWhitespace(*Buffer))
		{
			return false;
		}
		TCHAR* End = nullptr;
		if constexpr (std::is_floating_point_v<NumericType>)
		{
			const double Value = std::wcstod(Buffer, &End);
			if (*End)
			{
				return false;
			}
			OutValue = static_cast<NumericType>(Value);
		}
		else if constexpr (std::is_signed_v<NumericType>)
		{
			const int64 Value = FCString::Strtoi64(Buffer, &End, 10);
			if (*End || Value < static_cast<int64>(TNumericLimits<NumericType>::Min()) ||
				Value > static_cast<int64>(TNumericLimits<NumericType>::Max()))
			{
				return false;
			}
			OutValue = static_cast<NumericType>(Value);
		}
		else
		{
			if (*Buffer == '-')
			{
				return false;
			}
			const uint64 Value = FCString::Strtoui64(Buffer, &End, 10);
			if (*End || Value > static_cast<uint64>(TNumericLimits<NumericType>::Max()))
			{
				return false;
			}
			OutValue = static_cast<NumericType>(Value);
		}
		return true;
	}
}

#include "Containers/StringConv.h"
