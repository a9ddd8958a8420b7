#include "Math/Color.h"

#include "Math/UnrealMathUtility.h"

#include <cmath>

namespace
{
	float SRGBToLinear(uint8 Channel)
	{
		const float Value = Channel / 255.0f;
		return Value <= 0.04045f ? Value / 12.92f : std::pow((Value + 0.055f) / 1.055f, 2.4f);
	}

	uint8 LinearToSRGB(float Value)
	{
		Value = FMath::Clamp(Value, 0.0f, 1.0f);
		const float Encoded = Value <= 0.0031308f ? Value * 12.92f : 1.055f * std::pow(Value, 1.0f / 2.4f) - 0.055f;
		return static_cast<uint8>(FMath::FloorToInt(Encoded * 255.999f));
	}

	uint8 Quantize(float Value)
	{
		return static_cast<uint8>(FMath::RoundToInt(FMath::Clamp(Value, 0.0f, 1.0f) * 255.0f));
	}

	int32 HexDigit(TCHAR Char)
	{
		if (Char >= TEXT('0') && Char <= TEXT('9'))
		{
			return Char - TEXT('0');
		}
		if (Char >= TEXT('a') && Char <= TEXT('f'))
		{
			return Char - TEXT('a') + 10;
		}
		if (Char >= TEXT('A') && Char <= TEXT('F'))
		{
			return Char - TEXT('A') + 10;
		}
		return 0;
	}
}

const FLinearColor FLinearColor::White(1.f, 1.f, 1.f);
const FLinearColor FLinearColor::Gray(0.5f, 0.5f, 0.5f);
const FLinearColor FLinearColor::Black(0.f, 0.f, 0.f);
const FLinearColor FLinearColor::Transparent(0.f, 0.f, 0.f, 0.f);
const FLinearColor FLinearColor::Red(1.f, 0.f, 0.f);
const FLinearColor FLinearColor::Green(0.f, 1.f, 0.f);
const FLinearColor FLinearColor::Blue(0.f, 0.f, 1.f);
const FLinearColor FLinearColor::Yellow(1.f, 1.f, 0.f);

const FColor FColor::White(255, 255, 255);
const FColor FColor::Black(0, 0, 0);
const FColor FColor::Transparent(0, 0, 0, 0);
const FColor FColor::Red(255, 0, 0);
const FColor FColor::Green(0, 255, 0);
const FColor FColor::Blue(0, 0, 255);
const FColor FColor::Yellow(255, 255, 0);
const FColor FColor::Cyan(0, 255, 255);
const FColor FColor::Magenta(255, 0, 255);
const FColor FColor::Orange(243, 156, 18);
const FColor FColor::Purple(169, 7, 228);
const FColor FColor::Turquoise(26, 188, 156);
const FColor FColor::Silver(189, 195, 199);
const FColor FColor::Emerald(46, 204, 113);

FLinearColor::FLinearColor(const FColor& Color)
	: R(SRGBToLinear(Color.R)), G(SRGBToLinear(Color.G)), B(SRGBToLinear(Color.B)), A(Color.A / 255.0f)
{
}

FLinearColor FLinearColor::FromSRGBColor(const FColor& Color)
{
	return FLinearColor(Color);
}

FColor FLinearColor::ToFColor(const bool bSRGB) const
{
	if (bSRGB)
	{
		return FColor(LinearToSRGB(R), LinearToSRGB(G), LinearToSRGB(B), Quantize(A));
	}
	return FColor(static_cast<uint8>(FMath::FloorToInt(FMath::Clamp(R, 0.f, 1.f) * 255.999f)),
				  static_cast<uint8>(FMath::FloorToInt(FMath::Clamp(G, 0.f, 1.f) * 255.999f)),
				  static_cast<uint8>(FMath::FloorToInt(FMath::Clamp(B, 0.f, 1.f) * 255.999f)),
				  static_cast<uint8>(FMath::FloorToInt(FMath::Clamp(A, 0.f, 1.f) * 255.999f)));
}

FColor FLinearColor::ToFColorSRGB() const
{
	return ToFColor(true);
}

FColor FLinearColor::QuantizeRound() const
{
	return FColor(Quantize(R), Quantize(G), Quantize(B), Quantize(A));
}

bool FLinearColor::Equals(const FLinearColor& Other, float Tolerance) const
{
	return FMath::Abs(R - Other.R) < Tolerance && FMath::Abs(G - Other.G) < Tolerance &&
		   FMath::Abs(B - Other.B) < Tolerance && FMath::Abs(A - Other.A) < Tolerance;
}

FString FLinearColor::ToString() const
{
	return FString::Printf(TEXT("(R=%f,G=%f,B=%f,A=%f)"), R, G, B, A);
}

FString FColor::ToHex() const
{
	return FString::Printf(TEXT("%02X%02X%02X%02X"), R, G, B, A);
}

FColor FColor::FromHex(const FString& HexString)
{
	const int32 Start = HexString.StartsWith(TEXT("#")) ? 1 : 0;
	const int32 Length = HexString.Len() - Start;
	auto Digit = [&HexString, Start](int32 Index) { return HexDigit(HexString[Start + Index]); };
	if (Length == 3 || Length == 4)
	{
		return FColor(static_cast<uint8>(Digit(0) * 17), static_cast<uint8>(Digit(1) * 17),
					  static_cast<uint8>(Digit(2) * 17), Length == 4 ? static_cast<uint8>(Digit(3) * 17) : 255);
	}
	if (Length == 6 || Length == 8)
	{
		return FColor(static_cast<uint8>(Digit(0) * 16 + Digit(1)), static_cast<uint8>(Digit(2) * 16 + Digit(3)),
					  static_cast<uint8>(Digit(4) * 16 + Digit(5)),
					  Length == 8 ? static_cast<uint8>(Digit(6) * 16 + Digit(7)) : 255);
	}
	return FColor(ForceInit);
}

FString FColor::ToString() const
{
	return FString::Printf(TEXT("(R=%i,G=%i,B=%i,A=%i)"), R, G, B, A);
}
