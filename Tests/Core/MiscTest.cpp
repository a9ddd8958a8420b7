#include "CoreMinimal.h"
#include "CoreTestPrinters.h"
#include "Misc/CommandLine.h"
#include "Misc/DateTime.h"
#include "Misc/Parse.h"

#include <gtest/gtest.h>

TEST(GuidTest, FormatsParseBack)
{
	const FGuid Guid(0x01234567, 0x89ABCDEF, 0xFEDCBA98, 0x76543210);
	struct FCase
	{
		EGuidFormats Format;
		const TCHAR* Expected;
	};
	const FCase Cases[] = {
		{EGuidFormats::Digits, TEXT("0123456789ABCDEFFEDCBA9876543210")},
		{EGuidFormats::DigitsLower, TEXT("0123456789abcdeffedcba9876543210")},
		{EGuidFormats::DigitsWithHyphens, TEXT("01234567-89AB-CDEF-FEDC-BA9876543210")},
		{EGuidFormats::DigitsWithHyphensInBraces, TEXT("{01234567-89AB-CDEF-FEDC-BA9876543210}")},
		{EGuidFormats::DigitsWithHyphensInParentheses, TEXT("(01234567-89AB-CDEF-FEDC-BA9876543210)")},
		{EGuidFormats::UniqueObjectGuid, TEXT("01234567-89ABCDEF-FEDCBA98-76543210")},
		{EGuidFormats::HexValuesInBraces, TEXT("{0x01234567,0x89ab,0xcdef,{0xfe,0xdc,0xba,0x98,0x76,0x54,0x32,0x10}}")},
	};
	for (const FCase& Case : Cases)
	{
		const FString Text = Guid.ToString(Case.Format);
		EXPECT_TRUE(Text.Equals(Case.Expected)) << UE::StandIn::ToUtf8(Text);
		FGuid Parsed;
		EXPECT_TRUE(FGuid::Parse(Text, Parsed)) << UE::StandIn::ToUtf8(Text);
		EXPECT_EQ(Parsed, Guid) << UE::StandIn::ToUtf8(Text);
	}
	FGuid Unparsed;
	EXPECT_FALSE(FGuid::Parse(TEXT("not a guid"), Unparsed));
	EXPECT_EQ(Guid.ToString(), Guid.ToString(EGuidFormats::Digits));
}

TEST(GuidTest, NewGuidsAreValidAndDistinct)
{
	TSet<FGuid> Guids;
	for (int32 Index = 0; Index < 1000; ++Index)
	{
		const FGuid Guid = FGuid::NewGuid();
		EXPECT_TRUE(Guid.IsValid());
		Guids.Add(Guid);
	}
	EXPECT_EQ(Guids.Num(), 1000);
	FGuid Guid = FGuid::NewGuid();
	Guid.Invalidate();
	EXPECT_FALSE(Guid.IsValid());
}

TEST(ParseTest, ValuesAndSwitches)
{
	const TCHAR* CommandLine =
		TEXT("Proj.uproject -run=cook -TargetPlatform=Windows -Out=\"C:/My Folder\" -unattended -Count=12");
	FString Value;
	EXPECT_TRUE(FParse::Value(CommandLine, TEXT("targetplatform="), Value));
	EXPECT_EQ(Value, TEXT("Windows"));
	EXPECT_TRUE(FParse::Value(CommandLine, TEXT("Out="), Value));
	EXPECT_EQ(Value, TEXT("C:/My Folder"));
	EXPECT_FALSE(FParse::Value(CommandLine, TEXT("Platform="), Value)) << "a match must not be the tail of a word";
	int32 Count = 0;
	EXPECT_TRUE(FParse::Value(CommandLine, TEXT("Count="), Count));
	EXPECT_EQ(Count, 12);
	EXPECT_TRUE(FParse::Param(CommandLine, TEXT("Unattended")));
	EXPECT_FALSE(FParse::Param(CommandLine, TEXT("unattend")));

	const TCHAR* Stream = TEXT("  first \"second arg\" third");
	FString Token;
	TArray<FString> Tokens;
	while (FParse::Token(Stream, Token, false))
	{
		Tokens.Add(Token);
	}
	EXPECT_EQ(Tokens, TArray<FString>({TEXT("first"), TEXT("second arg"), TEXT("third")}));

	const FString Saved = FCommandLine::Get();
	FCommandLine::Set(TEXT("-stdout"));
	FCommandLine::Append(TEXT(" -verbose"));
	EXPECT_STREQ(FCommandLine::Get(), TEXT("-stdout -verbose"));
	FCommandLine::Set(*Saved);
}

TEST(DateTimeTest, CalendarFieldsAndFormatting)
{
	const FDateTime Moment(2024, 2, 29, 13, 5, 9, 250);
	EXPECT_EQ(Moment.GetYear(), 2024);
	EXPECT_EQ(Moment.GetMonth(), 2);
	EXPECT_EQ(Moment.GetDay(), 29);
	EXPECT_EQ(Moment.GetMillisecond(), 250);
	EXPECT_EQ(Moment.ToString(), TEXT("2024.02.29-13.05.09"));
	EXPECT_EQ(Moment.ToIso8601(), TEXT("2024-02-29T13:05:09.250Z"));
	EXPECT_EQ(FDateTime::FromUnixTimestamp(0), FDateTime(1970, 1, 1));
	EXPECT_EQ(FDateTime(1970, 1, 2).ToUnixTimestamp(), 86400);
	EXPECT_LT(FDateTime(2000, 1, 1), FDateTime::UtcNow());
}
