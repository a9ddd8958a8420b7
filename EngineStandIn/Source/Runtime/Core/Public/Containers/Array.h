#pragma once

#include "CoreTypes.h"
#include "Containers/AllowShrinking.h"
#include "Containers/ContainerAllocationPolicies.h"
#include "Misc/AssertionMacros.h"
#include "Templates/UnrealTemplate.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <new>
#include <type_traits>

template <typename InElementType, typename InAllocatorType = FDefaultAllocator>
class TArray;

template <typename InElementType, typename InSizeType>
class TArrayView;

template <typename T>
using TArray64 = TArray<T, FDefaultAllocator64>;

namespace UE::Core::Private::Array
{
	template <typename T>
	struct TIsTArray : std::false_type
	{
	};

	template <typename T, typename A>
	struct TIsTArray<TArray<T, A>> : std::true_type
	{
	};

	/** Sorting an array of pointers compares what they point to, as the engine's TArray::Sort does. */
	template <typename T, typename PredicateType>
	struct TDereferenceWrapper
	{
		const PredicateType& Predicate;

		bool operator()(const T& A, const T& B) const { return Predicate(A, B); }
	};

	template <typename T, typename PredicateType>
	struct TDereferenceWrapper<T*, PredicateType>
	{
		const PredicateType& Predicate;

		bool operator()(T* A, T* B) const { return Predicate(*A, *B); }
	};

	struct FLess
	{
		template <typename A, typename B>
		bool operator()(const A& Lhs, const B& Rhs) const
		{
			return Lhs < Rhs;
		}
	};
}

/**
 * Checks that the array was not resized while a ranged-for walked it, as the engine does: the element
 * pointer would otherwise dangle.
 */
template <typename ElementType, typename SizeType>
class TCheckedPointerIterator
{
public:
	TCheckedPointerIterator(const SizeType& InNum, ElementType* InPtr)
		: Ptr(InPtr), CurrentNum(InNum), InitialNum(InNum)
	{
	}

	ElementType& operator*() const { return *Ptr; }

	ElementType* operator->() const { return Ptr; }

	TCheckedPointerIterator& operator++()
	{
		++Ptr;
		return *this;
	}

	TCheckedPointerIterator& operator--()
	{
		--Ptr;
		return *this;
	}

	friend bool operator!=(const TCheckedPointerIterator& Lhs, const TCheckedPointerIterator& Rhs)
	{
		checkf(Lhs.CurrentNum == Lhs.InitialNum, TEXT("Array has changed during ranged-for iteration!"));
		return Lhs.Ptr != Rhs.Ptr;
	}

	friend bool operator==(const TCheckedPointerIterator& Lhs, const TCheckedPointerIterator& Rhs)
	{
		return !(Lhs != Rhs);
	}

private:
	ElementType* Ptr;
	const SizeType& CurrentNum;
	SizeType InitialNum;
};

/** Index-based iterator over an array, which allows removing the current element. */
template <typename ContainerType, typename ElementType, typename SizeType>
class TIndexedContainerIterator
{
public:
	explicit TIndexedContainerIterator(ContainerType& InContainer, SizeType StartIndex = 0)
		: Container(InContainer), Index(StartIndex)
	{
	}

	TIndexedContainerIterator& operator++()
	{
		++Index;
		return *this;
	}

	TIndexedContainerIterator& operator--()
	{
		--Index;
		return *this;
	}

	ElementType& operator*() const { return Container[Index]; }

	ElementType* operator->() const { return &Container[Index]; }

	explicit operator bool() const { return Container.IsValidIndex(Index); }

	SizeType GetIndex() const { return Index; }

	void Reset() { Index = 0; }

	void SetToEnd() { Index = Container.Num(); }

	void RemoveCurrent()
	{
		Container.RemoveAt(Index);
		--Index;
	}

	void RemoveCurrentSwap()
	{
		Container.RemoveAtSwap(Index);
		--Index;
	}

	friend bool operator==(const TIndexedContainerIterator& Lhs, const TIndexedContainerIterator& Rhs)
	{
		return &Lhs.Container == &Rhs.Container && Lhs.Index == Rhs.Index;
	}

	friend bool operator!=(const TIndexedContainerIterator& Lhs, const TIndexedContainerIterator& Rhs)
	{
		return !(Lhs == Rhs);
	}

private:
	ContainerType& Container;
	SizeType Index;
};

template <typename InElementType, typename InAllocatorType>
class TArray
{
	template <typename OtherElementType, typename OtherAllocatorType>
	friend class TArray;

public:
	using ElementType = InElementType;
	using AllocatorType = InAllocatorType;
	using SizeType = typename InAllocatorType::SizeType;

	using TIterator = TIndexedContainerIterator<TArray, ElementType, SizeType>;
	using TConstIterator = TIndexedContainerIterator<const TArray, const ElementType, SizeType>;
	using RangedForIteratorType = TCheckedPointerIterator<ElementType, SizeType>;
	using RangedForConstIteratorType = TCheckedPointerIterator<const ElementType, SizeType>;

	TArray() = default;

	TArray(std::initializer_list<ElementType> InitList)
	{
		CopyToEmpty(InitList.begin(), static_cast<SizeType>(InitList.size()), 0);
	}

	TArray(const ElementType* Ptr, SizeType Count)
	{
		check(Ptr != nullptr || Count == 0);
		CopyToEmpty(Ptr, Count, 0);
	}

	TArray(const TArray& Other) { CopyToEmpty(Other.GetData(), Other.Num(), 0); }

	TArray(const TArray& Other, SizeType ExtraSlack) { CopyToEmpty(Other.GetData(), Other.Num(), ExtraSlack); }

	TArray(TArray&& Other) noexcept : Data(Other.Data), ArrayNum(Other.ArrayNum), ArrayMax(Other.ArrayMax)
	{
		Other.Data = nullptr;
		Other.ArrayNum = 0;
		Other.ArrayMax = 0;
	}

	template <typename OtherElementType, typename OtherAllocatorType,
			  typename = std::enable_if_t<std::is_constructible_v<ElementType, const OtherElementType&>>>
	explicit TArray(const TArray<OtherElementType, OtherAllocatorType>& Other)
	{
		CopyToEmpty(Other.GetData(), static_cast<SizeType>(Other.Num()), 0);
	}

	template <typename OtherElementType, typename OtherSizeType>
	explicit TArray(const TArrayView<OtherElementType, OtherSizeType>& Other);

	~TArray()
	{
		DestructItems(0, ArrayNum);
		Free(Data);
	}

	TArray& operator=(const TArray& Other)
	{
		if (this != &Other)
		{
			DestructItems(0, ArrayNum);
			ArrayNum = 0;
			CopyToEmpty(Other.GetData(), Other.Num(), 0);
		}
		return *this;
	}

	TArray& operator=(TArray&& Other) noexcept
	{
		if (this != &Other)
		{
			DestructItems(0, ArrayNum);
			Free(Data);
			Data = Other.Data;
			ArrayNum = Other.ArrayNum;
			ArrayMax = Other.ArrayMax;
			Other.Data = nullptr;
			Other.ArrayNum = 0;
			Other.ArrayMax = 0;
		}
		return *this;
	}

	TArray& operator=(std::initializer_list<ElementType> InitList)
	{
		DestructItems(0, ArrayNum);
		ArrayNum = 0;
		CopyToEmpty(InitList.begin(), static_cast<SizeType>(InitList.size()), 0);
		return *this;
	}

	template <typename OtherAllocatorType>
	TArray& operator=(const TArray<ElementType, OtherAllocatorType>& Other)
	{
		DestructItems(0, ArrayNum);
		ArrayNum = 0;
		CopyToEmpty(Other.GetData(), static_cast<SizeType>(Other.Num()), 0);
		return *this;
	}

	FORCEINLINE ElementType* GetData() { return Data; }

	FORCEINLINE const ElementType* GetData() const { return Data; }

	static constexpr uint32 GetTypeSize() { return sizeof(ElementType); }

	SIZE_T GetAllocatedSize() const { return static_cast<SIZE_T>(ArrayMax) * sizeof(ElementType); }

	SizeType GetSlack() const { return ArrayMax - ArrayNum; }

	FORCEINLINE SizeType Num() const { return ArrayNum; }

	FORCEINLINE SizeType Max() const { return ArrayMax; }

	FORCEINLINE bool IsEmpty() const { return ArrayNum == 0; }

	FORCEINLINE bool IsValidIndex(SizeType Index) const { return Index >= 0 && Index < ArrayNum; }

	FORCEINLINE void RangeCheck(SizeType Index) const
	{
		checkf(Index >= 0 && Index < ArrayNum, TEXT("Array index out of bounds: %lld into an array of size %lld"),
			   static_cast<int64>(Index), static_cast<int64>(ArrayNum));
	}

	FORCEINLINE ElementType& operator[](SizeType Index)
	{
		RangeCheck(Index);
		return Data[Index];
	}

	FORCEINLINE const ElementType& operator[](SizeType Index) const
	{
		RangeCheck(Index);
		return Data[Index];
	}

	ElementType& Last(SizeType IndexFromTheEnd = 0)
	{
		RangeCheck(ArrayNum - IndexFromTheEnd - 1);
		return Data[ArrayNum - IndexFromTheEnd - 1];
	}

	const ElementType& Last(SizeType IndexFromTheEnd = 0) const
	{
		RangeCheck(ArrayNum - IndexFromTheEnd - 1);
		return Data[ArrayNum - IndexFromTheEnd - 1];
	}

	ElementType& Top() { return Last(); }

	const ElementType& Top() const { return Last(); }

	ElementType Pop(EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		RangeCheck(0);
		ElementType Result = MoveTempIfPossible(Data[ArrayNum - 1]);
		RemoveAt(ArrayNum - 1, 1, AllowShrinking);
		return Result;
	}

	UE_ALLOWSHRINKING_BOOL_DEPRECATED("Pop")
	ElementType Pop(bool bAllowShrinking) { return Pop(bAllowShrinking ? EAllowShrinking::Yes : EAllowShrinking::No); }

	void Push(const ElementType& Item) { Add(Item); }

	void Push(ElementType&& Item) { Add(MoveTemp(Item)); }

	SizeType Add(const ElementType& Item) { return Emplace(Item); }

	SizeType Add(ElementType&& Item) { return Emplace(MoveTemp(Item)); }

	ElementType& Add_GetRef(const ElementType& Item) { return Emplace_GetRef(Item); }

	ElementType& Add_GetRef(ElementType&& Item) { return Emplace_GetRef(MoveTemp(Item)); }

	template <typename... ArgsType>
	SizeType Emplace(ArgsType&&... Args)
	{
		// The arguments may refer into this array, so build the element before any reallocation.
		if (ArrayNum == ArrayMax)
		{
			ElementType Temp(Forward<ArgsType>(Args)...);
			ResizeTo(CalculateSlackGrow(ArrayNum + 1));
			new (Data + ArrayNum) ElementType(MoveTemp(Temp));
		}
		else
		{
			new (Data + ArrayNum) ElementType(Forward<ArgsType>(Args)...);
		}
		return ArrayNum++;
	}

	template <typename... ArgsType>
	ElementType& Emplace_GetRef(ArgsType&&... Args)
	{
		const SizeType Index = Emplace(Forward<ArgsType>(Args)...);
		return Data[Index];
	}

	template <typename... ArgsType>
	void EmplaceAt(SizeType Index, ArgsType&&... Args)
	{
		ElementType Temp(Forward<ArgsType>(Args)...);
		InsertUninitializedImpl(Index, 1);
		new (Data + Index) ElementType(MoveTemp(Temp));
	}

	template <typename... ArgsType>
	ElementType& EmplaceAt_GetRef(SizeType Index, ArgsType&&... Args)
	{
		EmplaceAt(Index, Forward<ArgsType>(Args)...);
		return Data[Index];
	}

	SizeType AddUnique(const ElementType& Item)
	{
		const SizeType Index = Find(Item);
		return Index != INDEX_NONE ? Index : Add(Item);
	}

	SizeType AddUnique(ElementType&& Item)
	{
		const SizeType Index = Find(Item);
		return Index != INDEX_NONE ? Index : Add(MoveTemp(Item));
	}

	SizeType AddDefaulted(SizeType Count = 1)
	{
		const SizeType Index = AddUninitializedImpl(Count);
		ValueConstruct(Index, Count);
		return Index;
	}

	ElementType& AddDefaulted_GetRef()
	{
		const SizeType Index = AddDefaulted(1);
		return Data[Index];
	}

	SizeType AddZeroed(SizeType Count = 1)
	{
		const SizeType Index = AddUninitializedImpl(Count);
		ValueConstruct(Index, Count);
		return Index;
	}

	ElementType& AddZeroed_GetRef()
	{
		const SizeType Index = AddZeroed(1);
		return Data[Index];
	}

	/** Elements are value-initialised here rather than left with garbage. */
	SizeType AddUninitialized(SizeType Count = 1) { return AddZeroed(Count); }

	SizeType Insert(const ElementType& Item, SizeType Index)
	{
		EmplaceAt(Index, Item);
		return Index;
	}

	SizeType Insert(ElementType&& Item, SizeType Index)
	{
		EmplaceAt(Index, MoveTemp(Item));
		return Index;
	}

	ElementType& Insert_GetRef(const ElementType& Item, SizeType Index)
	{
		EmplaceAt(Index, Item);
		return Data[Index];
	}

	SizeType Insert(std::initializer_list<ElementType> InitList, SizeType Index)
	{
		return InsertCopies(InitList.begin(), static_cast<SizeType>(InitList.size()), Index);
	}

	template <typename OtherAllocatorType>
	SizeType Insert(const TArray<ElementType, OtherAllocatorType>& Items, SizeType Index)
	{
		check(static_cast<const void*>(&Items) != static_cast<const void*>(this));
		return InsertCopies(Items.GetData(), static_cast<SizeType>(Items.Num()), Index);
	}

	SizeType Insert(const ElementType* Ptr, SizeType Count, SizeType Index) { return InsertCopies(Ptr, Count, Index); }

	void InsertDefaulted(SizeType Index, SizeType Count = 1)
	{
		InsertUninitializedImpl(Index, Count);
		ValueConstruct(Index, Count);
	}

	ElementType& InsertDefaulted_GetRef(SizeType Index)
	{
		InsertDefaulted(Index, 1);
		return Data[Index];
	}

	void InsertZeroed(SizeType Index, SizeType Count = 1)
	{
		InsertUninitializedImpl(Index, Count);
		ValueConstruct(Index, Count);
	}

	void InsertUninitialized(SizeType Index, SizeType Count = 1) { InsertZeroed(Index, Count); }

	template <typename OtherElementType, typename OtherAllocatorType>
	void Append(const TArray<OtherElementType, OtherAllocatorType>& Source)
	{
		check(static_cast<const void*>(&Source) != static_cast<const void*>(this));
		Reserve(ArrayNum + static_cast<SizeType>(Source.Num()));
		for (const OtherElementType& Item : Source)
		{
			new (Data + ArrayNum) ElementType(Item);
			++ArrayNum;
		}
	}

	template <typename OtherAllocatorType>
	void Append(TArray<ElementType, OtherAllocatorType>&& Source)
	{
		check(static_cast<const void*>(&Source) != static_cast<const void*>(this));
		Reserve(ArrayNum + static_cast<SizeType>(Source.Num()));
		for (ElementType& Item : Source)
		{
			new (Data + ArrayNum) ElementType(MoveTemp(Item));
			++ArrayNum;
		}
		Source.Empty();
	}

	template <typename OtherElementType, typename OtherSizeType>
	void Append(const TArrayView<OtherElementType, OtherSizeType>& Source);

	void Append(const ElementType* Ptr, SizeType Count)
	{
		check(Ptr != nullptr || Count == 0);
		Reserve(ArrayNum + Count);
		if constexpr (std::is_trivially_copyable_v<ElementType>)
		{
			if (Count > 0)
			{
				std::memcpy(static_cast<void*>(Data + ArrayNum), static_cast<const void*>(Ptr), static_cast<SIZE_T>(Count) * sizeof(ElementType));
				ArrayNum += Count;
			}
		}
		else
		{
			for (SizeType It = 0; It < Count; ++It)
			{
				new (Data + ArrayNum) ElementType(Ptr[It]);
				++ArrayNum;
			}
		}
	}

	void Append(std::initializer_list<ElementType> InitList)
	{
		Append(InitList.begin(), static_cast<SizeType>(InitList.size()));
	}

	template <typename OtherAllocatorType>
	TArray& operator+=(const TArray<ElementType, OtherAllocatorType>& Other)
	{
		Append(Other);
		return *this;
	}

	TArray& operator+=(TArray&& Other)
	{
		Append(MoveTemp(Other));
		return *this;
	}

	TArray& operator+=(std::initializer_list<ElementType> InitList)
	{
		Append(InitList);
		return *this;
	}

	void RemoveAt(SizeType Index, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		RemoveAtImpl(Index, 1, AllowShrinking);
	}

	void RemoveAt(SizeType Index, SizeType Count, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		RemoveAtImpl(Index, Count, AllowShrinking);
	}

	UE_ALLOWSHRINKING_BOOL_DEPRECATED("RemoveAt")
	void RemoveAt(SizeType Index, SizeType Count, bool bAllowShrinking)
	{
		RemoveAtImpl(Index, Count, bAllowShrinking ? EAllowShrinking::Yes : EAllowShrinking::No);
	}

	void RemoveAtSwap(SizeType Index, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		RemoveAtSwapImpl(Index, 1, AllowShrinking);
	}

	void RemoveAtSwap(SizeType Index, SizeType Count, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		RemoveAtSwapImpl(Index, Count, AllowShrinking);
	}

	UE_ALLOWSHRINKING_BOOL_DEPRECATED("RemoveAtSwap")
	void RemoveAtSwap(SizeType Index, SizeType Count, bool bAllowShrinking)
	{
		RemoveAtSwapImpl(Index, Count, bAllowShrinking ? EAllowShrinking::Yes : EAllowShrinking::No);
	}

	SizeType Remove(const ElementType& Item)
	{
		CheckAddressIsNotInArray(&Item);
		return RemoveAll([&Item](const ElementType& Element) { return Element == Item; });
	}

	SizeType RemoveSingle(const ElementType& Item)
	{
		const SizeType Index = Find(Item);
		if (Index == INDEX_NONE)
		{
			return 0;
		}
		RemoveAt(Index);
		return 1;
	}

	SizeType RemoveSwap(const ElementType& Item, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		CheckAddressIsNotInArray(&Item);
		return RemoveAllSwap([&Item](const ElementType& Element) { return Element == Item; }, AllowShrinking);
	}

	SizeType RemoveSingleSwap(const ElementType& Item, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		const SizeType Index = Find(Item);
		if (Index == INDEX_NONE)
		{
			return 0;
		}
		RemoveAtSwap(Index, 1, AllowShrinking);
		return 1;
	}

	template <typename PredicateType>
	SizeType RemoveAll(const PredicateType& Predicate)
	{
		SizeType WriteIndex = 0;
		for (SizeType ReadIndex = 0; ReadIndex < ArrayNum; ++ReadIndex)
		{
			if (!Predicate(Data[ReadIndex]))
			{
				if (WriteIndex != ReadIndex)
				{
					Data[WriteIndex] = MoveTemp(Data[ReadIndex]);
				}
				++WriteIndex;
			}
		}
		const SizeType NumRemoved = ArrayNum - WriteIndex;
		DestructItems(WriteIndex, NumRemoved);
		ArrayNum = WriteIndex;
		return NumRemoved;
	}

	template <typename PredicateType>
	SizeType RemoveAllSwap(const PredicateType& Predicate, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		SizeType NumRemoved = 0;
		for (SizeType Index = 0; Index < ArrayNum;)
		{
			if (Predicate(Data[Index]))
			{
				RemoveAtSwap(Index, 1, EAllowShrinking::No);
				++NumRemoved;
			}
			else
			{
				++Index;
			}
		}
		if (NumRemoved > 0 && AllowShrinking == EAllowShrinking::Yes)
		{
			ShrinkIfWasteful();
		}
		return NumRemoved;
	}

	template <typename ComparisonType>
	SizeType Find(const ComparisonType& Item) const
	{
		for (SizeType Index = 0; Index < ArrayNum; ++Index)
		{
			if (Data[Index] == Item)
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	bool Find(const ElementType& Item, SizeType& OutIndex) const
	{
		OutIndex = Find(Item);
		return OutIndex != INDEX_NONE;
	}

	SizeType FindLast(const ElementType& Item) const
	{
		for (SizeType Index = ArrayNum - 1; Index >= 0; --Index)
		{
			if (Data[Index] == Item)
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	bool FindLast(const ElementType& Item, SizeType& OutIndex) const
	{
		OutIndex = FindLast(Item);
		return OutIndex != INDEX_NONE;
	}

	template <typename KeyType>
	ElementType* FindByKey(const KeyType& Key)
	{
		const SizeType Index = IndexOfByKey(Key);
		return Index != INDEX_NONE ? Data + Index : nullptr;
	}

	template <typename KeyType>
	const ElementType* FindByKey(const KeyType& Key) const
	{
		const SizeType Index = IndexOfByKey(Key);
		return Index != INDEX_NONE ? Data + Index : nullptr;
	}

	template <typename PredicateType>
	ElementType* FindByPredicate(PredicateType Predicate)
	{
		const SizeType Index = IndexOfByPredicate(Predicate);
		return Index != INDEX_NONE ? Data + Index : nullptr;
	}

	template <typename PredicateType>
	const ElementType* FindByPredicate(PredicateType Predicate) const
	{
		const SizeType Index = IndexOfByPredicate(Predicate);
		return Index != INDEX_NONE ? Data + Index : nullptr;
	}

	template <typename PredicateType>
	SizeType FindLastByPredicate(PredicateType Predicate) const
	{
		for (SizeType Index = ArrayNum - 1; Index >= 0; --Index)
		{
			if (Predicate(Data[Index]))
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	template <typename KeyType>
	SizeType IndexOfByKey(const KeyType& Key) const
	{
		for (SizeType Index = 0; Index < ArrayNum; ++Index)
		{
			if (Data[Index] == Key)
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	template <typename PredicateType>
	SizeType IndexOfByPredicate(PredicateType Predicate) const
	{
		for (SizeType Index = 0; Index < ArrayNum; ++Index)
		{
			if (Predicate(Data[Index]))
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	template <typename ComparisonType>
	bool Contains(const ComparisonType& Item) const
	{
		return IndexOfByKey(Item) != INDEX_NONE;
	}

	template <typename PredicateType>
	bool ContainsByPredicate(PredicateType Predicate) const
	{
		return IndexOfByPredicate(Predicate) != INDEX_NONE;
	}

	template <typename PredicateType>
	TArray FilterByPredicate(PredicateType Predicate) const
	{
		TArray Result;
		for (SizeType Index = 0; Index < ArrayNum; ++Index)
		{
			if (Predicate(Data[Index]))
			{
				Result.Add(Data[Index]);
			}
		}
		return Result;
	}

	void Empty(SizeType Slack = 0)
	{
		check(Slack >= 0);
		DestructItems(0, ArrayNum);
		ArrayNum = 0;
		if (ArrayMax != Slack)
		{
			ResizeTo(Slack);
		}
	}

	void Reset(SizeType NewSize = 0)
	{
		if (NewSize <= ArrayMax)
		{
			DestructItems(0, ArrayNum);
			ArrayNum = 0;
		}
		else
		{
			Empty(NewSize);
		}
	}

	void Reserve(SizeType Number)
	{
		check(Number >= 0);
		if (Number > ArrayMax)
		{
			ResizeTo(Number);
		}
	}

	void SetNum(SizeType NewNum, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		if (NewNum > ArrayNum)
		{
			AddDefaulted(NewNum - ArrayNum);
		}
		else if (NewNum < ArrayNum)
		{
			RemoveAt(NewNum, ArrayNum - NewNum, AllowShrinking);
		}
	}

	UE_ALLOWSHRINKING_BOOL_DEPRECATED("SetNum")
	void SetNum(SizeType NewNum, bool bAllowShrinking)
	{
		SetNum(NewNum, bAllowShrinking ? EAllowShrinking::Yes : EAllowShrinking::No);
	}

	void SetNumZeroed(SizeType NewNum, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		if (NewNum > ArrayNum)
		{
			AddZeroed(NewNum - ArrayNum);
		}
		else if (NewNum < ArrayNum)
		{
			RemoveAt(NewNum, ArrayNum - NewNum, AllowShrinking);
		}
	}

	UE_ALLOWSHRINKING_BOOL_DEPRECATED("SetNumZeroed")
	void SetNumZeroed(SizeType NewNum, bool bAllowShrinking)
	{
		SetNumZeroed(NewNum, bAllowShrinking ? EAllowShrinking::Yes : EAllowShrinking::No);
	}

	/** New elements are value-initialised here rather than left with garbage. */
	void SetNumUninitialized(SizeType NewNum, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		SetNumZeroed(NewNum, AllowShrinking);
	}

	UE_ALLOWSHRINKING_BOOL_DEPRECATED("SetNumUninitialized")
	void SetNumUninitialized(SizeType NewNum, bool bAllowShrinking)
	{
		SetNumZeroed(NewNum, bAllowShrinking ? EAllowShrinking::Yes : EAllowShrinking::No);
	}

	void Shrink()
	{
		if (ArrayMax != ArrayNum)
		{
			ResizeTo(ArrayNum);
		}
	}

	void Init(const ElementType& Element, SizeType Number)
	{
		Empty(Number);
		for (SizeType Index = 0; Index < Number; ++Index)
		{
			new (Data + Index) ElementType(Element);
		}
		ArrayNum = Number;
	}

	void Sort() { Sort(UE::Core::Private::Array::FLess()); }

	template <typename PredicateType>
	void Sort(const PredicateType& Predicate)
	{
		std::sort(Data, Data + ArrayNum,
				  UE::Core::Private::Array::TDereferenceWrapper<ElementType, PredicateType>{Predicate});
	}

	void StableSort() { StableSort(UE::Core::Private::Array::FLess()); }

	template <typename PredicateType>
	void StableSort(const PredicateType& Predicate)
	{
		std::stable_sort(Data, Data + ArrayNum,
						 UE::Core::Private::Array::TDereferenceWrapper<ElementType, PredicateType>{Predicate});
	}

	void Swap(SizeType FirstIndexToSwap, SizeType SecondIndexToSwap)
	{
		RangeCheck(FirstIndexToSwap);
		RangeCheck(SecondIndexToSwap);
		if (FirstIndexToSwap != SecondIndexToSwap)
		{
			::Swap(Data[FirstIndexToSwap], Data[SecondIndexToSwap]);
		}
	}

	void SwapMemory(SizeType FirstIndexToSwap, SizeType SecondIndexToSwap)
	{
		Swap(FirstIndexToSwap, SecondIndexToSwap);
	}

	TIterator CreateIterator() { return TIterator(*this); }

	TConstIterator CreateConstIterator() const { return TConstIterator(*this); }

	RangedForIteratorType begin() { return RangedForIteratorType(ArrayNum, Data); }

	RangedForConstIteratorType begin() const { return RangedForConstIteratorType(ArrayNum, Data); }

	RangedForIteratorType end() { return RangedForIteratorType(ArrayNum, Data + ArrayNum); }

	RangedForConstIteratorType end() const { return RangedForConstIteratorType(ArrayNum, Data + ArrayNum); }

	friend bool operator==(const TArray& Lhs, const TArray& Rhs)
	{
		if (Lhs.Num() != Rhs.Num())
		{
			return false;
		}
		for (SizeType Index = 0; Index < Lhs.Num(); ++Index)
		{
			if (!(Lhs.Data[Index] == Rhs.Data[Index]))
			{
				return false;
			}
		}
		return true;
	}

	friend bool operator!=(const TArray& Lhs, const TArray& Rhs) { return !(Lhs == Rhs); }

private:
	void CheckAddressIsNotInArray(const ElementType* Address) const
	{
		checkf(Address < Data || Address >= Data + ArrayMax,
			   TEXT("Attempting to use a container element which already comes from the container being modified"));
	}

	static ElementType* Allocate(SizeType Count)
	{
		if (Count == 0)
		{
			return nullptr;
		}
		return static_cast<ElementType*>(
			::operator new(static_cast<SIZE_T>(Count) * sizeof(ElementType), std::align_val_t(alignof(ElementType))));
	}

	static void Free(ElementType* Ptr)
	{
		if (Ptr)
		{
			::operator delete(static_cast<void*>(Ptr), std::align_val_t(alignof(ElementType)));
		}
	}

	static void Relocate(ElementType* Dest, ElementType* Source, SizeType Count)
	{
		if constexpr (std::is_trivially_copyable_v<ElementType>)
		{
			if (Count > 0)
			{
				std::memmove(static_cast<void*>(Dest), static_cast<const void*>(Source),
							 static_cast<SIZE_T>(Count) * sizeof(ElementType));
			}
		}
		else if (Dest < Source)
		{
			for (SizeType Index = 0; Index < Count; ++Index)
			{
				new (Dest + Index) ElementType(MoveTemp(Source[Index]));
				Source[Index].~ElementType();
			}
		}
		else
		{
			for (SizeType Index = Count - 1; Index >= 0; --Index)
			{
				new (Dest + Index) ElementType(MoveTemp(Source[Index]));
				Source[Index].~ElementType();
			}
		}
	}

	void DestructItems(SizeType Index, SizeType Count)
	{
		if constexpr (!std::is_trivially_destructible_v<ElementType>)
		{
			for (SizeType It = Index; It < Index + Count; ++It)
			{
				Data[It].~ElementType();
			}
		}
	}

	void ValueConstruct(SizeType Index, SizeType Count)
	{
		// Through a local pointer: stores of bytes could alias Data, which would be read again for every element.
		ElementType* const First = Data + Index;
		for (SizeType It = 0; It < Count; ++It)
		{
			new (First + It) ElementType();
		}
	}

	void ResizeTo(SizeType NewMax)
	{
		check(NewMax >= ArrayNum);
		if (NewMax == ArrayMax)
		{
			return;
		}
		ElementType* NewData = Allocate(NewMax);
		Relocate(NewData, Data, ArrayNum);
		Free(Data);
		Data = NewData;
		ArrayMax = NewMax;
	}

	static SizeType CalculateSlackGrow(SizeType NumElements)
	{
		constexpr SizeType FirstGrow = 4;
		constexpr SizeType ConstantGrow = 16;
		if (NumElements <= FirstGrow)
		{
			return FirstGrow;
		}
		return NumElements + 3 * NumElements / 8 + ConstantGrow;
	}

	void ShrinkIfWasteful()
	{
		const SizeType Slack = ArrayMax - ArrayNum;
		const bool bTooMuchSlack =
			3 * ArrayNum < 2 * ArrayMax || static_cast<SIZE_T>(Slack) * sizeof(ElementType) >= 16384;
		if (bTooMuchSlack && (Slack > 64 || ArrayNum == 0))
		{
			ResizeTo(ArrayNum);
		}
	}

	SizeType AddUninitializedImpl(SizeType Count)
	{
		check(Count >= 0);
		const SizeType OldNum = ArrayNum;
		if (ArrayNum + Count > ArrayMax)
		{
			ResizeTo(CalculateSlackGrow(ArrayNum + Count));
		}
		ArrayNum += Count;
		return OldNum;
	}

	void InsertUninitializedImpl(SizeType Index, SizeType Count)
	{
		checkf(Index >= 0 && Index <= ArrayNum,
			   TEXT("Array insert index out of bounds: %lld into an array of size %lld"), static_cast<int64>(Index),
			   static_cast<int64>(ArrayNum));
		if (ArrayNum + Count > ArrayMax)
		{
			ResizeTo(CalculateSlackGrow(ArrayNum + Count));
		}
		Relocate(Data + Index + Count, Data + Index, ArrayNum - Index);
		ArrayNum += Count;
	}

	SizeType InsertCopies(const ElementType* Ptr, SizeType Count, SizeType Index)
	{
		TArray Copies(Ptr, Count);
		InsertUninitializedImpl(Index, Count);
		for (SizeType It = 0; It < Count; ++It)
		{
			new (Data + Index + It) ElementType(MoveTemp(Copies.Data[It]));
		}
		return Index;
	}

	void CopyToEmpty(const auto* Source, SizeType Count, SizeType ExtraSlack)
	{
		check(ArrayNum == 0);
		if (Count + ExtraSlack > ArrayMax)
		{
			ResizeTo(Count + ExtraSlack);
		}
		for (SizeType Index = 0; Index < Count; ++Index)
		{
			new (Data + Index) ElementType(Source[Index]);
		}
		ArrayNum = Count;
	}

	void RemoveAtImpl(SizeType Index, SizeType Count, EAllowShrinking AllowShrinking)
	{
		if (Count <= 0)
		{
			return;
		}
		checkf(Index >= 0 && Count >= 0 && Index + Count <= ArrayNum,
			   TEXT("Array RemoveAt out of bounds: %lld,%lld from an array of size %lld"), static_cast<int64>(Index),
			   static_cast<int64>(Count), static_cast<int64>(ArrayNum));
		DestructItems(Index, Count);
		Relocate(Data + Index, Data + Index + Count, ArrayNum - Index - Count);
		ArrayNum -= Count;
		if (AllowShrinking == EAllowShrinking::Yes)
		{
			ShrinkIfWasteful();
		}
	}

	void RemoveAtSwapImpl(SizeType Index, SizeType Count, EAllowShrinking AllowShrinking)
	{
		if (Count <= 0)
		{
			return;
		}
		checkf(Index >= 0 && Count >= 0 && Index + Count <= ArrayNum,
			   TEXT("Array RemoveAtSwap out of bounds: %lld,%lld from an array of size %lld"),
			   static_cast<int64>(Index), static_cast<int64>(Count), static_cast<int64>(ArrayNum));
		DestructItems(Index, Count);
		// Fill the hole from the end of the array, moving no more than the hole holds.
		const SizeType NumElementsAfterHole = ArrayNum - (Index + Count);
		const SizeType NumToMove = NumElementsAfterHole < Count ? NumElementsAfterHole : Count;
		Relocate(Data + Index, Data + ArrayNum - NumToMove, NumToMove);
		ArrayNum -= Count;
		if (AllowShrinking == EAllowShrinking::Yes)
		{
			ShrinkIfWasteful();
		}
	}

	ElementType* Data = nullptr;
	SizeType ArrayNum = 0;
	SizeType ArrayMax = 0;
};

#include "Containers/ArrayView.h"

template <typename InElementType, typename InAllocatorType>
template <typename OtherElementType, typename OtherSizeType>
TArray<InElementType, InAllocatorType>::TArray(const TArrayView<OtherElementType, OtherSizeType>& Other)
{
	CopyToEmpty(Other.GetData(), static_cast<SizeType>(Other.Num()), 0);
}

template <typename InElementType, typename InAllocatorType>
template <typename OtherElementType, typename OtherSizeType>
void TArray<InElementType, InAllocatorType>::Append(const TArrayView<OtherElementType, OtherSizeType>& Source)
{
	Reserve(ArrayNum + static_cast<SizeType>(Source.Num()));
	for (const auto& Item : Source)
	{
		new (Data + ArrayNum) ElementType(Item);
		++ArrayNum;
	}
}
