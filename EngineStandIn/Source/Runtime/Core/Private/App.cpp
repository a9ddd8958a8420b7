#include "Misc/App.h"

#include "Misc/CString.h"

#include <atomic>

namespace
{
	std::atomic<bool> bIsUnattended = false;
}

void FApp::SetProjectName(const TCHAR* InProjectName)
{
	FCString::Strcpy(GInternalProjectName, InProjectName ? InProjectName : TEXT(""));
}

bool FApp::IsUnattended()
{
	return bIsUnattended;
}

void FApp::SetUnattended(bool bInUnattended)
{
	bIsUnattended = bInUnattended;
}
