#pragma once

#include "CoreTypes.h"

class UObject;

/** Defined by CoreUObject; Core only names it (delegates bound to objects hold them through it). */
template <class T = UObject>
struct TWeakObjectPtr;
