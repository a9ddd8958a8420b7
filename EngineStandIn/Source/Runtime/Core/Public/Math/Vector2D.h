#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Math/UnrealMathUtility.h"
#include "Templates/TypeHash.h"

namespace UE::Math
{
	template <typename T>
	struct TVector2
	{
		using FReal = T;

		T X = 0;
		T Y = 0;

		constexpr TVector2() = default;

		constexpr TVector2(T InX, T InY) : X(InX), Y(InY) {}

		explicit constexpr TVector2(T InF) : X(InF), Y(InF) {}

		explicit constexpr TVector2(EForceInit) {}

		constexpr TVector2 operator+(const TVector2& V) const { return TVector2(X + V.X, Y + V.Y); }

		constexpr TVector2 operator-(const TVector2& V) const { return TVector2(X - V.X, Y - V.Y); }

		constexpr TVector2 operator*(T Scale) const { return TVector2(X * Scale, Y * Scale); }

		constexpr TVector2 operator/(T Scale) const { return TVector2(X / Scale, Y / Scale); }

		constexpr TVector2 operator*(const TVector2& V) const { return TVector2(X * V.X, Y * V.Y); }

		constexpr TVector2 operator-() const { return TVector2(-X, -Y); }

		TVector2& operator+=(const TVector2& V)
		{
			X += V.X;
			Y += V.Y;
			return *this;
		}

		TVector2& operator-=(const TVector2& V)
		{
			X -= V.X;
			Y -= V.Y;
			return *this;
		}

		TVector2& operator*=(T Scale)
		{
			X *= Scale;
			Y *= Scale;
			return *this;
		}

		constexpr bool operator==(const TVector2& V) const { return X == V.X && Y == V.Y; }

		constexpr bool operator!=(const TVector2& V) const { return !(*this == V); }

		bool Equals(const TVector2& V, T Tolerance = static_cast<T>(UE_KINDA_SMALL_NUMBER)) const
		{
			return FMath::Abs(X - V.X) <= Tolerance && FMath::Abs(Y - V.Y) <= Tolerance;
		}

		T Size() const { return std::sqrt(X * X + Y * Y); }

		T SizeSquared() const { return X * X + Y * Y; }

		bool IsZero() const { return X == 0 && Y == 0; }

		FString ToString() const
		{
			return FString::Printf(TEXT("X=%3.3f Y=%3.3f"), static_cast<double>(X), static_cast<double>(Y));
		}

		friend uint32 GetTypeHash(const TVector2& V) { return HashCombineFast(GetTypeHash(V.X), GetTypeHash(V.Y)); }

		static const TVector2 ZeroVector;
		static const TVector2 UnitVector;
	};

	template <typename T>
	inline const TVector2<T> TVector2<T>::ZeroVector(0, 0);

	template <typename T>
	inline const TVector2<T> TVector2<T>::UnitVector(1, 1);

	template <typename T>
	constexpr TVector2<T> operator*(T Scale, const TVector2<T>& V)
	{
		return V * Scale;
	}
}

using FVector2D = UE::Math::TVector2<double>;
using FVector2f = UE::Math::TVector2<float>;
