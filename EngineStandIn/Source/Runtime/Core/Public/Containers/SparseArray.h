#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Misc/AssertionMacros.h"
#include "Templates/UnrealTemplate.h"

#include <algorithm>
#include <new>
#include <type_traits>

/**
 * An array whose removed elements leave holes, so the indices of the others never change.
 *
 * The order of its elements is the order of their indices, and which index a new element gets is part of
 * the engine's observable behaviour (sets and maps iterate in this order): a new element takes the most
 * recently freed index if there is one, otherwise it is appended. Empty and Reset forget the holes.
 */
template <typename InElementType>
class TSparseArray
{
public:
	using ElementType = InElementType;

	TSparseArray() = default;

	TSparseArray(const TSparseArray& Other) { CopyFrom(Other); }

	TSparseArray(TSparseArray&& Other) noexcept { MoveFrom(Other); }

	~TSparseArray() { Empty(); }

	TSparseArray& operator=(const TSparseArray& Other)
	{
		if (this != &Other)
		{
			Empty();
			CopyFrom(Other);
		}
		return *this;
	}

	TSparseArray& operator=(TSparseArray&& Other) noexcept
	{
		if (this != &Other)
		{
			Empty();
			MoveFrom(Other);
		}
		return *this;
	}

	/** Constructs an element in the next free index and returns that index. */
	template <typename... ArgsType>
	int32 Emplace(ArgsType&&... Args)
	{
		int32 Index;
		if (FirstFreeIndex != INDEX_NONE)
		{
			Index = FirstFreeIndex;
			FirstFreeIndex = Slots[Index].NextFreeIndex;
			--NumFreeIndices;
		}
		else
		{
			if (Slots.Num() == MaxSlots)
			{
				Grow(Slots.Num() + 1);
			}
			Index = Slots.Add(FSlotInfo());
		}
		new (Elements + Index) ElementType(Forward<ArgsType>(Args)...);
		Slots[Index].bAllocated = true;
		Slots[Index].NextFreeIndex = INDEX_NONE;
		return Index;
	}

	void RemoveAt(int32 Index)
	{
		checkf(IsAllocated(Index), TEXT("Sparse array index %d is not allocated"), Index);
		Elements[Index].~ElementType();
		Slots[Index].bAllocated = false;
		Slots[Index].NextFreeIndex = FirstFreeIndex;
		FirstFreeIndex = Index;
		++NumFreeIndices;
	}

	void Empty(int32 ExpectedNumElements = 0)
	{
		DestructAll();
		Slots.Empty();
		FreeStorage();
		if (ExpectedNumElements > 0)
		{
			Grow(ExpectedNumElements);
		}
	}

	void Reset()
	{
		DestructAll();
		Slots.Reset();
	}

	void Reserve(int32 ExpectedNumElements)
	{
		if (ExpectedNumElements > MaxSlots)
		{
			Grow(ExpectedNumElements);
		}
	}

	int32 Num() const { return Slots.Num() - NumFreeIndices; }

	/** One past the highest index in use or freed. */
	int32 GetMaxIndex() const { return Slots.Num(); }

	bool IsEmpty() const { return Num() == 0; }

	bool IsValidIndex(int32 Index) const { return IsAllocated(Index); }

	bool IsAllocated(int32 Index) const { return Index >= 0 && Index < Slots.Num() && Slots[Index].bAllocated; }

	ElementType& operator[](int32 Index)
	{
		checkf(IsAllocated(Index), TEXT("Sparse array index %d is not allocated"), Index);
		return Elements[Index];
	}

	const ElementType& operator[](int32 Index) const
	{
		checkf(IsAllocated(Index), TEXT("Sparse array index %d is not allocated"), Index);
		return Elements[Index];
	}

	/**
	 * Fills the holes with elements taken from the end, as the engine does: this changes the order. Returns
	 * true if any element moved.
	 */
	bool Compact()
	{
		if (NumFreeIndices == 0)
		{
			return false;
		}
		bool bMoved = false;
		int32 EndIndex = Slots.Num();
		const int32 TargetNum = Slots.Num() - NumFreeIndices;
		for (int32 FreeIndex = FirstFreeIndex; FreeIndex != INDEX_NONE;)
		{
			const int32 NextFreeIndex = Slots[FreeIndex].NextFreeIndex;
			if (FreeIndex < TargetNum)
			{
				do
				{
					--EndIndex;
				} while (!Slots[EndIndex].bAllocated);
				MoveSlot(FreeIndex, EndIndex);
				bMoved = true;
			}
			FreeIndex = NextFreeIndex;
		}
		Slots.SetNum(TargetNum, EAllowShrinking::No);
		FirstFreeIndex = INDEX_NONE;
		NumFreeIndices = 0;
		return bMoved;
	}

	/** Removes the holes keeping the elements in order. Returns true if any element moved. */
	bool CompactStable()
	{
		if (NumFreeIndices == 0)
		{
			return false;
		}
		int32 WriteIndex = 0;
		for (int32 ReadIndex = 0; ReadIndex < Slots.Num(); ++ReadIndex)
		{
			if (Slots[ReadIndex].bAllocated)
			{
				if (WriteIndex != ReadIndex)
				{
					MoveSlot(WriteIndex, ReadIndex);
				}
				++WriteIndex;
			}
		}
		Slots.SetNum(WriteIndex, EAllowShrinking::No);
		FirstFreeIndex = INDEX_NONE;
		NumFreeIndices = 0;
		return true;
	}

	/** Stable sort of the elements, which leaves them packed from index 0. */
	template <typename PredicateType>
	void StableSort(const PredicateType& Predicate)
	{
		CompactStable();
		std::stable_sort(Elements, Elements + Slots.Num(), Predicate);
	}

	template <bool bConst>
	class TBaseIterator
	{
		using ArrayType = std::conditional_t<bConst, const TSparseArray, TSparseArray>;
		using ItElementType = std::conditional_t<bConst, const ElementType, ElementType>;

	public:
		TBaseIterator(ArrayType& InArray, int32 StartIndex) : Array(&InArray), Index(StartIndex) { SkipHoles(); }

		TBaseIterator& operator++()
		{
			++Index;
			SkipHoles();
			return *this;
		}

		explicit operator bool() const { return Index < Array->GetMaxIndex(); }

		int32 GetIndex() const { return Index; }

		ItElementType& operator*() const { return (*Array)[Index]; }

		ItElementType* operator->() const { return &(*Array)[Index]; }

		/** The slot is freed but the walk goes on from it; no other element moves. */
		void RemoveCurrent()
		{
			static_assert(!bConst, "Cannot remove through a const iterator");
			Array->RemoveAt(Index);
		}

		friend bool operator==(const TBaseIterator& Lhs, const TBaseIterator& Rhs)
		{
			return Lhs.Array == Rhs.Array && Lhs.Index == Rhs.Index;
		}

		friend bool operator!=(const TBaseIterator& Lhs, const TBaseIterator& Rhs) { return !(Lhs == Rhs); }

	private:
		void SkipHoles()
		{
			while (Index < Array->GetMaxIndex() && !Array->IsAllocated(Index))
			{
				++Index;
			}
		}

		ArrayType* Array;
		int32 Index;
	};

	using TIterator = TBaseIterator<false>;
	using TConstIterator = TBaseIterator<true>;

	TIterator CreateIterator() { return TIterator(*this, 0); }

	TConstIterator CreateConstIterator() const { return TConstIterator(*this, 0); }

	TIterator begin() { return TIterator(*this, 0); }

	TIterator end() { return TIterator(*this, GetMaxIndex()); }

	TConstIterator begin() const { return TConstIterator(*this, 0); }

	TConstIterator end() const { return TConstIterator(*this, GetMaxIndex()); }

	SIZE_T GetAllocatedSize() const
	{
		return static_cast<SIZE_T>(MaxSlots) * sizeof(ElementType) + Slots.GetAllocatedSize();
	}

private:
	struct FSlotInfo
	{
		int32 NextFreeIndex = INDEX_NONE;
		bool bAllocated = false;
	};

	void MoveSlot(int32 DestIndex, int32 SourceIndex)
	{
		new (Elements + DestIndex) ElementType(MoveTemp(Elements[SourceIndex]));
		Elements[SourceIndex].~ElementType();
		Slots[DestIndex].bAllocated = true;
		Slots[DestIndex].NextFreeIndex = INDEX_NONE;
		Slots[SourceIndex].bAllocated = false;
	}

	void Grow(int32 MinSlots)
	{
		int32 NewMax = MaxSlots < 4 ? 4 : MaxSlots;
		while (NewMax < MinSlots)
		{
			NewMax += NewMax / 2 + 4;
		}
		ElementType* NewElements = static_cast<ElementType*>(
			::operator new(static_cast<SIZE_T>(NewMax) * sizeof(ElementType), std::align_val_t(alignof(ElementType))));
		for (int32 Index = 0; Index < Slots.Num(); ++Index)
		{
			if (Slots[Index].bAllocated)
			{
				new (NewElements + Index) ElementType(MoveTemp(Elements[Index]));
				Elements[Index].~ElementType();
			}
		}
		FreeStorage();
		Elements = NewElements;
		MaxSlots = NewMax;
		Slots.Reserve(NewMax);
	}

	void FreeStorage()
	{
		if (Elements)
		{
			::operator delete(static_cast<void*>(Elements), std::align_val_t(alignof(ElementType)));
			Elements = nullptr;
		}
		MaxSlots = 0;
	}

	void DestructAll()
	{
		for (int32 Index = 0; Index < Slots.Num(); ++Index)
		{
			if (Slots[Index].bAllocated)
			{
				Elements[Index].~ElementType();
				Slots[Index].bAllocated = false;
			}
		}
		FirstFreeIndex = INDEX_NONE;
		NumFreeIndices = 0;
	}

	void CopyFrom(const TSparseArray& Other)
	{
		if (Other.Slots.Num() > 0)
		{
			Grow(Other.Slots.Num());
		}
		Slots = Other.Slots;
		for (int32 Index = 0; Index < Slots.Num(); ++Index)
		{
			if (Slots[Index].bAllocated)
			{
				new (Elements + Index) ElementType(Other.Elements[Index]);
			}
		}
		FirstFreeIndex = Other.FirstFreeIndex;
		NumFreeIndices = Other.NumFreeIndices;
	}

	void MoveFrom(TSparseArray& Other)
	{
		Elements = Other.Elements;
		MaxSlots = Other.MaxSlots;
		Slots = MoveTemp(Other.Slots);
		FirstFreeIndex = Other.FirstFreeIndex;
		NumFreeIndices = Other.NumFreeIndices;
		Other.Elements = nullptr;
		Other.MaxSlots = 0;
		Other.Slots.Empty();
		Other.FirstFreeIndex = INDEX_NONE;
		Other.NumFreeIndices = 0;
	}

	ElementType* Elements = nullptr;
	int32 MaxSlots = 0;
	TArray<FSlotInfo> Slots;
	int32 FirstFreeIndex = INDEX_NONE;
	int32 NumFreeIndices = 0;
};
