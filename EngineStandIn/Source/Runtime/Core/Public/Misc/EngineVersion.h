#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Misc/EngineVersionBase.h"

/** An engine version with the branch it was built from. */
class CORE_API FEngineVersion : public FEngineVersionBase
{
public:
	FEngineVersion() = default;
	FEngineVersion(uint16 InMajor, uint16 InMinor, uint16 InPatch, uint32 InChangelist, const FString& InBranch);

	/** The running engine's version. */
	static const FEngineVersion& Current();

	const FString GetBranch() const { return Branch.Replace(TEXT("+"), TEXT("/")); }

	/** "5.5.0-0+++UE5+Release-5.5", up to and including LastComponent. */
	FString ToString(EVersionComponent LastComponent = EVersionComponent::Branch) const;

private:
	FString Branch;
};
