#include "Misc/SecureHash.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

// Known answers from FIPS 180 and RFC 3174, each given whole and in pieces that straddle the 64-byte blocks.
TEST(SecureHashTest, Sha1GivesTheKnownDigestsHowEverTheDataArrives)
{
	struct FCase
	{
		std::string Data;
		const TCHAR* Digest;
	};
	const FCase Cases[] = {
		{"", TEXT("DA39A3EE5E6B4B0D3255BFEF95601890AFD80709")},
		{"abc", TEXT("A9993E364706816ABA3E25717850C26C9CD0D89D")},
		{"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", TEXT("84983E441C3BD26EBAAE4AA1F95129E5E54670F1")},
		{std::string(1000000, 'a'), TEXT("34AA973CD4C4DAA4F61EEB2BDBAD27316534016F")},
	};
	for (const FCase& Case : Cases)
	{
		const uint8* Data = reinterpret_cast<const uint8*>(Case.Data.data());
		EXPECT_STREQ(*FSHA1::HashBuffer(Data, Case.Data.size()).ToString(), Case.Digest);

		FSHA1 Sha;
		for (size_t Offset = 0, Step = 1; Offset < Case.Data.size(); Offset += Step, Step = Step * 3 % 97 + 1)
		{
			Sha.Update(Data + Offset, std::min(Step, Case.Data.size() - Offset));
		}
		EXPECT_STREQ(*Sha.Finalize().ToString(), Case.Digest);
		// Finalize starts over.
		Sha.Update(reinterpret_cast<const uint8*>("abc"), 3);
		EXPECT_STREQ(*Sha.Finalize().ToString(), TEXT("A9993E364706816ABA3E25717850C26C9CD0D89D"));
	}
}
