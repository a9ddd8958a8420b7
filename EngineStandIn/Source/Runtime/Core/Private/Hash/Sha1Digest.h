#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// SHA-1 (FIPS 180-4) in plain C++, so the pak tool, which links no engine module, hashes as FSHA1 does.
namespace UE::StandIn
{
	class FSha1Digest
	{
	public:
		void Update(const uint8_t* Data, size_t Count);
		// The digest of everything given since construction; the object starts over afterwards.
		std::array<uint8_t, 20> Finish();

	private:
		void Compress(const uint8_t* Block);

		std::array<uint32_t, 5> State = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u, 0xC3D2E1F0u};
		std::array<uint8_t, 64> Pending = {};
		size_t NumPending = 0;
		uint64_t TotalBytes = 0;
	};
}
