#include "ConfigPropertyText.h"

#include "UObject/Class.h"
#include "UObject/UnrealType.h"

#include <cwchar>
#include <new>

namespace UE::CoreUObject::Private
{
	namespace
	{
		FString Quote(const FString& Value)
		{
			FString Out = TEXT("\"");
			for (const TCHAR Char : Value)
			{
				switch (Char)
				{
					case TEXT('"'):
						Out += TEXT("\\\"");
						break;
					case TEXT('\\'):
						Out += TEXT("\\\\");
						break;
					case TEXT('\n'):
						Out += TEXT("\\n");
						break;
					case TEXT('\r'):
						Out += TEXT("\\r");
						break;
					case TEXT('\t'):
						Out += TEXT("\\t");
						break;
					default:
						Out += Char;
						break;
				}
			}
			return Out + TEXT("\"");
		}

		bool ExportValue(const FProperty* Property, const void* Value, bool bDelimited, FString& Out);

		bool ExportItem(const FProperty* Property, const void* Container, bool bDelimited, FString& Out)
		{
			if (const FBoolProperty* BoolProperty = CastField<FBoolProperty>(Property))
			{
				Out = BoolProperty->GetPropertyValue_InContainer(Container) ? TEXT("True") : TEXT("False");
				return true;
			}
			return ExportValue(Property, Property->ContainerPtrToValuePtr<void>(Container), bDelimited, Out);
		}

		bool ExportValue(const FProperty* Property, const void* Value, bool bDelimited, FString& Out)
		{
			if (const FBoolProperty* BoolProperty = CastField<FBoolProperty>(Property))
			{
				check(BoolProperty->IsNativeBool());
				Out = *(const bool*)Value ? TEXT("True") : TEXT("False");
				return true;
			}
			if (const FEnumProperty* EnumProperty = CastField<FEnumProperty>(Property))
			{
				Out = EnumProperty->GetEnum()->GetNameStringByValue(EnumProperty->GetUnderlyingProperty()->GetSignedIntPropertyValue(Value));
				return true;
			}
			if (const FNumericProperty* Numeric = CastField<FNumericProperty>(Property))
			{
				if (UEnum* Enum = Numeric->GetIntPropertyEnum())
				{
					Out = Enum->GetNameStringByValue(Numeric->GetSignedIntPropertyValue(Value));
				}
				else if (Numeric->IsFloatingPoint())
				{
					Out = FString::Printf(TEXT("%f"), Numeric->GetFloatingPointPropertyValue(Value));
				}
				else
				{
					Out = FString::Printf(TEXT("%lld"), (long long)Numeric->GetSignedIntPropertyValue(Value));
				}
				return true;
			}
			if (CastField<FStrProperty>(Property))
			{
				const FString& String = *(const FString*)Value;
				Out = bDelimited ? Quote(String) : String;
				return true;
			}
			if (CastField<FNameProperty>(Property))
			{
				const FString String = ((const FName*)Value)->ToString();
				Out = bDelimited ? Quote(String) : String;
				return true;
			}
			if (const FStructProperty* StructProperty = CastField<FStructProperty>(Property))
			{
				FString Members;
				for (TFieldIterator<FProperty> It(StructProperty->Struct); It; ++It)
				{
					FString Member;
					if (!ExportItem(*It, Value, true, Member))
					{
						return false;
					}
					Members += (Members.IsEmpty() ? TEXT("") : TEXT(",")) + It->GetName() + TEXT("=") + Member;
				}
				Out = TEXT("(") + Members + TEXT(")");
				return true;
			}
			if (const FArrayProperty* ArrayProperty = CastField<FArrayProperty>(Property))
			{
				void* Array = const_cast<void*>(Value);
				FString Elements;
				for (int32 Index = 0; Index < ArrayProperty->Ops->Num(Array); ++Index)
				{
					FString Element;
					if (!ExportValue(ArrayProperty->Inner, ArrayProperty->Ops->GetElement(Array, Index), true, Element))
					{
						return false;
					}
					Elements += (Index ? TEXT(",") : TEXT("")) + Element;
				}
				Out = TEXT("(") + Elements + TEXT(")");
				return true;
			}
			return false;
		}

		// Reads ini text from the start of a value. Values inside structs and arrays end at ',' or ')'.
		class FReader
		{
		public:
			explicit FReader(const FString& InText) : Text(InText) {}

			void SkipSpaces()
			{
				while (Pos < Text.Len() && FChar::IsWhitespace(Text[Pos]))
				{
					++Pos;
				}
			}

			bool Consume(TCHAR Char)
			{
				SkipSpaces();
				if (Pos < Text.Len() && Text[Pos] == Char)
				{
					++Pos;
					return true;
				}
				return false;
			}

			bool PeekIs(TCHAR Char)
			{
				SkipSpaces();
				return Pos < Text.Len() && Text[Pos] == Char;
			}

			bool ReadQuoted(FString& Out)
			{
				if (!Consume(TEXT('"')))
				{
					return false;
				}
				Out.Reset();
				while (Pos < Text.Len())
				{
					const TCHAR Char = Text[Pos++];
					if (Char == TEXT('"'))
					{
						return true;
					}
					if (Char == TEXT('\\') && Pos < Text.Len())
					{
						const TCHAR Escaped = Text[Pos++];
						Out += Escaped == TEXT('n') ? TEXT('\n') : Escaped == TEXT('r') ? TEXT('\r') : Escaped == TEXT('t') ? TEXT('\t') : Escaped;
						continue;
					}
					Out += Char;
				}
				return false;
			}

			FString ReadToken(bool bDelimited)
			{
				SkipSpaces();
				const int32 Start = Pos;
				while (Pos < Text.Len() && !(bDelimited && (Text[Pos] == TEXT(',') || Text[Pos] == TEXT(')'))))
				{
					++Pos;
				}
				return Text.Mid(Start, Pos - Start).TrimEnd();
			}

			// Passes over a value nothing reads (a member the struct does not have): a quoted string, a
			// parenthesised group with whatever it nests, or a plain token.
			bool SkipValue()
			{
				if (PeekIs(TEXT('"')))
				{
					FString Ignored;
					return ReadQuoted(Ignored);
				}
				if (!PeekIs(TEXT('(')))
				{
					ReadToken(true);
					return true;
				}
				int32 Depth = 0;
				bool bInQuotes = false;
				while (Pos < Text.Len())
				{
					const TCHAR Char = Text[Pos++];
					if (bInQuotes)
					{
						if (Char == TEXT('\\'))
						{
							++Pos;
						}
						else if (Char == TEXT('"'))
						{
							bInQuotes = false;
						}
					}
					else if (Char == TEXT('"'))
					{
						bInQuotes = true;
					}
					else if (Char == TEXT('('))
					{
						++Depth;
					}
					else if (Char == TEXT(')') && --Depth == 0)
					{
						return true;
					}
				}
				return false;
			}

			bool ReadMemberName(FString& Out)
			{
				SkipSpaces();
				const int32 Start = Pos;
				while (Pos < Text.Len() && Text[Pos] != TEXT('=') && Text[Pos] != TEXT(',') && Text[Pos] != TEXT(')'))
				{
					++Pos;
				}
				Out = Text.Mid(Start, Pos - Start).TrimEnd();
				return Consume(TEXT('=')) && !Out.IsEmpty();
			}

		private:
			const FString& Text;
			int32 Pos = 0;
		};

		bool ParseBool(const FString& Token, bool& Out)
		{
			for (const TCHAR* True : {TEXT("True"), TEXT("Yes"), TEXT("On"), TEXT("1")})
			{
				if (Token.Equals(True, ESearchCase::IgnoreCase))
				{
					Out = true;
					return true;
				}
			}
			for (const TCHAR* False : {TEXT("False"), TEXT("No"), TEXT("Off"), TEXT("0")})
			{
				if (Token.Equals(False, ESearchCase::IgnoreCase))
				{
					Out = false;
					return true;
				}
			}
			return false;
		}

		bool ParseNumber(const FString& Token, bool bFloatingPoint, int64& OutInteger, double& OutFloat)
		{
			if (Token.IsEmpty())
			{
				return false;
			}
			TCHAR* End = nullptr;
			if (bFloatingPoint)
			{
				OutFloat = std::wcstod(*Token, &End);
			}
			else
			{
				OutInteger = FCString::Strtoi64(*Token, &End, 10);
			}
			return End && *End == 0;
		}

		bool ImportValue(const FProperty* Property, void* Value, FReader& Reader, bool bDelimited);

		bool ImportString(FReader& Reader, bool bDelimited, FString& Out)
		{
			if (Reader.PeekIs(TEXT('"')))
			{
				return Reader.ReadQuoted(Out);
			}
			Out = Reader.ReadToken(bDelimited);
			return true;
		}

		// A name with or without its enum's prefix ("Development" or "EBuildConfiguration::Development").
		bool ImportEnumName(const UEnum* Enum, const FString& Token, int64& OutValue)
		{
			const int32 Index = Enum->GetIndexByName(FName(*Token));
			if (Token.IsEmpty() || Index == INDEX_NONE)
			{
				return false;
			}
			OutValue = Enum->GetValueByIndex(Index);
			return true;
		}

		bool ImportItem(const FProperty* Property, void* Container, FReader& Reader, bool bDelimited)
		{
			if (const FBoolProperty* BoolProperty = CastField<FBoolProperty>(Property))
			{
				bool bValue = false;
				if (!ParseBool(Reader.ReadToken(bDelimited), bValue))
				{
					return false;
				}
				BoolProperty->SetPropertyValue_InContainer(Container, bValue);
				return true;
			}
			return ImportValue(Property, Property->ContainerPtrToValuePtr<void>(Container), Reader, bDelimited);
		}

		bool ImportValue(const FProperty* Property, void* Value, FReader& Reader, bool bDelimited)
		{
			if (CastField<FBoolProperty>(Property))
			{
				return ParseBool(Reader.ReadToken(bDelimited), *(bool*)Value);
			}
			if (const FEnumProperty* EnumProperty = CastField<FEnumProperty>(Property))
			{
				int64 EnumValue = 0;
				if (!ImportEnumName(EnumProperty->GetEnum(), Reader.ReadToken(bDelimited), EnumValue))
				{
					return false;
				}
				EnumProperty->GetUnderlyingProperty()->SetIntPropertyValue(Value, EnumValue);
				return true;
			}
			if (const FNumericProperty* Numeric = CastField<FNumericProperty>(Property))
			{
				const FString Token = Reader.ReadToken(bDelimited);
				int64 Integer = 0;
				double Float = 0.0;
				if (UEnum* Enum = Numeric->GetIntPropertyEnum())
				{
					if (!ImportEnumName(Enum, Token, Integer))
					{
						return false;
					}
					Numeric->SetIntPropertyValue(Value, Integer);
					return true;
				}
				if (!ParseNumber(Token, Numeric->IsFloatingPoint(), Integer, Float))
				{
					return false;
				}
				if (Numeric->IsFloatingPoint())
				{
					Numeric->SetFloatingPointPropertyValue(Value, Float);
				}
				else
				{
					Numeric->SetIntPropertyValue(Value, Integer);
				}
				return true;
			}
			if (CastField<FStrProperty>(Property))
			{
				return ImportString(Reader, bDelimited, *(FString*)Value);
			}
			if (CastField<FNameProperty>(Property))
			{
				FString String;
				if (!ImportString(Reader, bDelimited, String))
				{
					return false;
				}
				*(FName*)Value = FName(*String);
				return true;
			}
			if (const FStructProperty* StructProperty = CastField<FStructProperty>(Property))
			{
				if (!Reader.Consume(TEXT('(')))
				{
					return false;
				}
				while (!Reader.Consume(TEXT(')')))
				{
					FString MemberName;
					if (!Reader.ReadMemberName(MemberName))
					{
						return false;
					}
					const FProperty* Member = StructProperty->Struct->FindPropertyByName(FName(*MemberName));
					if (Member ? !ImportItem(Member, Value, Reader, true) : !Reader.SkipValue())
					{
						return false;
					}
					if (!Reader.Consume(TEXT(',')) && !Reader.PeekIs(TEXT(')')))
					{
						return false;
					}
				}
				return true;
			}
			if (const FArrayProperty* ArrayProperty = CastField<FArrayProperty>(Property))
			{
				if (!Reader.Consume(TEXT('(')))
				{
					return false;
				}
				ArrayProperty->Ops->Resize(Value, 0);
				while (!Reader.Consume(TEXT(')')))
				{
					const int32 Index = ArrayProperty->Ops->Num(Value);
					ArrayProperty->Ops->Resize(Value, Index + 1);
					if (!ImportValue(ArrayProperty->Inner, ArrayProperty->Ops->GetElement(Value, Index), Reader, true))
					{
						return false;
					}
					if (!Reader.Consume(TEXT(',')) && !Reader.PeekIs(TEXT(')')))
					{
						return false;
					}
				}
				return true;
			}
			return false;
		}

		// A value of Property's type, to read into before the real one is changed.
		class FScratchValue
		{
		public:
			explicit FScratchValue(const FProperty* InProperty)
				: Property(InProperty)
				, Memory(::operator new(InProperty->ElementSize, std::align_val_t(FMath::Max<size_t>(InProperty->Alignment, alignof(void*)))))
			{
				Property->InitializeValue(Memory);
			}
			~FScratchValue()
			{
				Property->DestroyValue(Memory);
				::operator delete(Memory, std::align_val_t(FMath::Max<size_t>(Property->Alignment, alignof(void*))));
			}
			FScratchValue(const FScratchValue&) = delete;
			FScratchValue& operator=(const FScratchValue&) = delete;

			void* Get() const { return Memory; }

		private:
			const FProperty* Property;
			void* Memory;
		};
	}

	bool ExportConfigItem(const FProperty* Property, const void* Container, FString& Out)
	{
		return ExportItem(Property, Container, false, Out);
	}

	bool ExportConfigValue(const FProperty* Property, const void* Value, FString& Out)
	{
		return ExportValue(Property, Value, false, Out);
	}

	bool ImportConfigItem(const FProperty* Property, void* Container, const FString& Text)
	{
		if (CastField<FBoolProperty>(Property))
		{
			FReader Reader(Text);
			return ImportItem(Property, Container, Reader, false);
		}
		return ImportConfigValue(Property, Property->ContainerPtrToValuePtr<void>(Container), Text);
	}

	bool ImportConfigValue(const FProperty* Property, void* Value, const FString& Text)
	{
		FScratchValue Scratch(Property);
		Property->CopySingleValue(Scratch.Get(), Value);
		FReader Reader(Text);
		if (!ImportValue(Property, Scratch.Get(), Reader, false))
		{
			return false;
		}
		Property->CopySingleValue(Value, Scratch.Get());
		return true;
	}
}
