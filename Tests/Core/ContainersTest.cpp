#include "CoreMinimal.h"
#include "CoreTestPrinters.h"
#include "Algo/Reverse.h"
#include "Algo/Sort.h"

#include <gtest/gtest.h>

namespace
{
	template <typename ContainerType>
	TArray<FString> KeysInOrder(const ContainerType& Container)
	{
		TArray<FString> Keys;
		for (const auto& Element : Container)
		{
			if constexpr (std::is_same_v<std::decay_t<decltype(Element)>, FString>)
			{
				Keys.Add(Element);
			}
			else
			{
				Keys.Add(Element.Key);
			}
		}
		return Keys;
	}

	struct FOrderCase
	{
		const TCHAR* Name;
		TArray<FString> Added;
		TArray<FString> Removed;
		bool bEmptyAfterRemoving;
		TArray<FString> AddedAfter;
		TArray<FString> Expected;
	};

	const FOrderCase OrderCases[] = {
		{TEXT("insertion order"), {TEXT("a"), TEXT("b"), TEXT("c")}, {}, false, {}, {TEXT("a"), TEXT("b"), TEXT("c")}},
		{TEXT("most recently freed slot is reused first"),
		 {TEXT("a"), TEXT("b"), TEXT("c"), TEXT("d")},
		 {TEXT("b"), TEXT("d")},
		 false,
		 {TEXT("e"), TEXT("f")},
		 {TEXT("a"), TEXT("f"), TEXT("c"), TEXT("e")}},
		{TEXT("freed slots before appending"),
		 {TEXT("a"), TEXT("b"), TEXT("c")},
		 {TEXT("a")},
		 false,
		 {TEXT("x"), TEXT("y")},
		 {TEXT("x"), TEXT("b"), TEXT("c"), TEXT("y")}},
		{TEXT("removing everything keeps the holes"),
		 {TEXT("a"), TEXT("b"), TEXT("c")},
		 {TEXT("a"), TEXT("b"), TEXT("c")},
		 false,
		 {TEXT("x"), TEXT("y")},
		 {TEXT("y"), TEXT("x")}},
		{TEXT("Empty starts over"),
		 {TEXT("a"), TEXT("b"), TEXT("c")},
		 {TEXT("b")},
		 true,
		 {TEXT("x"), TEXT("y")},
		 {TEXT("x"), TEXT("y")}},
		{TEXT("re-adding an existing key keeps its slot"),
		 {TEXT("a"), TEXT("b"), TEXT("c")},
		 {},
		 false,
		 {TEXT("A"), TEXT("d")},
		 {TEXT("A"), TEXT("b"), TEXT("c"), TEXT("d")}},
	};
}

TEST(ContainersTest, MapAndSetIterateInTheEngineSlotOrder)
{
	for (const FOrderCase& Case : OrderCases)
	{
		TMap<FString, int32> Map;
		TSet<FString> Set;
		for (const FString& Key : Case.Added)
		{
			Map.Add(Key, 1);
			Set.Add(Key);
		}
		for (const FString& Key : Case.Removed)
		{
			EXPECT_EQ(Map.Remove(Key), 1) << Case.Name;
			EXPECT_EQ(Set.Remove(Key), 1) << Case.Name;
		}
		if (Case.bEmptyAfterRemoving)
		{
			Map.Empty();
			Set.Reset();
		}
		for (const FString& Key : Case.AddedAfter)
		{
			Map.Add(Key, 2);
			Set.Add(Key);
		}

		const TArray<FString> MapKeys = KeysInOrder(Map);
		const TArray<FString> SetKeys = KeysInOrder(Set);
		ASSERT_EQ(MapKeys.Num(), Case.Expected.Num()) << Case.Name;
		ASSERT_EQ(SetKeys.Num(), Case.Expected.Num()) << Case.Name;
		for (int32 Index = 0; Index < Case.Expected.Num(); ++Index)
		{
			// Case-sensitive: a re-added key replaces the stored key text, as in the engine.
			EXPECT_TRUE(MapKeys[Index].Equals(Case.Expected[Index])) << Case.Name << " map[" << Index << "]";
			EXPECT_TRUE(SetKeys[Index].Equals(Case.Expected[Index])) << Case.Name << " set[" << Index << "]";
		}
	}
}

TEST(ContainersTest, MapLookupsAfterChurnFindEveryLiveKey)
{
	TMap<int32, int32> Map;
	for (int32 Key = 0; Key < 1000; ++Key)
	{
		Map.Add(Key, Key * 2);
	}
	for (int32 Key = 0; Key < 1000; Key += 3)
	{
		Map.Remove(Key);
	}
	for (int32 Key = 1000; Key < 1200; ++Key)
	{
		Map.Add(Key, Key * 2);
	}
	EXPECT_EQ(Map.Num(), 1000 - 334 + 200);
	for (int32 Key = 0; Key < 1200; ++Key)
	{
		const bool bShouldExist = Key >= 1000 || Key % 3 != 0;
		const int32* Value = Map.Find(Key);
		ASSERT_EQ(Value != nullptr, bShouldExist) << Key;
		if (Value)
		{
			EXPECT_EQ(*Value, Key * 2);
		}
	}
}

TEST(ContainersTest, ResetKeepsTheRoomAndFindsOnlyWhatWasAddedSince)
{
	// A reset set keeps its buckets: the first reset clears them all, later ones only those its few elements used.
	// With 1,024 buckets, keys 1,024 apart share one.
	TSet<int32> Set;
	for (int32 Key = 0; Key < 1000; ++Key)
	{
		Set.Add(Key);
	}
	const TArray<TArray<int32>> Rounds = {{5000, 5000 + 1024, 5000 + 2048, 7}, {6000, 6001, 5000}, {}, {1, 2}};
	TArray<int32> Before;
	for (int32 Key = 0; Key < 1000; ++Key)
	{
		Before.Add(Key);
	}
	for (const TArray<int32>& Round : Rounds)
	{
		Set.Reset();
		for (const int32 Key : Round)
		{
			Set.Add(Key);
		}
		EXPECT_EQ(Set.Array(), Round);
		for (const int32 Key : Before)
		{
			EXPECT_EQ(Set.Contains(Key), Round.Contains(Key)) << Key;
		}
		for (const int32 Key : Round)
		{
			EXPECT_TRUE(Set.Contains(Key)) << Key;
		}
		Before = Round;
	}
}

TEST(ContainersTest, RemoveCurrentFreesTheSlotAndIterationContinues)
{
	TMap<FString, int32> Map = {{TEXT("a"), 1}, {TEXT("b"), 2}, {TEXT("c"), 3}, {TEXT("d"), 4}};
	TArray<FString> Visited;
	for (auto It = Map.CreateIterator(); It; ++It)
	{
		Visited.Add(It.Key());
		if (It.Value() % 2 == 0)
		{
			It.RemoveCurrent();
		}
	}
	EXPECT_EQ(Visited, TArray<FString>({TEXT("a"), TEXT("b"), TEXT("c"), TEXT("d")}));
	EXPECT_EQ(KeysInOrder(Map), TArray<FString>({TEXT("a"), TEXT("c")}));

	// d was freed last, so it is reused first.
	Map.Add(TEXT("e"), 5);
	Map.Add(TEXT("f"), 6);
	EXPECT_EQ(KeysInOrder(Map), TArray<FString>({TEXT("a"), TEXT("f"), TEXT("c"), TEXT("e")}));
}

TEST(ContainersTest, CompactFillsHolesFromTheEndAndCompactStableKeepsOrder)
{
	auto MakeWithHoles = []()
	{
		TSet<int32> Set = {0, 1, 2, 3, 4, 5};
		Set.Remove(1);
		Set.Remove(2);
		return Set;
	};
	TSet<int32> Unstable = MakeWithHoles();
	Unstable.Compact();
	EXPECT_EQ(Unstable.Array(), TArray<int32>({0, 4, 5, 3}));

	TSet<int32> Stable = MakeWithHoles();
	Stable.CompactStable();
	EXPECT_EQ(Stable.Array(), TArray<int32>({0, 3, 4, 5}));

	// No holes are left: new elements append.
	Stable.Add(9);
	EXPECT_EQ(Stable.Array(), TArray<int32>({0, 3, 4, 5, 9}));
	EXPECT_TRUE(Stable.Contains(4));
}

TEST(ContainersTest, MapApiFollowsTheEngine)
{
	TMap<FName, int32> Map;
	Map.Add(TEXT("Mesh"), 1);
	EXPECT_EQ(Map.FindRef(TEXT("MESH")), 1) << "FName keys ignore case";
	EXPECT_EQ(Map.FindRef(TEXT("Missing")), 0);
	EXPECT_EQ(Map.FindOrAdd(TEXT("Tex")), 0);
	Map.FindOrAdd(TEXT("Tex")) = 7;
	EXPECT_EQ(Map[TEXT("tex")], 7);
	EXPECT_EQ(*Map.FindKey(7), FName(TEXT("Tex")));

	int32 Removed = 0;
	EXPECT_TRUE(Map.RemoveAndCopyValue(TEXT("Mesh"), Removed));
	EXPECT_EQ(Removed, 1);
	EXPECT_FALSE(Map.Contains(TEXT("Mesh")));

	TArray<FName> Keys = {TEXT("Stale")};
	EXPECT_EQ(Map.GetKeys(Keys), 1) << "GetKeys replaces the array's contents";

	TMap<FString, int32> Scores = {{TEXT("c"), 3}, {TEXT("a"), 1}, {TEXT("b"), 2}};
	Scores.KeySort([](const FString& A, const FString& B) { return A < B; });
	EXPECT_EQ(KeysInOrder(Scores), TArray<FString>({TEXT("a"), TEXT("b"), TEXT("c")}));
	Scores.ValueSort([](int32 A, int32 B) { return A > B; });
	EXPECT_EQ(KeysInOrder(Scores), TArray<FString>({TEXT("c"), TEXT("b"), TEXT("a")}));
	EXPECT_TRUE(
		Scores.OrderIndependentCompareEqual(TMap<FString, int32>({{TEXT("a"), 1}, {TEXT("b"), 2}, {TEXT("c"), 3}})));
}

TEST(ContainersTest, SetAlgebra)
{
	const TSet<int32> A = {1, 2, 3, 4};
	const TSet<int32> B = {3, 4, 5};
	EXPECT_EQ(A.Union(B).Array(), TArray<int32>({1, 2, 3, 4, 5}));
	EXPECT_EQ(A.Intersect(B).Array(), TArray<int32>({3, 4}));
	EXPECT_EQ(A.Difference(B).Array(), TArray<int32>({1, 2}));
	EXPECT_TRUE(A.Includes(TSet<int32>({2, 4})));
	EXPECT_FALSE(A.Includes(B));

	TSet<int32> Set;
	bool bAlreadyInSet = true;
	const FSetElementId Id = Set.Add(8, &bAlreadyInSet);
	EXPECT_FALSE(bAlreadyInSet);
	EXPECT_EQ(Set.Add(8, &bAlreadyInSet), Id);
	EXPECT_TRUE(bAlreadyInSet);
	EXPECT_EQ(Set[Id], 8);
}

TEST(ContainersTest, ArrayEditing)
{
	struct FCase
	{
		const TCHAR* Name;
		TFunction<void(TArray<int32>&)> Edit;
		TArray<int32> Expected;
	};
	const FCase Cases[] = {
		{TEXT("RemoveAt keeps order"), [](TArray<int32>& A) { A.RemoveAt(1, 2); }, {0, 3, 4, 5}},
		{TEXT("RemoveAtSwap fills from the end"), [](TArray<int32>& A) { A.RemoveAtSwap(1); }, {0, 5, 2, 3, 4}},
		{TEXT("Remove removes every copy"),
		 [](TArray<int32>& A)
		 {
			 A.Add(2);
			 A.Remove(2);
		 },
		 {0, 1, 3, 4, 5}},
		{TEXT("RemoveSingle removes the first copy"),
		 [](TArray<int32>& A)
		 {
			 A.Add(2);
			 A.RemoveSingle(2);
		 },
		 {0, 1, 3, 4, 5, 2}},
		{TEXT("RemoveAll"), [](TArray<int32>& A) { A.RemoveAll([](int32 X) { return X % 2 == 0; }); }, {1, 3, 5}},
		{TEXT("Insert"),
		 [](TArray<int32>& A)
		 {
			 A.Insert(9, 0);
			 A.Insert({7, 8}, 2);
		 },
		 {9, 0, 7, 8, 1, 2, 3, 4, 5}},
		{TEXT("SetNum grows with defaults"),
		 [](TArray<int32>& A)
		 {
			 A.SetNum(2);
			 A.SetNum(4);
		 },
		 {0, 1, 0, 0}},
		{TEXT("AddUnique"),
		 [](TArray<int32>& A)
		 {
			 A.AddUnique(3);
			 A.AddUnique(6);
		 },
		 {0, 1, 2, 3, 4, 5, 6}},
		{TEXT("Sort with predicate"),
		 [](TArray<int32>& A) { A.Sort([](int32 X, int32 Y) { return X > Y; }); },
		 {5, 4, 3, 2, 1, 0}},
		{TEXT("iterator RemoveCurrent"),
		 [](TArray<int32>& A)
		 {
			 for (auto It = A.CreateIterator(); It; ++It)
			 {
				 if (*It % 2)
				 {
					 It.RemoveCurrent();
				 }
			 }
		 },
		 {0, 2, 4}},
		{TEXT("Pop"), [](TArray<int32>& A) { EXPECT_EQ(A.Pop(), 5); }, {0, 1, 2, 3, 4}},
		{TEXT("_GetRef adds into a fresh allocation"),
		 [](TArray<int32>& A)
		 {
			 A.Empty();
			 A.AddDefaulted_GetRef() = 7;
			 A.AddZeroed_GetRef() = 8;
			 A.Emplace_GetRef(9) += 1;
			 A.InsertDefaulted_GetRef(0) = 6;
		 },
		 {6, 7, 8, 10}},
		{TEXT("Algo::Reverse"), [](TArray<int32>& A) { Algo::Reverse(A); }, {5, 4, 3, 2, 1, 0}},
		{TEXT("Algo::SortBy"),
		 [](TArray<int32>& A) { Algo::SortBy(A, [](int32 X) { return (X * 5) % 6; }); },
		 {0, 5, 4, 3, 2, 1}},
	};
	for (const FCase& Case : Cases)
	{
		TArray<int32> Array = {0, 1, 2, 3, 4, 5};
		Case.Edit(Array);
		EXPECT_EQ(Array, Case.Expected) << Case.Name;
	}
}

TEST(ContainersTest, ArrayOfStringsSurvivesGrowthAndMiddleRemoval)
{
	TArray<FString> Strings;
	for (int32 Index = 0; Index < 100; ++Index)
	{
		Strings.Add(FString::Printf(TEXT("Item%d"), Index));
	}
	Strings.RemoveAt(10, 80);
	Strings.Insert(TEXT("Inserted"), 5);
	ASSERT_EQ(Strings.Num(), 21);
	EXPECT_EQ(Strings[4], TEXT("Item4"));
	EXPECT_EQ(Strings[5], TEXT("Inserted"));
	EXPECT_EQ(Strings[11], TEXT("Item90"));
	EXPECT_EQ(Strings.Last(), TEXT("Item99"));
	EXPECT_EQ(Strings.IndexOfByKey(TEXT("Item92")), 13);
	EXPECT_EQ(Strings.Find(TEXT("Missing")), INDEX_NONE);
}

TEST(ContainersTest, ArrayViewsAcceptArraysOfEitherSize)
{
	TArray<uint8> Bytes = {1, 2, 3};
	TArray64<uint8> Bytes64 = {4, 5};
	auto Sum = [](TArrayView64<const uint8> View)
	{
		int64 Total = 0;
		for (uint8 Byte : View)
		{
			Total += Byte;
		}
		return Total;
	};
	EXPECT_EQ(Sum(Bytes), 6);
	EXPECT_EQ(Sum(Bytes64), 9);
	EXPECT_EQ(TArrayView<const uint8>(Bytes).Slice(1, 2)[1], 3);
}

TEST(ContainersDeathTest, OutOfBoundsAccessAndChangingAnArrayWhileIteratingAreFatal)
{
	TArray<int32> Array = {1, 2, 3};
	EXPECT_DEATH(Array[3] = 0, "Array index out of bounds");
	EXPECT_DEATH(
		{
			for (int32 Value : Array)
			{
				Array.Add(Value);
			}
		},
		"Array has changed during ranged-for iteration");
	TMap<int32, int32> Map;
	EXPECT_DEATH(Map.FindChecked(1), "");
}
