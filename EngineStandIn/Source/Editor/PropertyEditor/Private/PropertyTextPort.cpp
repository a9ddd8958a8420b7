#include "PropertyTextPort.h"

#include "UObject/Class.h"
#include "UObject/UnrealType.h"
#include "UObject/UObjectGlobals.h"

#include <cerrno>
#include <cstdlib>

namespace UE::StandIn
{
	namespace
	{
		bool IsQuotedInArrays(const FProperty& Property)
		{
			return CastField<FStrProperty>(&Property) || CastField<FNameProperty>(&Property) || CastField<FTextProperty>(&Property);
		}

		FString Unquote(const FString& Item)
		{
			FString Trimmed = Item.TrimStartAndEnd();
			if (Trimmed.Len() >= 2 && Trimmed.StartsWith(TEXT("\"")) && Trimmed.EndsWith(TEXT("\"")))
			{
				Trimmed = Trimmed.Mid(1, Trimmed.Len() - 2).Replace(TEXT("\\\""), TEXT("\""));
			}
			return Trimmed;
		}

		// "(A,"B,C",D)" into A, "B,C" and D; false when the parentheses or quotes do not close.
		bool SplitArrayText(const FString& Text, TArray<FString>& OutItems)
		{
			const FString Trimmed = Text.TrimStartAndEnd();
			if (!Trimmed.StartsWith(TEXT("(")) || !Trimmed.EndsWith(TEXT(")")))
			{
				return false;
			}
			const FString Inner = Trimmed.Mid(1, Trimmed.Len() - 2);
			if (Inner.TrimStartAndEnd().IsEmpty())
			{
				return true;
			}
			FString Item;
			bool bInQuotes = false;
			int32 Depth = 0;
			for (int32 Index = 0; Index < Inner.Len(); ++Index)
			{
				const TCHAR Char = Inner[Index];
				if (Char == TEXT('"') && (Index == 0 || Inner[Index - 1] != TEXT('\\')))
				{
					bInQuotes = !bInQuotes;
				}
				else if (!bInQuotes && Char == TEXT('('))
				{
					++Depth;
				}
				else if (!bInQuotes && Char == TEXT(')'))
				{
					--Depth;
				}
				else if (!bInQuotes && Depth == 0 && Char == TEXT(','))
				{
					OutItems.Add(Item);
					Item.Reset();
					continue;
				}
				Item.AppendChar(Char);
			}
			OutItems.Add(Item);
			return !bInQuotes && Depth == 0;
		}

		bool ParseInteger(const FString& Text, int64& OutValue)
		{
			const std::string Utf8 = TCHAR_TO_UTF8(*Text.TrimStartAndEnd());
			if (Utf8.empty())
			{
				return false;
			}
			char* End = nullptr;
			errno = 0;
			OutValue = std::strtoll(Utf8.c_str(), &End, 10);
			return errno == 0 && *End == '\0';
		}

		bool ParseFloat(const FString& Text, double& OutValue)
		{
			const std::string Utf8 = TCHAR_TO_UTF8(*Text.TrimStartAndEnd());
			if (Utf8.empty())
			{
				return false;
			}
			char* End = nullptr;
			errno = 0;
			OutValue = std::strtod(Utf8.c_str(), &End);
			return errno == 0 && *End == '\0';
		}

		bool ImportEnum(const UEnum& Enum, const FString& Text, int64& OutValue)
		{
			FString Name = Text.TrimStartAndEnd();
			int32 Separator = INDEX_NONE;
			if (Name.FindLastChar(TEXT(':'), Separator))
			{
				Name.RightChopInline(Separator + 1);
			}
			for (int32 Index = 0; Index < Enum.NumEnums(); ++Index)
			{
				FString Short = Enum.GetNameStringByIndex(Index);
				if (Short.Equals(Name, ESearchCase::IgnoreCase))
				{
					OutValue = Enum.GetValueByIndex(Index);
					return true;
				}
			}
			return false;
		}

		// Bounds of an integer property's type, from its size and whether its C++ type is unsigned.
		bool FitsInteger(const FProperty& Property, int64 Value)
		{
			const bool bUnsigned = Property.GetCPPType().StartsWith(TEXT("u"));
			const int32 Bits = Property.ElementSize * 8;
			if (Bits >= 64)
			{
				return !bUnsigned || Value >= 0;
			}
			if (bUnsigned)
			{
				return Value >= 0 && Value < (int64(1) << Bits);
			}
			return Value >= -(int64(1) << (Bits - 1)) && Value < (int64(1) << (Bits - 1));
		}
	}

	FString ExportPropertyText(const FProperty& Property, const void* Value)
	{
		if (const FBoolProperty* Bool = CastField<FBoolProperty>(&Property))
		{
			return *(const bool*)Value ? TEXT("True") : TEXT("False");
		}
		if (const FEnumProperty* EnumProperty = CastField<FEnumProperty>(&Property))
		{
			return EnumProperty->GetEnum()->GetNameStringByValue(EnumProperty->GetUnderlyingProperty()->GetSignedIntPropertyValue(Value));
		}
		if (const FNumericProperty* Numeric = CastField<FNumericProperty>(&Property))
		{
			if (const UEnum* Enum = Numeric->GetIntPropertyEnum())
			{
				return Enum->GetNameStringByValue(Numeric->GetSignedIntPropertyValue(Value));
			}
			return Numeric->IsFloatingPoint() ? FString::Printf(TEXT("%f"), Numeric->GetFloatingPointPropertyValue(Value))
											  : FString::Printf(TEXT("%lld"), (long long)Numeric->GetSignedIntPropertyValue(Value));
		}
		if (CastField<FStrProperty>(&Property))
		{
			return *(const FString*)Value;
		}
		if (CastField<FNameProperty>(&Property))
		{
			return ((const FName*)Value)->ToString();
		}
		if (CastField<FTextProperty>(&Property))
		{
			return ((const FText*)Value)->ToString();
		}
		if (const FObjectProperty* Object = CastField<FObjectProperty>(&Property))
		{
			const UObject* Referenced = Object->GetObjectPropertyValue(Value);
			return Referenced ? Referenced->GetPathName() : FString(TEXT("None"));
		}
		if (const FArrayProperty* Array = CastField<FArrayProperty>(&Property))
		{
			FString Text = TEXT("(");
			const int32 Num = Array->Ops->Num(Value);
			for (int32 Index = 0; Index < Num; ++Index)
			{
				const FString Item = ExportPropertyText(*Array->Inner, Array->Ops->GetElement(const_cast<void*>(Value), Index));
				Text += (Index > 0 ? TEXT(",") : TEXT("")) + (IsQuotedInArrays(*Array->Inner) ? TEXT("\"") + Item.Replace(TEXT("\""), TEXT("\\\"")) + TEXT("\"") : Item);
			}
			return Text + TEXT(")");
		}
		if (const FStructProperty* Struct = CastField<FStructProperty>(&Property))
		{
			FString Text = TEXT("(");
			bool bFirst = true;
			for (TFieldIterator<FProperty> It(Struct->Struct, EFieldIteratorFlags::IncludeSuper); It; ++It)
			{
				Text += (bFirst ? TEXT("") : TEXT(",")) + It->GetName() + TEXT("=") + ExportPropertyText(**It, It->ContainerPtrToValuePtr<void>(Value));
				bFirst = false;
			}
			return Text + TEXT(")");
		}
		return FString::Printf(TEXT("(%s)"), *Property.GetCPPType());
	}

	bool ImportPropertyText(const FProperty& Property, const FString& Text, void* Value)
	{
		if (CastField<FBoolProperty>(&Property))
		{
			const FString Word = Text.TrimStartAndEnd();
			for (const TCHAR* True : {TEXT("True"), TEXT("Yes"), TEXT("1")})
			{
				if (Word.Equals(True, ESearchCase::IgnoreCase))
				{
					*(bool*)Value = true;
					return true;
				}
			}
			for (const TCHAR* False : {TEXT("False"), TEXT("No"), TEXT("0")})
			{
				if (Word.Equals(False, ESearchCase::IgnoreCase))
				{
					*(bool*)Value = false;
					return true;
				}
			}
			return false;
		}
		if (const FEnumProperty* EnumProperty = CastField<FEnumProperty>(&Property))
		{
			int64 EnumValue = 0;
			if (!ImportEnum(*EnumProperty->GetEnum(), Text, EnumValue))
			{
				return false;
			}
			EnumProperty->GetUnderlyingProperty()->SetIntPropertyValue(Value, EnumValue);
			return true;
		}
		if (const FNumericProperty* Numeric = CastField<FNumericProperty>(&Property))
		{
			if (const UEnum* Enum = Numeric->GetIntPropertyEnum())
			{
				int64 EnumValue = 0;
				if (!ImportEnum(*Enum, Text, EnumValue))
				{
					return false;
				}
				Numeric->SetIntPropertyValue(Value, EnumValue);
				return true;
			}
			if (Numeric->IsFloatingPoint())
			{
				double Number = 0.0;
				if (!ParseFloat(Text, Number))
				{
					return false;
				}
				Numeric->SetFloatingPointPropertyValue(Value, Number);
				return true;
			}
			int64 Number = 0;
			if (!ParseInteger(Text, Number) || !FitsInteger(Property, Number))
			{
				return false;
			}
			Numeric->SetIntPropertyValue(Value, Number);
			return true;
		}
		if (CastField<FStrProperty>(&Property))
		{
			*(FString*)Value = Text;
			return true;
		}
		if (CastField<FNameProperty>(&Property))
		{
			*(FName*)Value = FName(*Text);
			return true;
		}
		if (CastField<FTextProperty>(&Property))
		{
			*(FText*)Value = FText::FromString(Text);
			return true;
		}
		if (const FObjectProperty* Object = CastField<FObjectProperty>(&Property))
		{
			const FString Path = Text.TrimStartAndEnd();
			if (Path.IsEmpty() || Path.Equals(TEXT("None"), ESearchCase::IgnoreCase))
			{
				Object->SetObjectPropertyValue(Value, nullptr);
				return true;
			}
			UObject* Referenced = StaticLoadObject(Object->PropertyClass, nullptr, *Path, nullptr, LOAD_NoWarn | LOAD_Quiet);
			if (!Referenced)
			{
				return false;
			}
			Object->SetObjectPropertyValue(Value, Referenced);
			return true;
		}
		if (const FArrayProperty* Array = CastField<FArrayProperty>(&Property))
		{
			TArray<FString> Items;
			if (!SplitArrayText(Text, Items))
			{
				return false;
			}
			// Every item is read into a scratch value first, so a bad item changes nothing.
			TArray<uint8> Scratch;
			Scratch.SetNumZeroed(Array->Inner->ElementSize);
			for (const FString& Item : Items)
			{
				Array->Inner->InitializeValue(Scratch.GetData());
				const bool bRead = ImportPropertyText(*Array->Inner, IsQuotedInArrays(*Array->Inner) ? Unquote(Item) : Item.TrimStartAndEnd(), Scratch.GetData());
				Array->Inner->DestroyValue(Scratch.GetData());
				if (!bRead)
				{
					return false;
				}
			}
			Array->Ops->Resize(Value, Items.Num());
			for (int32 Index = 0; Index < Items.Num(); ++Index)
			{
				ImportPropertyText(*Array->Inner, IsQuotedInArrays(*Array->Inner) ? Unquote(Items[Index]) : Items[Index].TrimStartAndEnd(), Array->Ops->GetElement(Value, Index));
			}
			return true;
		}
		return false;
	}
}
