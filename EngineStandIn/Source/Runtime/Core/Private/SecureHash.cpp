#include "Misc/SecureHash.h"

#include "Hash/Sha1Digest.h"

#include <cstring>

FString FSHAHash::ToString() const
{
	static const TCHAR Digits[] = TEXT("0123456789ABCDEF");
	FString Text;
	Text.Reserve(40);
	for (const uint8 Byte : Hash)
	{
		Text.AppendChar(Digits[Byte >> 4]);
		Text.AppendChar(Digits[Byte & 15]);
	}
	return Text;
}

bool operator==(const FSHAHash& X, const FSHAHash& Y)
{
	return std::memcmp(X.Hash, Y.Hash, sizeof(X.Hash)) == 0;
}

FSHA1::FSHA1() : Digest(std::make_unique<UE::StandIn::FSha1Digest>())
{
}

FSHA1::~FSHA1() = default;

void FSHA1::Reset()
{
	*Digest = UE::StandIn::FSha1Digest();
}

void FSHA1::Update(const uint8* Data, uint64 Len)
{
	Digest->Update(Data, Len);
}

void FSHA1::Final()
{
	const std::array<uint8_t, 20> Result = Digest->Finish();
	std::memcpy(FinalHash, Result.data(), sizeof(FinalHash));
}

void FSHA1::GetHash(uint8* Dest) const
{
	std::memcpy(Dest, FinalHash, sizeof(FinalHash));
}

FSHAHash FSHA1::Finalize()
{
	Final();
	FSHAHash Hash;
	GetHash(Hash.Hash);
	return Hash;
}

void FSHA1::HashBuffer(const void* Data, uint64 DataSize, uint8* OutHash)
{
	FSHA1 Sha;
	Sha.Update(static_cast<const uint8*>(Data), DataSize);
	Sha.Final();
	Sha.GetHash(OutHash);
}

FSHAHash FSHA1::HashBuffer(const void* Data, uint64 DataSize)
{
	FSHAHash Hash;
	HashBuffer(Data, DataSize, Hash.Hash);
	return Hash;
}
