#include "Sha1Digest.h"

#include <cstring>

namespace UE::StandIn
{
	namespace
	{
		uint32_t RotateLeft(uint32_t Value, int Bits)
		{
			return (Value << Bits) | (Value >> (32 - Bits));
		}
	}

	void FSha1Digest::Update(const uint8_t* Data, size_t Count)
	{
		TotalBytes += Count;
		if (NumPending > 0)
		{
			const size_t Taken = Count < 64 - NumPending ? Count : 64 - NumPending;
			std::memcpy(Pending.data() + NumPending, Data, Taken);
			NumPending += Taken;
			Data += Taken;
			Count -= Taken;
			if (NumPending < 64)
			{
				return;
			}
			Compress(Pending.data());
			NumPending = 0;
		}
		for (; Count >= 64; Data += 64, Count -= 64)
		{
			Compress(Data);
		}
		std::memcpy(Pending.data(), Data, Count);
		NumPending = Count;
	}

	std::array<uint8_t, 20> FSha1Digest::Finish()
	{
		const uint64_t TotalBits = TotalBytes * 8;
		const uint8_t One = 0x80;
		Update(&One, 1);
		const uint8_t Zero = 0;
		while (NumPending != 56)
		{
			Update(&Zero, 1);
		}
		uint8_t Length[8];
		for (int Index = 0; Index < 8; ++Index)
		{
			Length[Index] = static_cast<uint8_t>(TotalBits >> (56 - 8 * Index));
		}
		Update(Length, 8);

		std::array<uint8_t, 20> Digest;
		for (int Index = 0; Index < 20; ++Index)
		{
			Digest[Index] = static_cast<uint8_t>(State[Index / 4] >> (24 - 8 * (Index % 4)));
		}
		*this = FSha1Digest();
		return Digest;
	}

	void FSha1Digest::Compress(const uint8_t* Block)
	{
		uint32_t Words[80];
		for (int Index = 0; Index < 16; ++Index)
		{
			Words[Index] = (uint32_t(Block[4 * Index]) << 24) | (uint32_t(Block[4 * Index + 1]) << 16) |
						   (uint32_t(Block[4 * Index + 2]) << 8) | uint32_t(Block[4 * Index + 3]);
		}
		for (int Index = 16; Index < 80; ++Index)
		{
			Words[Index] = RotateLeft(Words[Index - 3] ^ Words[Index - 8] ^ Words[Index - 14] ^ Words[Index - 16], 1);
		}
		uint32_t A = State[0], B = State[1], C = State[2], D = State[3], E = State[4];
		for (int Index = 0; Index < 80; ++Index)
		{
			uint32_t F;
			uint32_t K;
			if (Index < 20)
			{
				F = (B & C) | (~B & D);
				K = 0x5A827999u;
			}
			else if (Index < 40)
			{
				F = B ^ C ^ D;
				K = 0x6ED9EBA1u;
			}
			else if (Index < 60)
			{
				F = (B & C) | (B & D) | (C & D);
				K = 0x8F1BBCDCu;
			}
			else
			{
				F = B ^ C ^ D;
				K = 0xCA62C1D6u;
			}
			const uint32_t Next = RotateLeft(A, 5) + F + E + K + Words[Index];
			E = D;
			D = C;
			C = RotateLeft(B, 30);
			B = A;
			A = Next;
		}
		State[0] += A;
		State[1] += B;
		State[2] += C;
		State[3] += D;
		State[4] += E;
	}
}
