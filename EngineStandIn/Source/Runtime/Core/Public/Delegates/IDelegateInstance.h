#pragma once

#include "CoreTypes.h"
#include "Templates/TypeHash.h"

/** Identifies one binding of a delegate, so it can be removed from a multicast delegate later. */
class CORE_API FDelegateHandle
{
public:
	enum EGenerateNewHandleType
	{
		GenerateNewHandle
	};

	FDelegateHandle() = default;

	explicit FDelegateHandle(EGenerateNewHandleType) : ID(GenerateNewID()) {}

	bool IsValid() const { return ID != 0; }

	void Reset() { ID = 0; }

	friend bool operator==(const FDelegateHandle& Lhs, const FDelegateHandle& Rhs) { return Lhs.ID == Rhs.ID; }

	friend bool operator!=(const FDelegateHandle& Lhs, const FDelegateHandle& Rhs) { return Lhs.ID != Rhs.ID; }

	friend uint32 GetTypeHash(const FDelegateHandle& Key) { return GetTypeHash(Key.ID); }

private:
	static uint64 GenerateNewID();

	uint64 ID = 0;
};
