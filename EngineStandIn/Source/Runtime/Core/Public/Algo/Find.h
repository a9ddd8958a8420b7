#pragma once

#include "CoreTypes.h"

#include <iterator>

namespace Algo
{
	/** A pointer to the first element equal to Value, or nullptr. */
	template <typename RangeType, typename ValueType>
	auto Find(RangeType& Range, const ValueType& Value) -> decltype(&*std::begin(Range))
	{
		for (auto& Element : Range)
		{
			if (Element == Value)
			{
				return &Element;
			}
		}
		return nullptr;
	}

	/** A pointer to the first element the predicate accepts, or nullptr. */
	template <typename RangeType, typename PredicateType>
	auto FindByPredicate(RangeType& Range, PredicateType Predicate) -> decltype(&*std::begin(Range))
	{
		for (auto& Element : Range)
		{
			if (Predicate(Element))
			{
				return &Element;
			}
		}
		return nullptr;
	}
}
