#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Templates/TypeHash.h"
#include "UObject/UnrealNames.h"

#ifndef WITH_CASE_PRESERVING_NAME
#define WITH_CASE_PRESERVING_NAME WITH_EDITORONLY_DATA
#endif

#define NAME_NO_NUMBER_INTERNAL 0
#define NAME_EXTERNAL_TO_INTERNAL(x) (x + 1)
#define NAME_INTERNAL_TO_EXTERNAL(x) (x - 1)
#define NAME_NO_NUMBER NAME_INTERNAL_TO_EXTERNAL(NAME_NO_NUMBER_INTERNAL)

enum
{
	NAME_SIZE = 1024
};

enum EFindName
{
	/** Find a name; return NAME_None if it does not exist. */
	FNAME_Find,
	/** Find a name or add it if it does not exist. */
	FNAME_Add,
};

enum class ENameCase : uint8
{
	CaseSensitive,
	IgnoreCase,
};

/** Index of a name's text in the global name table. */
struct FNameEntryId
{
	FNameEntryId() = default;

	bool IsNone() const { return Value == 0; }

	uint32 ToUnstableInt() const { return Value; }

	static FNameEntryId FromUnstableInt(uint32 UnstableInt)
	{
		FNameEntryId Id;
		Id.Value = UnstableInt;
		return Id;
	}

	friend bool operator==(FNameEntryId A, FNameEntryId B) { return A.Value == B.Value; }

	friend bool operator!=(FNameEntryId A, FNameEntryId B) { return A.Value != B.Value; }

	friend uint32 GetTypeHash(FNameEntryId Id) { return Id.Value; }

private:
	uint32 Value = 0;
};

/**
 * A case-insensitive, interned name with an optional number suffix. "Foo_3" is kept as the text "Foo"
 * and the internal number 4 (0 means no number); "Foo_03" and "Foo_" keep their whole text. Editor builds
 * keep the spelling each name was made with; comparisons and hashes ignore case either way.
 */
class CORE_API FName
{
public:
	FName() = default;

	FName(EName Name) : FName(Name, NAME_NO_NUMBER_INTERNAL) {}

	FName(EName Name, int32 InNumber);

	FName(const TCHAR* Name, EFindName FindType = FNAME_Add);
	FName(const ANSICHAR* Name, EFindName FindType = FNAME_Add);
	FName(int32 Len, const TCHAR* Name, EFindName FindType = FNAME_Add);
	explicit FName(const FString& Name, EFindName FindType = FNAME_Add);

	/** The text is taken whole, the number given is the internal one (see NAME_EXTERNAL_TO_INTERNAL). */
	FName(const TCHAR* Name, int32 InNumber);
	FName(FName Other, int32 InNumber);

	FString ToString() const;
	void ToString(FString& Out) const;
	void AppendString(FString& Out) const;
	FString GetPlainNameString() const;

	bool IsNone() const { return ComparisonIndex.IsNone() && Number == NAME_NO_NUMBER_INTERNAL; }

	bool IsValid() const;

	int32 GetNumber() const { return static_cast<int32>(Number); }

	void SetNumber(int32 NewNumber) { Number = static_cast<uint32>(NewNumber); }

	FNameEntryId GetComparisonIndex() const { return ComparisonIndex; }

	FNameEntryId GetDisplayIndex() const
	{
#if WITH_CASE_PRESERVING_NAME
		return DisplayIndex;
#else
		return ComparisonIndex;
#endif
	}

	bool IsEqual(const FName& Other, const ENameCase CompareMethod = ENameCase::IgnoreCase,
				 const bool bCompareNumber = true) const
	{
		const bool bSameText = CompareMethod == ENameCase::IgnoreCase ? ComparisonIndex == Other.ComparisonIndex
																	  : GetDisplayIndex() == Other.GetDisplayIndex();
		return bSameText && (!bCompareNumber || Number == Other.Number);
	}

	/** Lexical, case-insensitive comparison of the text, then of the numbers. */
	int32 Compare(const FName& Other) const;

	bool LexicalLess(const FName& Other) const
	{
		return Compare(Other) < 0;
	}

	/** Fast ordering by table index; stable within a run only. */
	bool FastLess(const FName& Other) const
	{
		if (ComparisonIndex != Other.ComparisonIndex)
		{
			return ComparisonIndex.ToUnstableInt() < Other.ComparisonIndex.ToUnstableInt();
		}
		return Number < Other.Number;
	}

	friend bool operator==(const FName& A, const FName& B)
	{
		return A.ComparisonIndex == B.ComparisonIndex && A.Number == B.Number;
	}

	friend bool operator!=(const FName& A, const FName& B)
	{
		return !(A == B);
	}

	friend bool operator==(const FName& A, EName B)
	{
		return A == FName(B);
	}

	friend bool operator!=(const FName& A, EName B)
	{
		return !(A == FName(B));
	}

	bool operator<(const FName& Other) const
	{
		return Compare(Other) < 0;
	}

	bool operator>(const FName& Other) const
	{
		return Compare(Other) > 0;
	}

	friend uint32 GetTypeHash(const FName& Name)
	{
		return HashCombineFast(Name.ComparisonIndex.ToUnstableInt(), Name.Number);
	}

private:
	void Init(const TCHAR* Name, int32 Len, EFindName FindType, bool bSplitNumber, uint32 InNumber);

	FNameEntryId ComparisonIndex;
#if WITH_CASE_PRESERVING_NAME
	FNameEntryId DisplayIndex;
#endif
	uint32 Number = NAME_NO_NUMBER_INTERNAL;
};

struct FNameLexicalLess
{
	bool operator()(const FName& A, const FName& B) const { return A.LexicalLess(B); }
};

struct FNameFastLess
{
	bool operator()(const FName& A, const FName& B) const { return A.FastLess(B); }
};

inline FString LexToString(const FName& Name)
{
	return Name.ToString();
}

inline void LexFromString(FName& Name, const TCHAR* Str)
{
	Name = FName(Str);
}
