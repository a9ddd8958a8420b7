#include "CookOnTheSide/CookOnTheFlyServer.h"

#include "CookedPackageWriter.h"
#include "CoreGlobals.h"
#include "Engine/Texture.h"
#include "HAL/FileManager.h"
#include "HAL/PlatformTime.h"
#include "Interfaces/ITargetPlatform.h"
#include "Misc/App.h"
#include "Misc/FileHelper.h"
#include "Misc/PackageName.h"
#include "Misc/Paths.h"
#include "ProjectCookSettings.h"
#include "StandIn/StartedCookLog.h"
#include "StandIn/StringConv.h"
#include "UObject/Package.h"
#include "UObject/UObjectHash.h"

DEFINE_LOG_CATEGORY(LogCook);

namespace
{
	// What the editor gives its cook each frame: the cook keeps the editor responsive and otherwise has the machine.
	constexpr float EditorTickTimeSlice = 0.1f;

	using FJson = nlohmann::ordered_json;

	bool ReadPackageDocument(const FString& Filename, FJson& OutDocument)
	{
		TArray<uint8> Bytes;
		if (!FFileHelper::LoadFileToArray(Bytes, *Filename, FILEREAD_Silent))
		{
			return false;
		}
		OutDocument = FJson::parse(Bytes.GetData(), Bytes.GetData() + Bytes.Num(), nullptr, false);
		return OutDocument.is_object();
	}

	// The packages a package file names as hard (imports) and soft references, which the cook follows.
	TArray<FString> GetReferencedPackages(const FJson& Document)
	{
		TArray<FString> Result;
		for (const char* Member : {"Imports", "SoftReferences"})
		{
			if (!Document.contains(Member) || !Document[Member].is_array())
			{
				continue;
			}
			for (const FJson& Name : Document[Member])
			{
				if (Name.is_string())
				{
					Result.Add(UE::StandIn::FromUtf8(Name.get<std::string>()));
				}
			}
		}
		return Result;
	}

	FString AsDirectory(FString Path)
	{
		Path = FPaths::ConvertRelativePathToFull(Path);
		if (!Path.EndsWith(TEXT("/")))
		{
			Path += TEXT("/");
		}
		return Path;
	}

	// A package file's place in a platform's cooked folder, without extension: the project's files go under the
	// project's name, the engine's under Engine, each with its path below that root.
	bool GetCookedPathBase(const FString& Filename, FString& OutRelativeBase)
	{
		const FString FullFilename = FPaths::ConvertRelativePathToFull(Filename);
		const TPair<FString, FString> Roots[] = {
			{AsDirectory(FPaths::ProjectDir()), FString(FApp::GetProjectName())},
			{AsDirectory(FPaths::EngineDir()), FString(TEXT("Engine"))}};
		for (const TPair<FString, FString>& Root : Roots)
		{
			if (FullFilename.StartsWith(Root.Key, ESearchCase::IgnoreCase))
			{
				OutRelativeBase = Root.Value / FPaths::GetBaseFilename(FullFilename.RightChop(Root.Key.Len()), false);
				return true;
			}
		}
		return false;
	}

	// Sorted, so that the cooked bulk data does not hang on the order the objects were made in.
	TArray<FString> GetObjectNamesWithBulkData(const UPackage* Package)
	{
		TArray<FString> Names;
		ForEachObjectWithPackage(Package, [&Names](UObject* Object)
			{
				if (Object->IsA(UTexture::StaticClass()))
				{
					Names.Add(Object->GetName());
				}
				return true;
			});
		Names.Sort();
		return Names;
	}
}

UCookOnTheFlyServer::UCookOnTheFlyServer(const FObjectInitializer& ObjectInitializer)
	: UObject(ObjectInitializer)
{
}

UCookOnTheFlyServer::~UCookOnTheFlyServer() = default;

void UCookOnTheFlyServer::Initialize(ECookMode::Type DesiredCookMode, ECookInitializationFlags InCookInitializationFlags, const FString& OutputDirectoryOverride)
{
	CurrentCookMode = DesiredCookMode;
	CookFlags = InCookInitializationFlags;
	bInitialized = true;
	GivenOutputDirectoryOverride = OutputDirectoryOverride;
	// An override without the [Platform] token is the output folder itself, for a cook with one target platform.
	OutputDirectory = OutputDirectoryOverride.IsEmpty() ? FPaths::Combine(FPaths::ProjectSavedDir(), TEXT("Cooked"), TEXT("[Platform]")) : OutputDirectoryOverride;
}

void UCookOnTheFlyServer::StartCookByTheBook(const FCookByTheBookStartupOptions& CookByTheBookStartupOptions)
{
	UE::StandIn::FStartedCook Record;
	Record.Cooker = this;
	Record.CookMode = CurrentCookMode;
	Record.InitializationFlags = CookFlags;
	Record.OutputDirectoryOverride = GivenOutputDirectoryOverride;
	Record.Options = CookByTheBookStartupOptions;
	for (const ITargetPlatform* Platform : CookByTheBookStartupOptions.TargetPlatforms)
	{
		Record.TargetPlatformNames.Add(Platform ? Platform->PlatformName() : FString(TEXT("(null)")));
	}

	const TCHAR* Refusal = nullptr;
	if (!bInitialized || !IsCookByTheBookMode())
	{
		Refusal = TEXT("the cooker was not initialised to cook by the book");
	}
	else if (GIsEditor && CurrentCookMode == ECookMode::CookByTheBook)
	{
		// The engine's CookByTheBook belongs to the cook commandlet; inside the editor its cook does not run as the
		// editor's does.
		Refusal = TEXT("CookByTheBook is the cook commandlet's mode; a cook inside the editor uses CookByTheBookFromTheEditor");
	}
	else if (bInSession)
	{
		Refusal = TEXT("this cooker is already cooking");
	}
	else if (CookByTheBookStartupOptions.TargetPlatforms.Num() == 0 || CookByTheBookStartupOptions.TargetPlatforms.Contains(nullptr))
	{
		Refusal = TEXT("a target platform is missing");
	}
	if (Refusal)
	{
		UE_LOG(LogCook, Error, TEXT("Cook by the book not started: %s."), Refusal);
		UE::StandIn::RecordStartedCook(MoveTemp(Record));
		return;
	}

	SessionPlatformNames = Record.TargetPlatformNames;
	const UE::Cook::Private::FProjectCookSettings ProjectSettings = UE::Cook::Private::ReadProjectCookSettings();
	bUseZenStore = ProjectSettings.bUseZenStore;
	RequestedPackages.Reset();
	RequestedPackageSet.Reset();
	NextRequest = 0;
	NumCooked = 0;
	NumFailed = 0;
	for (const FString& Map : CookByTheBookStartupOptions.CookMaps)
	{
		RequestPackage(Map);
	}
	for (const FString& Package : CookByTheBookStartupOptions.CookPackages)
	{
		RequestPackage(Package);
	}
	for (const FString& Directory : CookByTheBookStartupOptions.CookDirectories)
	{
		RequestPackagesUnder(Directory);
	}
	for (const FString& Directory : ProjectSettings.DirectoriesToAlwaysCook)
	{
		RequestPackagesUnder(Directory);
	}
	bInSession = true;
	Record.bSessionStarted = true;
	UE::StandIn::RecordStartedCook(MoveTemp(Record));
	UE_LOG(LogCook, Display, TEXT("Cook by the book started for %s: %d packages requested%s."), *FString::Join(SessionPlatformNames, TEXT(", ")),
		RequestedPackages.Num(), bUseZenStore ? TEXT(", written to the zen store") : TEXT(""));
}

uint32 UCookOnTheFlyServer::TickCookByTheBook(const float TimeSlice, ECookTickFlags TickFlags)
{
	if (!IsCookByTheBookRunning())
	{
		return COSR_None;
	}
	// At least one package a tick, however short the slice, so that every tick moves the cook on.
	const double EndTime = FPlatformTime::Seconds() + TimeSlice;
	uint32 Result = COSR_None;
	do
	{
		Result |= NextRequest < RequestedPackages.Num() ? CookNextPackage() : COSR_None;
	}
	while (NextRequest < RequestedPackages.Num() && FPlatformTime::Seconds() < EndTime);
	if (NextRequest >= RequestedPackages.Num())
	{
		FinishSession();
	}
	return Result;
}

void UCookOnTheFlyServer::Tick(float DeltaTime)
{
	if (IsCookByTheBookRunning())
	{
		TickCookByTheBook(EditorTickTimeSlice);
	}
}

bool UCookOnTheFlyServer::IsTickable() const
{
	return EnumHasAnyFlags(CookFlags, ECookInitializationFlags::AutoTick);
}

void UCookOnTheFlyServer::RequestPackage(const FString& PackageName)
{
	const FString Name = FPackageName::ObjectPathToPackageName(PackageName);
	if (Name.IsEmpty() || FPackageName::IsScriptPackage(Name))
	{
		return;
	}
	const FName Key(*Name);
	if (!RequestedPackageSet.Contains(Key))
	{
		RequestedPackageSet.Add(Key);
		RequestedPackages.Add(Key);
	}
}

void UCookOnTheFlyServer::RequestPackagesUnder(const FString& Directory)
{
	// Relative directories are relative to the project's content.
	FString LongPath = Directory.StartsWith(TEXT("/")) ? Directory : TEXT("/Game/") + Directory;
	if (!LongPath.EndsWith(TEXT("/")))
	{
		LongPath += TEXT("/");
	}
	FString Folder;
	if (!FPackageName::TryConvertLongPackageNameToFilename(LongPath, Folder))
	{
		UE_LOG(LogCook, Warning, TEXT("Unable to cook the directory %s: it is not in a mounted content folder."), *Directory);
		return;
	}
	TArray<FString> Files;
	IFileManager::Get().FindFilesRecursive(Files, *Folder, *(TEXT("*") + FPackageName::GetAssetPackageExtension()), true, false);
	IFileManager::Get().FindFilesRecursive(Files, *Folder, *(TEXT("*") + FPackageName::GetMapPackageExtension()), true, false, false);
	Files.Sort();
	for (const FString& File : Files)
	{
		FString PackageName;
		if (FPackageName::TryConvertFilenameToLongPackageName(File, PackageName))
		{
			RequestPackage(PackageName);
		}
	}
}

uint32 UCookOnTheFlyServer::CookNextPackage()
{
	const FString PackageName = RequestedPackages[NextRequest++].ToString();
	FString Filename;
	if (!FPackageName::DoesPackageExist(PackageName, &Filename))
	{
		UE_LOG(LogCook, Warning, TEXT("Unable to cook %s: no package file holds it."), *PackageName);
		++NumFailed;
		return COSR_ErrorLoadingPackage;
	}
	FJson Document;
	const UPackage* Package = LoadPackage(nullptr, *PackageName, LOAD_None);
	if (!Package || !ReadPackageDocument(Filename, Document))
	{
		UE_LOG(LogCook, Error, TEXT("Unable to cook %s: its package file %s failed to load."), *PackageName, *FPaths::ConvertRelativePathToFull(Filename));
		++NumFailed;
		return COSR_ErrorLoadingPackage;
	}
	for (const FString& Referenced : GetReferencedPackages(Document))
	{
		RequestPackage(Referenced);
	}

	UE::Cook::Private::FCookedPackage Cooked;
	Cooked.PackageName = FName(*PackageName);
	Cooked.PackageDocument = &Document;
	Cooked.HeaderExtension = FPaths::GetExtension(Filename, true);
	Cooked.BulkDataObjects = GetObjectNamesWithBulkData(Package);
	Cooked.bHasBulkData = Cooked.BulkDataObjects.Num() > 0 || (Document.contains("BulkData") && Document["BulkData"] == true);
	if (!GetCookedPathBase(Filename, Cooked.RelativePathBase))
	{
		UE_LOG(LogCook, Error, TEXT("Unable to cook %s: its package file %s is neither in the project nor in the engine."), *PackageName, *FPaths::ConvertRelativePathToFull(Filename));
		++NumFailed;
		return COSR_None;
	}
	bool bWritten = true;
	for (const FString& PlatformName : SessionPlatformNames)
	{
		Cooked.PlatformName = PlatformName;
		bWritten &= UE::Cook::Private::WriteCookedPackage(AsDirectory(OutputDirectory.Replace(TEXT("[Platform]"), *PlatformName)), Cooked, bUseZenStore);
	}
	if (!bWritten)
	{
		++NumFailed;
		return COSR_None;
	}
	++NumCooked;
	UE_LOG(LogCook, Log, TEXT("Cooked %s"), *PackageName);
	return Cooked.HeaderExtension == FPackageName::GetMapPackageExtension() ? COSR_CookedPackage | COSR_CookedMap : COSR_CookedPackage;
}

void UCookOnTheFlyServer::FinishSession()
{
	bInSession = false;
	UE_LOG(LogCook, Display, TEXT("Cook by the book finished for %s: %d packages cooked, %d failed."), *FString::Join(SessionPlatformNames, TEXT(", ")), NumCooked, NumFailed);
}
