#pragma once

#include "CoreTypes.h"

/** The parts of a version, in the order they are written. */
enum class EVersionComponent
{
	Major,
	Minor,
	Patch,
	Changelist,
	Branch,
};

/** Major.Minor.Patch and the changelist the engine was built from. */
class CORE_API FEngineVersionBase
{
public:
	FEngineVersionBase() = default;
	FEngineVersionBase(uint16 InMajor, uint16 InMinor, uint16 InPatch = 0, uint32 InChangelist = 0)
		: Major(InMajor), Minor(InMinor), Patch(InPatch), Changelist(InChangelist)
	{
	}

	uint16 GetMajor() const { return Major; }
	uint16 GetMinor() const { return Minor; }
	uint16 GetPatch() const { return Patch; }
	uint32 GetChangelist() const { return Changelist; }

protected:
	uint16 Major = 0;
	uint16 Minor = 0;
	uint16 Patch = 0;
	uint32 Changelist = 0;
};
