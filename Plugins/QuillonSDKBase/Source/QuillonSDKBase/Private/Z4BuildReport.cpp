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

	void WriteStrings(TJsonWriter<>& Writer, const TCHAR* Identifier, const TArray<FString>& Strings)
	{
		Writer.WriteArrayStart(Identifier);
		for (const FString& String : Strings)
		{
			Writer.WriteValue(String);
		}
		Writer.WriteArrayEnd();
	}

	void WriteStrings(TJsonWriter<>& Writer, const TCHAR* Identifier, const TArray<FName>& Names)
	{
		Writer.WriteArrayStart(Identifier);
		for (const FName& Name : Names)
		{
			Writer.WriteValue(Name.ToString());
		}
		Writer.WriteArrayEnd();
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

void FZ4BuildReport::SetFindings(TArray<FZ4PackageFinding> InFindings)
{
	Findings = MoveTemp(InFindings);
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
	TArray<FListedFile> Files;
	const TCHAR* const Chars = *Listing;
	const int32 Length = Listing.Len();
	// One line at a time: the listing of a large pak as an array of lines would be a second copy of it.
	for (int32 LineStart = 0; LineStart < Length;)
	{
		int32 LineEnd = LineStart;
		while (LineEnd < Length && Chars[LineEnd] != TEXT('\n') && Chars[LineEnd] != TEXT('\r'))
		{
			++LineEnd;
		}
		const FString Line = Listing.Mid(LineStart, LineEnd - LineStart);
		LineStart = LineEnd + 1;
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

FText FZ4BuildReport::Write(const FString& PakFilePath, TArray<FListedFile> ListedFiles) const
{
	ListedFiles.Sort([](const FListedFile& A, const FListedFile& B) { return IsBefore(A.MountPath, B.MountPath); });
	const FString ReportPath = GetReportPath(PakFilePath);
	const FString FullReportPath = FPaths::ConvertRelativePathToFull(ReportPath);
	const int64 PakSize = IFileManager::Get().FileSize(*PakFilePath);

	const FChanges Changes = CompareWithPrevious(ReportPath, PakSize, ListedFiles);
	const FText Summary = SummarizeChanges(Changes);

	FString Text;
	// A file's entry takes some 500 characters; room made once spares the copies of a growing text.
	Text.Reserve(1024 + ListedFiles.Num() * 512);
	// Written value by value: a report of a large pak as a tree of JSON objects would take many times its text.
	const TSharedRef<TJsonWriter<>> Writer = TJsonWriterFactory<>::Create(&Text);
	Writer->WriteObjectStart();
	WriteReport(*Writer, PakFilePath, PakSize, HashFile(PakFilePath), ListedFiles);
	if (Changes.bCompared)
	{
		Writer->WriteObjectStart(TEXT("changes"));
		WriteChanges(*Writer, Changes);
		Writer->WriteValue(TEXT("summary"), Summary.ToString());
		Writer->WriteObjectEnd();
	}
	else
	{
		Writer->WriteNull(TEXT("changes"));
	}
	Writer->WriteObjectEnd();
	Writer->Close();
	Text += LINE_TERMINATOR;
	if (!FFileHelper::SaveStringToFile(Text, *ReportPath, FFileHelper::EEncodingOptions::ForceUTF8WithoutBOM))
	{
		UE_LOG(Z4LogSDK, Error, TEXT("The build report %s could not be written; check that its folder is writable and the file is not open elsewhere."), *FullReportPath);
		return Summary;
	}
	UE_LOG(Z4LogSDK, Log, TEXT("Build report: %s (%s)"), *FullReportPath, *Summary.ToString());
	return Summary;
}

void FZ4BuildReport::WriteReport(TJsonWriter<>& Writer, const FString& PakFilePath, int64 PakSize, const FString& PakSha1, const TArray<FListedFile>& SortedFiles) const
{
	// Numbers go out as doubles, as JSON numbers are, so that the text stays that of earlier reports.
	Writer.WriteValue(TEXT("formatVersion"), static_cast<double>(FormatVersion));

	Writer.WriteObjectStart(TEXT("package"));
	Writer.WriteValue(TEXT("path"), PackagePath);
	Writer.WriteValue(TEXT("packId"), PackId);
	Writer.WriteValue(TEXT("name"), PackageName);
	Writer.WriteValue(TEXT("version"), FString::SanitizeFloat(PackageVersion, 0));
	Writer.WriteObjectEnd();

	Writer.WriteObjectStart(TEXT("plugin"));
	Writer.WriteValue(TEXT("name"), FString(PluginName));
	if (const TSharedPtr<IPlugin> Plugin = IPluginManager::Get().FindPlugin(PluginName))
	{
		Writer.WriteValue(TEXT("version"), static_cast<double>(Plugin->GetDescriptor().Version));
		Writer.WriteValue(TEXT("versionName"), Plugin->GetDescriptor().VersionName);
	}
	Writer.WriteObjectEnd();
	Writer.WriteValue(TEXT("engineVersion"), FEngineVersion::Current().ToString());
	Writer.WriteValue(TEXT("time"), FDateTime::UtcNow().ToIso8601());

	Writer.WriteObjectStart(TEXT("pak"));
	Writer.WriteValue(TEXT("path"), FPaths::ConvertRelativePathToFull(PakFilePath));
	Writer.WriteValue(TEXT("size"), static_cast<double>(PakSize));
	Writer.WriteValue(TEXT("sha1"), PakSha1);
	Writer.WriteObjectEnd();

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
	Writer.WriteArrayStart(TEXT("files"));
	for (const FListedFile& Listed : SortedFiles)
	{
		const FManifestEntry* Entry = ManifestEntries.Find(Listed.MountPath);
		const FName FilePackage = Entry ? Entry->PackageName : NAME_None;
		const TArray<FName>* NeededBy = Entry ? MainAssetsOfPackage.Find(FilePackage) : nullptr;
		const TArray<FName>& MainAssets = NeededBy ? *NeededBy : NoMainAssets;

		Writer.WriteObjectStart();
		Writer.WriteValue(TEXT("mountPath"), Listed.MountPath);
		Writer.WriteValue(TEXT("cookedPath"), Entry ? Entry->CookedPath : FString());
		Writer.WriteValue(TEXT("size"), static_cast<double>(Listed.Size));
		Writer.WriteValue(TEXT("sizeInPak"), static_cast<double>(Listed.SizeInPak));
		Writer.WriteValue(TEXT("sha1"), Listed.Sha1);
		Writer.WriteValue(TEXT("package"), Entry ? FilePackage.ToString() : FString());
		WriteStrings(Writer, TEXT("mainAssets"), MainAssets);
		Writer.WriteObjectEnd();

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
	Writer.WriteArrayEnd();

	TArray<FName> MainAssetNames;
	MainAssetClosures.GetKeys(MainAssetNames);
	SortNames(MainAssetNames);
	Writer.WriteArrayStart(TEXT("mainAssets"));
	for (const FName& MainAsset : MainAssetNames)
	{
		const FMainAssetTotal* Total = MainAssetTotals.Find(MainAsset);
		Writer.WriteObjectStart();
		Writer.WriteValue(TEXT("name"), MainAsset.ToString());
		Writer.WriteValue(TEXT("packages"), static_cast<double>(Total ? Total->Packages.Num() : 0));
		Writer.WriteValue(TEXT("bytes"), Total ? static_cast<double>(Total->Bytes) : 0.0);
		Writer.WriteValue(TEXT("bytesInPak"), Total ? static_cast<double>(Total->BytesInPak) : 0.0);
		Writer.WriteObjectEnd();
	}
	Writer.WriteArrayEnd();

	Writer.WriteObjectStart(TEXT("total"));
	Writer.WriteValue(TEXT("files"), static_cast<double>(SortedFiles.Num()));
	Writer.WriteValue(TEXT("bytes"), static_cast<double>(TotalBytes));
	Writer.WriteValue(TEXT("bytesInPak"), static_cast<double>(TotalBytesInPak));
	Writer.WriteObjectEnd();

	WriteStrings(Writer, TEXT("outsideDependencies"), OutsideDependencies);
	Writer.WriteArrayStart(TEXT("findings"));
	for (const FZ4PackageFinding& Finding : Findings)
	{
		Writer.WriteObjectStart();
		Writer.WriteValue(TEXT("severity"), FString(FZ4PackageFinding::GetSeverityName(Finding.Severity)));
		Writer.WriteValue(TEXT("code"), Finding.Code.ToString());
		Writer.WriteValue(TEXT("package"), Finding.Package.ToString());
		WriteStrings(Writer, TEXT("chain"), Finding.Chain);
		Writer.WriteValue(TEXT("message"), Finding.Message.ToString());
		Writer.WriteValue(TEXT("hint"), Finding.Hint.ToString());
		Writer.WriteObjectEnd();
	}
	Writer.WriteArrayEnd();
}

FZ4BuildReport::FChanges FZ4BuildReport::CompareWithPrevious(const FString& ReportPath, int64 PakSize, const TArray<FListedFile>& SortedFiles)
{
	FChanges Changes;
	if (!FPlatformFileManager::Get().GetPlatformFile().FileExists(*ReportPath))
	{
		return Changes;
	}

	FString Problem;
	TSharedPtr<FJsonObject> Previous;
	{
		FString Text;
		if (!FFileHelper::LoadFileToString(Text, *ReportPath))
		{
			Problem = TEXT("it cannot be read");
		}
		else
		{
			// The reader keeps the text: both go once the tree is read, as the text of a large pak's report is large.
			const TSharedRef<TJsonReader<>> Reader = TJsonReaderFactory<>::Create(MoveTemp(Text));
			if (!FJsonSerializer::Deserialize(Reader, Previous) || !Previous.IsValid())
			{
				Problem = FString::Printf(TEXT("it is no JSON object (%s)"), *Reader->GetErrorMessage());
			}
		}
	}
	TMap<FString, FString> PreviousHashes;
	int64 PreviousPakSize = 0;
	int32 PreviousFormat = 0;
	const TSharedPtr<FJsonObject>* PreviousPak = nullptr;
	const TArray<TSharedPtr<FJsonValue>>* PreviousFiles = nullptr;
	if (Problem.IsEmpty())
	{
		if (!Previous->TryGetNumberField(TEXT("formatVersion"), PreviousFormat))
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
			PreviousHashes.Reserve(PreviousFiles->Num());
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
	Previous.Reset();
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

void FZ4BuildReport::WriteChanges(TJsonWriter<>& Writer, const FChanges& Changes)
{
	Writer.WriteValue(TEXT("previousTime"), Changes.PreviousTime);
	WriteStrings(Writer, TEXT("added"), Changes.Added);
	WriteStrings(Writer, TEXT("removed"), Changes.Removed);
	WriteStrings(Writer, TEXT("changed"), Changes.Changed);
	Writer.WriteValue(TEXT("sizeDifference"), static_cast<double>(Changes.SizeDifference));
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
