#pragma once

#include "CoreMinimal.h"

namespace UE::StandIn
{
	/**
	 * While it exists, the platform of that name is not installed: the target platform manager does not find it,
	 * as on an editor installed without that platform's support.
	 */
	class TARGETPLATFORM_API FScopedMissingTargetPlatform
	{
	public:
		explicit FScopedMissingTargetPlatform(const TCHAR* InPlatformName);
		~FScopedMissingTargetPlatform();
		FScopedMissingTargetPlatform(const FScopedMissingTargetPlatform&) = delete;
		FScopedMissingTargetPlatform& operator=(const FScopedMissingTargetPlatform&) = delete;

	private:
		FString PlatformName;
	};
}
