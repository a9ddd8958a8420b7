#pragma once

#if WITH_EDITOR

#include "CoreMinimal.h"
#include "Serialization/JsonWriter.h"
#include "Z4PackageFinding.h"

class UZ4Package;

/**
 * The machine-readable record of one pak: what the package was when "Make Pak File" ran, and, once the pak tool has
 * made and listed the pak, every file in it with its size and hash, why it is there (its package and the main assets
 * that need it), what each main asset brings into the pak, and what changed since the previous pak of the same name.
 * Written as JSON beside the pak (Docs/BuildReport.md); the same inputs give the same text apart from the time.
 */
class FZ4BuildReport
{
public:
	static constexpr int32 FormatVersion = 1;

	/** One entry of the pak tool's listing. */
	struct FListedFile
	{
		FString MountPath;
		int64 Size = 0;
		int64 SizeInPak = 0;
		FString Sha1;
	};

	/** Takes what the report needs of Package now: the pak is listed later, when the package may have changed. */
	explicit FZ4BuildReport(const UZ4Package& Package);

	/** What the package check found before packing, in its order. */
	void SetFindings(TArray<FZ4PackageFinding> InFindings);

	/** Records that the manifest puts the cooked file SourcePath of PackageName at MountPath. */
	void AddManifestEntry(const FString& MountPath, const FString& SourcePath, FName InPackageName);

	/**
	 * The entry lines of a pak listing ("<mount path>" offset: …, size: … bytes, …, sha1: …); the size in the pak is
	 * the "compressed" field where the tool gives one and the size otherwise.
	 */
	static TArray<FListedFile> ParseListing(const FString& Listing);

	/** Paks/<pak name>.json for Paks/<pak name>.pak. */
	static FString GetReportPath(const FString& PakFilePath);

	/**
	 * Compares the listed pak with the previous report (a warning when that cannot be read), writes the new report and
	 * logs where it went. Returns what changed since the last pak, for the creator's notification.
	 */
	FText Write(const FString& PakFilePath, TArray<FListedFile> ListedFiles) const;

private:
	struct FManifestEntry
	{
		FString CookedPath;
		FName PackageName;
	};

	/** Added, removed and changed files and the pak's size change against the previous report. */
	struct FChanges
	{
		bool bCompared = false;
		/** A previous report was there but could not be read. */
		bool bUnreadable = false;
		FString PreviousTime;
		TArray<FString> Added;
		TArray<FString> Removed;
		TArray<FString> Changed;
		int64 SizeDifference = 0;
	};

	/** Every field of the report but the changes, into the report's object. */
	void WriteReport(TJsonWriter<>& Writer, const FString& PakFilePath, int64 PakSize, const FString& PakSha1, const TArray<FListedFile>& SortedFiles) const;
	static FChanges CompareWithPrevious(const FString& ReportPath, int64 PakSize, const TArray<FListedFile>& SortedFiles);
	static void WriteChanges(TJsonWriter<>& Writer, const FChanges& Changes);
	static FText SummarizeChanges(const FChanges& Changes);

	FString PackagePath;
	FString PackId;
	FString PackageName;
	float PackageVersion = 0.0f;
	/** Every main asset with the packages of its closure (itself and its dependency records), sorted. */
	TMap<FName, TArray<FName>> MainAssetClosures;
	/** For each package, the main assets whose closure holds it, sorted. */
	TMap<FName, TArray<FName>> MainAssetsOfPackage;
	TArray<FName> OutsideDependencies;
	TMap<FString, FManifestEntry> ManifestEntries;
	TArray<FZ4PackageFinding> Findings;
};

#endif
