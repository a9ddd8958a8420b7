#pragma once

#include "CoreMinimal.h"

namespace UE::Slate
{
	/** A Slate size or position parameter: accepts the engine's double and float 2D vectors alike. */
	struct FDeprecateVector2DParameter : public FVector2f
	{
		FDeprecateVector2DParameter() = default;

		FDeprecateVector2DParameter(float InX, float InY) : FVector2f(InX, InY) {}

		FDeprecateVector2DParameter(const FVector2f& InVector) : FVector2f(InVector) {}

		FDeprecateVector2DParameter(const FVector2D& InVector)
			: FVector2f(static_cast<float>(InVector.X), static_cast<float>(InVector.Y))
		{
		}

		FVector2f ToVector2f() const { return FVector2f(X, Y); }
	};

	/** A Slate size or position result: reads as a float or as a double 2D vector. */
	struct FDeprecateVector2DResult : public FVector2f
	{
		FDeprecateVector2DResult() = default;

		FDeprecateVector2DResult(const FVector2f& InVector) : FVector2f(InVector) {}

		operator FVector2D() const { return FVector2D(X, Y); }

		FVector2f ToVector2f() const { return FVector2f(X, Y); }
	};
}

/** A stored Slate size: a float 2D vector that also reads as a double one. */
struct FDeprecateSlateVector2D : public FVector2f
{
	FDeprecateSlateVector2D() = default;

	FDeprecateSlateVector2D(float InX, float InY) : FVector2f(InX, InY) {}

	FDeprecateSlateVector2D(const FVector2f& InVector) : FVector2f(InVector) {}

	FDeprecateSlateVector2D(const FVector2D& InVector)
		: FVector2f(static_cast<float>(InVector.X), static_cast<float>(InVector.Y))
	{
	}

	operator FVector2D() const { return FVector2D(X, Y); }
};
