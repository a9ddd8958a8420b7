#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Containers/ArrayView.h"
#include "Containers/ContainerAllocationPolicies.h"
#include "Containers/SparseArray.h"
#include "Misc/AssertionMacros.h"
#include "Templates/TypeHash.h"
#include "Templates/UnrealTemplate.h"

#include <initializer_list>
#include <type_traits>

/** Identifies an element of a set by its index in the set's sparse array. */
class FSetElementId
{
public:
	FSetElementId() = default;

	bool IsValidId() const { return Index != INDEX_NONE; }

	int32 AsInteger() const { return Index; }

	static FSetElementId FromInteger(int32 Integer)
	{
		FSetElementId Id;
		Id.Index = Integer;
		return Id;
	}

	friend bool operator==(const FSetElementId& A, const FSetElementId& B) { return A.Index == B.Index; }

	friend bool operator!=(const FSetElementId& A, const FSetElementId& B) { return A.Index != B.Index; }

	friend uint32 GetTypeHash(const FSetElementId& Id) { return GetTypeHash(Id.Index); }

private:
	int32 Index = INDEX_NONE;
};

/** How a set finds the key of an element, hashes it and compares keys. */
template <typename ElementType, bool bInAllowDuplicateKeys = false>
struct DefaultKeyFuncs
{
	using KeyInitType = const ElementType&;
	using ElementInitType = const ElementType&;

	static constexpr bool bAllowDuplicateKeys = bInAllowDuplicateKeys;

	static FORCEINLINE KeyInitType GetSetKey(ElementInitType Element) { return Element; }

	template <typename ComparableKey>
	static FORCEINLINE bool Matches(KeyInitType A, const ComparableKey& B)
	{
		return A == B;
	}

	template <typename ComparableKey>
	static FORCEINLINE uint32 GetKeyHash(const ComparableKey& Key)
	{
		return GetTypeHash(Key);
	}
};

template <typename InElementType, typename KeyFuncs = DefaultKeyFuncs<InElementType>,
		  typename Allocator = FDefaultSetAllocator>
class TSet
{
public:
	using ElementType = InElementType;
	using KeyInitType = typename KeyFuncs::KeyInitType;
	using SizeType = int32;

private:
	struct FSetElement
	{
		ElementType Value;
		uint32 KeyHash = 0;
		int32 HashNextId = INDEX_NONE;

		template <typename ArgType>
		FSetElement(ArgType&& Arg, uint32 InKeyHash) : Value(Forward<ArgType>(Arg)), KeyHash(InKeyHash)
		{
		}
	};

public:
	TSet() = default;
	TSet(const TSet&) = default;
	TSet(TSet&&) = default;
	TSet& operator=(const TSet&) = default;
	TSet& operator=(TSet&&) = default;

	TSet(std::initializer_list<ElementType> InitList) { Append(InitList); }

	explicit TSet(TArrayView<const ElementType> InArrayView) { Append(InArrayView); }

	explicit TSet(TArray<ElementType>&& InArray) { Append(MoveTemp(InArray)); }

	FSetElementId Add(const ElementType& InElement, bool* bIsAlreadyInSetPtr = nullptr)
	{
		return Emplace(InElement, bIsAlreadyInSetPtr);
	}

	FSetElementId Add(ElementType&& InElement, bool* bIsAlreadyInSetPtr = nullptr)
	{
		return Emplace(MoveTemp(InElement), bIsAlreadyInSetPtr);
	}

	/**
	 * Adds an element; if one with the same key exists, the new element replaces it in the existing slot, so
	 * the order does not change.
	 */
	template <typename ArgsType>
	FSetElementId Emplace(ArgsType&& Args, bool* bIsAlreadyInSetPtr = nullptr)
	{
		ElementType NewElement(Forward<ArgsType>(Args));
		const uint32 KeyHash = KeyFuncs::GetKeyHash(KeyFuncs::GetSetKey(NewElement));
		if constexpr (!KeyFuncs::bAllowDuplicateKeys)
		{
			const int32 ExistingIndex = FindIndexByHash(KeyHash, KeyFuncs::GetSetKey(NewElement));
			if (ExistingIndex != INDEX_NONE)
			{
				ElementType& Existing = Elements[ExistingIndex].Value;
				Existing.~ElementType();
				new (&Existing) ElementType(MoveTemp(NewElement));
				if (bIsAlreadyInSetPtr)
				{
					*bIsAlreadyInSetPtr = true;
				}
				return FSetElementId::FromInteger(ExistingIndex);
			}
		}
		if (bIsAlreadyInSetPtr)
		{
			*bIsAlreadyInSetPtr = false;
		}
		const int32 NewIndex = Elements.Emplace(MoveTemp(NewElement), KeyHash);
		if (!ConditionalRehash(Elements.Num()))
		{
			LinkElement(NewIndex);
		}
		return FSetElementId::FromInteger(NewIndex);
	}

	template <typename OtherAllocatorType>
	void Append(const TArray<ElementType, OtherAllocatorType>& InElements)
	{
		Reserve(Elements.Num() + InElements.Num());
		for (const ElementType& Element : InElements)
		{
			Add(Element);
		}
	}

	template <typename OtherAllocatorType>
	void Append(TArray<ElementType, OtherAllocatorType>&& InElements)
	{
		Reserve(Elements.Num() + InElements.Num());
		for (ElementType& Element : InElements)
		{
			Add(MoveTemp(Element));
		}
		InElements.Reset();
	}

	void Append(TArrayView<const ElementType> InElements)
	{
		Reserve(Elements.Num() + InElements.Num());
		for (const ElementType& Element : InElements)
		{
			Add(Element);
		}
	}

	void Append(std::initializer_list<ElementType> InitList)
	{
		for (const ElementType& Element : InitList)
		{
			Add(Element);
		}
	}

	template <typename OtherKeyFuncs, typename OtherAllocator>
	void Append(const TSet<ElementType, OtherKeyFuncs, OtherAllocator>& OtherSet)
	{
		Reserve(Elements.Num() + OtherSet.Num());
		for (const ElementType& Element : OtherSet)
		{
			Add(Element);
		}
	}

	FSetElementId FindId(KeyInitType Key) const
	{
		return FSetElementId::FromInteger(FindIndexByHash(KeyFuncs::GetKeyHash(Key), Key));
	}

	ElementType* Find(KeyInitType Key)
	{
		const int32 Index = FindIndexByHash(KeyFuncs::GetKeyHash(Key), Key);
		return Index != INDEX_NONE ? &Elements[Index].Value : nullptr;
	}

	const ElementType* Find(KeyInitType Key) const
	{
		const int32 Index = FindIndexByHash(KeyFuncs::GetKeyHash(Key), Key);
		return Index != INDEX_NONE ? &Elements[Index].Value : nullptr;
	}

	ElementType& FindChecked(KeyInitType Key)
	{
		ElementType* Element = Find(Key);
		check(Element != nullptr);
		return *Element;
	}

	const ElementType& FindChecked(KeyInitType Key) const
	{
		const ElementType* Element = Find(Key);
		check(Element != nullptr);
		return *Element;
	}

	bool Contains(KeyInitType Key) const { return FindIndexByHash(KeyFuncs::GetKeyHash(Key), Key) != INDEX_NONE; }

	template <typename ComparableKey>
	ElementType* FindByHash(uint32 KeyHash, const ComparableKey& Key)
	{
		const int32 Index = FindIndexByHash(KeyHash, Key);
		return Index != INDEX_NONE ? &Elements[Index].Value : nullptr;
	}

	/** Removes every element matching the key; the freed slots are the next ones reused. */
	int32 Remove(KeyInitType Key)
	{
		if (Elements.Num() == 0)
		{
			return 0;
		}
		int32 NumRemoved = 0;
		const uint32 KeyHash = KeyFuncs::GetKeyHash(Key);
		int32* NextIdPtr = &HashBuckets[KeyHash & (HashBuckets.Num() - 1)];
		while (*NextIdPtr != INDEX_NONE)
		{
			const int32 Index = *NextIdPtr;
			FSetElement& Element = Elements[Index];
			if (Element.KeyHash == KeyHash && KeyFuncs::Matches(KeyFuncs::GetSetKey(Element.Value), Key))
			{
				*NextIdPtr = Element.HashNextId;
				Elements.RemoveAt(Index);
				++NumRemoved;
				if (!KeyFuncs::bAllowDuplicateKeys)
				{
					break;
				}
			}
			else
			{
				NextIdPtr = &Element.HashNextId;
			}
		}
		return NumRemoved;
	}

	void Remove(FSetElementId ElementId)
	{
		const int32 Index = ElementId.AsInteger();
		checkf(Elements.IsAllocated(Index), TEXT("Invalid set element id %d"), Index);
		int32* NextIdPtr = &HashBuckets[Elements[Index].KeyHash & (HashBuckets.Num() - 1)];
		while (*NextIdPtr != Index)
		{
			check(*NextIdPtr != INDEX_NONE);
			NextIdPtr = &Elements[*NextIdPtr].HashNextId;
		}
		*NextIdPtr = Elements[Index].HashNextId;
		Elements.RemoveAt(Index);
	}

	bool IsValidId(FSetElementId Id) const { return Elements.IsAllocated(Id.AsInteger()); }

	ElementType& operator[](FSetElementId Id) { return Elements[Id.AsInteger()].Value; }

	const ElementType& operator[](FSetElementId Id) const { return Elements[Id.AsInteger()].Value; }

	ElementType& Get(FSetElementId Id) { return Elements[Id.AsInteger()].Value; }

	const ElementType& Get(FSetElementId Id) const { return Elements[Id.AsInteger()].Value; }

	int32 Num() const { return Elements.Num(); }

	bool IsEmpty() const { return Elements.Num() == 0; }

	int32 GetMaxIndex() const { return Elements.GetMaxIndex(); }

	void Empty(int32 ExpectedNumElements = 0)
	{
		Elements.Empty(ExpectedNumElements);
		HashBuckets.Empty();
		if (ExpectedNumElements > 0)
		{
			ConditionalRehash(ExpectedNumElements);
		}
	}

	/** Keeps the room of the elements and of the buckets; costs what the set holds, not what it once held. */
	void Reset()
	{
		if (Elements.Num() == 0)
		{
			return;
		}
		if (Elements.Num() < HashBuckets.Num() / 4)
		{
			for (const FSetElement& Element : Elements)
			{
				HashBuckets[Element.KeyHash & (HashBuckets.Num() - 1)] = INDEX_NONE;
			}
		}
		else
		{
			for (int32& Bucket : HashBuckets)
			{
				Bucket = INDEX_NONE;
			}
		}
		Elements.Reset();
	}

	void Reserve(int32 Number)
	{
		if (Number > Elements.Num())
		{
			Elements.Reserve(Number);
			ConditionalRehash(Number);
		}
	}

	void Shrink() {}

	void Compact()
	{
		if (Elements.Compact())
		{
			Rehash();
		}
	}

	void CompactStable()
	{
		if (Elements.CompactStable())
		{
			Rehash();
		}
	}

	template <typename PredicateType>
	void Sort(const PredicateType& Predicate)
	{
		StableSort(Predicate);
	}

	template <typename PredicateType>
	void StableSort(const PredicateType& Predicate)
	{
		Elements.StableSort([&Predicate](const FSetElement& A, const FSetElement& B)
							{ return Predicate(A.Value, B.Value); });
		Rehash();
	}

	TArray<ElementType> Array() const
	{
		TArray<ElementType> Result;
		Result.Reserve(Elements.Num());
		for (const FSetElement& Element : Elements)
		{
			Result.Add(Element.Value);
		}
		return Result;
	}

	TSet Union(const TSet& OtherSet) const
	{
		TSet Result(*this);
		Result.Append(OtherSet);
		return Result;
	}

	TSet Intersect(const TSet& OtherSet) const
	{
		TSet Result;
		for (const FSetElement& Element : Elements)
		{
			if (OtherSet.Contains(KeyFuncs::GetSetKey(Element.Value)))
			{
				Result.Add(Element.Value);
			}
		}
		return Result;
	}

	TSet Difference(const TSet& OtherSet) const
	{
		TSet Result;
		for (const FSetElement& Element : Elements)
		{
			if (!OtherSet.Contains(KeyFuncs::GetSetKey(Element.Value)))
			{
				Result.Add(Element.Value);
			}
		}
		return Result;
	}

	bool Includes(const TSet& OtherSet) const
	{
		for (const ElementType& Element : OtherSet)
		{
			if (!Contains(KeyFuncs::GetSetKey(Element)))
			{
				return false;
			}
		}
		return true;
	}

	SIZE_T GetAllocatedSize() const { return Elements.GetAllocatedSize() + HashBuckets.GetAllocatedSize(); }

	template <bool bConst>
	class TBaseIterator
	{
		using SetType = std::conditional_t<bConst, const TSet, TSet>;
		using ItElementType = std::conditional_t<bConst, const ElementType, ElementType>;
		using SparseIteratorType = std::conditional_t<bConst, typename TSparseArray<FSetElement>::TConstIterator,
													  typename TSparseArray<FSetElement>::TIterator>;

	public:
		TBaseIterator(SetType& InSet, int32 StartIndex) : Set(&InSet), It(InSet.Elements, StartIndex) {}

		TBaseIterator& operator++()
		{
			++It;
			return *this;
		}

		explicit operator bool() const { return static_cast<bool>(It); }

		ItElementType& operator*() const { return It->Value; }

		ItElementType* operator->() const { return &It->Value; }

		FSetElementId GetId() const { return FSetElementId::FromInteger(It.GetIndex()); }

		void RemoveCurrent()
		{
			static_assert(!bConst, "Cannot remove through a const iterator");
			Set->Remove(GetId());
		}

		friend bool operator==(const TBaseIterator& Lhs, const TBaseIterator& Rhs) { return Lhs.It == Rhs.It; }

		friend bool operator!=(const TBaseIterator& Lhs, const TBaseIterator& Rhs) { return Lhs.It != Rhs.It; }

	private:
		SetType* Set;
		SparseIteratorType It;
	};

	using TIterator = TBaseIterator<false>;
	using TConstIterator = TBaseIterator<true>;

	TIterator CreateIterator() { return TIterator(*this, 0); }

	TConstIterator CreateConstIterator() const { return TConstIterator(*this, 0); }

	TIterator begin() { return TIterator(*this, 0); }

	TIterator end() { return TIterator(*this, Elements.GetMaxIndex()); }

	TConstIterator begin() const { return TConstIterator(*this, 0); }

	TConstIterator end() const { return TConstIterator(*this, Elements.GetMaxIndex()); }

private:
	template <typename ComparableKey>
	int32 FindIndexByHash(uint32 KeyHash, const ComparableKey& Key) const
	{
		if (Elements.Num() == 0)
		{
			return INDEX_NONE;
		}
		for (int32 Index = HashBuckets[KeyHash & (HashBuckets.Num() - 1)]; Index != INDEX_NONE;
			 Index = Elements[Index].HashNextId)
		{
			const FSetElement& Element = Elements[Index];
			if (Element.KeyHash == KeyHash && KeyFuncs::Matches(KeyFuncs::GetSetKey(Element.Value), Key))
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	static int32 GetNumberOfHashBuckets(int32 NumHashedElements)
	{
		int32 NumBuckets = 8;
		while (NumBuckets < NumHashedElements)
		{
			NumBuckets *= 2;
		}
		return NumBuckets;
	}

	/** Grows the bucket table when it would get crowded; returns true if every element was relinked. */
	bool ConditionalRehash(int32 NumHashedElements)
	{
		const int32 DesiredBuckets = GetNumberOfHashBuckets(NumHashedElements);
		if (HashBuckets.Num() < DesiredBuckets)
		{
			HashBuckets.Init(INDEX_NONE, DesiredBuckets);
			RelinkAll();
			return true;
		}
		return false;
	}

	void Rehash()
	{
		HashBuckets.Init(INDEX_NONE, GetNumberOfHashBuckets(Elements.Num()));
		RelinkAll();
	}

	void RelinkAll()
	{
		for (auto It = Elements.CreateIterator(); It; ++It)
		{
			LinkElement(It.GetIndex());
		}
	}

	void LinkElement(int32 Index)
	{
		FSetElement& Element = Elements[Index];
		int32& Bucket = HashBuckets[Element.KeyHash & (HashBuckets.Num() - 1)];
		Element.HashNextId = Bucket;
		Bucket = Index;
	}

	TSparseArray<FSetElement> Elements;
	TArray<int32> HashBuckets;
};
