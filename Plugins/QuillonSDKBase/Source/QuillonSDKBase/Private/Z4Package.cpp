#include "Z4Package.h"

#include "Algo/AnyOf.h"
#include "Animation/AnimBlueprint.h"
#include "AssetRegistry/AssetRegistryModule.h"
#include "Engine/Blueprint.h"
#include "Engine/SkeletalMesh.h"
#include "Engine/StaticMesh.h"
#include "Engine/Texture2D.h"
#include "Engine/World.h"
#include "Misc/Guid.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "UObject/Package.h"

#if WITH_EDITOR
#include "AssetImportTask.h"
#include "AssetRegistry/ARFilter.h"
#include "AssetRegistry/AssetData.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "AssetToolsModule.h"
#include "Components/ActorComponent.h"
#include "CookOnTheSide/CookOnTheFlyServer.h"
#include "EditorFramework/AssetImportData.h"
#include "Engine/AssetManager.h"
#include "Engine/RendererSettings.h"
#include "Engine/StreamableManager.h"
#include "HAL/FileManager.h"
#include "HAL/PlatformFileManager.h"
#include "HAL/PlatformMisc.h"
#include "HAL/PlatformProcess.h"
#include "IAssetTools.h"
#include "IImageWrapper.h"
#include "IImageWrapperModule.h"
#include "Interfaces/ITargetPlatformManagerModule.h"
#include "Misc/CoreMisc.h"
#include "Misc/FileHelper.h"
#include "Misc/MessageDialog.h"
#include "Misc/ObjectThumbnail.h"
#include "Misc/PackageName.h"
#include "Misc/ScopedSlowTask.h"
#include "ObjectTools.h"
#include "QuillonSDKBase.h"
#include "RenderingThread.h"
#include "Serialization/ArchiveReplaceObjectRef.h"
#include "Settings/ProjectPackagingSettings.h"
#include "UObject/UnrealType.h"
#include "UnrealEdMisc.h"
#include "Z4BuildReport.h"
#include "Z4CookKeeper.h"
#include "Z4DependencyQueryCache.h"
#include "Z4PackageCheck.h"
#include "Z4PakFileLocations.h"
#include "Z4PakToolWatcher.h"
#include "Z4SDKManager.h"
#include "Z4SDKStatics.h"
#endif

#define LOCTEXT_NAMESPACE "Z4Package"

FZ4PackageData::FZ4PackageData()
	: PackId(FGuid::NewGuid().ToString(EGuidFormats::Digits).Left(6))
{
}

const FZ4Asset* FZ4PackageData::GetAsset(int32 Index) const
{
	return Assets.IsValidIndex(Index) ? &Assets[Index] : nullptr;
}

UZ4Package::UZ4Package()
{
	UpdatePackageFolder();
}

void UZ4Package::UpdatePackageFolder()
{
	PackageFolder = FPaths::GetPath(GetPackage()->GetPathName());
}

EZ4AssetType UZ4Package::GetAssetType(const UClass* Class)
{
	if (Class == UWorld::StaticClass())
	{
		return EZ4AssetType::Level;
	}
	if (Class == UStaticMesh::StaticClass())
	{
		return EZ4AssetType::Mesh;
	}
	if (Class == UBlueprint::StaticClass())
	{
		return EZ4AssetType::Actor;
	}
	if (Class == USkeletalMesh::StaticClass())
	{
		return EZ4AssetType::Skeleton;
	}
	return EZ4AssetType::E_NONE;
}

bool UZ4Package::IsPackageClass(const UClass* Class)
{
	return Class && (Class->IsChildOf(UWorld::StaticClass()) || Class->IsChildOf(UStaticMesh::StaticClass()) || Class->IsChildOf(UBlueprint::StaticClass())
		|| Class->IsChildOf(USkeletalMesh::StaticClass()) || Class->IsChildOf(UAnimBlueprint::StaticClass()));
}

bool UZ4Package::IsSpawnableType(const UClass* Class)
{
	return Class && (Class == UStaticMesh::StaticClass() || Class->IsChildOf(UBlueprint::StaticClass()));
}

bool UZ4Package::IsCustomAsset(FString PackageName)
{
	if (!PackageName.StartsWith(TEXT("/Game/"), ESearchCase::IgnoreCase))
	{
		return false;
	}
	for (const TCHAR* Reserved : {TEXT("/Game/DIZEzerizidu/"), TEXT("/Game/Components/"), TEXT("/Game/Default/")})
	{
		if (PackageName.StartsWith(Reserved, ESearchCase::IgnoreCase))
		{
			return false;
		}
	}
	return true;
}

FName UZ4Package::RemoveClassPrefix(FName AssetName, const UClass* Class)
{
	const TCHAR* Prefix = nullptr;
	if (Class == UWorld::StaticClass())
	{
		Prefix = TEXT("L_");
	}
	else if (Class == UStaticMesh::StaticClass())
	{
		Prefix = TEXT("SM_");
	}
	else if (Class == UBlueprint::StaticClass())
	{
		Prefix = TEXT("BP_");
	}
	if (!Prefix)
	{
		return AssetName;
	}
	const FString Name = AssetName.ToString();
	if (!Name.StartsWith(Prefix, ESearchCase::IgnoreCase))
	{
		return AssetName;
	}
	return FName(*Name.RightChop(FCString::Strlen(Prefix)));
}

bool UZ4Package::IsInFolder(const FString& Name, const FString& Folder)
{
	if (!Name.StartsWith(Folder, ESearchCase::IgnoreCase))
	{
		return false;
	}
	return Name.Len() == Folder.Len() || Folder.EndsWith(TEXT("/")) || Name[Folder.Len()] == TEXT('/');
}

#if WITH_EDITOR
namespace
{
	// The editor reports nothing when a settings file cannot be written (one under source control that is
	// not checked out), and the creator would cook with settings that were never saved.
	bool WriteDefaultConfig(UObject* Settings)
	{
		if (Settings->TryUpdateDefaultConfigFile())
		{
			return true;
		}
		UE_LOG(Z4LogSDK, Error, TEXT("Could not write the cook settings to %s: the file is read-only or cannot be written. Check it out or make it writable, then apply the cook settings again."),
			*FPaths::ConvertRelativePathToFull(Settings->GetDefaultConfigFilename()));
		return false;
	}
}

void UZ4Package::ApplyCookSettings()
{
	UpdatePackageFolder();
	UProjectPackagingSettings* PackagingSettings = GetMutableDefault<UProjectPackagingSettings>();
	// With the zen store a cook goes to a storage server, and the pak is made from loose cooked files.
	PackagingSettings->bUseZenStore = false;

	for (const FZ4Asset& Asset : Data.Assets)
	{
		if (Asset.Class != UWorld::StaticClass())
		{
			continue;
		}
		int32 Dot = INDEX_NONE;
		const FString MapPath = Asset.ObjectPath.FindLastChar(TEXT('.'), Dot) ? Asset.ObjectPath.Left(Dot) : Asset.ObjectPath;
		if (!PackagingSettings->MapsToCook.ContainsByPredicate([&MapPath](const FFilePath& Map) { return Map.FilePath == MapPath; }))
		{
			PackagingSettings->MapsToCook.AddDefaulted_GetRef().FilePath = MapPath;
		}
	}
	if (!PackagingSettings->DirectoriesToAlwaysCook.ContainsByPredicate([this](const FDirectoryPath& Directory) { return Directory.Path == PackageFolder; }))
	{
		PackagingSettings->DirectoriesToAlwaysCook.AddDefaulted_GetRef().Path = PackageFolder;
	}
	WriteDefaultConfig(PackagingSettings);

	URendererSettings* RendererSettings = GetMutableDefault<URendererSettings>();
	if (RendererSettings->bAllowStaticLighting)
	{
		return;
	}
	RendererSettings->bAllowStaticLighting = true;
	// A restart would start the editor from the files, and lose a change they do not hold.
	if (!WriteDefaultConfig(RendererSettings))
	{
		return;
	}

	const FText Message = LOCTEXT("RestartForStaticLighting", "Changes to static lighting settings require a restart to take effect. Would you like to restart the editor now?");
	if (FMessageDialog::Open(EAppMsgType::YesNo, Message, LOCTEXT("RestartRequiredTitle", "Restart Required")) == EAppReturnType::Yes)
	{
		FUnrealEdMisc::Get().RestartEditor(true);
	}
}
#endif

#if WITH_EDITOR
void UZ4Package::GetExportAssets(TArray<FName>& OutPackageNames) const
{
	OutPackageNames.Reset();
	for (const TPair<FName, int32>& MainAsset : Data.AssetsIndexMap)
	{
		OutPackageNames.Add(MainAsset.Key);
	}
	for (const TPair<FName, FZ4ReferenceList>& Dependency : Dependencies)
	{
		OutPackageNames.Add(Dependency.Key);
	}
	OutPackageNames.Add(GetOutermost()->GetFName());

	// Thumbnails from other content (the plug-in's defaults) are not the creator's to ship.
	auto AddCustomThumbnail = [&OutPackageNames](const UTexture2D* Thumbnail)
	{
		if (!Thumbnail)
		{
			return;
		}
		const FName ThumbnailPackageName = Thumbnail->GetOutermost()->GetFName();
		if (IsCustomAsset(ThumbnailPackageName.ToString()))
		{
			OutPackageNames.Add(ThumbnailPackageName);
		}
	};
	for (const FZ4Asset& Asset : Data.Assets)
	{
		AddCustomThumbnail(Asset.Thumbnail);
	}
	AddCustomThumbnail(Data.Thumbnail);
}

void UZ4Package::GetExportAssets(TArray<FAssetData>& OutAssets) const
{
	FARFilter Filter;
	GetExportAssets(Filter.PackageNames);
	AssetRegistryModule().Get().GetAssets(Filter, OutAssets, true);
}

void UZ4Package::CookAssets()
{
	ITargetPlatform* WindowsPlatform = GetTargetPlatformManagerRef().FindTargetPlatform(TEXT("Windows"));
	if (!WindowsPlatform)
	{
		UE_LOG(Z4LogSDK, Error, TEXT("Cannot cook %s: the target platform \"Windows\" is not installed with this editor."), *GetOutermost()->GetName());
		return;
	}

	UCookOnTheFlyServer* Cooker = NewObject<UCookOnTheFlyServer>(GetTransientPackage());
	// The cook runs inside the editor's process (CookByTheBook is the commandlet's mode). Without AutoTick the editor
	// never ticks the cooker, and its cook would never run.
	Cooker->Initialize(ECookMode::CookByTheBookFromTheEditor, ECookInitializationFlags::AutoTick, FString());

	TArray<FName> ExportAssets;
	GetExportAssets(ExportAssets);
	UCookOnTheFlyServer::FCookByTheBookStartupOptions StartupOptions;
	StartupOptions.TargetPlatforms.Add(WindowsPlatform);
	for (const FName& PackageName : ExportAssets)
	{
		StartupOptions.CookPackages.Add(PackageName.ToString());
	}
	StartupOptions.bGenerateDependenciesForMaps = true;
	Cooker->StartCookByTheBook(StartupOptions);
	FZ4CookKeeper::KeepWhileCooking(Cooker);
}
#endif

#if WITH_EDITOR
namespace
{
	void LogFinding(const FZ4PackageFinding& Finding)
	{
		const FString Text = FString::Printf(TEXT("%s %s: %s %s (%s)"), *Finding.Code.ToString(), *Finding.Package.ToString(),
			*Finding.Message.ToString(), *Finding.Hint.ToString(), *Finding.GetChainText());
		switch (Finding.Severity)
		{
		case EZ4FindingSeverity::Error:
			UE_LOG(Z4LogSDK, Error, TEXT("%s"), *Text);
			break;
		case EZ4FindingSeverity::Warning:
			UE_LOG(Z4LogSDK, Warning, TEXT("%s"), *Text);
			break;
		default:
			UE_LOG(Z4LogSDK, Log, TEXT("%s"), *Text);
			break;
		}
	}

	// The pak name becomes a file name under Paks and part of the listing console's command line.
	bool CanUsePakName(const FString& PakName)
	{
		if (FZ4PakFileLocations::IsSafePakName(PakName))
		{
			return true;
		}
		FMessageDialog::Open(EAppMsgType::Ok, FText::Format(LOCTEXT("UnsafePakName",
			"The pak cannot be named \"{0}\" (the package's name without its spaces). A pak name may not be empty, contain two dots in a row, "
			"control characters or any of / \\ \" : * ? < > | & ^ %, or be a device name such as CON, PRN, AUX, NUL, COM1 or LPT1. "
			"Rename the package and try again."), FText::FromString(PakName)));
		return false;
	}
}

void UZ4Package::MakePakFile()
{
	TArray<FZ4PackageFinding> Findings = GatherFindings();
	if (!ConfirmProblemsBeforePacking(Findings))
	{
		return;
	}
	if (!CanUsePakName(FZ4PakFileLocations::GetPakName(Data.Name)))
	{
		return;
	}
	// The manifest is one file for the whole project, and a running tool may still be reading it.
	const FString PakBeingMade = FZ4PakToolWatcher::GetPakBeingMade();
	if (!PakBeingMade.IsEmpty())
	{
		FMessageDialog::Open(EAppMsgType::Ok, FText::Format(LOCTEXT("PakToolRunning",
			"The pak tool is still making {0}. Wait until it has finished (a notification will tell), then try again."), FText::FromString(PakBeingMade)));
		return;
	}

	const int32 NumExternalDependencies = ExternalDependencies.Num();
	if (NumExternalDependencies != 0)
	{
		const FText Message = FText::Format(LOCTEXT("ExternalDependencies",
			"{0} assets are outside of this package's directory. It's recommended that you keep all assets in the same uniquely-named directory, else there can be naming conflicts with other packages.\n\nPackage anyway?"),
			NumExternalDependencies);
		if (FMessageDialog::Open(EAppMsgType::OkCancel, Message) != EAppReturnType::Ok)
		{
			return;
		}
	}
	MakePakFileInternal(MoveTemp(Findings));
}

void UZ4Package::MakePakFileInternal(TArray<FZ4PackageFinding> Findings)
{
	TArray<FName> ExportPackageNames;
	GetExportAssets(ExportPackageNames);
	FARFilter ExportFilter;
	ExportFilter.PackageNames = ExportPackageNames;
	TArray<FAssetData> ExportAssets;
	AssetRegistryModule().Get().GetAssets(ExportFilter, ExportAssets, true);
	const FString CookedContentDir = FZ4PakFileLocations::GetCookedContentDir();

	IPlatformFile& PlatformFile = FPlatformFileManager::Get().GetPlatformFile();
	FString Manifest;
	TArray<FString> SourcePaths;
	TArray<FString> MountPaths;
	TUniquePtr<FZ4BuildReport> Report = MakeUnique<FZ4BuildReport>(*this);
	Report->SetFindings(MoveTemp(Findings));
	int32 NumUncooked = 0;
	// Cooked files are named after their package, which is not always its asset's name: an external actor's package
	// has a hashed name, and a blueprint's package also holds its generated class. A package is packed once, as a
	// map when it holds a world.
	TSet<FName> MapPackages;
	TSet<FName> ListedPackages;
	for (const FAssetData& Asset : ExportAssets)
	{
		ListedPackages.Add(Asset.PackageName);
		if (Asset.IsValid() && Asset.GetClass() == UWorld::StaticClass())
		{
			MapPackages.Add(Asset.PackageName);
		}
	}
	// A package the registry has no record of (its file deleted or damaged) has no cooked file to look for either; it
	// would otherwise leave the pak without a word.
	for (const FName& PackageName : ExportPackageNames)
	{
		bool bListed = false;
		ListedPackages.Add(PackageName, &bListed);
		if (!bListed)
		{
			++NumUncooked;
			UE_LOG(Z4LogSDK, Warning, TEXT("Package '%s' cannot be packed: the asset registry has no record of it, so its file is missing or cannot be read."), *PackageName.ToString());
		}
	}
	// The cooked folder is read once, instead of asking the disk for each file the export set could have.
	TSet<FString> CookedFiles;
	PlatformFile.IterateDirectoryRecursively(*CookedContentDir, [&CookedFiles, &CookedContentDir](const TCHAR* FilenameOrDirectory, bool bIsDirectory)
	{
		FString Relative(FilenameOrDirectory);
		if (!bIsDirectory && Relative.StartsWith(CookedContentDir))
		{
			Relative.RightChopInline(CookedContentDir.Len());
			Relative.RemoveFromStart(TEXT("/"));
			CookedFiles.Add(MoveTemp(Relative));
		}
		return true;
	});
	TSet<FName> PackedPackages;
	for (const FAssetData& Asset : ExportAssets)
	{
		if (!Asset.IsValid() || FAssetData::IsRedirectorClassName(Asset.AssetClassPath))
		{
			continue;
		}
		bool bAlreadyPacked = false;
		PackedPackages.Add(Asset.PackageName, &bAlreadyPacked);
		if (bAlreadyPacked)
		{
			continue;
		}
		const TCHAR* const Extensions[] = {MapPackages.Contains(Asset.PackageName) ? TEXT(".umap") : TEXT(".uasset"), TEXT(".ubulk"), TEXT(".uexp")};
		const FString PackageName = Asset.PackageName.ToString();
		for (const TCHAR* Extension : Extensions)
		{
			const FString ContentPath = PackageName + Extension;
			FString DiskPath;
			FString MountPath;
			FZ4PakFileLocations::GetCookedFilePaths(ContentPath, CookedContentDir, DiskPath, MountPath);
			// What lies in the cooked folder was read with it; anything else is asked of the disk.
			const bool bCooked = DiskPath.StartsWith(CookedContentDir) ? CookedFiles.Contains(DiskPath.RightChop(CookedContentDir.Len())) : PlatformFile.FileExists(*DiskPath);
			if (bCooked)
			{
				SourcePaths.Add(DiskPath);
				MountPaths.Add(MountPath);
				Report->AddManifestEntry(MountPath, DiskPath, Asset.PackageName);
			}
			else if (Extension == Extensions[0])
			{
				++NumUncooked;
				UE_LOG(Z4LogSDK, Warning, TEXT("File '%s' has not been cooked. Path on disk: %s"), *ContentPath, *DiskPath);
			}
		}
	}

	if (NumUncooked > 0)
	{
		const FText Message = FText::Format(LOCTEXT("UncookedFiles",
			"{0} uncooked files. Unable to add these to the package. Check output log for details.\nPackage anyway?"), NumUncooked);
		if (FMessageDialog::Open(EAppMsgType::OkCancel, Message) == EAppReturnType::Cancel)
		{
			return;
		}
	}

	// Quoted: the default project and engine folders ("Unreal Projects", "Program Files") hold spaces.
	int32 ManifestLength = 0;
	for (int32 Index = 0; Index < SourcePaths.Num(); ++Index)
	{
		ManifestLength += SourcePaths[Index].Len() + MountPaths[Index].Len() + 6;
	}
	Manifest.Reserve(ManifestLength);
	for (int32 Index = 0; Index < SourcePaths.Num(); ++Index)
	{
		Manifest += TEXT("\"");
		Manifest += SourcePaths[Index];
		Manifest += TEXT("\" \"");
		Manifest += MountPaths[Index];
		Manifest += TEXT("\"\n");
	}

	const FString ManifestFilePath = FZ4PakFileLocations::GetManifestFilePath();
	FFileHelper::SaveStringToFile(Manifest, *ManifestFilePath, FFileHelper::EEncodingOptions::AutoDetect);

	const FString PakFilePath = FZ4PakFileLocations::GetPakFilePath(FZ4PakFileLocations::GetPakName(Data.Name));
	const FString PakToolDir = FZ4PakFileLocations::GetPakToolDir();
	const TCHAR* const PakTool = TEXT("UnrealPak.exe");
	const FString Arguments = FString::Printf(TEXT("\"%s\" -log -create=\"%s\" -compress"), *PakFilePath, *ManifestFilePath);
	const FProcHandle PakToolProcess = FPlatformProcess::CreateProc(PakTool, *Arguments, false, false, false, nullptr, 0, *PakToolDir, nullptr, nullptr);

	UE_LOG(Z4LogSDK, Log, TEXT("Pak Command: %s %s"), PakTool, *Arguments);
	UE_LOG(Z4LogSDK, Log, TEXT("Pak Manifest: %s"), *Manifest);
	UE_LOG(Z4LogSDK, Log, TEXT("UnrealPak Directory: %s"), *PakToolDir);
	FZ4PakToolWatcher::Watch(PakToolProcess, PakFilePath, PakToolDir, MoveTemp(SourcePaths), MoveTemp(MountPaths), MoveTemp(Report));
}

TArray<FZ4PackageFinding> UZ4Package::CheckPackage()
{
	TArray<FZ4PackageFinding> Findings = GatherFindings();
	int32 NumBySeverity[3] = {};
	for (const FZ4PackageFinding& Finding : Findings)
	{
		LogFinding(Finding);
		++NumBySeverity[static_cast<int32>(Finding.Severity)];
	}
	UE_LOG(Z4LogSDK, Log, TEXT("Check Package %s: %d errors, %d warnings, %d notes."), *GetOutermost()->GetName(), NumBySeverity[0], NumBySeverity[1], NumBySeverity[2]);
	LastCheckFindings = Findings;
	return Findings;
}

TArray<FZ4PackageFinding> UZ4Package::GatherFindings()
{
	UpdatePackageFolder();
	IAssetRegistry& AssetRegistry = AssetRegistryModule().Get();
	FZ4DependencyQueryCache Queries(DependencyQueryCache, AssetRegistry, PackageFolder);
	TArray<FName> ExportPackageNames;
	GetExportAssets(ExportPackageNames);
	return FZ4PackageCheck(*this, Queries, AssetRegistry).Run(ExportPackageNames);
}

bool UZ4Package::ConfirmProblemsBeforePacking(const TArray<FZ4PackageFinding>& Findings) const
{
	TArray<FName> ExportPackageNames;
	GetExportAssets(ExportPackageNames);
	const TSet<FName> ExportSet(ExportPackageNames);
	// Make Pak File's own dialogs ask about these: the pak's name, and the export set's packages it cannot pack.
	const FName UnsafePakName(TEXT("UnsafePakName"));
	const FName Uncooked(TEXT("Uncooked"));
	const FName MissingPackage(TEXT("MissingPackage"));
	constexpr int32 MaxListed = 10;
	TArray<FString> Lines;
	int32 NumProblems = 0;
	for (const FZ4PackageFinding& Finding : Findings)
	{
		const bool bAskedElsewhere = Finding.Code == UnsafePakName || Finding.Code == Uncooked || (Finding.Code == MissingPackage && ExportSet.Contains(Finding.Package));
		if (Finding.Severity != EZ4FindingSeverity::Error || bAskedElsewhere)
		{
			continue;
		}
		LogFinding(Finding);
		if (++NumProblems <= MaxListed)
		{
			Lines.Add(FString::Printf(TEXT("- %s: %s"), *Finding.Package.ToString(), *Finding.Message.ToString()));
		}
	}
	if (NumProblems == 0)
	{
		return true;
	}
	if (NumProblems > MaxListed)
	{
		Lines.Add(FText::Format(LOCTEXT("MoreProblems", "- and {0} more (see the output log)"), NumProblems - MaxListed).ToString());
	}
	const FText Message = FText::Format(LOCTEXT("ProblemsBeforePacking", "{0} problems would make this pak incomplete or stale:\n{1}\nPackage anyway?"),
		NumProblems, FText::FromString(FString::Join(Lines, TEXT("\n"))));
	return FMessageDialog::Open(EAppMsgType::OkCancel, Message) == EAppReturnType::Ok;
}

void UZ4Package::LogPakFile()
{
	const FString PakName = FZ4PakFileLocations::GetPakName(Data.Name);
	if (!CanUsePakName(PakName))
	{
		return;
	}
	const FString CmdDir = FPaths::Combine(FPlatformMisc::GetEnvironmentVariable(TEXT("WINDIR")), TEXT("System32"));
	// The console starts in the system folder, where a path relative to the editor's folder finds nothing.
	const FString PakFilePath = FPaths::ConvertRelativePathToFull(FZ4PakFileLocations::GetPakFilePath(PakName));
	const FString UnrealPakPath = FPaths::ConvertRelativePathToFull(FPaths::Combine(FZ4PakFileLocations::GetPakToolDir(), TEXT("UnrealPak.exe")));
	const FString ListArguments = FString::Printf(TEXT("\"%s\" -list -log"), *PakFilePath);
	// The console drops the outer pair of quotes and runs what is left: the quoted tool with its arguments.
	const FString CmdArguments = FString::Printf(TEXT("/k \"\"%s\" %s & pause\""), *UnrealPakPath, *ListArguments);

	UE_LOG(LogTemp, Log, TEXT("UnrealPakPath: %s"), *UnrealPakPath);
	UE_LOG(LogTemp, Log, TEXT("CmdArguments: %s"), *CmdArguments);

	FProcHandle Console = FPlatformProcess::CreateProc(TEXT("cmd.exe"), *CmdArguments, false, false, false, nullptr, 0, *CmdDir, nullptr, nullptr);
	FPlatformProcess::CloseProc(Console);
}
#endif

FAssetRegistryModule& UZ4Package::AssetRegistryModule()
{
	static FAssetRegistryModule& Module = FModuleManager::LoadModuleChecked<FAssetRegistryModule>(TEXT("AssetRegistry"));
	return Module;
}

#if WITH_EDITOR
void UZ4Package::FindAllDependencies()
{
	UpdatePackageFolder();
	RebuildAllDependencies();
	UZ4SDKStatics::SaveAsset(this);
}

void UZ4Package::RebuildAllDependencies()
{
	FZ4DependencyQueryCache Queries(DependencyQueryCache, AssetRegistryModule().Get(), PackageFolder);
	Dependencies.Empty();
	ExternalDependencies.Empty();
	TArray<FName> MainAssets;
	Data.AssetsIndexMap.GetKeys(MainAssets);
	Queries.LookAheadOnDisk(MainAssets);
	for (const FName& MainAsset : MainAssets)
	{
		FindAssetDependencies(MainAsset);
	}
}

void UZ4Package::FindAssetDependencies(FName MainAsset)
{
	FZ4DependencyQueryCache Queries(DependencyQueryCache, AssetRegistryModule().Get(), PackageFolder);
	Queries.BeginWalk();
	const int32 Root = Queries.GetPackageIndex(MainAsset);
	Queries.Visit(Root);
	FindAssetDependencies(MainAsset, Root, Root, 0);
}

void UZ4Package::FindAssetDependencies(FName MainAsset, int32 Root, int32 Asset, int32 Depth)
{
	FZ4DependencyQueryCache& Queries = *DependencyQueryCache;
	for (const int32 Dependency : Queries.GetDependencyIndices(Asset))
	{
		const FZ4DependencyQueryCache::EPlace Place = Queries.GetPlaceOnDisk(Dependency);
		if (Place == FZ4DependencyQueryCache::EPlace::NotCustom || Place == FZ4DependencyQueryCache::EPlace::NotOnDisk)
		{
			continue;
		}
		const FName DependencyName = Queries.GetPackageName(Dependency);
		const bool bFirstVisit = Queries.Visit(Dependency);
		// A package the walk has been through holds MainAsset already, unless it is the one the walk started from.
		if (bFirstVisit || Dependency == Root)
		{
			Dependencies.FindOrAdd(DependencyName).References.Add(MainAsset);
		}
		if (Place == FZ4DependencyQueryCache::EPlace::OutsideFolder)
		{
			ExternalDependencies.FindOrAdd(DependencyName) = Depth;
		}
		if (bFirstVisit)
		{
			FindAssetDependencies(MainAsset, Root, Dependency, Depth + 1);
		}
	}
}

void UZ4Package::RemoveAssetDependencies(FName MainAsset, FName Asset, TSet<FName>& Visited)
{
	bool bVisited = false;
	Visited.Add(Asset, &bVisited);
	if (bVisited)
	{
		return;
	}

	FZ4DependencyQueryCache Queries(DependencyQueryCache, AssetRegistryModule().Get(), PackageFolder);
	for (const FName& Dependency : Queries.GetDependencies(Asset))
	{
		const FZ4DependencyQueryCache::EPlace Place = Queries.GetPlace(Dependency);
		if (Place == FZ4DependencyQueryCache::EPlace::NotCustom)
		{
			continue;
		}
		if (FZ4ReferenceList* ReferenceList = Dependencies.Find(Dependency))
		{
			ReferenceList->References.Remove(MainAsset);
			if (ReferenceList->References.Num() == 0)
			{
				Dependencies.Remove(Dependency);
				if (Place == FZ4DependencyQueryCache::EPlace::OutsideFolder)
				{
					ExternalDependencies.Remove(Dependency);
				}
			}
		}
		RemoveAssetDependencies(MainAsset, Dependency, Visited);
	}
}
#endif

#if WITH_EDITOR
namespace
{
	// The folder below the project's content folder that holds the package folder: "Pack" for /Game/Pack, and
	// the content folder itself for /Game, whose thumbnails are then imported to /Game/Thumbnails, where they are
	// looked for. Other roots keep their whole path.
	FString GetContentRelativeFolder(const FString& PackageFolder)
	{
		FString Relative = PackageFolder;
		if (Relative.Equals(TEXT("/Game"), ESearchCase::IgnoreCase))
		{
			return FString();
		}
		Relative.RemoveFromStart(TEXT("/Game/"), ESearchCase::IgnoreCase);
		return Relative;
	}
}

void UZ4Package::FindAllAssets()
{
	UpdatePackageFolder();
	FZ4DependencyQueryCache Queries(DependencyQueryCache, AssetRegistryModule().Get(), PackageFolder);

	FARFilter Filter;
	Filter.PackagePaths.Add(FName(*PackageFolder));
	Filter.bRecursivePaths = true;
	for (const UClass* Class : {UWorld::StaticClass(), UStaticMesh::StaticClass(), UBlueprint::StaticClass(), USkeletalMesh::StaticClass(), UAnimBlueprint::StaticClass()})
	{
		Filter.ClassPaths.Add(UZ4SDKStatics::TryConvertShortTypeNameToPathName(Class->GetFName()));
	}
	TArray<FAssetData> AssetDatas;
	AssetRegistryModule().Get().GetAssets(Filter, AssetDatas, true);

	{
		FScopedSlowTask SlowTask(AssetDatas.Num(), LOCTEXT("AddingAssets", "Adding assets to the package"));
		SlowTask.MakeDialog();
		for (const FAssetData& AssetData : AssetDatas)
		{
			SlowTask.EnterProgressFrame(1.f, FText::Format(LOCTEXT("AddingAsset", "Adding {0}"), FText::FromName(AssetData.PackageName)));
			AddAsset_Internal(AssetData);
		}
	}

	OnPackageChanged.Broadcast();
	UZ4SDKStatics::SaveAsset(this);
}

void UZ4Package::AddAsset(FAssetData AssetData)
{
	UpdatePackageFolder();
	FZ4DependencyQueryCache Queries(DependencyQueryCache, AssetRegistryModule().Get(), PackageFolder);
	AddAsset_Internal(AssetData);
	UZ4SDKStatics::SaveAsset(this);
}

void UZ4Package::AddAsset_Internal(FAssetData AssetData)
{
	if (Data.AssetsIndexMap.Contains(AssetData.PackageName))
	{
		return;
	}
	UClass* Class = AssetData.GetClass(EResolveClass::No);
	if (!IsPackageClass(Class))
	{
		return;
	}

	FZ4Asset NewAsset;
	NewAsset.AssetName = AssetData.PackageName;
	NewAsset.ObjectPath = AssetData.GetObjectPathString();
	NewAsset.Class = Class;
	NewAsset.Name = RemoveClassPrefix(AssetData.AssetName, Class);
	const int32 Index = Data.Assets.Add(NewAsset);
	Data.AssetsIndexMap.Add(AssetData.PackageName, Index);

	// Without an SDK manager (its blueprint missing from the plug-in's content) there is no default thumbnail.
	const UZ4SDKManager* SDKManager = FQuillonSDKBaseModule::GetSDKMananger();
	UTexture2D* DefaultThumbnail = SDKManager ? SDKManager->GetDefaultAssetThumbnail(GetAssetType(Class)).Get() : nullptr;

	const FString TextureName = TEXT("T_") + AssetData.AssetName.ToString();
	const FString TexturePackageName = PackageFolder / TEXT("Thumbnails") / TextureName;
	// Most thumbnails do not exist yet; loading a package that is not there fills the log with warnings.
	if (FindPackage(nullptr, *TexturePackageName) || FPackageName::DoesPackageExist(TexturePackageName))
	{
		const FString TexturePath = TexturePackageName + TEXT(".") + TextureName;
		Data.Assets[Index].Thumbnail = Cast<UTexture2D>(StaticLoadObject(UTexture2D::StaticClass(), nullptr, *TexturePath, nullptr, LOAD_None, nullptr, true, nullptr));
	}
	if (!Data.Assets[Index].Thumbnail)
	{
		const FString PngPath = FPaths::ProjectContentDir() + (GetContentRelativeFolder(PackageFolder) / TEXT("Thumbnails") / TextureName) + TEXT(".png");
		UObject* Imported = FPaths::FileExists(PngPath) ? ImportAsset(PngPath) : SaveThumbnail(AssetData.GetAsset(), PngPath);
		Data.Assets[Index].Thumbnail = Imported ? Cast<UTexture2D>(Imported) : DefaultThumbnail;
	}

	if (Class == USkeletalMesh::StaticClass() && !Data.Skeletons.Contains(NewAsset.AssetName))
	{
		FZ4SkeletalMesh& Skeleton = Data.Skeletons.Add(NewAsset.AssetName);
		Skeleton.Mesh = Cast<USkeletalMesh>(AssetData.GetAsset());
		Skeleton.Path = AssetData.GetObjectPathString();
		Skeleton.Thumbnail = Data.Assets[Index].Thumbnail;
	}
	if (Class == UAnimBlueprint::StaticClass() && !Data.Animations.Contains(NewAsset.AssetName))
	{
		FZ4AnimationInstance& Animation = Data.Animations.Add(NewAsset.AssetName);
		Animation.AnimBP = Cast<UAnimBlueprint>(AssetData.GetAsset());
		Animation.GeneratedClassPath = AssetData.GetObjectPathString() + TEXT("_C");
		Animation.Thumbnail = Data.Assets[Index].Thumbnail;
	}

	FindAssetDependencies(AssetData.PackageName);
}

UObject* UZ4Package::SaveThumbnail(UObject* Object, FString FilePath)
{
	// An asset that could not be loaded has nothing to render; its entry keeps the default thumbnail.
	if (!Object)
	{
		return nullptr;
	}
	const FObjectThumbnail* Thumbnail = ThumbnailTools::GenerateThumbnailForObjectToSaveToDisk(Object);
	FObjectThumbnail CustomThumbnail;
	if (!Thumbnail)
	{
		ThumbnailTools::AssetHasCustomThumbnail(Object->GetFullName(), CustomThumbnail);
		Thumbnail = &CustomThumbnail;
	}
	const TArray<uint8>& ImageData = Thumbnail->GetUncompressedImageData();
	if (ImageData.Num() == 0)
	{
		return nullptr;
	}

	IImageWrapperModule& ImageWrapperModule = FModuleManager::LoadModuleChecked<IImageWrapperModule>(FName(TEXT("ImageWrapper")));
	TSharedPtr<IImageWrapper> ImageWrapper = ImageWrapperModule.CreateImageWrapper(EImageFormat::PNG);
	if (!ImageWrapper.IsValid())
	{
		return nullptr;
	}
	ImageWrapper->SetRaw(ImageData.GetData(), ImageData.Num(), Thumbnail->GetImageWidth(), Thumbnail->GetImageHeight(), ERGBFormat::BGRA, 8, 0);
	const TArray64<uint8> PngData = ImageWrapper->GetCompressed(0);
	// A thumbnail the wrapper cannot take would leave an empty file, which every later add would fail to import.
	if (PngData.Num() == 0)
	{
		return nullptr;
	}
	FFileHelper::SaveArrayToFile(PngData, *FilePath, &IFileManager::Get(), 0);
	return ImportAsset(FilePath);
}

UObject* UZ4Package::ImportAsset(FString FilePath)
{
	// The import goes to a folder of the content tree, the one that holds the file on disk.
	FString PackageName;
	if (!FPackageName::TryConvertFilenameToLongPackageName(FPaths::GetBaseFilename(FilePath, false), PackageName))
	{
		UE_LOG(Z4LogSDK, Error, TEXT("Cannot import %s: it is not in a content folder."), *FPaths::ConvertRelativePathToFull(FilePath));
		return nullptr;
	}
	FAssetToolsModule& AssetToolsModule = FModuleManager::LoadModuleChecked<FAssetToolsModule>(FName(TEXT("AssetTools")));
	UAssetImportTask* ImportTask = NewObject<UAssetImportTask>(GetTransientPackage());
	ImportTask->Filename = FilePath;
	ImportTask->DestinationPath = FPackageName::GetLongPackagePath(PackageName);
	ImportTask->DestinationName = FPaths::GetBaseFilename(FilePath, true);
	ImportTask->bReplaceExisting = true;
	ImportTask->bReplaceExistingSettings = false;
	ImportTask->bSave = true;
	ImportTask->bAsync = false;
	AssetToolsModule.Get().ImportAssetTasks({ImportTask});

	const TArray<UObject*>& Objects = ImportTask->GetObjects();
	return Objects.Num() > 0 ? Objects[0] : nullptr;
}
#endif

#if WITH_EDITOR
void UZ4Package::RemoveAllAssets()
{
	if (Data.Assets.Num() == 0)
	{
		return;
	}
	const FText Message = FText::FromString(TEXT("Really remove all assets from this package? There is no way to undo this."));
	if (FMessageDialog::Open(EAppMsgType::OkCancel, Message) != EAppReturnType::Ok)
	{
		return;
	}
	Data.Assets.Empty();
	Data.AssetsIndexMap.Empty();
	Data.Skeletons.Empty();
	Data.Animations.Empty();
	Dependencies.Empty();
	ExternalDependencies.Empty();
	OnPackageChanged.Broadcast();
	UZ4SDKStatics::SaveAsset(this);
}

void UZ4Package::RemoveAsset(FZ4Asset* Asset)
{
	if (!Asset)
	{
		UE_LOG(Z4LogSDK, Warning, TEXT("%s: no asset was given to remove; the package is unchanged."), *GetOutermost()->GetName());
		return;
	}
	UpdatePackageFolder();
	RemoveAsset_Internal(Asset);
	UZ4SDKStatics::SaveAsset(this);
}

void UZ4Package::RemoveAsset_Internal(FZ4Asset* Asset)
{
	// A copy: Asset may be the entry that is removed below.
	const FName AssetName = Asset->AssetName;
	FZ4DependencyQueryCache Queries(DependencyQueryCache, AssetRegistryModule().Get(), PackageFolder);

	// A package loaded from disk has its dependencies but not the main assets that reach them, and withdrawing from
	// empty reference lists would drop what the other main assets still use. Rebuild the lists first.
	const bool bReferencesUnknown = Algo::AnyOf(Dependencies, [](const TPair<FName, FZ4ReferenceList>& Dependency)
	{
		return Dependency.Value.References.Num() == 0;
	});
	if (bReferencesUnknown)
	{
		RebuildAllDependencies();
	}

	TSet<FName> Visited;
	RemoveAssetDependencies(AssetName, AssetName, Visited);

	TArray<FName> Referencers;
	AssetRegistryModule().Get().GetReferencers(AssetName, Referencers, UE::AssetRegistry::EDependencyCategory::Package, UE::AssetRegistry::FDependencyQuery());
	for (const FName& Referencer : Referencers)
	{
		if (Data.AssetsIndexMap.Contains(Referencer))
		{
			Dependencies.FindOrAdd(AssetName).References.Add(Referencer);
		}
	}

	if (const int32* FoundIndex = Data.AssetsIndexMap.Find(AssetName))
	{
		// A saved index may not name its asset (a package edited by hand or by an older tool): the entry is then found by
		// its name, so that no other asset's entry goes.
		const int32 SavedIndex = *FoundIndex;
		int32 RemovedIndex = SavedIndex;
		if (!Data.Assets.IsValidIndex(SavedIndex) || Data.Assets[SavedIndex].AssetName != AssetName)
		{
			RemovedIndex = Data.Assets.IndexOfByPredicate([AssetName](const FZ4Asset& Entry) { return Entry.AssetName == AssetName; });
			if (RemovedIndex == INDEX_NONE)
			{
				UE_LOG(Z4LogSDK, Warning, TEXT("%s: the asset list has no entry for %s (its saved index %d names none); only its index was removed."),
					*GetOutermost()->GetName(), *AssetName.ToString(), SavedIndex);
			}
			else
			{
				UE_LOG(Z4LogSDK, Warning, TEXT("%s: the saved index %d of %s does not name it in the asset list; its entry, found at %d, was removed."),
					*GetOutermost()->GetName(), SavedIndex, *AssetName.ToString(), RemovedIndex);
			}
		}
		if (RemovedIndex != INDEX_NONE)
		{
			Data.Assets.RemoveAt(RemovedIndex);
			for (TPair<FName, int32>& Entry : Data.AssetsIndexMap)
			{
				if (Entry.Value > RemovedIndex)
				{
					--Entry.Value;
				}
			}
		}
	}
	Data.AssetsIndexMap.Remove(AssetName);
}
#endif

#if WITH_EDITOR
namespace
{
	/** Where the copy of one outside dependency goes, named after the dependency's place under /Game/. */
	struct FDependencyCopyNames
	{
		FString SourceObjectPath;
		FString PackageName;
		FString AssetName;
		FString ObjectPath;
	};

	FDependencyCopyNames GetDependencyCopyNames(const FString& DependencyName, const FString& PackageFolder)
	{
		FDependencyCopyNames Names;
		Names.SourceObjectPath = DependencyName.Contains(TEXT(".")) ? DependencyName : DependencyName + TEXT(".") + FPackageName::GetShortName(DependencyName);
		// Every outside dependency is the creator's own content, so it lies under /Game/.
		const FString CopyPath = FPaths::Combine(PackageFolder, TEXT("CopiedAssets"), DependencyName.RightChop(6));
		Names.PackageName = FPackageName::ObjectPathToPackageName(CopyPath);
		Names.AssetName = FPackageName::GetShortName(CopyPath);
		Names.ObjectPath = Names.PackageName + TEXT(".") + Names.AssetName;
		return Names;
	}

	/**
	 * A copied blueprint's class defaults may hold objects of other packages (or transient ones), which the copy
	 * must not keep pointing at: those references are cleared, each with a warning.
	 */
	void ClearOutsideReferences(UObject* Copy)
	{
		UClass* Class = nullptr;
		if (const UBlueprint* Blueprint = Cast<UBlueprint>(Copy))
		{
			if (Blueprint->GeneratedClass && Blueprint->GeneratedClass->IsChildOf(UObject::StaticClass()))
			{
				Class = Blueprint->GeneratedClass;
			}
		}
		else
		{
			Class = Cast<UClass>(Copy);
		}
		UObject* DefaultObject = Class ? Class->GetDefaultObject() : nullptr;
		if (!DefaultObject)
		{
			return;
		}
		const UPackage* CopyPackage = Copy->GetOutermost();
		for (TFieldIterator<FObjectProperty> It(Class); It; ++It)
		{
			UObject* Value = It->GetObjectPropertyValue_InContainer(DefaultObject);
			if (!IsValid(Value) || (!Value->HasAnyFlags(RF_Transient | RF_TextExportTransient) && Value->GetOutermost() == CopyPackage))
			{
				continue;
			}
			// The object may be in use by the rendering thread.
			FlushRenderingCommands();
			UActorComponent* Component = Cast<UActorComponent>(Value);
			if (Component && Component->IsRegistered())
			{
				Component->UnregisterComponent();
			}
			UE_LOG(LogTemp, Warning, TEXT("Nulling reference to %s in %s::%s"), *Value->GetName(), *DefaultObject->GetName(), *It->GetName());
			It->SetObjectPropertyValue_InContainer(DefaultObject, nullptr);
		}
	}

	/** One outside dependency that was copied (or found copied), under the key it has in the package's records. */
	struct FCopiedDependency
	{
		FName Key;
		UObject* Replacement = nullptr;
	};

	/** The file that holds the package, or nothing when it has none. */
	void AddPackageFilename(FName PackageName, TArray<FString>& OutFilenames)
	{
		FString Filename;
		if (FPackageName::DoesPackageExist(PackageName.ToString(), &Filename))
		{
			OutFilenames.Add(MoveTemp(Filename));
		}
	}

	/**
	 * Warns about each copied source that the package still uses after its assets were pointed at the copies, naming
	 * one package of the export set that uses it; returns how many there are.
	 */
	int32 WarnAboutSourcesStillUsed(const TArray<FCopiedDependency>& CopiedDependencies, const UZ4Package& Package, const TSet<FName>& ExportSet, IAssetRegistry& AssetRegistry)
	{
		int32 NumStillUsed = 0;
		for (const FCopiedDependency& Copied : CopiedDependencies)
		{
			if (!Package.ExternalDependencies.Contains(Copied.Key))
			{
				continue;
			}
			++NumStillUsed;
			TArray<FName> Referencers;
			AssetRegistry.GetReferencers(Copied.Key, Referencers, UE::AssetRegistry::EDependencyCategory::Package, UE::AssetRegistry::FDependencyQuery());
			const FName* User = Referencers.FindByPredicate([&ExportSet](const FName& Referencer) { return ExportSet.Contains(Referencer); });
			const FString UserName = User ? User->ToString() : Package.GetOutermost()->GetName();
			UE_LOG(Z4LogSDK, Warning, TEXT("%s is still used by %s, which could not be pointed at the copy %s (a placed actor keeps the blueprint class it was placed with). "
				"It stays an outside dependency and goes into the pak. To use the copy instead, replace what uses the original (the placed actors) with the copy and click Find Dependencies; or keep the original in the pak."),
				*Copied.Key.ToString(), *UserName, *Copied.Replacement->GetOutermost()->GetName());
		}
		return NumStillUsed;
	}
}

void UZ4Package::CopyDependencies()
{
	UpdatePackageFolder();
	IAssetRegistry& AssetRegistry = AssetRegistryModule().Get();
	TMap<UObject*, UObject*> ReplacementMap;
	TArray<FCopiedDependency> CopiedDependencies;
	int32 NumCopiesMade = 0;
	int32 NumCopiesFound = 0;
	for (const TPair<FName, int32>& ExternalDependency : ExternalDependencies)
	{
		const FDependencyCopyNames Names = GetDependencyCopyNames(ExternalDependency.Key.ToString(), PackageFolder);
		UObject* Source = StaticLoadObject(UObject::StaticClass(), nullptr, *Names.SourceObjectPath, nullptr, LOAD_None, nullptr, true);
		if (!Source)
		{
			continue;
		}
		// A redirector left outside and the asset it leads to are both outside dependencies, and both load that asset:
		// it gets one copy.
		if (UObject* const* Replacement = ReplacementMap.Find(Source))
		{
			CopiedDependencies.Add({ExternalDependency.Key, *Replacement});
			continue;
		}

		const FAssetData ExistingCopy = AssetRegistry.GetAssetByObjectPath(FSoftObjectPath(Names.ObjectPath));
		if (ExistingCopy.IsValid())
		{
			UObject* Existing = ExistingCopy.FastGetAsset(true);
			// Mapping the source to nothing would clear every reference to it in the assets saved below.
			if (!Existing)
			{
				UE_LOG(LogTemp, Warning, TEXT("An asset is listed at %s but cannot be loaded, so %s is not copied and stays outside the package."), *Names.ObjectPath, *Names.SourceObjectPath);
				continue;
			}
			ReplacementMap.Add(Source, Existing);
			CopiedDependencies.Add({ExternalDependency.Key, Existing});
			++NumCopiesFound;
			UE_LOG(LogTemp, Warning, TEXT("Asset already exists at %s. Skipping duplication."), *Names.ObjectPath);
			continue;
		}

		UPackage* CopyPackage = CreatePackage(*Names.PackageName);
		UObject* Copy = StaticDuplicateObject(Source, CopyPackage, FName(*Names.AssetName), RF_Public | RF_Standalone | RF_Transactional, nullptr, EDuplicateMode::Normal);
		if (!Copy)
		{
			continue;
		}
		// The copy was not imported from the source's file; a reimport must not overwrite it with that file.
		UTexture* Texture = Cast<UTexture>(Copy);
		if (Texture && Texture->AssetImportData)
		{
			Texture->AssetImportData = NewObject<UAssetImportData>(Copy, TEXT("AssetImportData"), RF_Transient);
		}
		ClearOutsideReferences(Copy);
		if (UPackage* Outermost = Copy->GetOutermost())
		{
			Outermost->FullyLoad();
		}
		UZ4SDKStatics::SaveAsset(Copy);
		AssetRegistry.AssetCreated(Copy);
		ReplacementMap.Add(Source, Copy);
		CopiedDependencies.Add({ExternalDependency.Key, Copy});
		++NumCopiesMade;
	}

	// Only the package's own assets are pointed at the copies and saved. The sources stay as they are: other levels
	// and packages use them too, and must not come to depend on this package's copies.
	TArray<FString> SavedFiles;
	{
		FZ4DependencyQueryCache Queries(DependencyQueryCache, AssetRegistry, PackageFolder);
		TArray<FAssetData> ExportAssets;
		GetExportAssets(ExportAssets);
		FStreamableManager& StreamableManager = UAssetManager::Get().GetStreamableManager();
		for (const FAssetData& ExportAsset : ExportAssets)
		{
			if (Queries.GetPlace(ExportAsset.PackageName) == FZ4DependencyQueryCache::EPlace::OutsideFolder)
			{
				continue;
			}
			UObject* Asset = StreamableManager.LoadSynchronous(ExportAsset.GetSoftObjectPath(), true);
			if (!IsValid(Asset))
			{
				continue;
			}
			Asset->GetOutermost()->FullyLoad();
			FArchiveReplaceObjectRef<UObject> ReplaceReferences(Asset, ReplacementMap, EArchiveReplaceObjectFlags::None);
			UZ4SDKStatics::SaveAsset(Asset);
			AddPackageFilename(ExportAsset.PackageName, SavedFiles);
		}
	}
	// The copies were made from the sources as they were, so one source's copy still points at the other sources:
	// a copied material would go on using the outside texture that the package now has a copy of.
	TSet<UObject*> Replacements;
	for (const FCopiedDependency& Copied : CopiedDependencies)
	{
		bool bAlreadyRedirected = false;
		Replacements.Add(Copied.Replacement, &bAlreadyRedirected);
		if (bAlreadyRedirected)
		{
			continue;
		}
		FArchiveReplaceObjectRef<UObject> ReplaceReferences(Copied.Replacement, ReplacementMap, EArchiveReplaceObjectFlags::None);
		if (ReplaceReferences.GetCount() > 0)
		{
			UZ4SDKStatics::SaveAsset(Copied.Replacement);
			AddPackageFilename(Copied.Replacement->GetOutermost()->GetFName(), SavedFiles);
		}
	}

	int32 NumSourcesStillUsed = 0;
	if (CopiedDependencies.Num() > 0)
	{
		// Reference replacement cannot change an object's class: an actor that a level places keeps the source
		// blueprint's class, and the level still needs the source. The records are read again from what was saved,
		// so that whatever still lies outside stays an outside dependency and goes into the pak.
		AssetRegistry.ScanModifiedAssetFiles(SavedFiles);
		RebuildAllDependencies();
		TArray<FName> ExportPackageNames;
		GetExportAssets(ExportPackageNames);
		NumSourcesStillUsed = WarnAboutSourcesStillUsed(CopiedDependencies, *this, TSet<FName>(MoveTemp(ExportPackageNames)), AssetRegistry);
		UZ4SDKStatics::SaveAsset(this);
	}
	UE_LOG(Z4LogSDK, Log, TEXT("Copy Dependencies: copies made: %d, copies that existed already: %d, sources still used outside the package's folder: %d."),
		NumCopiesMade, NumCopiesFound, NumSourcesStillUsed);
}
#endif

#undef LOCTEXT_NAMESPACE
