#include "Internationalization/Text.h"

#include "CoreGlobals.h"
#include "Internationalization/Internationalization.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace
{
	/** Writes a number as the invariant (English) culture does: '-' sign, ',' grouping, '.' decimal point. */
	FString FormatDigits(bool bNegative, std::string IntegralDigits, std::string FractionalDigits,
						 const FNumberFormattingOptions& Options)
	{
		while (static_cast<int32>(IntegralDigits.size()) > 1 && IntegralDigits[0] == '0')
		{
			IntegralDigits.erase(0, 1);
		}
		if (IntegralDigits == "0" && Options.MinimumIntegralDigits == 0 && !FractionalDigits.empty())
		{
			IntegralDigits.clear();
		}
		while (static_cast<int32>(IntegralDigits.size()) < Options.MinimumIntegralDigits)
		{
			IntegralDigits.insert(IntegralDigits.begin(), '0');
		}
		if (static_cast<int32>(IntegralDigits.size()) > Options.MaximumIntegralDigits)
		{
			IntegralDigits.erase(0, IntegralDigits.size() - static_cast<SIZE_T>(Options.MaximumIntegralDigits));
		}
		while (static_cast<int32>(FractionalDigits.size()) > Options.MinimumFractionalDigits &&
			   !FractionalDigits.empty() && FractionalDigits.back() == '0')
		{
			FractionalDigits.pop_back();
		}
		while (static_cast<int32>(FractionalDigits.size()) < Options.MinimumFractionalDigits)
		{
			FractionalDigits.push_back('0');
		}

		FString Result;
		const bool bIsZero = IntegralDigits.find_first_not_of('0') == std::string::npos &&
							 FractionalDigits.find_first_not_of('0') == std::string::npos;
		if (bNegative && !bIsZero)
		{
			Result.AppendChar(TEXT('-'));
		}
		else if (Options.AlwaysSign)
		{
			Result.AppendChar(TEXT('+'));
		}
		for (SIZE_T Index = 0; Index < IntegralDigits.size(); ++Index)
		{
			const SIZE_T Remaining = IntegralDigits.size() - Index;
			if (Options.UseGrouping && Index > 0 && Remaining % 3 == 0)
			{
				Result.AppendChar(TEXT(','));
			}
			Result.AppendChar(static_cast<TCHAR>(IntegralDigits[Index]));
		}
		if (!FractionalDigits.empty())
		{
			Result.AppendChar(TEXT('.'));
			for (const char Digit : FractionalDigits)
			{
				Result.AppendChar(static_cast<TCHAR>(Digit));
			}
		}
		return Result;
	}

	FString FormatInteger(bool bNegative, uint64 Magnitude, const FNumberFormattingOptions& Options)
	{
		return FormatDigits(bNegative, std::to_string(Magnitude), std::string(), Options);
	}

	FString FormatSigned(int64 Value, const FNumberFormattingOptions* Options)
	{
		const FNumberFormattingOptions& Used = Options ? *Options : FNumberFormattingOptions::DefaultWithGrouping();
		const uint64 Magnitude = Value < 0 ? static_cast<uint64>(-(Value + 1)) + 1 : static_cast<uint64>(Value);
		return FormatInteger(Value < 0, Magnitude, Used);
	}

	FString FormatUnsigned(uint64 Value, const FNumberFormattingOptions* Options)
	{
		return FormatInteger(false, Value, Options ? *Options : FNumberFormattingOptions::DefaultWithGrouping());
	}

	double RoundForDisplay(double Value, int32 Digits, ERoundingMode Mode)
	{
		const double Scale = std::pow(10.0, Digits);
		const double Scaled = Value * Scale;
		double Rounded = Scaled;
		switch (Mode)
		{
			case ERoundingMode::HalfToEven:
				Rounded = std::nearbyint(Scaled);
				break;
			case ERoundingMode::HalfFromZero:
				Rounded = std::round(Scaled);
				break;
			case ERoundingMode::HalfToZero:
				Rounded = Scaled < 0 ? std::floor(Scaled + 0.5) : std::ceil(Scaled - 0.5);
				break;
			case ERoundingMode::FromZero:
				Rounded = Scaled < 0 ? std::floor(Scaled) : std::ceil(Scaled);
				break;
			case ERoundingMode::ToZero:
				Rounded = std::trunc(Scaled);
				break;
			case ERoundingMode::ToNegativeInfinity:
				Rounded = std::floor(Scaled);
				break;
			case ERoundingMode::ToPositiveInfinity:
				Rounded = std::ceil(Scaled);
				break;
		}
		return Rounded / Scale;
	}

	FString FormatFloating(double Value, const FNumberFormattingOptions* Options)
	{
		const FNumberFormattingOptions& Used = Options ? *Options : FNumberFormattingOptions::DefaultWithGrouping();
		if (!std::isfinite(Value))
		{
			return std::isnan(Value) ? FString(TEXT("NaN")) : FString(Value < 0 ? TEXT("-Infinity") : TEXT("Infinity"));
		}
		const int32 Digits = Used.MaximumFractionalDigits < 0 ? 0 : Used.MaximumFractionalDigits;
		const double Rounded = RoundForDisplay(Value, Digits, Used.RoundingMode);
		char Buffer[512];
		std::snprintf(Buffer, sizeof(Buffer), "%.*f", Digits, std::fabs(Rounded));
		const std::string Text = Buffer;
		const SIZE_T Dot = Text.find('.');
		const std::string Integral = Dot == std::string::npos ? Text : Text.substr(0, Dot);
		const std::string Fractional = Dot == std::string::npos ? std::string() : Text.substr(Dot + 1);
		return FormatDigits(std::signbit(Rounded), Integral, Fractional, Used);
	}
}

const FNumberFormattingOptions& FNumberFormattingOptions::DefaultWithGrouping()
{
	static const FNumberFormattingOptions Options = FNumberFormattingOptions().SetUseGrouping(true);
	return Options;
}

const FNumberFormattingOptions& FNumberFormattingOptions::DefaultNoGrouping()
{
	static const FNumberFormattingOptions Options = FNumberFormattingOptions().SetUseGrouping(false);
	return Options;
}

FText FText::Make(FString&& DisplayString, uint32 Flags)
{
	FText Result;
	auto NewData = std::make_shared<FTextData>();
	NewData->DisplayString = MoveTemp(DisplayString);
	NewData->Flags = Flags;
	Result.Data = MoveTemp(NewData);
	return Result;
}

const FText& FText::GetEmpty()
{
	static const FText Empty;
	return Empty;
}

FText FText::FromString(const FString& String)
{
	return FromString(FString(String));
}

FText FText::FromString(FString&& String)
{
	// As in the engine: outside the editor a text made from a string is marked culture invariant.
	uint32 Flags = ETextFlag::InitializedFromString;
	if (!GIsEditor)
	{
		Flags |= ETextFlag::CultureInvariant;
	}
	return Make(MoveTemp(String), Flags);
}

FText FText::FromName(const FName& Val)
{
	return FromString(Val.ToString());
}

FText FText::AsCultureInvariant(const FString& String)
{
	return Make(FString(String), ETextFlag::CultureInvariant);
}

FText FText::AsCultureInvariant(FString&& String)
{
	return Make(MoveTemp(String), ETextFlag::CultureInvariant);
}

FText FText::AsCultureInvariant(FText Text)
{
	return Make(FString(Text.ToString()), ETextFlag::CultureInvariant);
}

FText FText::AsNumber(float Val, const FNumberFormattingOptions* const Options, const FCulturePtr& TargetCulture)
{
	return Make(FormatFloating(Val, Options), ETextFlag::Transient);
}

FText FText::AsNumber(double Val, const FNumberFormattingOptions* const Options, const FCulturePtr& TargetCulture)
{
	return Make(FormatFloating(Val, Options), ETextFlag::Transient);
}

FText FText::AsNumber(int8 Val, const FNumberFormattingOptions* const Options, const FCulturePtr& TargetCulture)
{
	return Make(FormatSigned(Val, Options), ETextFlag::Transient);
}

FText FText::AsNumber(int16 Val, const FNumberFormattingOptions* const Options, const FCulturePtr& TargetCulture)
{
	return Make(FormatSigned(Val, Options), ETextFlag::Transient);
}

FText FText::AsNumber(int32 Val, const FNumberFormattingOptions* const Options, const FCulturePtr& TargetCulture)
{
	return Make(FormatSigned(Val, Options), ETextFlag::Transient);
}

FText FText::AsNumber(int64 Val, const FNumberFormattingOptions* const Options, const FCulturePtr& TargetCulture)
{
	return Make(FormatSigned(Val, Options), ETextFlag::Transient);
}

FText FText::AsNumber(uint8 Val, const FNumberFormattingOptions* const Options, const FCulturePtr& TargetCulture)
{
	return Make(FormatUnsigned(Val, Options), ETextFlag::Transient);
}

FText FText::AsNumber(uint16 Val, const FNumberFormattingOptions* const Options, const FCulturePtr& TargetCulture)
{
	return Make(FormatUnsigned(Val, Options), ETextFlag::Transient);
}

FText FText::AsNumber(uint32 Val, const FNumberFormattingOptions* const Options, const FCulturePtr& TargetCulture)
{
	return Make(FormatUnsigned(Val, Options), ETextFlag::Transient);
}

FText FText::AsNumber(uint64 Val, const FNumberFormattingOptions* const Options, const FCulturePtr& TargetCulture)
{
	return Make(FormatUnsigned(Val, Options), ETextFlag::Transient);
}

namespace
{
	/**
	 * Fills a pattern. "{Name}" or "{0}" takes an argument (left as written when there is none); a backtick
	 * makes the next character literal, so "`{" writes a brace.
	 */
	template <typename LookupType>
	FString FormatPattern(const FString& Pattern, const LookupType& Lookup)
	{
		FString Result;
		const TCHAR* Cursor = *Pattern;
		while (*Cursor)
		{
			if (*Cursor == TEXT('`') && Cursor[1])
			{
				Result.AppendChar(Cursor[1]);
				Cursor += 2;
				continue;
			}
			if (*Cursor == TEXT('{'))
			{
				const TCHAR* Close = FCString::Strchr(Cursor + 1, TEXT('}'));
				if (Close)
				{
					const FString ArgumentName = FString::ConstructFromPtrSize(Cursor + 1, static_cast<int32>(Close - Cursor - 1));
					if (const FFormatArgumentValue* Value = Lookup(ArgumentName))
					{
						Result += Value->ToFormattedString();
					}
					else
					{
						Result.AppendChars(Cursor, static_cast<int32>(Close - Cursor + 1));
					}
					Cursor = Close + 1;
					continue;
				}
			}
			Result.AppendChar(*Cursor++);
		}
		return Result;
	}
}

FText FText::Format(FTextFormat Fmt, const FFormatNamedArguments& InArguments)
{
	return Make(FormatPattern(Fmt.GetSourceText().ToString(),
							  [&InArguments](const FString& Name) { return InArguments.Find(Name); }),
				ETextFlag::Transient);
}

FText FText::Format(FTextFormat Fmt, const FFormatOrderedArguments& InArguments)
{
	return Make(FormatPattern(Fmt.GetSourceText().ToString(),
							  [&InArguments](const FString& Name) -> const FFormatArgumentValue*
							  {
								  int32 Index = 0;
								  if (!LexTryParseString(Index, *Name) || !InArguments.IsValidIndex(Index))
								  {
									  return nullptr;
								  }
								  return &InArguments[Index];
							  }),
				ETextFlag::Transient);
}

FText FText::TrimPrecedingAndTrailing(const FText& InText)
{
	return Make(InText.ToString().TrimStartAndEnd(), InText.Data ? InText.Data->Flags & ~ETextFlag::Immutable : 0);
}

const FString& FText::ToString() const
{
	static const FString Empty;
	return Data ? Data->DisplayString : Empty;
}

FString FText::BuildSourceString() const
{
	return ToString();
}

bool FText::IsEmpty() const
{
	return ToString().IsEmpty();
}

bool FText::IsEmptyOrWhitespace() const
{
	return ToString().TrimStartAndEnd().IsEmpty();
}

bool FText::IsNumeric() const
{
	return ToString().IsNumeric();
}

bool FText::IsTransient() const
{
	return Data && (Data->Flags & ETextFlag::Transient) != 0;
}

bool FText::IsCultureInvariant() const
{
	return Data && (Data->Flags & ETextFlag::CultureInvariant) != 0;
}

bool FText::IsInitializedFromString() const
{
	return Data && (Data->Flags & ETextFlag::InitializedFromString) != 0;
}

bool FText::ShouldGatherForLocalization() const
{
	return Data && Data->Key.IsSet() && !IsCultureInvariant() && !IsTransient();
}

bool FText::EqualTo(const FText& Other, const ETextComparisonLevel::Type ComparisonLevel) const
{
	return ToString().Equals(Other.ToString(), ESearchCase::CaseSensitive);
}

bool FText::EqualToCaseIgnored(const FText& Other) const
{
	return ToString().Equals(Other.ToString(), ESearchCase::IgnoreCase);
}

int32 FText::CompareTo(const FText& Other, const ETextComparisonLevel::Type ComparisonLevel) const
{
	return ToString().Compare(Other.ToString(), ESearchCase::CaseSensitive);
}

int32 FText::CompareToCaseIgnored(const FText& Other) const
{
	return ToString().Compare(Other.ToString(), ESearchCase::IgnoreCase);
}

bool FText::IdenticalTo(const FText& Other) const
{
	return Data == Other.Data || (IsEmpty() && Other.IsEmpty());
}

FText FText::ToUpper() const
{
	return Make(ToString().ToUpper(), ETextFlag::Transient);
}

FText FText::ToLower() const
{
	return Make(ToString().ToLower(), ETextFlag::Transient);
}

FString FFormatArgumentValue::ToFormattedString() const
{
	switch (Type)
	{
		case EType::Int:
			return FText::AsNumber(IntValue).ToString();
		case EType::UInt:
			return FText::AsNumber(UIntValue).ToString();
		case EType::Float:
			return FText::AsNumber(FloatValue).ToString();
		case EType::Double:
			return FText::AsNumber(DoubleValue).ToString();
		case EType::Text:
		default:
			return TextValue.ToString();
	}
}

TOptional<FString> FTextInspector::GetNamespace(const FText& Text)
{
	return Text.Data ? Text.Data->Namespace : TOptional<FString>();
}

TOptional<FString> FTextInspector::GetKey(const FText& Text)
{
	return Text.Data ? Text.Data->Key : TOptional<FString>();
}

const FString* FTextInspector::GetSourceString(const FText& Text)
{
	return &Text.ToString();
}

const FString& FTextInspector::GetDisplayString(const FText& Text)
{
	return Text.ToString();
}

uint32 FTextInspector::GetFlags(const FText& Text)
{
	return Text.Data ? Text.Data->Flags : 0;
}

FText FInternationalization::ForUseOnlyByLocMacroAndGraphNodeTextLiterals_CreateText(const TCHAR* InTextLiteral,
																					 const TCHAR* InNamespace,
																					 const TCHAR* InKey)
{
	FText Result = FText::Make(FString(InTextLiteral), 0);
	auto Data = std::make_shared<FText::FTextData>(*Result.Data);
	Data->Namespace = FString(InNamespace);
	Data->Key = FString(InKey);
	Result.Data = MoveTemp(Data);
	return Result;
}
