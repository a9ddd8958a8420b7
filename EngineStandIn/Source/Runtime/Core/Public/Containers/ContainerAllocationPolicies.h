#pragma once

#include "CoreTypes.h"

#include <type_traits>

/**
 * Allocators only choose the index type here: every container keeps its elements in one heap block, which
 * is what the engine's allocators look like from the outside.
 */
template <int IndexSize>
class TSizedDefaultAllocator
{
public:
	static_assert(IndexSize == 32 || IndexSize == 64, "Unsupported allocator index size");
	using SizeType = std::conditional_t<IndexSize == 32, int32, int64>;
};

using FDefaultAllocator = TSizedDefaultAllocator<32>;
using FDefaultAllocator64 = TSizedDefaultAllocator<64>;
using FHeapAllocator = FDefaultAllocator;

/** Behaves as a heap allocator; the inline element count is a performance hint only. */
template <uint32 NumInlineElements, typename SecondaryAllocator = FDefaultAllocator>
class TInlineAllocator
{
public:
	using SizeType = int32;
};

class FDefaultSetAllocator
{
};

class FDefaultSparseArrayAllocator
{
};

template <typename AllocatorType>
struct TAllocatorTraits
{
	enum
	{
		IsZeroConstruct = false
	};
};
