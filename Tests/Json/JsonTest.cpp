#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"
#include "Policies/CondensedJsonPrintPolicy.h"
#include "Policies/PrettyJsonPrintPolicy.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "Serialization/JsonWriter.h"

#include <gtest/gtest.h>

namespace
{
	TSharedRef<FJsonObject> MakeSample()
	{
		TSharedRef<FJsonObject> Inner = MakeShared<FJsonObject>();
		Inner->SetBoolField(TEXT("on"), true);
		Inner->SetField(TEXT("nothing"), MakeShared<FJsonValueNull>());

		TSharedRef<FJsonObject> Root = MakeShared<FJsonObject>();
		Root->SetStringField(TEXT("text"), TEXT("say \"hi\"\\\n\t\x01 Zoë \U0001F3B2"));
		Root->SetNumberField(TEXT("whole"), 9007199254740992.0);
		Root->SetNumberField(TEXT("fraction"), -0.1);
		Root->SetArrayField(TEXT("list"), {MakeShared<FJsonValueNumber>(1), MakeShared<FJsonValueString>(TEXT("two"))});
		Root->SetArrayField(TEXT("empty"), TArray<TSharedPtr<FJsonValue>>());
		Root->SetObjectField(TEXT("inner"), Inner);
		return Root;
	}

	template <class PrintPolicy>
	FString Write(const TSharedRef<FJsonObject>& Object)
	{
		FString Text;
		EXPECT_TRUE((FJsonSerializer::Serialize(Object, TJsonWriterFactory<TCHAR, PrintPolicy>::Create(&Text))));
		return Text;
	}

	TSharedPtr<FJsonObject> Read(const FString& Text, FString* OutError = nullptr)
	{
		const TSharedRef<TJsonReader<>> Reader = TJsonReaderFactory<>::Create(Text);
		TSharedPtr<FJsonObject> Object;
		const bool bRead = FJsonSerializer::Deserialize(Reader, Object);
		if (OutError)
		{
			*OutError = Reader->GetErrorMessage();
		}
		return bRead ? Object : nullptr;
	}
}

TEST(JsonTest, WritesPrettyAndCondensedTextInFieldOrder)
{
	const TSharedRef<FJsonObject> Sample = MakeSample();
	EXPECT_EQ(Write<TPrettyJsonPrintPolicy<TCHAR>>(Sample),
		FString(TEXT("{\n"
					 "\t\"text\": \"say \\\"hi\\\"\\\\\\n\\t\\u0001 Zoë \U0001F3B2\",\n"
					 "\t\"whole\": 9007199254740992,\n"
					 "\t\"fraction\": -0.10000000000000001,\n"
					 "\t\"list\": [\n"
					 "\t\t1,\n"
					 "\t\t\"two\"\n"
					 "\t],\n"
					 "\t\"empty\": [],\n"
					 "\t\"inner\": {\n"
					 "\t\t\"on\": true,\n"
					 "\t\t\"nothing\": null\n"
					 "\t}\n"
					 "}")));
	EXPECT_EQ(Write<TCondensedJsonPrintPolicy<TCHAR>>(Sample),
		FString(TEXT("{\"text\":\"say \\\"hi\\\"\\\\\\n\\t\\u0001 Zoë \U0001F3B2\",\"whole\":9007199254740992,\"fraction\":-0.10000000000000001,"
					 "\"list\":[1,\"two\"],\"empty\":[],\"inner\":{\"on\":true,\"nothing\":null}}")));
}

TEST(JsonTest, ReadsBackWhatItWrote)
{
	const TSharedRef<FJsonObject> Sample = MakeSample();
	const TSharedPtr<FJsonObject> Read1 = Read(Write<TPrettyJsonPrintPolicy<TCHAR>>(Sample));
	ASSERT_TRUE(Read1.IsValid());
	EXPECT_EQ(Write<TCondensedJsonPrintPolicy<TCHAR>>(Read1.ToSharedRef()), Write<TCondensedJsonPrintPolicy<TCHAR>>(Sample));

	FString Text;
	EXPECT_TRUE(Read1->TryGetStringField(TEXT("text"), Text));
	EXPECT_EQ(Text, FString(TEXT("say \"hi\"\\\n\t\x01 Zoë \U0001F3B2")));
	int64 Whole = 0;
	EXPECT_TRUE(Read1->TryGetNumberField(TEXT("whole"), Whole));
	EXPECT_EQ(Whole, 9007199254740992LL);
	int32 NotWhole = 0;
	EXPECT_FALSE(Read1->TryGetNumberField(TEXT("fraction"), NotWhole));
	EXPECT_FALSE(Read1->TryGetNumberField(TEXT("text"), NotWhole));
	EXPECT_FALSE(Read1->TryGetStringField(TEXT("missing"), Text));
	const TArray<TSharedPtr<FJsonValue>>* List = nullptr;
	ASSERT_TRUE(Read1->TryGetArrayField(TEXT("list"), List));
	EXPECT_EQ(List->Num(), 2);
	const TSharedPtr<FJsonObject>* Inner = nullptr;
	ASSERT_TRUE(Read1->TryGetObjectField(TEXT("inner"), Inner));
	bool bOn = false;
	EXPECT_TRUE((*Inner)->TryGetBoolField(TEXT("on"), bOn) && bOn);

	// Escapes the writer never makes, and a pair of surrogates for one character beyond the basic plane.
	const TSharedPtr<FJsonObject> Escaped = Read(TEXT(" {\"a\\/b\" : \"\\u00e9\\ud83c\\udfb2\\u0041\", \"n\": -1.5e2 } "));
	ASSERT_TRUE(Escaped.IsValid());
	EXPECT_TRUE(Escaped->TryGetStringField(TEXT("a/b"), Text));
	EXPECT_EQ(Text, FString(TEXT("é\U0001F3B2A")));
	double Number = 0;
	EXPECT_TRUE(Escaped->TryGetNumberField(TEXT("n"), Number));
	EXPECT_EQ(Number, -150.0);
}

TEST(JsonTest, RefusesTextThatIsNoJsonObjectAndSaysWhere)
{
	FString Deep;
	for (int32 Index = 0; Index < 100000; ++Index)
	{
		Deep += TEXT("[");
	}
	struct FCase
	{
		FString Text;
		const TCHAR* Error;
	};
	const FCase Cases[] = {
		{TEXT(""), TEXT("Line 1, character 1: the text ends where a value was expected")},
		{TEXT("{\"a\": 1,\n\"b\": }"), TEXT("Line 2, character 6: expected a value")},
		{TEXT("{\"a\": [1, 2,]}"), TEXT("Line 1, character 13: expected a value")},
		{TEXT("{\"a\" 1}"), TEXT("Line 1, character 6: expected ':' after a field name")},
		{TEXT("{\"a\": \"open"), TEXT("Line 1, character 12: a string is not closed")},
		{TEXT("{\"a\": \"\\x\"}"), TEXT("Line 1, character 10: an unknown escape in a string")},
		{TEXT("{\"a\": \"\\u12\"}"), TEXT("Line 1, character 13: \\u needs four hexadecimal digits")},
		{TEXT("{\"a\": tru}"), TEXT("Line 1, character 7: expected a value")},
		{TEXT("{\"a\": 1} {}"), TEXT("Line 1, character 10: unexpected text after the value")},
		{TEXT("{\"a\": 1."), TEXT("Line 1, character 9: expected digits after '.'")},
		{TEXT("{\"a\": \"\n\"}"), TEXT("Line 2, character 1: a control character inside a string")},
		{TEXT("[1]"), TEXT("")},
		{Deep, TEXT("Line 1, character 513: objects and arrays nested too deeply")},
	};
	for (const FCase& Case : Cases)
	{
		FString Error;
		EXPECT_FALSE(Read(Case.Text, &Error).IsValid()) << *Case.Text.Left(40);
		EXPECT_EQ(Error, FString(Case.Error)) << *Case.Text.Left(40);
	}
}
