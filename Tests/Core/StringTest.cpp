#include "CoreMinimal.h"
#include "CoreTestPrinters.h"

#include <gtest/gtest.h>

TEST(StringTest, PrintfFollowsTheEngineConventions)
{
	const FString Name = TEXT("Mesh");
	const TCHAR* Wide = TEXT("wide");
	struct FCase
	{
		FString Actual;
		const TCHAR* Expected;
	};
	const FCase Cases[] = {
		{FString::Printf(TEXT("%s has %d parts"), *Name, 3), TEXT("Mesh has 3 parts")},
		{FString::Printf(TEXT("[%5s][%-5s]"), Wide, Wide), TEXT("[ wide][wide ]")},
		{FString::Printf(TEXT("%.2f|%6.1f|%g"), 3.14159, 2.25f, 0.5), TEXT("3.14|   2.2|0.5")},
		{FString::Printf(TEXT("%03d|%x|%X|%u"), 7, 255, 255u, 4000000000u), TEXT("007|ff|FF|4000000000")},
		{FString::Printf(TEXT("%lld|%llu"), int64(-9000000000), uint64(18000000000)), TEXT("-9000000000|18000000000")},
		{FString::Printf(TEXT("%i%% %c"), 50, TEXT('!')), TEXT("50% !")},
		{FString::Printf(TEXT("%u"), -1), TEXT("4294967295")},
		{FString::Printf(TEXT("%hs"), "narrow"), TEXT("narrow")},
		{FString::Printf(TEXT("%s"), static_cast<const TCHAR*>(nullptr)), TEXT("(null)")},
		{FString::Printf(TEXT("%*d"), 4, 12), TEXT("  12")},
		{FString::Printf(TEXT("no arguments")), TEXT("no arguments")},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_TRUE(Case.Actual.Equals(Case.Expected)) << UE::StandIn::ToUtf8(Case.Actual);
	}
}

TEST(StringDeathTest, PrintfRejectsANarrowStringForPercentS)
{
	EXPECT_DEATH(FString::Printf(TEXT("%s"), "narrow"), "%s needs a TCHAR string");
}

TEST(StringTest, PathJoinPutsOneSlashBetweenParts)
{
	struct FCase
	{
		const TCHAR* Left;
		const TCHAR* Right;
		const TCHAR* Expected;
	};
	const FCase Cases[] = {
		{TEXT("A"), TEXT("B"), TEXT("A/B")},
		{TEXT("A/"), TEXT("B"), TEXT("A/B")},
		{TEXT("A"), TEXT("/B"), TEXT("A/B")},
		{TEXT(""), TEXT("B"), TEXT("B")},
		{TEXT("A"), TEXT(""), TEXT("A/")},
		{TEXT("../../Proj/Content/"), TEXT("R/T.png"), TEXT("../../Proj/Content/R/T.png")},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EQ(FString(Case.Left) / Case.Right, Case.Expected) << UE::StandIn::ToUtf8(Case.Left);
		FString Appended = Case.Left;
		Appended /= Case.Right;
		EXPECT_EQ(Appended, Case.Expected);
	}
}

TEST(StringTest, ComparisonsIgnoreCaseUnlessAskedNotTo)
{
	const FString Path = TEXT("/Game/Pack/Asset");
	EXPECT_TRUE(Path == TEXT("/game/pack/asset"));
	EXPECT_FALSE(Path.Equals(TEXT("/game/pack/asset")));
	EXPECT_TRUE(Path.Equals(TEXT("/game/pack/asset"), ESearchCase::IgnoreCase));
	EXPECT_TRUE(Path.StartsWith(TEXT("/GAME/")));
	EXPECT_FALSE(Path.StartsWith(TEXT("/GAME/"), ESearchCase::CaseSensitive));
	EXPECT_TRUE(Path.EndsWith(TEXT("ASSET")));
	EXPECT_FALSE(Path.StartsWith(TEXT("")));
	EXPECT_TRUE(FString(TEXT("apple")) < FString(TEXT("Banana")));
	EXPECT_EQ(GetTypeHash(FString(TEXT("MiXeD"))), GetTypeHash(FString(TEXT("mixed"))));

	FString Trimmed = Path;
	EXPECT_TRUE(Trimmed.RemoveFromStart(TEXT("/game")));
	EXPECT_EQ(Trimmed, TEXT("/Pack/Asset"));
	EXPECT_FALSE(Trimmed.RemoveFromEnd(TEXT("Pack")));
}

TEST(StringTest, ParseIntoArrayLinesSplitsOnEveryLineEnding)
{
	const FString Text = TEXT("one\r\ntwo\nthree\rfour\n\n  \nfive");
	TArray<FString> Lines;
	EXPECT_EQ(Text.ParseIntoArrayLines(Lines), 6);
	EXPECT_EQ(Lines,
			  TArray<FString>({TEXT("one"), TEXT("two"), TEXT("three"), TEXT("four"), TEXT("  "), TEXT("five")}));

	EXPECT_EQ(Text.ParseIntoArrayLines(Lines, false), 7);
	EXPECT_EQ(Lines[4], TEXT(""));

	TArray<FString> Parts;
	EXPECT_EQ(FString(TEXT("a,,b,")).ParseIntoArray(Parts, TEXT(",")), 2);
	EXPECT_EQ(FString(TEXT("a,,b,")).ParseIntoArray(Parts, TEXT(","), false), 4);
	EXPECT_EQ(FString(TEXT(" a \t b\n")).ParseIntoArrayWS(Parts), 2);
	EXPECT_EQ(Parts, TArray<FString>({TEXT("a"), TEXT("b")}));
}

TEST(StringTest, SlicingSearchingAndEditing)
{
	const FString Text = TEXT("Hello, World");
	EXPECT_EQ(Text.Left(5), TEXT("Hello"));
	EXPECT_EQ(Text.Left(50), Text);
	EXPECT_EQ(Text.LeftChop(7), TEXT("Hello"));
	EXPECT_EQ(Text.Right(5), TEXT("World"));
	EXPECT_EQ(Text.RightChop(7), TEXT("World"));
	EXPECT_EQ(Text.Mid(7), TEXT("World"));
	EXPECT_EQ(Text.Mid(-3, 5), TEXT("He"));
	EXPECT_EQ(Text.Mid(3, 2), TEXT("lo"));
	EXPECT_EQ(Text.Find(TEXT("o")), 4);
	EXPECT_EQ(Text.Find(TEXT("O"), ESearchCase::CaseSensitive), INDEX_NONE);
	EXPECT_EQ(Text.Find(TEXT("o"), ESearchCase::IgnoreCase, ESearchDir::FromEnd), 8);
	EXPECT_EQ(Text.Find(TEXT("o"), ESearchCase::IgnoreCase, ESearchDir::FromEnd, 8), 4);
	EXPECT_EQ(Text.Find(TEXT("o"), ESearchCase::IgnoreCase, ESearchDir::FromStart, 5), 8);

	int32 Index = 0;
	EXPECT_TRUE(Text.FindLastChar(TEXT('o'), Index));
	EXPECT_EQ(Index, 8);

	FString Left;
	FString Right;
	EXPECT_TRUE(FString(TEXT("a.b.c")).Split(TEXT("."), &Left, &Right, ESearchCase::IgnoreCase, ESearchDir::FromEnd));
	EXPECT_EQ(Left, TEXT("a.b"));
	EXPECT_EQ(Right, TEXT("c"));

	FString Replaced = TEXT("a-B-b");
	EXPECT_EQ(Replaced.ReplaceInline(TEXT("b"), TEXT("cc")), 2);
	EXPECT_EQ(Replaced, TEXT("a-cc-cc"));
	EXPECT_TRUE(FString(TEXT("a-B-b")).Replace(TEXT("b"), TEXT("x"), ESearchCase::CaseSensitive).Equals(TEXT("a-B-x")));

	FString Spaces = TEXT(" a b ");
	Spaces.RemoveSpacesInline();
	EXPECT_EQ(Spaces, TEXT("ab"));
	EXPECT_EQ(FString(TEXT("  \tpad \n")).TrimStartAndEnd(), TEXT("pad"));
	EXPECT_EQ(FString(TEXT("\"quoted\"")).TrimQuotes(), TEXT("quoted"));
	EXPECT_EQ(FString::Join(TArray<FString>({TEXT("a"), TEXT("b"), TEXT("c")}), TEXT(", ")), TEXT("a, b, c"));
	EXPECT_EQ(FString(TEXT("abc")).Reverse(), TEXT("cba"));
	EXPECT_TRUE(FString(TEXT("MiXeD")).ToUpper().Equals(TEXT("MIXED")));

	FString Inserted = TEXT("ac");
	Inserted.InsertAt(1, TEXT('b'));
	EXPECT_EQ(Inserted, TEXT("abc"));
	Inserted.RemoveAt(0, 3);
	EXPECT_TRUE(Inserted.IsEmpty());
	EXPECT_EQ(*Inserted, FString(TEXT("")));
	EXPECT_EQ(Inserted.GetCharArray().Num(), 0);
	EXPECT_EQ(FString(TEXT("ab")).GetCharArray().Num(), 3) << "the character array holds the terminator";
}

TEST(StringTest, NumbersInAndOut)
{
	struct FSanitizeCase
	{
		double Value;
		const TCHAR* Expected;
	};
	const FSanitizeCase SanitizeCases[] = {
		{1.0, TEXT("1.0")}, {1.5, TEXT("1.5")}, {-0.25, TEXT("-0.25")}, {100.0, TEXT("100.0")}, {-0.0, TEXT("0.0")}};
	for (const FSanitizeCase& Case : SanitizeCases)
	{
		EXPECT_EQ(FString::SanitizeFloat(Case.Value), Case.Expected);
	}
	EXPECT_EQ(FString::SanitizeFloat(2.0, 0), TEXT("2"));
	EXPECT_EQ(FString::FromInt(-42), TEXT("-42"));
	EXPECT_EQ(LexToString(true), TEXT("true"));
	EXPECT_EQ(FCString::Atoi(TEXT("12abc")), 12);
	EXPECT_FLOAT_EQ(FCString::Atof(TEXT("2.5")), 2.5f);
	EXPECT_TRUE(FString(TEXT("-1.5")).IsNumeric());
	EXPECT_FALSE(FString(TEXT("1e5")).IsNumeric());
	EXPECT_FALSE(FString().IsNumeric());

	int32 Parsed = 0;
	EXPECT_TRUE(LexTryParseString(Parsed, TEXT("123")));
	EXPECT_EQ(Parsed, 123);
	EXPECT_FALSE(LexTryParseString(Parsed, TEXT("12x")));
	EXPECT_FALSE(LexTryParseString(Parsed, TEXT("99999999999")));
}

TEST(StringTest, Utf8ConversionsRoundTrip)
{
	const FString Text = TEXT("Gr\u00fc\u00dfe \u65e5\u672c \U0001F600");
	const std::string Utf8 = UE::StandIn::ToUtf8(Text);
	EXPECT_EQ(Utf8, "Gr\xc3\xbc\xc3\x9f"
					"e \xe6\x97\xa5\xe6\x9c\xac \xf0\x9f\x98\x80");
	EXPECT_TRUE(UE::StandIn::FromUtf8(Utf8).Equals(Text));
	EXPECT_STREQ(TCHAR_TO_UTF8(*Text), Utf8.c_str());
	EXPECT_TRUE(FString(UTF8_TO_TCHAR(Utf8.c_str())).Equals(Text));
	EXPECT_TRUE(FString(Utf8.c_str()).Equals(Text)) << "ANSICHAR strings are read as UTF-8";
	EXPECT_TRUE(FString("caf\xe9").Equals(TEXT("caf\u00e9"))) << "bytes that are not UTF-8 are Latin-1";
	EXPECT_STREQ(TCHAR_TO_ANSI(TEXT("a\u65e5")), "a?");
}
