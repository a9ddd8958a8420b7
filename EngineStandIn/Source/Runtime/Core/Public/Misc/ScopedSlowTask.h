#pragma once

#include "Misc/SlowTask.h"

/** A slow task that runs for the scope it is declared in. */
struct FScopedSlowTask : public FSlowTask
{
	FScopedSlowTask(float InAmountOfWork, const FText& InDefaultMessage = FText(), bool bInEnabled = true, FFeedbackContext& InContext = *GWarn)
		: FSlowTask(InAmountOfWork, InDefaultMessage, bInEnabled, InContext)
	{
		Initialize();
	}

	~FScopedSlowTask() { Destroy(); }
};
