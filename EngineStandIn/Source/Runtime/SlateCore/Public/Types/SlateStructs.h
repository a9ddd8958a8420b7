#pragma once

#include "CoreTypes.h"
#include "Misc/Optional.h"

/** A size that may be left unspecified. */
struct FOptionalSize
{
	static constexpr float Unspecified = -1.0f;

	FOptionalSize() = default;

	FOptionalSize(const float SpecifiedSize) : Size(SpecifiedSize) {}

	FOptionalSize(const TOptional<float>& OptionalSize) : Size(OptionalSize.IsSet() ? OptionalSize.GetValue() : Unspecified)
	{
	}

	bool IsSet() const { return Size != Unspecified; }

	float Get() const { return Size; }

	bool operator==(const FOptionalSize& Other) const { return Size == Other.Size; }

protected:
	float Size = Unspecified;
};
