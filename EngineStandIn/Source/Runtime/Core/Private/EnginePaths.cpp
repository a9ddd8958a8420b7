#include "StandIn/EnginePaths.h"

#include "CoreGlobals.h"
#include "HAL/PlatformProcess.h"
#include "Misc/App.h"
#include "Misc/Paths.h"
#include "StandIn/StringConv.h"
#include "StandInWorld.h"

#include <unistd.h>

namespace UE::StandIn::Private
{
	namespace
	{
		FString ExecutableDirectory()
		{
			char Buffer[4096];
			const ssize_t Length = readlink("/proc/self/exe", Buffer, sizeof(Buffer) - 1);
			if (Length <= 0)
			{
				return TEXT("/");
			}
			return FPaths::GetPath(UE::StandIn::FromUtf8(std::string_view(Buffer, static_cast<SIZE_T>(Length))));
		}

		FString CurrentDirectory()
		{
			char Buffer[4096];
			return getcwd(Buffer, sizeof(Buffer)) ? UE::StandIn::FromUtf8(Buffer) : FString(TEXT("/"));
		}

		FString AsDirectory(FString Path)
		{
			FPaths::NormalizeFilename(Path);
			FPaths::CollapseRelativeDirectories(Path);
			if (!Path.EndsWith(TEXT("/")))
			{
				Path += TEXT("/");
			}
			return Path;
		}

		void UpdateProjectStrings(FWorld& World)
		{
			World.RelativeProjectFilePath =
				World.ProjectFilePath.IsEmpty() ? FString() : MakeRelativePath(World.BaseDir, World.ProjectFilePath);
			World.ProjectSavedDir = FPaths::ProjectDir() + TEXT("Saved/");
		}
	}

	FWorld& GetWorld()
	{
		static FWorld* World = []()
		{
			FWorld* NewWorld = new FWorld();
			NewWorld->LaunchDir = AsDirectory(CurrentDirectory());
			// By default the running program sits in the engine's Binaries/Win64 folder.
			const FString ExeDir = AsDirectory(ExecutableDirectory());
			NewWorld->EngineRoot = AsDirectory(ExeDir + TEXT("../../"));
			NewWorld->BaseDir = NewWorld->EngineRoot + TEXT("Binaries/Win64/");
			return NewWorld;
		}();
		return *World;
	}

	FString MakeRelativePath(const FString& FromDirectory, const FString& To)
	{
		TArray<FString> FromSegments;
		TArray<FString> ToSegments;
		FromDirectory.ParseIntoArray(FromSegments, TEXT("/"), true);
		To.ParseIntoArray(ToSegments, TEXT("/"), true);
		int32 Common = 0;
		while (Common < FromSegments.Num() && Common < ToSegments.Num() - (To.EndsWith(TEXT("/")) ? 0 : 1) &&
			   FromSegments[Common].Equals(ToSegments[Common]))
		{
			++Common;
		}
		FString Result;
		for (int32 Index = Common; Index < FromSegments.Num(); ++Index)
		{
			Result += TEXT("../");
		}
		for (int32 Index = Common; Index < ToSegments.Num(); ++Index)
		{
			Result += ToSegments[Index];
			if (Index + 1 < ToSegments.Num() || To.EndsWith(TEXT("/")))
			{
				Result += TEXT("/");
			}
		}
		return Result;
	}
}

namespace UE::StandIn
{
	void SetEngineRoot(const FString& AbsEngineDir)
	{
		Private::FWorld& World = Private::GetWorld();
		std::lock_guard<std::recursive_mutex> Lock(World.Mutex);
		checkf(!FPaths::IsRelative(AbsEngineDir), TEXT("The engine root must be absolute: %s"), *AbsEngineDir);
		World.EngineRoot = Private::AsDirectory(AbsEngineDir);
		World.BaseDir = World.EngineRoot + TEXT("Binaries/Win64/");
		Private::UpdateProjectStrings(World);
	}

	void SetProject(const FString& AbsUProjectPath)
	{
		Private::FWorld& World = Private::GetWorld();
		std::lock_guard<std::recursive_mutex> Lock(World.Mutex);
		checkf(!FPaths::IsRelative(AbsUProjectPath), TEXT("The project path must be absolute: %s"), *AbsUProjectPath);
		FString ProjectFile = AbsUProjectPath;
		FPaths::NormalizeFilename(ProjectFile);
		FPaths::CollapseRelativeDirectories(ProjectFile);
		World.ProjectFilePath = ProjectFile;
		World.ProjectRoot = Private::AsDirectory(FPaths::GetPath(ProjectFile));
		FApp::SetProjectName(*FPaths::GetBaseFilename(ProjectFile));
		Private::UpdateProjectStrings(World);
	}

	void ClearProject()
	{
		Private::FWorld& World = Private::GetWorld();
		std::lock_guard<std::recursive_mutex> Lock(World.Mutex);
		World.ProjectFilePath.Empty();
		World.ProjectRoot.Empty();
		FApp::SetProjectName(TEXT(""));
		Private::UpdateProjectStrings(World);
	}

	FString GetEngineRoot()
	{
		Private::FWorld& World = Private::GetWorld();
		std::lock_guard<std::recursive_mutex> Lock(World.Mutex);
		return World.EngineRoot;
	}

	FString GetProjectRoot()
	{
		Private::FWorld& World = Private::GetWorld();
		std::lock_guard<std::recursive_mutex> Lock(World.Mutex);
		return World.ProjectRoot;
	}

	void SetWorkingDirectoryToBaseDir()
	{
		FPlatformProcess::SetCurrentWorkingDirectoryToBaseDir();
	}
}
