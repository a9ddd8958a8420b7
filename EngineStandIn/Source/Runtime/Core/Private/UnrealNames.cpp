#include "UObject/NameTypes.h"

#include <atomic>
#include <mutex>
#include <string>
#include <unordered_map>

namespace
{
	/**
	 * The global name table. Every distinct spelling gets an entry; the first spelling of a name (ignoring
	 * case) is its comparison entry. Entries are never removed and never move, so indices stay valid for the
	 * process and names are read without the lock: only adding one takes it.
	 */
	class FNamePool
	{
	public:
		FNamePool() { Add(TEXT("None")); }

		/** Returns false when FindOnly is set and the name is unknown. */
		bool Store(const std::wstring& Text, bool bFindOnly, uint32& OutComparison, uint32& OutDisplay)
		{
			std::lock_guard<std::mutex> Lock(Mutex);
			if (const auto Exact = ByExactText.find(Text); Exact != ByExactText.end())
			{
				OutDisplay = Exact->second;
				OutComparison = GetEntry(Exact->second).Comparison;
				return true;
			}
			const std::wstring Folded = Fold(Text);
			const auto Existing = ByFoldedText.find(Folded);
			if (bFindOnly)
			{
				if (Existing == ByFoldedText.end())
				{
					return false;
				}
				OutComparison = OutDisplay = Existing->second;
				return true;
			}
			const uint32 NewIndex = NumEntries.load(std::memory_order_relaxed);
			checkf(NewIndex < MaxBlocks * BlockSize, TEXT("The name table is full (%u names)"), NewIndex);
			const uint32 BlockIndex = NewIndex / BlockSize;
			if (!Blocks[BlockIndex].load(std::memory_order_relaxed))
			{
				Blocks[BlockIndex].store(new FEntry[BlockSize], std::memory_order_relaxed);
			}
			const auto FoldedEntry = Existing != ByFoldedText.end() ? Existing : ByFoldedText.emplace(Folded, NewIndex).first;
			FEntry& Entry = Blocks[BlockIndex].load(std::memory_order_relaxed)[NewIndex % BlockSize];
			Entry.Text = Text;
			// The map's nodes never move, so its key serves as the folded text for comparisons.
			Entry.Folded = &FoldedEntry->first;
			Entry.Comparison = FoldedEntry->second;
			ByExactText.emplace(Text, NewIndex);
			NumEntries.store(NewIndex + 1, std::memory_order_release);
			OutComparison = Entry.Comparison;
			OutDisplay = NewIndex;
			return true;
		}

		FString GetText(uint32 Index) const
		{
			FString Text;
			AppendText(Index, Text);
			return Text;
		}

		/** The two entries' texts ignoring case, as FCString::Stricmp orders them. */
		int32 CompareTextsIgnoringCase(uint32 Index, uint32 OtherIndex) const
		{
			return GetEntry(Index).Folded->compare(*GetEntry(OtherIndex).Folded);
		}

		void AppendText(uint32 Index, FString& Out) const
		{
			const std::wstring& Text = GetEntry(Index).Text;
			Out.AppendChars(Text.c_str(), static_cast<int32>(Text.size()));
		}

		bool IsValidIndex(uint32 Index) const
		{
			return Index < NumEntries.load(std::memory_order_acquire);
		}

	private:
		struct FEntry
		{
			std::wstring Text;
			/** The text in lower case, shared by every spelling of the name. */
			const std::wstring* Folded = nullptr;
			uint32 Comparison = 0;
		};

		static constexpr uint32 BlockSize = 1u << 14;
		static constexpr uint32 MaxBlocks = 1u << 14;

		const FEntry& GetEntry(uint32 Index) const
		{
			checkf(IsValidIndex(Index), TEXT("Invalid name index %u"), Index);
			return Blocks[Index / BlockSize].load(std::memory_order_relaxed)[Index % BlockSize];
		}

		void Add(const TCHAR* Text)
		{
			uint32 Comparison = 0;
			uint32 Display = 0;
			Store(Text, false, Comparison, Display);
		}

		static std::wstring Fold(const std::wstring& Text)
		{
			std::wstring Folded = Text;
			for (TCHAR& Char : Folded)
			{
				Char = FChar::ToLower(Char);
			}
			return Folded;
		}

		std::mutex Mutex;
		std::atomic<FEntry*> Blocks[MaxBlocks] = {};
		std::atomic<uint32> NumEntries = 0;
		std::unordered_map<std::wstring, uint32> ByExactText;
		std::unordered_map<std::wstring, uint32> ByFoldedText;
	};

	FNamePool& GetNamePool()
	{
		// Never destroyed: names are made and printed by static objects during start-up and shut-down.
		static FNamePool* Pool = new FNamePool();
		return *Pool;
	}

	/**
	 * Splits a trailing "_<digits>" off as the number, as the engine does: the digits must not start with
	 * '0' (unless there is only one) and must fit, otherwise the text stays whole.
	 */
	bool SplitNumber(const TCHAR* Name, int32& InOutLen, uint32& OutNumber)
	{
		int32 Digits = 0;
		while (Digits < InOutLen && FChar::IsDigit(Name[InOutLen - 1 - Digits]))
		{
			++Digits;
		}
		const int32 FirstDigit = InOutLen - Digits;
		if (Digits == 0 || FirstDigit < 2 || Name[FirstDigit - 1] != TEXT('_') || Digits > 10)
		{
			return false;
		}
		if (Digits > 1 && Name[FirstDigit] == TEXT('0'))
		{
			return false;
		}
		int64 Value = 0;
		for (int32 Index = FirstDigit; Index < InOutLen; ++Index)
		{
			Value = Value * 10 + (Name[Index] - TEXT('0'));
		}
		if (Value >= MAX_int32)
		{
			return false;
		}
		OutNumber = static_cast<uint32>(NAME_EXTERNAL_TO_INTERNAL(Value));
		InOutLen = FirstDigit - 1;
		return true;
	}
}

FName::FName(EName Name, int32 InNumber)
	: ComparisonIndex(FNameEntryId::FromUnstableInt(static_cast<uint32>(Name)))
#if WITH_CASE_PRESERVING_NAME
	  ,
	  DisplayIndex(FNameEntryId::FromUnstableInt(static_cast<uint32>(Name)))
#endif
	  ,
	  Number(static_cast<uint32>(InNumber))
{
}

FName::FName(const TCHAR* Name, EFindName FindType)
{
	Init(Name, Name ? FCString::Strlen(Name) : 0, FindType, true, NAME_NO_NUMBER_INTERNAL);
}

FName::FName(const ANSICHAR* Name, EFindName FindType)
{
	const FString Wide(Name);
	Init(*Wide, Wide.Len(), FindType, true, NAME_NO_NUMBER_INTERNAL);
}

FName::FName(int32 Len, const TCHAR* Name, EFindName FindType)
{
	Init(Name, Len, FindType, true, NAME_NO_NUMBER_INTERNAL);
}

FName::FName(const FString& Name, EFindName FindType)
{
	Init(*Name, Name.Len(), FindType, true, NAME_NO_NUMBER_INTERNAL);
}

FName::FName(const TCHAR* Name, int32 InNumber)
{
	Init(Name, Name ? FCString::Strlen(Name) : 0, FNAME_Add, false, static_cast<uint32>(InNumber));
}

FName::FName(FName Other, int32 InNumber)
	: ComparisonIndex(Other.ComparisonIndex)
#if WITH_CASE_PRESERVING_NAME
	  ,
	  DisplayIndex(Other.DisplayIndex)
#endif
	  ,
	  Number(static_cast<uint32>(InNumber))
{
}

void FName::Init(const TCHAR* Name, int32 Len, EFindName FindType, bool bSplitNumber, uint32 InNumber)
{
	if (!Name || Len <= 0)
	{
		*this = FName();
		return;
	}
	uint32 ParsedNumber = InNumber;
	if (bSplitNumber)
	{
		SplitNumber(Name, Len, ParsedNumber);
	}
	uint32 Comparison = 0;
	uint32 Display = 0;
	if (!GetNamePool().Store(std::wstring(Name, static_cast<SIZE_T>(Len)), FindType == FNAME_Find, Comparison, Display))
	{
		*this = FName();
		return;
	}
	ComparisonIndex = FNameEntryId::FromUnstableInt(Comparison);
#if WITH_CASE_PRESERVING_NAME
	DisplayIndex = FNameEntryId::FromUnstableInt(Display);
#endif
	Number = ParsedNumber;
}

bool FName::IsValid() const
{
	return GetNamePool().IsValidIndex(GetDisplayIndex().ToUnstableInt());
}

FString FName::GetPlainNameString() const
{
	return GetNamePool().GetText(GetDisplayIndex().ToUnstableInt());
}

FString FName::ToString() const
{
	FString Out;
	AppendString(Out);
	return Out;
}

void FName::ToString(FString& Out) const
{
	Out.Reset();
	AppendString(Out);
}

void FName::AppendString(FString& Out) const
{
	GetNamePool().AppendText(GetDisplayIndex().ToUnstableInt(), Out);
	if (Number != NAME_NO_NUMBER_INTERNAL)
	{
		// Names are turned into text very often (every package name the asset registry and the saver see), so the
		// number's digits are written here rather than through Printf.
		TCHAR Suffix[12];
		int32 First = UE_ARRAY_COUNT(Suffix);
		uint32 Value = static_cast<uint32>(NAME_INTERNAL_TO_EXTERNAL(static_cast<int32>(Number)));
		do
		{
			Suffix[--First] = static_cast<TCHAR>(TEXT('0') + Value % 10);
			Value /= 10;
		} while (Value != 0);
		Suffix[--First] = TEXT('_');
		Out.AppendChars(Suffix + First, UE_ARRAY_COUNT(Suffix) - First);
	}
}

int32 FName::Compare(const FName& Other) const
{
	if (ComparisonIndex != Other.ComparisonIndex)
	{
		const int32 TextDiff = GetNamePool().CompareTextsIgnoringCase(ComparisonIndex.ToUnstableInt(), Other.ComparisonIndex.ToUnstableInt());
		if (TextDiff != 0)
		{
			return TextDiff;
		}
	}
	return static_cast<int32>(Number) - static_cast<int32>(Other.Number);
}
