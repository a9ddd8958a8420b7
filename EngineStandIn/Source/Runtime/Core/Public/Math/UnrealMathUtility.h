#pragma once

#include "CoreTypes.h"

#include <cmath>
#include <type_traits>

#define UE_PI (3.1415926535897932f)
#define UE_DOUBLE_PI (3.141592653589793238462643383279502884197169399)
#define UE_SMALL_NUMBER (1.e-8f)
#define UE_KINDA_SMALL_NUMBER (1.e-4f)
#define UE_BIG_NUMBER (3.4e+38f)
#define UE_DOUBLE_SMALL_NUMBER (1.e-8)
#define UE_DOUBLE_KINDA_SMALL_NUMBER (1.e-4)

struct CORE_API FMath
{
	template <typename T>
	static constexpr T Min(const T A, const T B)
	{
		return A < B ? A : B;
	}

	template <typename T>
	static constexpr T Max(const T A, const T B)
	{
		return A < B ? B : A;
	}

	template <typename T>
	static constexpr T Min3(const T A, const T B, const T C)
	{
		return Min(Min(A, B), C);
	}

	template <typename T>
	static constexpr T Max3(const T A, const T B, const T C)
	{
		return Max(Max(A, B), C);
	}

	template <typename T>
	static constexpr T Clamp(const T X, const T MinValue, const T MaxValue)
	{
		return X < MinValue ? MinValue : (X < MaxValue ? X : MaxValue);
	}

	template <typename T>
	static constexpr T Abs(const T A)
	{
		return A < T(0) ? -A : A;
	}

	template <typename T>
	static constexpr T Sign(const T A)
	{
		return A > T(0) ? T(1) : (A < T(0) ? T(-1) : T(0));
	}

	template <typename T>
	static constexpr T Square(const T A)
	{
		return A * A;
	}

	template <typename T, typename U>
	static constexpr T Lerp(const T& A, const T& B, const U& Alpha)
	{
		return static_cast<T>(A + Alpha * (B - A));
	}

	template <typename T>
	static constexpr T DivideAndRoundUp(T Dividend, T Divisor)
	{
		return (Dividend + Divisor - 1) / Divisor;
	}

	template <typename T>
	static constexpr bool IsPowerOfTwo(T Value)
	{
		return Value > 0 && (Value & (Value - 1)) == 0;
	}

	static constexpr uint32 RoundUpToPowerOfTwo(uint32 Value)
	{
		uint32 Result = 1;
		while (Result < Value)
		{
			Result <<= 1;
		}
		return Result;
	}

	static int32 FloorToInt(float F) { return static_cast<int32>(std::floor(F)); }

	static int32 FloorToInt(double F) { return static_cast<int32>(std::floor(F)); }

	static int32 CeilToInt(float F) { return static_cast<int32>(std::ceil(F)); }

	static int32 CeilToInt(double F) { return static_cast<int32>(std::ceil(F)); }

	static int32 RoundToInt(float F) { return FloorToInt(F + 0.5f); }

	static int32 RoundToInt(double F) { return FloorToInt(F + 0.5); }

	static int32 TruncToInt(float F) { return static_cast<int32>(F); }

	static int32 TruncToInt(double F) { return static_cast<int32>(F); }

	static float FloorToFloat(float F) { return std::floor(F); }

	static double FloorToDouble(double F) { return std::floor(F); }

	template <typename T>
	static T Sqrt(T Value)
	{
		return std::sqrt(Value);
	}

	template <typename T>
	static T Pow(T A, T B)
	{
		return std::pow(A, B);
	}

	template <typename T>
	static T Loge(T Value)
	{
		return std::log(Value);
	}

	template <typename T>
	static T Fmod(T X, T Y)
	{
		return std::fmod(X, Y);
	}

	template <typename T>
	static bool IsNearlyEqual(T A, T B, T ErrorTolerance = static_cast<T>(UE_SMALL_NUMBER))
	{
		return Abs(A - B) <= ErrorTolerance;
	}

	template <typename T>
	static bool IsNearlyZero(T Value, T ErrorTolerance = static_cast<T>(UE_SMALL_NUMBER))
	{
		return Abs(Value) <= ErrorTolerance;
	}

	static bool IsNaN(double A) { return std::isnan(A); }

	static bool IsFinite(double A) { return std::isfinite(A); }

	/** A random integer in [0, RAND_MAX]. */
	static int32 Rand();
	/** A random float in [0, 1). */
	static float FRand();
	static void RandInit(int32 Seed);
	/** A random integer in [Min, Max], both included. */
	static int32 RandRange(int32 Min, int32 Max);
	static int64 RandRange(int64 Min, int64 Max);
	static float RandRange(float InMin, float InMax);
	static double RandRange(double InMin, double InMax);
	static bool RandBool();
};
