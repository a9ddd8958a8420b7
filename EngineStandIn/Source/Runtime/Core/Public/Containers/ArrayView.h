#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Misc/AssertionMacros.h"

#include <initializer_list>
#include <type_traits>

/** A non-owning view of contiguous elements; it must not outlive what it views. */
template <typename InElementType, typename InSizeType = int32>
class TArrayView
{
public:
	using ElementType = InElementType;
	using SizeType = InSizeType;

	TArrayView() = default;

	TArrayView(ElementType* InData, SizeType InCount) : DataPtr(InData), ArrayNum(InCount) { check(ArrayNum >= 0); }

	template <typename OtherElementType, typename OtherAllocatorType,
			  typename = std::enable_if_t<std::is_convertible_v<OtherElementType (*)[], ElementType (*)[]>>>
	TArrayView(TArray<OtherElementType, OtherAllocatorType>& Other)
		: DataPtr(Other.GetData()), ArrayNum(ToSize(Other.Num()))
	{
	}

	template <typename OtherElementType, typename OtherAllocatorType,
			  typename = std::enable_if_t<std::is_convertible_v<const OtherElementType (*)[], ElementType (*)[]>>>
	TArrayView(const TArray<OtherElementType, OtherAllocatorType>& Other)
		: DataPtr(Other.GetData()), ArrayNum(ToSize(Other.Num()))
	{
	}

	template <typename OtherElementType, typename OtherSizeType,
			  typename = std::enable_if_t<std::is_convertible_v<OtherElementType (*)[], ElementType (*)[]>>>
	TArrayView(const TArrayView<OtherElementType, OtherSizeType>& Other)
		: DataPtr(Other.GetData()), ArrayNum(ToSize(Other.Num()))
	{
	}

	template <typename OtherElementType, SIZE_T N,
			  typename = std::enable_if_t<std::is_convertible_v<OtherElementType (*)[], ElementType (*)[]>>>
	TArrayView(OtherElementType (&Array)[N]) : DataPtr(Array), ArrayNum(static_cast<SizeType>(N))
	{
	}

	TArrayView(std::initializer_list<std::remove_const_t<ElementType>> List)
		: DataPtr(List.begin()), ArrayNum(static_cast<SizeType>(List.size()))
	{
		static_assert(std::is_const_v<ElementType>,
					  "Only a view of const elements can be made from an initializer list");
	}

	ElementType* GetData() const { return DataPtr; }

	SizeType Num() const { return ArrayNum; }

	bool IsEmpty() const { return ArrayNum == 0; }

	bool IsValidIndex(SizeType Index) const { return Index >= 0 && Index < ArrayNum; }

	static constexpr SIZE_T GetTypeSize() { return sizeof(ElementType); }

	ElementType& operator[](SizeType Index) const
	{
		checkf(IsValidIndex(Index), TEXT("Array index out of bounds: %lld into an array of size %lld"),
			   static_cast<int64>(Index), static_cast<int64>(ArrayNum));
		return DataPtr[Index];
	}

	ElementType& Last(SizeType IndexFromTheEnd = 0) const { return (*this)[ArrayNum - IndexFromTheEnd - 1]; }

	TArrayView Slice(SizeType Index, SizeType InNum) const
	{
		check(InNum >= 0 && Index >= 0 && Index + InNum <= ArrayNum);
		return TArrayView(DataPtr + Index, InNum);
	}

	TArrayView Left(SizeType Count) const { return Slice(0, Count < 0 ? 0 : (Count > ArrayNum ? ArrayNum : Count)); }

	TArrayView RightChop(SizeType Count) const
	{
		const SizeType Start = Count < 0 ? 0 : (Count > ArrayNum ? ArrayNum : Count);
		return Slice(Start, ArrayNum - Start);
	}

	template <typename ComparisonType>
	SizeType Find(const ComparisonType& Item) const
	{
		for (SizeType Index = 0; Index < ArrayNum; ++Index)
		{
			if (DataPtr[Index] == Item)
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	template <typename ComparisonType>
	bool Contains(const ComparisonType& Item) const
	{
		return Find(Item) != INDEX_NONE;
	}

	template <typename PredicateType>
	ElementType* FindByPredicate(PredicateType Predicate) const
	{
		for (SizeType Index = 0; Index < ArrayNum; ++Index)
		{
			if (Predicate(DataPtr[Index]))
			{
				return DataPtr + Index;
			}
		}
		return nullptr;
	}

	ElementType* begin() const { return DataPtr; }

	ElementType* end() const { return DataPtr + ArrayNum; }

private:
	template <typename OtherSizeType>
	static SizeType ToSize(OtherSizeType Count)
	{
		checkf(static_cast<int64>(Count) <= static_cast<int64>(TNumericLimits<SizeType>::Max()),
			   TEXT("Array is too large for this view"));
		return static_cast<SizeType>(Count);
	}

	ElementType* DataPtr = nullptr;
	SizeType ArrayNum = 0;
};

template <typename T>
using TArrayView64 = TArrayView<T, int64>;

template <typename T>
using TConstArrayView = TArrayView<const T>;

template <typename T>
using TConstArrayView64 = TArrayView<const T, int64>;

template <typename ElementType>
TArrayView<ElementType> MakeArrayView(ElementType* Pointer, int32 Size)
{
	return TArrayView<ElementType>(Pointer, Size);
}

template <typename ElementType, typename AllocatorType>
TArrayView<ElementType> MakeArrayView(TArray<ElementType, AllocatorType>& Array)
{
	return TArrayView<ElementType>(Array.GetData(), static_cast<int32>(Array.Num()));
}

template <typename ElementType, typename AllocatorType>
TArrayView<const ElementType> MakeArrayView(const TArray<ElementType, AllocatorType>& Array)
{
	return TArrayView<const ElementType>(Array.GetData(), static_cast<int32>(Array.Num()));
}
