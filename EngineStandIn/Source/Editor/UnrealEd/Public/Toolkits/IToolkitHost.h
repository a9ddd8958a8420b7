#pragma once

#include "CoreMinimal.h"

/** What hosts world-centric editors: the level editor. */
class IToolkitHost
{
public:
	virtual ~IToolkitHost() = default;
};
