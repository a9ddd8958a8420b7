#pragma once

#include "CoreMinimal.h"
#include "Misc/OutputDevice.h"

namespace UE::StandInEditor
{
	class FEditorConsole;
	class FEditorRunOutcome;

	// Prints log lines in the engine's form ("Category: Warning: text"): warnings and errors always, plain
	// log lines when verbose, and every message dialog with its answer.
	class FEditorLogDevice : public FOutputDevice
	{
	public:
		FEditorLogDevice(FEditorConsole& InConsole, bool bInVerbose);

		virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override;
		virtual bool CanBeUsedOnAnyThread() const override { return true; }

		// While muted nothing is printed: the caller reports what went wrong in a line of its own.
		void SetMuted(bool bInMuted) { bMuted = bInMuted; }

		// Errors logged while not muted are noted here.
		void SetOutcome(FEditorRunOutcome* InOutcome) { Outcome = InOutcome; }

	private:
		FEditorConsole& Console;
		bool bVerbose;
		bool bMuted = false;
		FEditorRunOutcome* Outcome = nullptr;
	};
}
