#pragma once

#include "CoreTypes.h"
#include "Delegates/Delegate.h"

/** Engine-wide events; the application that runs the engine loop broadcasts them. */
class CORE_API FCoreDelegates
{
public:
	/** After the engine has been initialised and the modules of every loading phase have started. */
	static FSimpleMulticastDelegate OnPostEngineInit;
	/** Before the engine shuts down, while its objects still exist. */
	static FSimpleMulticastDelegate OnEnginePreExit;
	static FSimpleMulticastDelegate OnPreExit;
	static FSimpleMulticastDelegate OnExit;
};
