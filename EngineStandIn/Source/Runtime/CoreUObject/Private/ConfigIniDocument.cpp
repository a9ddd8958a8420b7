#include "ConfigIniDocument.h"

#include "HAL/FileManager.h"
#include "StandIn/StringConv.h"

#include <string>

namespace UE::CoreUObject::Private
{
	namespace
	{
		struct FEntry
		{
			TCHAR Operator = 0;
			FString Key;
			FString Value;
		};

		bool ParseSectionHeader(const FString& Line, FString& OutName)
		{
			const FString Text = Line.TrimStartAndEnd();
			if (Text.Len() < 2 || Text[0] != TEXT('[') || Text[Text.Len() - 1] != TEXT(']'))
			{
				return false;
			}
			OutName = Text.Mid(1, Text.Len() - 2).TrimStartAndEnd();
			return true;
		}

		bool ParseEntry(const FString& Line, FEntry& Out)
		{
			FString Text = Line.TrimStart();
			if (Text.IsEmpty() || Text[0] == TEXT(';') || Text[0] == TEXT('#') || Text[0] == TEXT('[') || Text.StartsWith(TEXT("//")))
			{
				return false;
			}
			Out.Operator = 0;
			if (Text[0] == TEXT('+') || Text[0] == TEXT('-') || Text[0] == TEXT('.') || Text[0] == TEXT('!'))
			{
				Out.Operator = Text[0];
				Text.RightChopInline(1);
			}
			int32 Equals = INDEX_NONE;
			if (Text.FindChar(TEXT('='), Equals))
			{
				Out.Key = Text.Left(Equals).TrimStartAndEnd();
				Out.Value = Text.RightChop(Equals + 1).TrimStartAndEnd();
			}
			else
			{
				// "!Key" clears an array without a value.
				Out.Key = Text.TrimStartAndEnd();
				Out.Value.Empty();
			}
			return !Out.Key.IsEmpty();
		}

		bool IsKeyLine(const FString& Line, const FString& Key)
		{
			FEntry Entry;
			return ParseEntry(Line, Entry) && Entry.Key.Equals(Key, ESearchCase::IgnoreCase);
		}

		bool IsAscii(const FString& Text)
		{
			for (const TCHAR Char : Text)
			{
				if (static_cast<uint32>(Char) > 0x7F)
				{
					return false;
				}
			}
			return true;
		}
	}

	bool FConfigIniDocument::Load(const FString& Filename)
	{
		*this = FConfigIniDocument();
		if (!IFileManager::Get().FileExists(*Filename))
		{
			return true;
		}
		TArray<uint8> Bytes;
		if (!FFileHelper::LoadFileToArray(Bytes, *Filename))
		{
			return false;
		}
		FString Text;
		FFileHelper::BufferToString(Text, Bytes.GetData(), Bytes.Num());

		bKeepEncoding = true;
		if (Bytes.Num() >= 2 && ((Bytes[0] == 0xFF && Bytes[1] == 0xFE) || (Bytes[0] == 0xFE && Bytes[1] == 0xFF)))
		{
			Encoding = FFileHelper::EEncodingOptions::ForceUnicode;
		}
		else if (Bytes.Num() >= 3 && Bytes[0] == 0xEF && Bytes[1] == 0xBB && Bytes[2] == 0xBF)
		{
			Encoding = FFileHelper::EEncodingOptions::ForceUTF8;
		}
		else if (UE::StandIn::ToUtf8(Text) != std::string(reinterpret_cast<const char*>(Bytes.GetData()), Bytes.Num()))
		{
			// Bytes that are not UTF-8 were read one character each; they are written back the same way.
			Encoding = FFileHelper::EEncodingOptions::ForceAnsi;
		}
		else
		{
			bKeepEncoding = false;
		}

		int32 LineStart = 0;
		bool bTerminatorSeen = false;
		for (int32 Index = 0; Index < Text.Len(); ++Index)
		{
			if (Text[Index] != TEXT('\n'))
			{
				continue;
			}
			const bool bCarriageReturn = Index > LineStart && Text[Index - 1] == TEXT('\r');
			Lines.Add(Text.Mid(LineStart, Index - LineStart - (bCarriageReturn ? 1 : 0)));
			if (!bTerminatorSeen)
			{
				LineTerminator = bCarriageReturn ? TEXT("\r\n") : TEXT("\n");
				bTerminatorSeen = true;
			}
			LineStart = Index + 1;
		}
		bEndsWithTerminator = LineStart == Text.Len();
		if (!bEndsWithTerminator)
		{
			Lines.Add(Text.Mid(LineStart));
		}
		return true;
	}

	bool FConfigIniDocument::Save(const FString& Filename) const
	{
		FString Text;
		for (int32 Index = 0; Index < Lines.Num(); ++Index)
		{
			Text += Lines[Index];
			if (Index + 1 < Lines.Num() || bEndsWithTerminator)
			{
				Text += LineTerminator;
			}
		}
		FFileHelper::EEncodingOptions SaveEncoding = Encoding;
		if (!bKeepEncoding)
		{
			SaveEncoding = IsAscii(Text) ? FFileHelper::EEncodingOptions::ForceAnsi : FFileHelper::EEncodingOptions::ForceUTF8WithoutBOM;
		}
		return FFileHelper::SaveStringToFile(Text, *Filename, SaveEncoding);
	}

	TArray<FConfigIniDocument::FSectionRange> FConfigIniDocument::FindSections(const FString& Section) const
	{
		TArray<FSectionRange> Ranges;
		for (int32 Index = 0; Index < Lines.Num(); ++Index)
		{
			FString Name;
			if (!ParseSectionHeader(Lines[Index], Name))
			{
				continue;
			}
			if (Ranges.Num() && Ranges.Last().End == INDEX_NONE)
			{
				Ranges.Last().End = Index;
			}
			if (Name.Equals(Section, ESearchCase::IgnoreCase))
			{
				Ranges.Add({Index, INDEX_NONE});
			}
		}
		if (Ranges.Num() && Ranges.Last().End == INDEX_NONE)
		{
			Ranges.Last().End = Lines.Num();
		}
		return Ranges;
	}

	bool FConfigIniDocument::FindValues(const FString& Section, const FString& Key, TArray<FString>& OutValues) const
	{
		OutValues.Reset();
		bool bFound = false;
		for (const FSectionRange& Range : FindSections(Section))
		{
			for (int32 Index = Range.Header + 1; Index < Range.End; ++Index)
			{
				FEntry Entry;
				if (!ParseEntry(Lines[Index], Entry) || !Entry.Key.Equals(Key, ESearchCase::IgnoreCase))
				{
					continue;
				}
				bFound = true;
				switch (Entry.Operator)
				{
					case TEXT('!'):
						OutValues.Reset();
						break;
					case TEXT('+'):
						OutValues.AddUnique(Entry.Value);
						break;
					case TEXT('-'):
						OutValues.Remove(Entry.Value);
						break;
					default:
						OutValues.Add(Entry.Value);
						break;
				}
			}
		}
		return bFound;
	}

	void FConfigIniDocument::SetKeyLines(const FString& Section, const FString& Key, const TArray<FString>& NewLines)
	{
		TArray<FSectionRange> Ranges = FindSections(Section);
		if (Ranges.IsEmpty())
		{
			if (NewLines.IsEmpty())
			{
				return;
			}
			if (Lines.Num() && !Lines.Last().TrimStartAndEnd().IsEmpty())
			{
				Lines.Add(FString());
			}
			Lines.Add(TEXT("[") + Section + TEXT("]"));
			Lines.Append(NewLines);
			bEndsWithTerminator = true;
			return;
		}

		int32 InsertAt = INDEX_NONE;
		for (int32 RangeIndex = Ranges.Num() - 1; RangeIndex >= 0; --RangeIndex)
		{
			for (int32 Index = Ranges[RangeIndex].End - 1; Index > Ranges[RangeIndex].Header; --Index)
			{
				if (IsKeyLine(Lines[Index], Key))
				{
					Lines.RemoveAt(Index);
					InsertAt = Index;
				}
			}
		}
		if (InsertAt == INDEX_NONE)
		{
			const FSectionRange& Last = Ranges.Last();
			InsertAt = Last.Header + 1;
			for (int32 Index = Last.End - 1; Index > Last.Header; --Index)
			{
				FEntry Entry;
				if (ParseEntry(Lines[Index], Entry))
				{
					InsertAt = Index + 1;
					break;
				}
			}
		}
		if (InsertAt == Lines.Num() && NewLines.Num())
		{
			bEndsWithTerminator = true;
		}
		Lines.Insert(NewLines, InsertAt);
	}
}
