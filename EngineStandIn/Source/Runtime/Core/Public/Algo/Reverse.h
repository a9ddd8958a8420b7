#pragma once

#include "CoreTypes.h"
#include "Templates/UnrealTemplate.h"

#include <algorithm>
#include <iterator>

namespace Algo
{
	/** Reverses a range in place: Algo::Reverse(MyArray). */
	template <typename RangeType>
	void Reverse(RangeType&& Range)
	{
		if constexpr (requires {
						  Range.GetData();
						  Range.Num();
					  })
		{
			std::reverse(Range.GetData(), Range.GetData() + Range.Num());
		}
		else
		{
			std::reverse(std::begin(Range), std::end(Range));
		}
	}
}
