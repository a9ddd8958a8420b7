#include "Z4BuildReport.h"

#if WITH_EDITOR

#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"
#include "GenericPlatform/GenericPlatformFile.h"
#include "HAL/FileManager.h"
#include "HAL/PlatformFileManager.h"
#include "Interfaces/IPluginManager.h"
#include "Misc/DateTime.h"
#include "Misc/EngineVersion.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "Misc/SecureHash.h"
#include "QuillonSDKBase.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "Serialization/JsonWriter.h"
#include "UObject/Package.h"
#include "Z4Package.h"

#define LOCTEXT_NAMESPACE "Z4BuildReport"

namespace
{
	const TCHAR* const PluginName = TEXT("QuillonSDKBase");

	// Ordinal order, so that every editor, whatever its language, writes the same report.
	bool IsBefore(const FString& A, const FString& B)
	{
		return A.Compare(B, ESearchCase::CaseSensitive) < 0;
	}

	void SortNames(TArray<FName>& Names)
	{
		Names.Sort([](const FName& A, const FName& B) { return IsBefore(A.ToString(), B.ToString()); });
	}

	TArray<TSharedPtr<FJsonValue>> ToJsonStrings(const TArray<FString>& Strings)
	{
		TArray<TSharedPtr<FJsonValue>> Values;
		Values.Reserve(Strings.Num());
		for (const FString& String : Strings)
		{
			Values.Add(MakeShared<FJsonValueString>(String));
		}
		return Values;
	}

	TArray<TSharedPtr<FJsonValue>> ToJsonStrings(const TArray<FName>& Names)
	{
		TArray<TSharedPtr<FJsonValue>> Values;
		Values.Reserve(Names.Num());
		for (const FName& Name : Names)
		{
			Values.Add(MakeShared<FJsonValueString>(Name.ToString()));
		}
		return Values;
	}

	/** The SHA-1 of the file as 40 upper-case hexadecimal digits, read a piece at a time; empty when it cannot be read. */
	FString HashFile(const FString& Path)
	{
		TUniquePtr<IFileHandle> File(FPlatformFileManager::Get().GetPlatformFile().OpenRead(*Path));
		if (!File)
		{
			return FString();
		}
		FSHA1 Sha;
		TArray<uint8> Buffer;
		Buffer.SetNumUninitialized(1024 * 1024);
		for (int64 Remaining = File->Size(); Remaining > 0;)
		{
			const int64 Count = FMath::Min<int64>(Remaining, Buffer.Num());
			if (!File->Read(Buffer.GetData(), Count))
			{
				return FString();
			}
			Sha.Update(Buffer.GetData(), Count);
			Remaining -= Count;
		}
		return Sha.Finalize().ToString();
	}

	/** "+12.4 KB", "−512 B": a size change as a creator reads it (1 KB = 1024 bytes). */
	FString FormatSizeDifference(int64 Bytes)
	{
		const TCHAR* Sign = Bytes < 0 ? TEXT("\u2212") : TEXT("+");
		const uint64 Magnitude = Bytes < 0 ? static_cast<uint64>(-(Bytes + 1)) + 1 : static_cast<uint64>(Bytes);
		if (Magnitude < 1024)
		{
			return FString::Printf(TEXT("%s%llu B"), Sign, static_cast<unsigned long long>(Magnitude));
		}
		if (Magnitude < 1024 * 1024)
		{
			return FString::Printf(TEXT("%s%.1f KB"), Sign, Magnitude / 1024.0);
		}
		return FString::Printf(TEXT("%s%.1f MB"), Sign, Magnitude / (1024.0 * 1024.0));
	}

	bool TryGetListedField(const FString& Line, const TCHAR* Name, FString& OutValue)
	{
		const int32 Start = Line.Find(Name, ESearchCase::CaseSensitive);
		if (Start == INDEX_NONE)
		{
			return false;
		}
		const int32 ValueStart = Start + FCString::Strlen(Name);
		int32 ValueEnd = ValueStart;
		while (ValueEnd < Line.Len() && Line[ValueEnd] != TEXT(' ') && Line[ValueEnd] != TEXT(','))
		{
			++ValueEnd;
		}
		OutValue = Line.Mid(ValueStart, ValueEnd - ValueStart);
		return ValueEnd > ValueStart;
	}
}

FZ4BuildReport::FZ4BuildReport(const UZ4Package& Package)
	: PackagePath(Package.GetPackage()->GetName())
	, PackId(Package.Data.PackId)
	, PackageName(Package.Data.Name.IsNone() ? FString() : Package.Data.Name.ToString())
	, PackageVersion(Package.Data.Version)
{
	for (const TPair<FName, int32>& MainAsset : Package.Data.AssetsIndexMap)
	{
		MainAssetClosures.Add(MainAsset.Key).Add(MainAsset.Key);
	}
	for (const TPair<FName, FZ4ReferenceList>& Dependency : Package.Dependencies)
	{
		for (const FName& MainAsset : Dependency.Value.References)
		{
			if (TArray<FName>* Closure = MainAssetClosures.Find(MainAsset))
			{
				Closure->AddUnique(Dependency.Key);
			}
		}
	}
	for (TPair<FName, TArray<FName>>& Closure : MainAssetClosures)
	{
		SortNames(Closure.Value);
		for (const FName& Member : Closure.Value)
		{
			MainAssetsOfPackage.FindOrAdd(Member).Add(Closure.Key);
		}
	}
	for (TPair<FName, TArray<FName>>& MainAssets : MainAssetsOfPackage)
	{
		SortNames(MainAssets.Value);
	}
	Package.ExternalDependencies.GetKeys(OutsideDependencies);
	SortNames(OutsideDependencies);
}

void FZ4BuildReport::AddManifestEntry(const FString& MountPath, const FString& SourcePath, FName InPackageName)
{
	ManifestEntries.Add(MountPath, {SourcePath, InPackageName});
}

TArray<FZ4BuildReport::FListedFile> FZ4BuildReport::ParseListing(const FString& Listing)
{
	// LogPakFile: Display: "<mount path>" offset: <offset>, size: <size> bytes, ..., sha1: <digest>, compression: <method>.
	const FString EntryPrefix = TEXT("LogPakFile: Display: \"");
	const FString EntryEnd = TEXT("\" offset: ");
	TArray<FString> Lines;
	Listing.ParseIntoArrayLines(Lines);
	TArray<FListedFile> Files;
	for (const FString& Line : Lines)
	{
		const int32 End = Line.Find(EntryEnd, ESearchCase::CaseSensitive);
		if (!Line.StartsWith(EntryPrefix, ESearchCase::CaseSensitive) || End <= EntryPrefix.Len())
		{
			continue;
		}
		FListedFile& File = Files.AddDefaulted_GetRef();
		File.MountPath = Line.Mid(EntryPrefix.Len(), End - EntryPrefix.Len());
		const FString Fields = Line.RightChop(End + 1);
		FString Value;
		if (TryGetListedField(Fields, TEXT(" size: "), Value))
		{
			File.Size = FCString::Atoi64(*Value);
		}
		File.SizeInPak = TryGetListedField(Fields, TEXT(" compressed: "), Value) ? FCString::Atoi64(*Value) : File.Size;
		TryGetListedField(Fields, TEXT(" sha1: "), File.Sha1);
	}
	return Files;
}

FString FZ4BuildReport::GetReportPath(const FString& PakFilePath)
{
	return FPaths::ChangeExtension(PakFilePath, TEXT("json"));
}

FText FZ4BuildReport::Write(const FString& PakFilePath, const TArray<FListedFile>& ListedFiles) const
{
	TArray<FListedFile> SortedFiles = ListedFiles;
	SortedFiles.Sort([](const FListedFile& A, const FListedFile& B) { return IsBefore(A.MountPath, B.MountPath); });
	const FString ReportPath = GetReportPath(PakFilePath);
	const FString FullReportPath = FPaths::ConvertRelativePathToFull(ReportPath);
	const int64 PakSize = IFileManager::Get().FileSize(*PakFilePath);

	const FChanges Changes = CompareWithPrevious(ReportPath, PakSize, SortedFiles);
	const TSharedRef<FJsonObject> Report = MakeReport(PakFilePath, PakSize, HashFile(PakFilePath), SortedFiles);
	const FText Summary = SummarizeChanges(Changes);
	if (Changes.bCompared)
	{
		TSharedRef<FJsonObject> ChangesObject = DescribeChanges(Changes);
		ChangesObject->SetStringField(TEXT("summary"), Summary.ToString());
		Report->SetObjectField(TEXT("changes"), ChangesObject);
	}
	else
	{
		Report->SetField(TEXT("changes"), MakeShared<FJsonValueNull>());
	}

	FString Text;
	// A file's entry takes some 500 characters; room made once spares the copies of a growing text.
	Text.Reserve(1024 + SortedFiles.Num() * 512);
	FJsonSerializer::Serialize(Report, TJsonWriterFactory<>::Create(&Text));
	Text += LINE_TERMINATOR;
	if (!FFileHelper::SaveStringToFile(Text, *ReportPath, FFileHelper::EEncodingOptions::ForceUTF8WithoutBOM))
	{
		UE_LOG(Z4LogSDK, Error, TEXT("The build report %s could not be written; check that its folder is writable and the file is not open elsewhere."), *FullReportPath);
		return Summary;
	}
	UE_LOG(Z4LogSDK, Log, TEXT("Build report: %s (%s)"), *FullReportPath, *Summary.ToString());
	return Summary;
}

TSharedRef<FJsonObject> FZ4BuildReport::MakeReport(const FString& PakFilePath, int64 PakSize, const FString& PakSha1, const TArray<FListedFile>& SortedFiles) const
{
	TSharedRef<FJsonObject> Report = MakeShared<FJsonObject>();
	Report->SetNumberField(TEXT("formatVersion"), FormatVersion);

	TSharedRef<FJsonObject> PackageObject = MakeShared<FJsonObject>();
	PackageObject->SetStringField(TEXT("path"), PackagePath);
	PackageObject->SetStringField(TEXT("packId"), PackId);
	PackageObject->SetStringField(TEXT("name"), PackageName);
	PackageObject->SetStringField(TEXT("version"), FString::SanitizeFloat(PackageVersion, 0));
	Report->SetObjectField(TEXT("package"), PackageObject);

	TSharedRef<FJsonObject> PluginObject = MakeShared<FJsonObject>();
	PluginObject->SetStringField(TEXT("name"), PluginName);
	if (const TSharedPtr<IPlugin> Plugin = IPluginManager::Get().FindPlugin(PluginName))
	{
		PluginObject->SetNumberField(TEXT("version"), Plugin->GetDescriptor().Version);
		PluginObject->SetStringField(TEXT("versionName"), Plugin->GetDescriptor().VersionName);
	}
	Report->SetObjectField(TEXT("plugin"), PluginObject);
	Report->SetStringField(TEXT("engineVersion"), FEngineVersion::Current().ToString());
	Report->SetStringField(TEXT("time"), FDateTime::UtcNow().ToIso8601());

	TSharedRef<FJsonObject> PakObject = MakeShared<FJsonObject>();
	PakObject->SetStringField(TEXT("path"), FPaths::ConvertRelativePathToFull(PakFilePath));
	PakObject->SetNumberField(TEXT("size"), static_cast<double>(PakSize));
	PakObject->SetStringField(TEXT("sha1"), PakSha1);
	Report->SetObjectField(TEXT("pak"), PakObject);

	struct FMainAssetTotal
	{
		TSet<FName> Packages;
		int64 Bytes = 0;
		int64 BytesInPak = 0;
	};
	TMap<FName, FMainAssetTotal> MainAssetTotals;
	int64 TotalBytes = 0;
	int64 TotalBytesInPak = 0;
	static const TArray<FName> NoMainAssets;
	TArray<TSharedPtr<FJsonValue>> Files;
	Files.Reserve(SortedFiles.Num());
	for (const FListedFile& Listed : SortedFiles)
	{
		const FManifestEntry* Entry = ManifestEntries.Find(Listed.MountPath);
		const FName FilePackage = Entry ? Entry->PackageName : NAME_None;
		const TArray<FName>* NeededBy = Entry ? MainAssetsOfPackage.Find(FilePackage) : nullptr;
		const TArray<FName>& MainAssets = NeededBy ? *NeededBy : NoMainAssets;

		TSharedRef<FJsonObject> File = MakeShared<FJsonObject>();
		File->SetStringField(TEXT("mountPath"), Listed.MountPath);
		File->SetStringField(TEXT("cookedPath"), Entry ? Entry->CookedPath : FString());
		File->SetNumberField(TEXT("size"), static_cast<double>(Listed.Size));
		File->SetNumberField(TEXT("sizeInPak"), static_cast<double>(Listed.SizeInPak));
		File->SetStringField(TEXT("sha1"), Listed.Sha1);
		File->SetStringField(TEXT("package"), Entry ? FilePackage.ToString() : FString());
		File->SetArrayField(TEXT("mainAssets"), ToJsonStrings(MainAssets));
		Files.Add(MakeShared<FJsonValueObject>(File));

		for (const FName& MainAsset : MainAssets)
		{
			FMainAssetTotal& Total = MainAssetTotals.FindOrAdd(MainAsset);
			Total.Packages.Add(FilePackage);
			Total.Bytes += Listed.Size;
			Total.BytesInPak += Listed.SizeInPak;
		}
		TotalBytes += Listed.Size;
		TotalBytesInPak += Listed.SizeInPak;
	}
	Report->SetArrayField(TEXT("files"), MoveTemp(Files));

	TArray<FName> MainAssetNames;
	MainAssetClosures.GetKeys(MainAssetNames);
	SortNames(MainAssetNames);
	TArray<TSharedPtr<FJsonValue>> MainAssets;
	for (const FName& MainAsset : MainAssetNames)
	{
		const FMainAssetTotal* Total = MainAssetTotals.Find(MainAsset);
		TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
		Object->SetStringField(TEXT("name"), MainAsset.ToString());
		Object->SetNumberField(TEXT("packages"), Total ? Total->Packages.Num() : 0);
		Object->SetNumberField(TEXT("bytes"), Total ? static_cast<double>(Total->Bytes) : 0.0);
		Object->SetNumberField(TEXT("bytesInPak"), Total ? static_cast<double>(Total->BytesInPak) : 0.0);
		MainAssets.Add(MakeShared<FJsonValueObject>(Object));
	}
	Report->SetArrayField(TEXT("mainAssets"), MoveTemp(MainAssets));

	TSharedRef<FJsonObject> Totals = MakeShared<FJsonObject>();
	Totals->SetNumberField(TEXT("files"), SortedFiles.Num());
	Totals->SetNumberField(TEXT("bytes"), static_cast<double>(TotalBytes));
	Totals->SetNumberField(TEXT("bytesInPak"), static_cast<double>(TotalBytesInPak));
	Report->SetObjectField(TEXT("total"), Totals);

	Report->SetArrayField(TEXT("outsideDependencies"), ToJsonStrings(OutsideDependencies));
	Report->SetArrayField(TEXT("findings"), TArray<TSharedPtr<FJsonValue>>());
	return Report;
}

FZ4BuildReport::FChanges FZ4BuildReport::CompareWithPrevious(const FString& ReportPath, int64 PakSize, const TArray<FListedFile>& SortedFiles)
{
	FChanges Changes;
	if (!FPlatformFileManager::Get().GetPlatformFile().FileExists(*ReportPath))
	{
		return Changes;
	}

	FString Problem;
	TMap<FString, FString> PreviousHashes;
	int64 PreviousPakSize = 0;
	FString Text;
	TSharedPtr<FJsonObject> Previous;
	int32 PreviousFormat = 0;
	const TSharedPtr<FJsonObject>* PreviousPak = nullptr;
	const TArray<TSharedPtr<FJsonValue>>* PreviousFiles = nullptr;
	if (!FFileHelper::LoadFileToString(Text, *ReportPath))
	{
		Problem = TEXT("it cannot be read");
	}
	else if (const TSharedRef<TJsonReader<>> Reader = TJsonReaderFactory<>::Create(MoveTemp(Text)); !FJsonSerializer::Deserialize(Reader, Previous) || !Previous.IsValid())
	{
		Problem = FString::Printf(TEXT("it is no JSON object (%s)"), *Reader->GetErrorMessage());
	}
	else if (!Previous->TryGetNumberField(TEXT("formatVersion"), PreviousFormat))
	{
		Problem = TEXT("it has no format version");
	}
	else if (PreviousFormat != FormatVersion)
	{
		Problem = FString::Printf(TEXT("its format version is %d and this plug-in reads %d"), PreviousFormat, FormatVersion);
	}
	else if (!Previous->TryGetObjectField(TEXT("pak"), PreviousPak) || !(*PreviousPak)->TryGetNumberField(TEXT("size"), PreviousPakSize)
		|| !Previous->TryGetArrayField(TEXT("files"), PreviousFiles))
	{
		Problem = TEXT("it lacks the pak's size or its file list");
	}
	else
	{
		for (const TSharedPtr<FJsonValue>& Value : *PreviousFiles)
		{
			const TSharedPtr<FJsonObject>* File = nullptr;
			FString MountPath;
			FString Sha1;
			if (!Value.IsValid() || !Value->TryGetObject(File) || !(*File)->TryGetStringField(TEXT("mountPath"), MountPath) || !(*File)->TryGetStringField(TEXT("sha1"), Sha1))
			{
				Problem = TEXT("an entry of its file list lacks its mount path or hash");
				break;
			}
			PreviousHashes.Add(MountPath, Sha1);
		}
	}
	if (!Problem.IsEmpty())
	{
		UE_LOG(Z4LogSDK, Warning, TEXT("The previous build report %s was not compared with the new pak: %s. The new report replaces it."),
			*FPaths::ConvertRelativePathToFull(ReportPath), *Problem);
		Changes.bUnreadable = true;
		return Changes;
	}

	Changes.bCompared = true;
	Previous->TryGetStringField(TEXT("time"), Changes.PreviousTime);
	for (const FListedFile& File : SortedFiles)
	{
		const FString* PreviousSha1 = PreviousHashes.Find(File.MountPath);
		if (!PreviousSha1)
		{
			Changes.Added.Add(File.MountPath);
			continue;
		}
		if (!PreviousSha1->Equals(File.Sha1, ESearchCase::IgnoreCase))
		{
			Changes.Changed.Add(File.MountPath);
		}
		PreviousHashes.Remove(File.MountPath);
	}
	PreviousHashes.GetKeys(Changes.Removed);
	Changes.Removed.Sort(IsBefore);
	Changes.SizeDifference = PakSize - PreviousPakSize;
	return Changes;
}

TSharedRef<FJsonObject> FZ4BuildReport::DescribeChanges(const FChanges& Changes)
{
	TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
	Object->SetStringField(TEXT("previousTime"), Changes.PreviousTime);
	Object->SetArrayField(TEXT("added"), ToJsonStrings(Changes.Added));
	Object->SetArrayField(TEXT("removed"), ToJsonStrings(Changes.Removed));
	Object->SetArrayField(TEXT("changed"), ToJsonStrings(Changes.Changed));
	Object->SetNumberField(TEXT("sizeDifference"), static_cast<double>(Changes.SizeDifference));
	return Object;
}

FText FZ4BuildReport::SummarizeChanges(const FChanges& Changes)
{
	if (!Changes.bCompared)
	{
		return Changes.bUnreadable ? LOCTEXT("NotCompared", "Not compared with the last pak: its build report could not be read (see the Output Log)")
								   : LOCTEXT("FirstReport", "First build report of this pak");
	}
	if (Changes.Added.Num() == 0 && Changes.Removed.Num() == 0 && Changes.Changed.Num() == 0)
	{
		return LOCTEXT("NoChange", "No change since the last pak");
	}
	return FText::Format(LOCTEXT("Changes", "+{0} files, \u2212{1}, {2} changed, {3}"), Changes.Added.Num(), Changes.Removed.Num(), Changes.Changed.Num(),
		FText::FromString(FormatSizeDifference(Changes.SizeDifference)));
}

#undef LOCTEXT_NAMESPACE

#endif
