#include "CoreMinimal.h"
#include "CoreTestPrinters.h"

#include <gtest/gtest.h>

#define LOCTEXT_NAMESPACE "PackageCustomization"

TEST(TextTest, LocTextKeepsNamespaceAndKey)
{
	const FText Warning =
		LOCTEXT("DependencyWarningText", "{0} referenced assets are outside of this package's directory.");
	EXPECT_EQ(FTextInspector::GetNamespace(Warning).Get(TEXT("")), TEXT("PackageCustomization"));
	EXPECT_EQ(FTextInspector::GetKey(Warning).Get(TEXT("")), TEXT("DependencyWarningText"));

	const FText Category = NSLOCTEXT("QuillonActor", "Category", "Quillon");
	EXPECT_EQ(FTextInspector::GetNamespace(Category).Get(TEXT("")), TEXT("QuillonActor"));
	EXPECT_EQ(Category.ToString(), TEXT("Quillon"));

	const FText Plain = FText::FromString(TEXT("Make Pak File"));
	EXPECT_FALSE(FTextInspector::GetNamespace(Plain).IsSet());
	EXPECT_FALSE(FTextInspector::GetKey(Plain).IsSet());
	EXPECT_TRUE(INVTEXT("Package").IsCultureInvariant());

	const FText Formatted = FText::Format(Warning, FText::AsNumber(3));
	EXPECT_EQ(Formatted.ToString(), TEXT("3 referenced assets are outside of this package's directory."));
	EXPECT_FALSE(FTextInspector::GetKey(Formatted).IsSet());
}

TEST(TextTest, NumbersUseTheInvariantCultureGrouping)
{
	struct FCase
	{
		FText Text;
		const TCHAR* Expected;
	};
	FNumberFormattingOptions TwoDigits;
	TwoDigits.SetMinimumFractionalDigits(2).SetMaximumFractionalDigits(2).SetUseGrouping(false);
	const FCase Cases[] = {
		{FText::AsNumber(0), TEXT("0")},
		{FText::AsNumber(999), TEXT("999")},
		{FText::AsNumber(1234), TEXT("1,234")},
		{FText::AsNumber(-1234567), TEXT("-1,234,567")},
		{FText::AsNumber(int64(9876543210)), TEXT("9,876,543,210")},
		{FText::AsNumber(1234.5678), TEXT("1,234.568")},
		{FText::AsNumber(0.5f), TEXT("0.5")},
		{FText::AsNumber(2.0), TEXT("2")},
		{FText::AsNumber(1234.5, &TwoDigits), TEXT("1234.50")},
		{FText::AsNumber(5, &FNumberFormattingOptions::DefaultNoGrouping()), TEXT("5")},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EQ(Case.Text.ToString(), Case.Expected);
	}
}

TEST(TextTest, FormatFillsOrderedAndNamedArguments)
{
	struct FCase
	{
		FText Text;
		const TCHAR* Expected;
	};
	FFormatNamedArguments Named;
	Named.Add(TEXT("Count"), 1500);
	Named.Add(TEXT("Name"), FText::FromString(TEXT("Pack")));
	const FCase Cases[] = {
		{FText::Format(FText::FromString(TEXT("{0} of {1}")), 2, FText::FromString(TEXT("ten"))), TEXT("2 of ten")},
		{FText::Format(FText::FromString(TEXT("{1}{0}{1}")), FText::FromString(TEXT("-")), 7), TEXT("7-7")},
		{FText::Format(FText::FromString(TEXT("{0} files")), 12000), TEXT("12,000 files")},
		{FText::Format(FText::FromString(TEXT("{Name}: {Count}")), Named), TEXT("Pack: 1,500")},
		{FText::FormatNamed(FText::FromString(TEXT("{A}+{B}")), TEXT("A"), 1, TEXT("B"), 2), TEXT("1+2")},
		{FText::Format(FText::FromString(TEXT("{0} {5} {Missing}")), 1), TEXT("1 {5} {Missing}")},
		{FText::Format(FText::FromString(TEXT("`{0`} {0}")), 1), TEXT("{0} 1")},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EQ(Case.Text.ToString(), Case.Expected);
	}
}

TEST(TextTest, EmptinessAndComparison)
{
	EXPECT_TRUE(FText().IsEmpty());
	EXPECT_TRUE(FText::GetEmpty().IsEmpty());
	EXPECT_TRUE(FText::FromString(TEXT(" \t")).IsEmptyOrWhitespace());
	EXPECT_TRUE(FText::FromString(TEXT("a")).EqualTo(FText::AsCultureInvariant(TEXT("a"))));
	EXPECT_FALSE(FText::FromString(TEXT("a")).EqualTo(FText::FromString(TEXT("A"))));
	EXPECT_TRUE(FText::FromString(TEXT("a")).EqualToCaseIgnored(FText::FromString(TEXT("A"))));
	EXPECT_EQ(FText::FromName(FName(TEXT("Obj_2"))).ToString(), TEXT("Obj_2"));
}

#undef LOCTEXT_NAMESPACE
