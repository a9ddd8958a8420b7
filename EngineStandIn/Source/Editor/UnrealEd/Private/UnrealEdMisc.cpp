#include "UnrealEdMisc.h"

#include "StandIn/EditorRestart.h"

DEFINE_LOG_CATEGORY_STATIC(LogUnrealEdMisc, Log, All);

namespace
{
	TArray<UE::StandIn::FEditorRestartRequest>& RestartRequests()
	{
		static TArray<UE::StandIn::FEditorRestartRequest> Requests;
		return Requests;
	}
}

FUnrealEdMisc& FUnrealEdMisc::Get()
{
	static FUnrealEdMisc Instance;
	return Instance;
}

void FUnrealEdMisc::RestartEditor(bool bWarn, const TOptional<FString>& NewCommandLine)
{
	UE_LOG(LogUnrealEdMisc, Log, TEXT("Editor restart requested%s"), NewCommandLine.IsSet() ? *(TEXT(" with the command line: ") + NewCommandLine.GetValue()) : TEXT(""));
	RestartRequests().Add({bWarn, NewCommandLine});
}

namespace UE::StandIn
{
	const TArray<FEditorRestartRequest>& GetEditorRestartRequests()
	{
		return RestartRequests();
	}

	void ResetEditorRestartRequests()
	{
		RestartRequests().Reset();
	}
}
