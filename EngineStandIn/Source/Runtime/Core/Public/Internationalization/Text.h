#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Containers/Map.h"
#include "Containers/UnrealString.h"
#include "Misc/Optional.h"
#include "Templates/SharedPointer.h"
#include "UObject/NameTypes.h"

#include <memory>
#include <type_traits>

class FCulture;
class FText;
class FTextFormat;
class FFormatArgumentValue;

using FCulturePtr = TSharedPtr<FCulture, ESPMode::ThreadSafe>;

namespace ETextFlag
{
	enum Type
	{
		Transient = (1 << 0),
		CultureInvariant = (1 << 1),
		ConvertedProperty = (1 << 2),
		Immutable = (1 << 3),
		InitializedFromString = (1 << 4),
	};
}

namespace ETextComparisonLevel
{
	enum Type
	{
		Default,
		Primary,
		Secondary,
		Tertiary,
		Quaternary,
		Quinary
	};
}

enum class ERoundingMode : uint8
{
	HalfToEven,
	HalfFromZero,
	HalfToZero,
	FromZero,
	ToZero,
	ToNegativeInfinity,
	ToPositiveInfinity,
};

/** How AsNumber writes a number; the defaults give "1,234.568" for 1234.5678. */
struct CORE_API FNumberFormattingOptions
{
	bool AlwaysSign = false;
	bool UseGrouping = true;
	ERoundingMode RoundingMode = ERoundingMode::HalfToEven;
	int32 MinimumIntegralDigits = 1;
	int32 MaximumIntegralDigits = 309;
	int32 MinimumFractionalDigits = 0;
	int32 MaximumFractionalDigits = 3;

	FNumberFormattingOptions& SetAlwaysSign(bool InValue)
	{
		AlwaysSign = InValue;
		return *this;
	}

	FNumberFormattingOptions& SetUseGrouping(bool InValue)
	{
		UseGrouping = InValue;
		return *this;
	}

	FNumberFormattingOptions& SetRoundingMode(ERoundingMode InValue)
	{
		RoundingMode = InValue;
		return *this;
	}

	FNumberFormattingOptions& SetMinimumIntegralDigits(int32 InValue)
	{
		MinimumIntegralDigits = InValue;
		return *this;
	}

	FNumberFormattingOptions& SetMaximumIntegralDigits(int32 InValue)
	{
		MaximumIntegralDigits = InValue;
		return *this;
	}

	FNumberFormattingOptions& SetMinimumFractionalDigits(int32 InValue)
	{
		MinimumFractionalDigits = InValue;
		return *this;
	}

	FNumberFormattingOptions& SetMaximumFractionalDigits(int32 InValue)
	{
		MaximumFractionalDigits = InValue;
		return *this;
	}

	static const FNumberFormattingOptions& DefaultWithGrouping();
	static const FNumberFormattingOptions& DefaultNoGrouping();
};

using FFormatNamedArguments = TMap<FString, FFormatArgumentValue>;
using FFormatOrderedArguments = TArray<FFormatArgumentValue>;

/**
 * Text shown to the user. Texts made by LOCTEXT / NSLOCTEXT keep their namespace and key; texts made from
 * strings, numbers or formats have none. Numbers are written as the engine's invariant (English) culture
 * writes them. Copies share their data.
 */
class CORE_API FText
{
public:
	FText() = default;

	static const FText& GetEmpty();

	static FText FromString(const FString& String);
	static FText FromString(FString&& String);
	static FText FromName(const FName& Val);
	static FText AsCultureInvariant(const FString& String);
	static FText AsCultureInvariant(FString&& String);
	static FText AsCultureInvariant(FText Text);

	static FText AsNumber(float Val, const FNumberFormattingOptions* const Options = nullptr,
						  const FCulturePtr& TargetCulture = FCulturePtr());
	static FText AsNumber(double Val, const FNumberFormattingOptions* const Options = nullptr,
						  const FCulturePtr& TargetCulture = FCulturePtr());
	static FText AsNumber(int8 Val, const FNumberFormattingOptions* const Options = nullptr,
						  const FCulturePtr& TargetCulture = FCulturePtr());
	static FText AsNumber(int16 Val, const FNumberFormattingOptions* const Options = nullptr,
						  const FCulturePtr& TargetCulture = FCulturePtr());
	static FText AsNumber(int32 Val, const FNumberFormattingOptions* const Options = nullptr,
						  const FCulturePtr& TargetCulture = FCulturePtr());
	static FText AsNumber(int64 Val, const FNumberFormattingOptions* const Options = nullptr,
						  const FCulturePtr& TargetCulture = FCulturePtr());
	static FText AsNumber(uint8 Val, const FNumberFormattingOptions* const Options = nullptr,
						  const FCulturePtr& TargetCulture = FCulturePtr());
	static FText AsNumber(uint16 Val, const FNumberFormattingOptions* const Options = nullptr,
						  const FCulturePtr& TargetCulture = FCulturePtr());
	static FText AsNumber(uint32 Val, const FNumberFormattingOptions* const Options = nullptr,
						  const FCulturePtr& TargetCulture = FCulturePtr());
	static FText AsNumber(uint64 Val, const FNumberFormattingOptions* const Options = nullptr,
						  const FCulturePtr& TargetCulture = FCulturePtr());

	static FText Format(FTextFormat Fmt, const FFormatNamedArguments& InArguments);
	static FText Format(FTextFormat Fmt, const FFormatOrderedArguments& InArguments);

	/** Fills {0}, {1}, ... with the arguments in order. */
	template <typename... ArgTypes>
	requires(!(sizeof...(ArgTypes) == 1 && (std::is_same_v<std::decay_t<ArgTypes>, FFormatNamedArguments> || ...) ||
			   (std::is_same_v<std::decay_t<ArgTypes>, FFormatOrderedArguments> || ...))) static FText
		Format(FTextFormat Fmt, ArgTypes&&... Args);

	template <typename... ArgTypes>
	static FText FormatOrdered(FTextFormat Fmt, ArgTypes&&... Args);

	/** Takes name/value pairs: FormatNamed(Fmt, TEXT("Count"), 3, TEXT("Name"), NameText). */
	template <typename... ArgTypes>
	static FText FormatNamed(FTextFormat Fmt, ArgTypes&&... Args);

	static FText TrimPrecedingAndTrailing(const FText& InText);

	const FString& ToString() const;
	FString BuildSourceString() const;

	bool IsEmpty() const;
	bool IsEmptyOrWhitespace() const;
	bool IsNumeric() const;
	bool IsTransient() const;
	bool IsCultureInvariant() const;
	bool IsInitializedFromString() const;
	bool IsFromStringTable() const { return false; }
	bool ShouldGatherForLocalization() const;

	bool EqualTo(const FText& Other,
				 const ETextComparisonLevel::Type ComparisonLevel = ETextComparisonLevel::Default) const;
	bool EqualToCaseIgnored(const FText& Other) const;
	int32 CompareTo(const FText& Other,
					const ETextComparisonLevel::Type ComparisonLevel = ETextComparisonLevel::Default) const;
	int32 CompareToCaseIgnored(const FText& Other) const;
	bool IdenticalTo(const FText& Other) const;

	FText ToUpper() const;
	FText ToLower() const;

private:
	friend class FTextInspector;
	friend class FInternationalization;

	struct FTextData
	{
		FString DisplayString;
		TOptional<FString> Namespace;
		TOptional<FString> Key;
		uint32 Flags = 0;
	};

	static FText Make(FString&& DisplayString, uint32 Flags);

	std::shared_ptr<const FTextData> Data;
};

/** An argument of FText::Format: a number (written with the culture's digit grouping) or a text. */
class CORE_API FFormatArgumentValue
{
public:
	enum class EType : uint8
	{
		Int,
		UInt,
		Float,
		Double,
		Text
	};

	FFormatArgumentValue() : FFormatArgumentValue(FText::GetEmpty()) {}

	FFormatArgumentValue(int32 Value) : Type(EType::Int), IntValue(Value) {}

	FFormatArgumentValue(int64 Value) : Type(EType::Int), IntValue(Value) {}

	FFormatArgumentValue(uint32 Value) : Type(EType::UInt), UIntValue(Value) {}

	FFormatArgumentValue(uint64 Value) : Type(EType::UInt), UIntValue(Value) {}

	FFormatArgumentValue(float Value) : Type(EType::Float), FloatValue(Value) {}

	FFormatArgumentValue(double Value) : Type(EType::Double), DoubleValue(Value) {}

	FFormatArgumentValue(const FText& Value) : Type(EType::Text), TextValue(Value) {}

	FFormatArgumentValue(FText&& Value) : Type(EType::Text), TextValue(MoveTemp(Value)) {}

	EType GetType() const { return Type; }

	const FText& GetTextValue() const
	{
		check(Type == EType::Text);
		return TextValue;
	}

	/** The argument as it appears in a formatted text. */
	FString ToFormattedString() const;

private:
	EType Type = EType::Text;
	union
	{
		int64 IntValue;
		uint64 UIntValue;
		float FloatValue;
		double DoubleValue;
	};
	FText TextValue;
};

/** A format pattern: "{0} of {1}" or "{Count} files". A backtick escapes the next character. */
class CORE_API FTextFormat
{
public:
	FTextFormat() = default;

	FTextFormat(const FText& InText) : SourceText(InText) {}

	static FTextFormat FromString(const FString& InString) { return FTextFormat(FText::FromString(InString)); }

	const FText& GetSourceText() const { return SourceText; }

	bool IsValid() const { return true; }

private:
	FText SourceText;
};

/** Reads what a text was made from. */
class CORE_API FTextInspector
{
public:
	static TOptional<FString> GetNamespace(const FText& Text);
	static TOptional<FString> GetKey(const FText& Text);
	static const FString* GetSourceString(const FText& Text);
	static const FString& GetDisplayString(const FText& Text);
	static uint32 GetFlags(const FText& Text);
};

template <typename... ArgTypes>
requires(!(sizeof...(ArgTypes) == 1 && (std::is_same_v<std::decay_t<ArgTypes>, FFormatNamedArguments> || ...) ||
		   (std::is_same_v<std::decay_t<ArgTypes>, FFormatOrderedArguments> ||
			...))) FText FText::Format(FTextFormat Fmt, ArgTypes&&... Args)
{
	FFormatOrderedArguments Arguments;
	Arguments.Reserve(sizeof...(ArgTypes));
	(Arguments.Emplace(Forward<ArgTypes>(Args)), ...);
	return Format(MoveTemp(Fmt), static_cast<const FFormatOrderedArguments&>(Arguments));
}

template <typename... ArgTypes>
FText FText::FormatOrdered(FTextFormat Fmt, ArgTypes&&... Args)
{
	return Format(MoveTemp(Fmt), Forward<ArgTypes>(Args)...);
}

namespace UE::Core::Private::Text
{
	inline void AddNamedArguments(FFormatNamedArguments&)
	{
	}

	template <typename NameType, typename ValueType, typename... RestTypes>
	void AddNamedArguments(FFormatNamedArguments& Arguments, NameType&& Name, ValueType&& Value, RestTypes&&... Rest)
	{
		Arguments.Add(FString(Forward<NameType>(Name)), FFormatArgumentValue(Forward<ValueType>(Value)));
		AddNamedArguments(Arguments, Forward<RestTypes>(Rest)...);
	}
}

template <typename... ArgTypes>
FText FText::FormatNamed(FTextFormat Fmt, ArgTypes&&... Args)
{
	static_assert(sizeof...(ArgTypes) % 2 == 0, "FormatNamed takes name/value pairs");
	FFormatNamedArguments Arguments;
	UE::Core::Private::Text::AddNamedArguments(Arguments, Forward<ArgTypes>(Args)...);
	return Format(MoveTemp(Fmt), static_cast<const FFormatNamedArguments&>(Arguments));
}

inline FString LexToString(const FText& Text)
{
	return Text.ToString();
}
