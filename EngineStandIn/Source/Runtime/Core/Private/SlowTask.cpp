#include "Misc/SlowTask.h"

#include "Math/UnrealMathUtility.h"
#include "Misc/FeedbackContext.h"
#include "StandIn/SlowTaskLog.h"

namespace
{
	// Long sessions run many tasks; the log is for looking at the last ones.
	constexpr int32 MaxRecords = 256;

	// Slow tasks run on the main thread only, as in the engine.
	TArray<FSlowTask*>& TaskStack()
	{
		static TArray<FSlowTask*> Stack;
		return Stack;
	}

	TArray<UE::StandIn::FSlowTaskRecord>& Records()
	{
		static TArray<UE::StandIn::FSlowTaskRecord> Log;
		return Log;
	}

	// The serial number of each record, beside the log; the running tasks find their records by it, since
	// records move when older ones are dropped.
	TArray<uint64>& RecordSerials()
	{
		static TArray<uint64> Serials;
		return Serials;
	}

	TArray<TPair<const FSlowTask*, uint64>>& RunningTasks()
	{
		static TArray<TPair<const FSlowTask*, uint64>> Running;
		return Running;
	}

	UE::StandIn::FSlowTaskRecord* FindRecord(const FSlowTask* Task)
	{
		for (const TPair<const FSlowTask*, uint64>& Entry : RunningTasks())
		{
			if (Entry.Key == Task)
			{
				const int32 Index = RecordSerials().Find(Entry.Value);
				return Index == INDEX_NONE ? nullptr : &Records()[Index];
			}
		}
		return nullptr;
	}

	// The task that opened the dialog, while it runs.
	const FSlowTask*& DialogOwner()
	{
		static const FSlowTask* Owner = nullptr;
		return Owner;
	}

	// The whole stack's progress: each task's completed share, plus its running frame's share of the tasks inside it.
	float GetProgressFraction()
	{
		float Fraction = 0.f;
		float Scale = 1.f;
		for (const FSlowTask* Task : TaskStack())
		{
			if (Task->TotalAmountOfWork > 0.f)
			{
				Fraction += Scale * Task->CompletedWork / Task->TotalAmountOfWork;
				Scale *= Task->CurrentFrameScope / Task->TotalAmountOfWork;
			}
		}
		return FMath::Clamp(Fraction, 0.f, 1.f);
	}

	FText GetStackMessage()
	{
		const TArray<FSlowTask*>& Stack = TaskStack();
		for (int32 Index = Stack.Num() - 1; Index >= 0; --Index)
		{
			if (!Stack[Index]->GetCurrentMessage().IsEmpty())
			{
				return Stack[Index]->GetCurrentMessage();
			}
		}
		return FText();
	}
}

FSlowTask::FSlowTask(float InAmountOfWork, const FText& InDefaultMessage, bool bInEnabled, FFeedbackContext& InContext)
	: DefaultMessage(InDefaultMessage)
	, TotalAmountOfWork(InAmountOfWork)
	, Context(InContext)
	, bEnabled(bInEnabled)
{
	// A task with no work is one frame that covers all of it.
	if (TotalAmountOfWork <= 0.f)
	{
		TotalAmountOfWork = 1.f;
		CurrentFrameScope = 1.f;
	}
}

void FSlowTask::Initialize()
{
	if (!bEnabled || bInitialized)
	{
		return;
	}
	bInitialized = true;
	UE::StandIn::FSlowTaskRecord Record;
	Record.DefaultMessage = DefaultMessage.ToString();
	Record.TotalAmountOfWork = TotalAmountOfWork;
	Record.Depth = TaskStack().Num();
	if (Records().Num() >= MaxRecords)
	{
		Records().RemoveAt(0);
		RecordSerials().RemoveAt(0);
	}
	static uint64 NextSerial = 0;
	Records().Add(MoveTemp(Record));
	RecordSerials().Add(++NextSerial);
	RunningTasks().Add({this, NextSerial});
	TaskStack().Add(this);
}

void FSlowTask::Destroy()
{
	if (!bInitialized)
	{
		return;
	}
	bInitialized = false;
	CompletedWork = TotalAmountOfWork;
	CurrentFrameScope = 0.f;
	if (UE::StandIn::FSlowTaskRecord* Record = FindRecord(this))
	{
		Record->bFinished = true;
	}
	TaskStack().Remove(this);
	RunningTasks().RemoveAll([this](const TPair<const FSlowTask*, uint64>& Entry) { return Entry.Key == this; });
	if (bCreatedDialog)
	{
		bCreatedDialog = false;
		DialogOwner() = nullptr;
		Context.FinalizeSlowTask();
	}
}

void FSlowTask::MakeDialog(bool bShowCancelButton, bool bAllowInPIE)
{
	if (!bInitialized || DialogOwner())
	{
		return;
	}
	bCreatedDialog = true;
	DialogOwner() = this;
	if (UE::StandIn::FSlowTaskRecord* Record = FindRecord(this))
	{
		Record->bMadeDialog = true;
	}
	Context.StartSlowTask(GetStackMessage(), bShowCancelButton);
	Context.ProgressReported(GetProgressFraction(), GetStackMessage());
}

void FSlowTask::EnterProgressFrame(float ExpectedWorkThisFrame, const FText& Text)
{
	if (!bInitialized)
	{
		return;
	}
	CompletedWork += CurrentFrameScope;
	CurrentFrameScope = FMath::Clamp(ExpectedWorkThisFrame, 0.f, FMath::Max(TotalAmountOfWork - CompletedWork, 0.f));
	FrameMessage = Text;
	if (UE::StandIn::FSlowTaskRecord* Record = FindRecord(this))
	{
		Record->Frames.Add({ExpectedWorkThisFrame, Text.ToString()});
	}
	if (DialogOwner())
	{
		Context.ProgressReported(GetProgressFraction(), GetStackMessage());
	}
}

const FText& FSlowTask::GetCurrentMessage() const
{
	return FrameMessage.IsEmpty() ? DefaultMessage : FrameMessage;
}

bool FSlowTask::ShouldCancel() const
{
	return bInitialized && bCreatedDialog && Context.ReceivedUserCancel();
}

namespace UE::StandIn
{
	TArray<FSlowTaskRecord> GetSlowTaskLog()
	{
		return Records();
	}

	void ResetSlowTaskLog()
	{
		Records().Reset();
		RecordSerials().Reset();
	}
}
