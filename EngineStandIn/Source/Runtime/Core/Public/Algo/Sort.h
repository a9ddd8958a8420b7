#pragma once

#include "CoreTypes.h"

#include <algorithm>
#include <functional>
#include <iterator>

namespace Algo
{
	namespace Private
	{
		/** Sorts contiguous containers (TArray and friends) through their data pointer. */
		template <typename RangeType, typename SortType>
		void SortRange(RangeType& Range, const SortType& SortFunction)
		{
			if constexpr (requires {
							  Range.GetData();
							  Range.Num();
						  })
			{
				SortFunction(Range.GetData(), Range.GetData() + Range.Num());
			}
			else
			{
				SortFunction(std::begin(Range), std::end(Range));
			}
		}
	}

	/** Sorts a range with operator<; unlike TArray::Sort, pointers are compared as pointers. */
	template <typename RangeType>
	void Sort(RangeType&& Range)
	{
		Private::SortRange(Range, [](auto First, auto Last) { std::sort(First, Last); });
	}

	template <typename RangeType, typename PredicateType>
	void Sort(RangeType&& Range, PredicateType Predicate)
	{
		Private::SortRange(Range, [&Predicate](auto First, auto Last) { std::sort(First, Last, Predicate); });
	}

	template <typename RangeType, typename ProjectionType>
	void SortBy(RangeType&& Range, ProjectionType Projection)
	{
		Sort(Range, [&Projection](const auto& A, const auto& B)
			 { return std::invoke(Projection, A) < std::invoke(Projection, B); });
	}

	template <typename RangeType>
	void StableSort(RangeType&& Range)
	{
		Private::SortRange(Range, [](auto First, auto Last) { std::stable_sort(First, Last); });
	}

	template <typename RangeType, typename PredicateType>
	void StableSort(RangeType&& Range, PredicateType Predicate)
	{
		Private::SortRange(Range, [&Predicate](auto First, auto Last) { std::stable_sort(First, Last, Predicate); });
	}
}
