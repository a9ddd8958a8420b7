#include "Z4PakFileLocations.h"

#if WITH_EDITOR

#include "CoreGlobals.h"
#include "HAL/FileManager.h"
#include "Misc/Paths.h"

FString FZ4PakFileLocations::GetPakName(FName PublicName)
{
	FString PakName = PublicName.ToString();
	PakName.RemoveSpacesInline();
	return PakName;
}

bool FZ4PakFileLocations::IsSafePakName(const FString& PakName)
{
	if (PakName.IsEmpty() || PakName.Contains(TEXT("..")))
	{
		return false;
	}
	for (int32 Index = 0; Index < PakName.Len(); ++Index)
	{
		const TCHAR Char = PakName[Index];
		const bool bControl = Char < 32 || (Char >= 127 && Char < 160);
		// Path separators and what Windows forbids in file names, and what the console reads as commands,
		// variables or escapes even between quotes.
		if (bControl || FCString::Strchr(TEXT("/\\\":*?<>|&^%"), Char))
		{
			return false;
		}
	}
	// Windows opens the device for a reserved name whatever extension follows it.
	int32 Dot = INDEX_NONE;
	const FString BaseName = PakName.FindChar(TEXT('.'), Dot) ? PakName.Left(Dot) : PakName;
	static const TCHAR* const DeviceNames[] = {
		TEXT("CON"), TEXT("PRN"), TEXT("AUX"), TEXT("NUL"),
		TEXT("COM1"), TEXT("COM2"), TEXT("COM3"), TEXT("COM4"), TEXT("COM5"), TEXT("COM6"), TEXT("COM7"), TEXT("COM8"), TEXT("COM9"),
		TEXT("LPT1"), TEXT("LPT2"), TEXT("LPT3"), TEXT("LPT4"), TEXT("LPT5"), TEXT("LPT6"), TEXT("LPT7"), TEXT("LPT8"), TEXT("LPT9"),
	};
	for (const TCHAR* DeviceName : DeviceNames)
	{
		if (BaseName.Equals(DeviceName, ESearchCase::IgnoreCase))
		{
			return false;
		}
	}
	return true;
}

FString FZ4PakFileLocations::GetPakFilePath(const FString& PakName)
{
	return FPaths::ProjectDir() / TEXT("Paks") / (PakName + TEXT(".pak"));
}

FString FZ4PakFileLocations::GetManifestFilePath()
{
	return FPaths::ProjectConfigDir() + TEXT("Manifest.txt");
}

FString FZ4PakFileLocations::GetCookedContentDir()
{
	return IFileManager::Get().ConvertToAbsolutePathForExternalAppForRead(*FPaths::ProjectSavedDir()) / TEXT("Cooked/Windows") / GInternalProjectName / TEXT("Content/");
}

void FZ4PakFileLocations::GetCookedFilePaths(const FString& ContentPath, const FString& CookedContentDir, FString& OutDiskPath, FString& OutMountPath)
{
	const TCHAR* const GameRoot = TEXT("/Game/");
	if (!ContentPath.StartsWith(GameRoot, ESearchCase::IgnoreCase))
	{
		OutDiskPath = ContentPath;
		OutMountPath = ContentPath;
		return;
	}
	const FString Relative = ContentPath.RightChop(FCString::Strlen(GameRoot));
	OutDiskPath = CookedContentDir + Relative;
	OutMountPath = TEXT("../../../QuillonVTT/Content/") + Relative;
}

FString FZ4PakFileLocations::GetPakToolDir()
{
	return FPaths::EngineDir() / TEXT("Binaries/Win64");
}

#endif
