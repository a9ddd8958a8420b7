#pragma once

#include "CoreMinimal.h"

namespace UE::StandIn
{
	struct FEditorRestartRequest
	{
		bool bWarn = true;
		TOptional<FString> NewCommandLine;
	};

	/** The restarts asked for with FUnrealEdMisc::RestartEditor since the last reset, oldest first. */
	UNREALED_API const TArray<FEditorRestartRequest>& GetEditorRestartRequests();
	UNREALED_API void ResetEditorRestartRequests();
}
