#pragma once

#include "CoreMinimal.h"

/**
 * An object ticked once a frame by the loop that registered it. Of the engine's interface the stand-in has what its
 * tickers use: Tick and IsTickable (no stat ids, no tick types).
 */
class FTickableObjectBase
{
public:
	virtual ~FTickableObjectBase() = default;

	virtual void Tick(float DeltaTime) = 0;

	/** Asked before every tick; false skips this object for the frame. */
	virtual bool IsTickable() const { return true; }
};
