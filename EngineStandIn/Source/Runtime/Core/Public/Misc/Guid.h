#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Templates/TypeHash.h"

enum class EGuidFormats
{
	/** 00000000000000000000000000000000 */
	Digits,
	/** 00000000000000000000000000000000, lower case */
	DigitsLower,
	/** 00000000-0000-0000-0000-000000000000 */
	DigitsWithHyphens,
	/** 00000000-0000-0000-0000-000000000000, lower case */
	DigitsWithHyphensLower,
	/** {00000000-0000-0000-0000-000000000000} */
	DigitsWithHyphensInBraces,
	/** (00000000-0000-0000-0000-000000000000) */
	DigitsWithHyphensInParentheses,
	/** {0x00000000,0x0000,0x0000,{0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00}} */
	HexValuesInBraces,
	/** 00000000-00000000-00000000-00000000 */
	UniqueObjectGuid,
};

/** A 128-bit globally unique identifier; all zero is the invalid one. */
struct CORE_API FGuid
{
	uint32 A = 0;
	uint32 B = 0;
	uint32 C = 0;
	uint32 D = 0;

	constexpr FGuid() = default;

	constexpr FGuid(uint32 InA, uint32 InB, uint32 InC, uint32 InD) : A(InA), B(InB), C(InC), D(InD) {}

	/** Parses any of the formats ToString writes; an unparsable string gives the invalid guid. */
	explicit FGuid(const FString& InGuidStr);

	static FGuid NewGuid();

	static bool Parse(const FString& GuidString, FGuid& OutGuid);
	static bool ParseExact(const FString& GuidString, EGuidFormats Format, FGuid& OutGuid);

	bool IsValid() const { return (A | B | C | D) != 0; }

	void Invalidate() { A = B = C = D = 0; }

	FString ToString(EGuidFormats Format = EGuidFormats::Digits) const;

	uint32& operator[](int32 Index);
	const uint32& operator[](int32 Index) const;

	friend bool operator==(const FGuid& X, const FGuid& Y)
	{
		return ((X.A ^ Y.A) | (X.B ^ Y.B) | (X.C ^ Y.C) | (X.D ^ Y.D)) == 0;
	}

	friend bool operator!=(const FGuid& X, const FGuid& Y) { return !(X == Y); }

	friend bool operator<(const FGuid& X, const FGuid& Y)
	{
		return X.A != Y.A ? X.A < Y.A : X.B != Y.B ? X.B < Y.B : X.C != Y.C ? X.C < Y.C : X.D < Y.D;
	}

	friend uint32 GetTypeHash(const FGuid& Guid)
	{
		return HashCombine(HashCombine(Guid.A, Guid.B), HashCombine(Guid.C, Guid.D));
	}
};

inline FString LexToString(const FGuid& Value)
{
	return Value.ToString();
}

inline void LexFromString(FGuid& Result, const TCHAR* String)
{
	FGuid::Parse(String, Result);
}
