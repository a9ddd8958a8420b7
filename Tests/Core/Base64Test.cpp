#include "CoreMinimal.h"
#include "CoreTestPrinters.h"
#include "Misc/Base64.h"

#include <gtest/gtest.h>

TEST(Base64Test, EncodesWithPaddingAndDecodesOnlyValidText)
{
	const struct
	{
		TArray<uint8> Bytes;
		const TCHAR* Text;
	} Cases[] = {
		{{}, TEXT("")},
		{{'f'}, TEXT("Zg==")},
		{{'f', 'o'}, TEXT("Zm8=")},
		{{'f', 'o', 'o'}, TEXT("Zm9v")},
		{{0xfb, 0xff, 0xfe, 0x00}, TEXT("+//+AA==")},
	};
	for (const auto& Case : Cases)
	{
		EXPECT_EQ(FBase64::Encode(Case.Bytes), Case.Text);
		TArray<uint8> Decoded;
		EXPECT_TRUE(FBase64::Decode(Case.Text, Decoded)) << Case.Text;
		EXPECT_EQ(Decoded, Case.Bytes) << Case.Text;
	}
	EXPECT_EQ(FBase64::Encode({0xfb, 0xff}, EBase64Mode::UrlSafe), TEXT("-_8="));

	for (const TCHAR* Invalid : {TEXT("Zg="), TEXT("Z==="), TEXT("Zg=a"), TEXT("Zg==Zm8="), TEXT("Zm9*")})
	{
		TArray<uint8> Decoded = {1};
		EXPECT_FALSE(FBase64::Decode(Invalid, Decoded)) << Invalid;
		EXPECT_EQ(Decoded.Num(), 0) << Invalid;
	}
}
