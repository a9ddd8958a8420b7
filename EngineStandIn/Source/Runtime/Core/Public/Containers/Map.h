#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Containers/Set.h"
#include "Misc/AssertionMacros.h"
#include "Templates/Tuple.h"
#include "Templates/UnrealTemplate.h"

#include <initializer_list>
#include <type_traits>

template <typename KeyType, typename ValueType, bool bInAllowDuplicateKeys>
struct TDefaultMapKeyFuncs
{
	using KeyInitType = const KeyType&;
	using ElementInitType = const TPair<KeyType, ValueType>&;

	static constexpr bool bAllowDuplicateKeys = bInAllowDuplicateKeys;

	static FORCEINLINE KeyInitType GetSetKey(ElementInitType Element) { return Element.Key; }

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

template <typename KeyType, typename ValueType, bool bInAllowDuplicateKeys>
struct TDefaultMapHashableKeyFuncs : TDefaultMapKeyFuncs<KeyType, ValueType, bInAllowDuplicateKeys>
{
};

/**
 * A map of unique keys to values. Its pairs live in a set, so it iterates in the set's order: insertion
 * order, with removed slots reused by later additions (the most recently freed first).
 */
template <typename InKeyType, typename InValueType, typename SetAllocator = FDefaultSetAllocator,
		  typename KeyFuncs = TDefaultMapHashableKeyFuncs<InKeyType, InValueType, false>>
class TMap
{
public:
	using KeyType = InKeyType;
	using ValueType = InValueType;
	using ElementType = TPair<KeyType, ValueType>;
	using KeyConstPointerType = const KeyType&;
	using KeyInitType = const KeyType&;
	using ValueInitType = const ValueType&;
	using ElementSetType = TSet<ElementType, KeyFuncs, SetAllocator>;

	TMap() = default;
	TMap(const TMap&) = default;
	TMap(TMap&&) = default;
	TMap& operator=(const TMap&) = default;
	TMap& operator=(TMap&&) = default;

	TMap(std::initializer_list<ElementType> InitList)
	{
		for (const ElementType& Pair : InitList)
		{
			Add(Pair.Key, Pair.Value);
		}
	}

	ValueType& Add(const KeyType& InKey, const ValueType& InValue) { return Emplace(InKey, InValue); }

	ValueType& Add(const KeyType& InKey, ValueType&& InValue) { return Emplace(InKey, MoveTemp(InValue)); }

	ValueType& Add(KeyType&& InKey, const ValueType& InValue) { return Emplace(MoveTemp(InKey), InValue); }

	ValueType& Add(KeyType&& InKey, ValueType&& InValue) { return Emplace(MoveTemp(InKey), MoveTemp(InValue)); }

	ValueType& Add(const KeyType& InKey) { return Emplace(InKey); }

	ValueType& Add(KeyType&& InKey) { return Emplace(MoveTemp(InKey)); }

	ValueType& Add(const TTuple<KeyType, ValueType>& InKeyValue) { return Emplace(InKeyValue.Key, InKeyValue.Value); }

	/** An existing pair with the same key is replaced where it stands. */
	template <typename InitKeyType, typename InitValueType>
	ValueType& Emplace(InitKeyType&& InKey, InitValueType&& InValue)
	{
		const FSetElementId Id =
			Pairs.Emplace(ElementType(Forward<InitKeyType>(InKey), Forward<InitValueType>(InValue)));
		return Pairs[Id].Value;
	}

	template <typename InitKeyType>
	ValueType& Emplace(InitKeyType&& InKey)
	{
		const FSetElementId Id = Pairs.Emplace(ElementType(Forward<InitKeyType>(InKey), ValueType()));
		return Pairs[Id].Value;
	}

	ValueType& FindOrAdd(const KeyType& Key)
	{
		if (ElementType* Pair = Pairs.Find(Key))
		{
			return Pair->Value;
		}
		return Emplace(Key);
	}

	ValueType& FindOrAdd(KeyType&& Key)
	{
		if (ElementType* Pair = Pairs.Find(Key))
		{
			return Pair->Value;
		}
		return Emplace(MoveTemp(Key));
	}

	template <typename InitValueType>
	ValueType& FindOrAdd(const KeyType& Key, InitValueType&& Value)
	{
		if (ElementType* Pair = Pairs.Find(Key))
		{
			return Pair->Value;
		}
		return Emplace(Key, Forward<InitValueType>(Value));
	}

	ValueType* Find(KeyConstPointerType Key)
	{
		ElementType* Pair = Pairs.Find(Key);
		return Pair ? &Pair->Value : nullptr;
	}

	const ValueType* Find(KeyConstPointerType Key) const
	{
		const ElementType* Pair = Pairs.Find(Key);
		return Pair ? &Pair->Value : nullptr;
	}

	ValueType FindRef(KeyConstPointerType Key) const
	{
		const ElementType* Pair = Pairs.Find(Key);
		return Pair ? Pair->Value : ValueType();
	}

	ValueType& FindChecked(KeyConstPointerType Key)
	{
		ElementType* Pair = Pairs.Find(Key);
		checkf(Pair != nullptr, TEXT("TMap::FindChecked: the key is not in the map"));
		return Pair->Value;
	}

	const ValueType& FindChecked(KeyConstPointerType Key) const
	{
		const ElementType* Pair = Pairs.Find(Key);
		checkf(Pair != nullptr, TEXT("TMap::FindChecked: the key is not in the map"));
		return Pair->Value;
	}

	const KeyType* FindKey(ValueInitType Value) const
	{
		for (const ElementType& Pair : Pairs)
		{
			if (Pair.Value == Value)
			{
				return &Pair.Key;
			}
		}
		return nullptr;
	}

	ValueType& operator[](KeyConstPointerType Key) { return FindChecked(Key); }

	const ValueType& operator[](KeyConstPointerType Key) const { return FindChecked(Key); }

	bool Contains(KeyConstPointerType Key) const { return Pairs.Contains(Key); }

	int32 Remove(KeyConstPointerType Key) { return Pairs.Remove(Key); }

	bool RemoveAndCopyValue(KeyInitType Key, ValueType& OutRemovedValue)
	{
		const FSetElementId Id = Pairs.FindId(Key);
		if (!Id.IsValidId())
		{
			return false;
		}
		OutRemovedValue = MoveTemp(Pairs[Id].Value);
		Pairs.Remove(Id);
		return true;
	}

	ValueType FindAndRemoveChecked(KeyConstPointerType Key)
	{
		const FSetElementId Id = Pairs.FindId(Key);
		checkf(Id.IsValidId(), TEXT("TMap::FindAndRemoveChecked: the key is not in the map"));
		ValueType Result = MoveTemp(Pairs[Id].Value);
		Pairs.Remove(Id);
		return Result;
	}

	int32 Num() const { return Pairs.Num(); }

	bool IsEmpty() const { return Pairs.IsEmpty(); }

	void Empty(int32 ExpectedNumElements = 0) { Pairs.Empty(ExpectedNumElements); }

	void Reset() { Pairs.Reset(); }

	void Reserve(int32 Number) { Pairs.Reserve(Number); }

	void Shrink() { Pairs.Shrink(); }

	void Compact() { Pairs.Compact(); }

	void CompactStable() { Pairs.CompactStable(); }

	template <typename Allocator>
	int32 GetKeys(TArray<KeyType, Allocator>& OutKeys) const
	{
		OutKeys.Reset();
		for (const ElementType& Pair : Pairs)
		{
			OutKeys.Add(Pair.Key);
		}
		return OutKeys.Num();
	}

	template <typename OtherKeyFuncs, typename Allocator>
	int32 GetKeys(TSet<KeyType, OtherKeyFuncs, Allocator>& OutKeys) const
	{
		OutKeys.Reset();
		for (const ElementType& Pair : Pairs)
		{
			OutKeys.Add(Pair.Key);
		}
		return OutKeys.Num();
	}

	template <typename Allocator>
	void GenerateKeyArray(TArray<KeyType, Allocator>& OutArray) const
	{
		OutArray.Empty(Pairs.Num());
		for (const ElementType& Pair : Pairs)
		{
			OutArray.Add(Pair.Key);
		}
	}

	template <typename Allocator>
	void GenerateValueArray(TArray<ValueType, Allocator>& OutArray) const
	{
		OutArray.Empty(Pairs.Num());
		for (const ElementType& Pair : Pairs)
		{
			OutArray.Add(Pair.Value);
		}
	}

	void Append(const TMap& OtherMap)
	{
		Reserve(Num() + OtherMap.Num());
		for (const ElementType& Pair : OtherMap)
		{
			Add(Pair.Key, Pair.Value);
		}
	}

	void Append(TMap&& OtherMap)
	{
		Reserve(Num() + OtherMap.Num());
		for (ElementType& Pair : OtherMap)
		{
			Add(MoveTemp(Pair.Key), MoveTemp(Pair.Value));
		}
		OtherMap.Reset();
	}

	template <typename PredicateType>
	void KeySort(const PredicateType& Predicate)
	{
		Pairs.StableSort([&Predicate](const ElementType& A, const ElementType& B) { return Predicate(A.Key, B.Key); });
	}

	template <typename PredicateType>
	void KeyStableSort(const PredicateType& Predicate)
	{
		KeySort(Predicate);
	}

	template <typename PredicateType>
	void ValueSort(const PredicateType& Predicate)
	{
		Pairs.StableSort([&Predicate](const ElementType& A, const ElementType& B)
						 { return Predicate(A.Value, B.Value); });
	}

	template <typename PredicateType>
	void ValueStableSort(const PredicateType& Predicate)
	{
		ValueSort(Predicate);
	}

	template <typename PredicateType>
	TMap FilterByPredicate(PredicateType Predicate) const
	{
		TMap Result;
		for (const ElementType& Pair : Pairs)
		{
			if (Predicate(Pair))
			{
				Result.Add(Pair.Key, Pair.Value);
			}
		}
		return Result;
	}

	bool OrderIndependentCompareEqual(const TMap& Other) const
	{
		if (Num() != Other.Num())
		{
			return false;
		}
		for (const ElementType& Pair : Pairs)
		{
			const ValueType* OtherValue = Other.Find(Pair.Key);
			if (!OtherValue || !(*OtherValue == Pair.Value))
			{
				return false;
			}
		}
		return true;
	}

	SIZE_T GetAllocatedSize() const { return Pairs.GetAllocatedSize(); }

	template <bool bConst>
	class TBaseIterator
	{
		using SetIteratorType =
			std::conditional_t<bConst, typename ElementSetType::TConstIterator, typename ElementSetType::TIterator>;
		using ItElementType = std::conditional_t<bConst, const ElementType, ElementType>;
		using ItValueType = std::conditional_t<bConst, const ValueType, ValueType>;

	public:
		explicit TBaseIterator(const SetIteratorType& InIt) : It(InIt) {}

		TBaseIterator& operator++()
		{
			++It;
			return *this;
		}

		explicit operator bool() const { return static_cast<bool>(It); }

		const KeyType& Key() const { return It->Key; }

		ItValueType& Value() const { return It->Value; }

		ItElementType& operator*() const { return *It; }

		ItElementType* operator->() const { return &*It; }

		FSetElementId GetId() const { return It.GetId(); }

		/** Frees the current slot; the walk continues with the next element. */
		void RemoveCurrent() { It.RemoveCurrent(); }

		friend bool operator==(const TBaseIterator& Lhs, const TBaseIterator& Rhs) { return Lhs.It == Rhs.It; }

		friend bool operator!=(const TBaseIterator& Lhs, const TBaseIterator& Rhs) { return Lhs.It != Rhs.It; }

	private:
		SetIteratorType It;
	};

	using TIterator = TBaseIterator<false>;
	using TConstIterator = TBaseIterator<true>;

	TIterator CreateIterator() { return TIterator(Pairs.CreateIterator()); }

	TConstIterator CreateConstIterator() const { return TConstIterator(Pairs.CreateConstIterator()); }

	auto begin() { return Pairs.begin(); }

	auto end() { return Pairs.end(); }

	auto begin() const { return Pairs.begin(); }

	auto end() const { return Pairs.end(); }

private:
	ElementSetType Pairs;
};
