#pragma once

#include "CoreTypes.h"

namespace Algo
{
	/** Whether the predicate accepts any element of the range; false for an empty range. */
	template <typename RangeType, typename PredicateType>
	bool AnyOf(const RangeType& Range, PredicateType Predicate)
	{
		for (const auto& Element : Range)
		{
			if (Predicate(Element))
			{
				return true;
			}
		}
		return false;
	}
}
