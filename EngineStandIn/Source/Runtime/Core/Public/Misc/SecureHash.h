#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"

#include <memory>

namespace UE::StandIn
{
	class FSha1Digest;
}

/** A SHA-1 digest. */
class CORE_API FSHAHash
{
public:
	uint8 Hash[20] = {};

	/** The 40 hexadecimal digits, upper case. */
	FString ToString() const;

	friend bool operator==(const FSHAHash& X, const FSHAHash& Y);
	friend bool operator!=(const FSHAHash& X, const FSHAHash& Y) { return !(X == Y); }
};

/** Computes SHA-1 over data given in pieces: Update as often as needed, then Final and GetHash, or Finalize. */
class CORE_API FSHA1
{
public:
	FSHA1();
	~FSHA1();

	void Reset();
	void Update(const uint8* Data, uint64 Len);
	void Final();
	/** The digest Final made, into 20 bytes at Dest. */
	void GetHash(uint8* Dest) const;
	FSHAHash Finalize();

	static void HashBuffer(const void* Data, uint64 DataSize, uint8* OutHash);
	static FSHAHash HashBuffer(const void* Data, uint64 DataSize);

private:
	std::unique_ptr<UE::StandIn::FSha1Digest> Digest;
	uint8 FinalHash[20] = {};
};
