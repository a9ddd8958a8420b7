#pragma once

#include "CoreMinimal.h"

/** A platform the editor cooks content for. Only the platform's name is asked of it here. */
class ITargetPlatform
{
public:
	virtual ~ITargetPlatform() = default;

	/** The platform's name, which is also the name of its cooked folder: Saved/Cooked/<PlatformName>. */
	virtual FString PlatformName() const = 0;
};
