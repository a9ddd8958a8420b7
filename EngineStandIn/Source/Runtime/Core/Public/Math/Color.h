#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Templates/TypeHash.h"

struct FColor;

/** A linear-space colour with float components. */
struct CORE_API FLinearColor
{
	float R = 0.0f;
	float G = 0.0f;
	float B = 0.0f;
	float A = 0.0f;

	constexpr FLinearColor() = default;

	constexpr FLinearColor(float InR, float InG, float InB, float InA = 1.0f) : R(InR), G(InG), B(InB), A(InA) {}

	explicit constexpr FLinearColor(EForceInit) {}

	/** Converts from sRGB, as the engine does. */
	FLinearColor(const FColor& Color);

	static FLinearColor FromSRGBColor(const FColor& Color);

	/** Gamma-corrects to sRGB when bSRGB is true. */
	FColor ToFColor(const bool bSRGB) const;
	FColor ToFColorSRGB() const;
	FColor QuantizeRound() const;

	FLinearColor CopyWithNewOpacity(float NewOpacity) const { return FLinearColor(R, G, B, NewOpacity); }

	constexpr FLinearColor operator+(const FLinearColor& Other) const
	{
		return FLinearColor(R + Other.R, G + Other.G, B + Other.B, A + Other.A);
	}

	constexpr FLinearColor operator-(const FLinearColor& Other) const
	{
		return FLinearColor(R - Other.R, G - Other.G, B - Other.B, A - Other.A);
	}

	constexpr FLinearColor operator*(float Scalar) const
	{
		return FLinearColor(R * Scalar, G * Scalar, B * Scalar, A * Scalar);
	}

	constexpr FLinearColor operator*(const FLinearColor& Other) const
	{
		return FLinearColor(R * Other.R, G * Other.G, B * Other.B, A * Other.A);
	}

	constexpr bool operator==(const FLinearColor& Other) const
	{
		return R == Other.R && G == Other.G && B == Other.B && A == Other.A;
	}

	constexpr bool operator!=(const FLinearColor& Other) const { return !(*this == Other); }

	bool Equals(const FLinearColor& Other, float Tolerance = 1.e-4f) const;

	/** "(R=1.000000,G=0.000000,B=0.000000,A=1.000000)" */
	FString ToString() const;

	friend uint32 GetTypeHash(const FLinearColor& Color)
	{
		return HashCombineFast(HashCombineFast(GetTypeHash(Color.R), GetTypeHash(Color.G)),
							   HashCombineFast(GetTypeHash(Color.B), GetTypeHash(Color.A)));
	}

	static const FLinearColor White;
	static const FLinearColor Gray;
	static const FLinearColor Black;
	static const FLinearColor Transparent;
	static const FLinearColor Red;
	static const FLinearColor Green;
	static const FLinearColor Blue;
	static const FLinearColor Yellow;
};

/** An 8-bit-per-channel sRGB colour, laid out B, G, R, A in memory as the engine's. */
struct CORE_API FColor
{
	uint8 B = 0;
	uint8 G = 0;
	uint8 R = 0;
	uint8 A = 0;

	constexpr FColor() = default;

	constexpr FColor(uint8 InR, uint8 InG, uint8 InB, uint8 InA = 255) : B(InB), G(InG), R(InR), A(InA) {}

	explicit constexpr FColor(EForceInit) {}

	/** From a packed ARGB value (0xAARRGGBB). */
	explicit constexpr FColor(uint32 InColor)
		: B(static_cast<uint8>(InColor)), G(static_cast<uint8>(InColor >> 8)), R(static_cast<uint8>(InColor >> 16)),
		  A(static_cast<uint8>(InColor >> 24))
	{
	}

	constexpr uint32 ToPackedARGB() const
	{
		return (uint32(A) << 24) | (uint32(R) << 16) | (uint32(G) << 8) | uint32(B);
	}

	constexpr uint32 ToPackedABGR() const
	{
		return (uint32(A) << 24) | (uint32(B) << 16) | (uint32(G) << 8) | uint32(R);
	}

	constexpr uint32 ToPackedRGBA() const
	{
		return (uint32(R) << 24) | (uint32(G) << 16) | (uint32(B) << 8) | uint32(A);
	}

	constexpr uint32 ToPackedBGRA() const
	{
		return (uint32(B) << 24) | (uint32(G) << 16) | (uint32(R) << 8) | uint32(A);
	}

	constexpr bool operator==(const FColor& Other) const
	{
		return R == Other.R && G == Other.G && B == Other.B && A == Other.A;
	}

	constexpr bool operator!=(const FColor& Other) const { return !(*this == Other); }

	FLinearColor ReinterpretAsLinear() const { return FLinearColor(R / 255.f, G / 255.f, B / 255.f, A / 255.f); }

	FColor WithAlpha(uint8 Alpha) const { return FColor(R, G, B, Alpha); }

	/** "RRGGBBAA" in upper-case hex. */
	FString ToHex() const;

	/** Reads "RRGGBB", "RRGGBBAA", "RGB" or "RGBA", with or without a leading '#'. */
	static FColor FromHex(const FString& HexString);

	/** "(R=6,G=30,B=50,A=255)" */
	FString ToString() const;

	friend uint32 GetTypeHash(const FColor& Color) { return Color.ToPackedARGB(); }

	static const FColor White;
	static const FColor Black;
	static const FColor Transparent;
	static const FColor Red;
	static const FColor Green;
	static const FColor Blue;
	static const FColor Yellow;
	static const FColor Cyan;
	static const FColor Magenta;
	static const FColor Orange;
	static const FColor Purple;
	static const FColor Turquoise;
	static const FColor Silver;
	static const FColor Emerald;
};
