#pragma once

#include "CoreMinimal.h"

namespace UE::StandIn
{
	/**
	 * The editor's Platforms > <Platform> > Cook Content: a cook by the book, for that platform, of the project's maps to
	 * cook and (as every cook by the book) its always-cooked directories. The editor keeps the cooker and ticks it; it
	 * lets it go once the cook has ended. False, with an error logged, when the platform is not installed.
	 */
	UNREALED_API bool CookContent(const TCHAR* PlatformName = TEXT("Windows"));
}
