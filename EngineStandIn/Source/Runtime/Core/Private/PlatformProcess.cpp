#include "HAL/PlatformProcess.h"

#include "HAL/FileManager.h"
#include "Misc/AssertionMacros.h"
#include "Misc/Paths.h"
#include "StandIn/StringConv.h"
#include "StandInWorld.h"

#include <chrono>
#include <thread>
#include <unistd.h>

const TCHAR* FPlatformProcess::BaseDir()
{
	UE::StandIn::Private::FWorld& World = UE::StandIn::Private::GetWorld();
	std::lock_guard<std::recursive_mutex> Lock(World.Mutex);
	return *World.BaseDir;
}

const TCHAR* FPlatformProcess::ExecutableName(bool bRemoveExtension)
{
	static const FString Name = []()
	{
		char Buffer[4096];
		const ssize_t Length = readlink("/proc/self/exe", Buffer, sizeof(Buffer) - 1);
		return Length > 0 ? FPaths::GetCleanFilename(
								UE::StandIn::FromUtf8(std::string_view(Buffer, static_cast<SIZE_T>(Length))))
						  : FString();
	}();
	static const FString BaseName = FPaths::GetBaseFilename(Name);
	return bRemoveExtension ? *BaseName : *Name;
}

const FString FPlatformProcess::GetCurrentWorkingDirectory()
{
	char Buffer[4096];
	return getcwd(Buffer, sizeof(Buffer)) ? UE::StandIn::FromUtf8(Buffer) : FString();
}

void FPlatformProcess::SetCurrentWorkingDirectoryToBaseDir()
{
	const FString Dir = BaseDir();
	IFileManager::Get().MakeDirectory(*Dir, true);
	verifyf(chdir(UE::StandIn::ToUtf8(Dir).c_str()) == 0, TEXT("Cannot change the working folder to %s"), *Dir);
}

uint32 FPlatformProcess::GetCurrentProcessId()
{
	return static_cast<uint32>(getpid());
}

void FPlatformProcess::Sleep(float Seconds)
{
	SleepNoStats(Seconds);
}

void FPlatformProcess::SleepNoStats(float Seconds)
{
	std::this_thread::sleep_for(std::chrono::duration<double>(Seconds));
}
