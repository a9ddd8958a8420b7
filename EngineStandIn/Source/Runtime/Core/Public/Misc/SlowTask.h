#pragma once

#include "CoreTypes.h"
#include "CoreGlobals.h"
#include "Internationalization/Text.h"

class FFeedbackContext;

/**
 * A slow operation's progress, in units of work, reported to a feedback context (GWarn by default) whose
 * application shows it. Nested tasks divide the frame of the task they run in. Use FScopedSlowTask.
 */
struct CORE_API FSlowTask
{
	/** Message shown when the current frame has none. */
	FText DefaultMessage;
	/** Message of the current frame. */
	FText FrameMessage;
	float TotalAmountOfWork;
	float CompletedWork = 0.f;
	/** The share of TotalAmountOfWork that the current frame stands for. */
	float CurrentFrameScope = 0.f;

	/** An amount of work of 0 means one frame that covers the whole task. A task not enabled shows nothing. */
	FSlowTask(float InAmountOfWork, const FText& InDefaultMessage = FText(), bool bInEnabled = true, FFeedbackContext& InContext = *GWarn);
	FSlowTask(const FSlowTask&) = delete;
	FSlowTask& operator=(const FSlowTask&) = delete;

	/** Joins the context's stack of running tasks. */
	void Initialize();
	/** Completes the remaining work and leaves the stack, closing the dialog this task opened. */
	void Destroy();

	/** Shows the progress in a dialog, unless a task it runs in already shows one. */
	void MakeDialog(bool bShowCancelButton = false, bool bAllowInPIE = false);

	/** Completes the current frame and starts one expected to take the given share of the work. */
	void EnterProgressFrame(float ExpectedWorkThisFrame = 1.f, const FText& Text = FText());

	const FText& GetCurrentMessage() const;

	bool ShouldCancel() const;

private:
	FFeedbackContext& Context;
	bool bEnabled;
	bool bCreatedDialog = false;
	bool bInitialized = false;
};
