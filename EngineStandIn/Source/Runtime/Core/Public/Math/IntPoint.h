#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Templates/TypeHash.h"

#include <cmath>

namespace UE::Math
{
	template <typename InIntType>
	struct TIntPoint
	{
		using IntType = InIntType;

		IntType X = 0;
		IntType Y = 0;

		constexpr TIntPoint() = default;

		constexpr TIntPoint(IntType InX, IntType InY) : X(InX), Y(InY) {}

		explicit constexpr TIntPoint(IntType InXY) : X(InXY), Y(InXY) {}

		explicit constexpr TIntPoint(EForceInit) {}

		constexpr TIntPoint operator+(const TIntPoint& Other) const { return TIntPoint(X + Other.X, Y + Other.Y); }

		constexpr TIntPoint operator-(const TIntPoint& Other) const { return TIntPoint(X - Other.X, Y - Other.Y); }

		constexpr TIntPoint operator*(IntType Scale) const { return TIntPoint(X * Scale, Y * Scale); }

		constexpr TIntPoint operator/(IntType Divisor) const { return TIntPoint(X / Divisor, Y / Divisor); }

		constexpr bool operator==(const TIntPoint& Other) const { return X == Other.X && Y == Other.Y; }

		constexpr bool operator!=(const TIntPoint& Other) const { return !(*this == Other); }

		IntType& operator[](int32 Index) { return Index == 0 ? X : Y; }

		IntType Size() const { return static_cast<IntType>(std::sqrt(static_cast<double>(X * X + Y * Y))); }

		FString ToString() const
		{
			return FString::Printf(TEXT("X=%lld Y=%lld"), static_cast<int64>(X), static_cast<int64>(Y));
		}

		friend uint32 GetTypeHash(const TIntPoint& Point)
		{
			return HashCombineFast(GetTypeHash(Point.X), GetTypeHash(Point.Y));
		}

		static const TIntPoint ZeroValue;
		static const TIntPoint NoneValue;
	};

	template <typename IntType>
	inline const TIntPoint<IntType> TIntPoint<IntType>::ZeroValue(0, 0);

	template <typename IntType>
	inline const TIntPoint<IntType> TIntPoint<IntType>::NoneValue(INDEX_NONE, INDEX_NONE);
}

using FIntPoint = UE::Math::TIntPoint<int32>;
using FInt64Point = UE::Math::TIntPoint<int64>;
