#pragma once

#include "CoreTypes.h"
#include "GenericPlatform/GenericPlatformMisc.h"
#include "Internationalization/Text.h"

/** A modal message box. Here the answers come from the running dialog script or the terminal (StandIn/DialogScript.h). */
struct FMessageDialog
{
	/** Shows the message under the default title ("Message") and returns the button chosen. */
	static CORE_API EAppReturnType::Type Open(EAppMsgType::Type MessageType, const FText& Message);
	static CORE_API EAppReturnType::Type Open(EAppMsgType::Type MessageType, const FText& Message, const FText& Title);

	UE_DEPRECATED(5.3, "Use the overload of Open that takes the Title by-value.")
	static CORE_API EAppReturnType::Type Open(EAppMsgType::Type MessageType, const FText& Message, const FText* OptTitle);

	static CORE_API const FText& GetDefaultMessageTitle();
};
