#include "CoreMinimal.h"
#include "CoreTestPrinters.h"

#include <gtest/gtest.h>

TEST(NameTest, EqualityIgnoresCaseButNotTheNumber)
{
	struct FCase
	{
		const TCHAR* A;
		const TCHAR* B;
		bool bEqual;
	};
	const FCase Cases[] = {
		{TEXT("Foo_3"), TEXT("foo_3"), true},	{TEXT("/Game/Maps/Level"), TEXT("/game/maps/LEVEL"), true},
		{TEXT("Foo_3"), TEXT("Foo_03"), false}, {TEXT("Foo_3"), TEXT("Foo_4"), false},
		{TEXT("Foo_3"), TEXT("Foo"), false},	{TEXT("Foo_0"), TEXT("Foo"), false},
		{TEXT("None"), TEXT(""), true},			{TEXT("none"), TEXT(""), true},
	};
	for (const FCase& Case : Cases)
	{
		const FName A(Case.A);
		const FName B(Case.B);
		EXPECT_EQ(A == B, Case.bEqual) << UE::StandIn::ToUtf8(Case.A) << " vs " << UE::StandIn::ToUtf8(Case.B);
		if (Case.bEqual)
		{
			EXPECT_EQ(GetTypeHash(A), GetTypeHash(B)) << UE::StandIn::ToUtf8(Case.A);
		}
	}
}

TEST(NameTest, NumberSuffixIsSplitOnlyWhenTheEngineWouldAndTextRoundTrips)
{
	struct FCase
	{
		const TCHAR* Text;
		const TCHAR* Plain;
		int32 InternalNumber;
	};
	const FCase Cases[] = {
		{TEXT("Foo_3"), TEXT("Foo"), 4},
		{TEXT("Foo_0"), TEXT("Foo"), 1},
		{TEXT("Foo_03"), TEXT("Foo_03"), 0},
		{TEXT("Foo_"), TEXT("Foo_"), 0},
		{TEXT("Foo3"), TEXT("Foo3"), 0},
		{TEXT("_3"), TEXT("_3"), 0},
		{TEXT("Foo_99999999999"), TEXT("Foo_99999999999"), 0},
		{TEXT("A_B_12"), TEXT("A_B"), 13},
		{TEXT("MixedCase_7"), TEXT("MixedCase"), 8},
	};
	for (const FCase& Case : Cases)
	{
		const FName Name(Case.Text);
		EXPECT_EQ(Name.GetPlainNameString(), Case.Plain) << UE::StandIn::ToUtf8(Case.Text);
		EXPECT_EQ(Name.GetNumber(), Case.InternalNumber) << UE::StandIn::ToUtf8(Case.Text);
		EXPECT_TRUE(Name.ToString().Equals(Case.Text)) << UE::StandIn::ToUtf8(Case.Text);
	}
}

TEST(NameTest, EachInstanceKeepsTheSpellingItWasMadeWith)
{
	const FName First(TEXT("SpellingProbe"));
	const FName Second(TEXT("SPELLINGPROBE"));
	EXPECT_EQ(First, Second);
	EXPECT_TRUE(First.ToString().Equals(TEXT("SpellingProbe")));
	EXPECT_TRUE(Second.ToString().Equals(TEXT("SPELLINGPROBE")));
	EXPECT_TRUE(First.IsEqual(Second, ENameCase::IgnoreCase));
	EXPECT_FALSE(First.IsEqual(Second, ENameCase::CaseSensitive));
	EXPECT_TRUE(FName(TEXT("X_1")).IsEqual(FName(TEXT("X_2")), ENameCase::IgnoreCase, false));
}

TEST(NameTest, NoneAndFindOnly)
{
	EXPECT_TRUE(FName().IsNone());
	EXPECT_TRUE(FName(TEXT("")).IsNone());
	EXPECT_EQ(FName(TEXT("")), NAME_None);
	EXPECT_EQ(FName(NAME_None).ToString(), TEXT("None"));
	EXPECT_TRUE(FName(TEXT("NeverMadeBeforeXyz"), FNAME_Find).IsNone());
	const FName Made(TEXT("MadeOnce"));
	EXPECT_EQ(FName(TEXT("madeonce"), FNAME_Find), Made);
}

TEST(NameTest, OrderingIsLexicalThenByNumber)
{
	TArray<FName> Names = {TEXT("beta"), TEXT("Alpha_2"), TEXT("alpha_10"), TEXT("Alpha"), TEXT("Gamma")};
	Names.Sort();
	TArray<FString> Sorted;
	for (const FName& Name : Names)
	{
		Sorted.Add(Name.ToString());
	}
	EXPECT_EQ(Sorted, TArray<FString>({TEXT("Alpha"), TEXT("Alpha_2"), TEXT("alpha_10"), TEXT("beta"), TEXT("Gamma")}));
	EXPECT_TRUE(FName(TEXT("a")).LexicalLess(FName(TEXT("B"))));
	EXPECT_EQ(FName(TEXT("X"), 5).ToString(), TEXT("X_4"));
}
