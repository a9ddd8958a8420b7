#pragma once

#include "CoreTypes.h"

/** The buttons a message dialog offers. */
namespace EAppMsgType
{
	enum Type
	{
		Ok,
		YesNo,
		OkCancel,
		YesNoCancel,
		CancelRetryContinue,
		YesNoYesAllNoAll,
		YesNoYesAllNoAllCancel,
		YesNoYesAll,
	};
}

/** The button a message dialog was closed with. */
namespace EAppReturnType
{
	enum Type
	{
		No,
		Yes,
		YesAll,
		NoAll,
		Cancel,
		Ok,
		Retry,
		Continue,
	};
}

CORE_API const TCHAR* LexToString(EAppMsgType::Type Value);
CORE_API const TCHAR* LexToString(EAppReturnType::Type Value);
