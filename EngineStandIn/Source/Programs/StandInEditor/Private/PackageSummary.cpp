#include "PackageSummary.h"

#include "Containers/StringConv.h"
#include "HAL/FileManager.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "UObject/Package.h"
#include "Z4Package.h"

#include <nlohmann/json.hpp>

namespace UE::StandInEditor
{
	namespace
	{
		FString ReadableSize(int64 Bytes)
		{
			if (Bytes < 1024)
			{
				return FString::Printf(TEXT("%d bytes"), (int32)Bytes);
			}
			if (Bytes < 1024 * 1024)
			{
				return FString::Printf(TEXT("%.1f KB"), Bytes / 1024.0);
			}
			return FString::Printf(TEXT("%.1f MB"), Bytes / (1024.0 * 1024.0));
		}

		FString PadRight(const FString& Text, int32 Width)
		{
			FString Padded = Text;
			while (Padded.Len() < Width)
			{
				Padded.AppendChar(TEXT(' '));
			}
			return Padded;
		}

		// What the build report says changed since the pak before it. Only its "changes" are kept: the rest, a large
		// pak's file list, would take many times the size of its text.
		FString DescribeReportChanges(const TArray<uint8>& ReportBytes)
		{
			const auto KeepChanges = [](int Depth, nlohmann::json::parse_event_t Event, nlohmann::json& Parsed)
			{
				return Depth != 1 || Event != nlohmann::json::parse_event_t::key || Parsed == "changes";
			};
			nlohmann::json Report;
			const bool bUtf16 = ReportBytes.Num() >= 2 && ((ReportBytes[0] == 0xFF && ReportBytes[1] == 0xFE) || (ReportBytes[0] == 0xFE && ReportBytes[1] == 0xFF));
			if (bUtf16)
			{
				FString ReportText;
				FFileHelper::BufferToString(ReportText, ReportBytes.GetData(), ReportBytes.Num());
				Report = nlohmann::json::parse(TCHAR_TO_UTF8(*ReportText), KeepChanges, false);
			}
			else
			{
				Report = nlohmann::json::parse(ReportBytes.GetData(), ReportBytes.GetData() + ReportBytes.Num(), KeepChanges, false);
			}
			if (!Report.is_object())
			{
				return TEXT("unreadable");
			}
			const auto Changes = Report.find("changes");
			if (Changes == Report.end() || !Changes->is_object() || !Changes->contains("summary") || !(*Changes)["summary"].is_string())
			{
				return TEXT("not compared with an earlier pak");
			}
			return UTF8_TO_TCHAR((*Changes)["summary"].get<std::string>().c_str());
		}

		// Where "Make Pak File" writes the pak: the project's Paks folder, named after the package's public name
		// without its spaces. It refuses a name that is no plain file name: then there is no path, and OutWhyNot
		// says why.
		FString PakFilePath(const UZ4Package& Package, FString& OutWhyNot)
		{
			FString PakName = Package.Data.Name.ToString();
			PakName.ReplaceInline(TEXT(" "), TEXT(""));
			if (Package.Data.Name.IsNone())
			{
				OutWhyNot = TEXT("the package has no name (set Data.Name; the pak is named after it)");
				return FString();
			}
			if (PakName.Contains(TEXT("/")) || PakName.Contains(TEXT("\\")) || PakName.Contains(TEXT("..")))
			{
				OutWhyNot = FString::Printf(TEXT("the package's name \"%s\" is no file name (Make Pak File refuses it)"), *Package.Data.Name.ToString());
				return FString();
			}
			return FPaths::ConvertRelativePathToFull(FPaths::Combine(FPaths::ProjectDir(), TEXT("Paks"), PakName + TEXT(".pak")));
		}
	}

	TArray<FString> DescribePackage(const UZ4Package& Package)
	{
		TArray<FString> Lines;
		Lines.Add(FString::Printf(TEXT("Package %s \"%s\""), *Package.GetPackage()->GetName(), *Package.Data.Name.ToString()));

		Lines.Add(FString::Printf(TEXT("  Main assets: %d"), Package.Data.Assets.Num()));
		int32 NameWidth = 0;
		for (const FZ4Asset& Asset : Package.Data.Assets)
		{
			NameWidth = FMath::Max(NameWidth, Asset.Name.ToString().Len());
		}
		for (const FZ4Asset& Asset : Package.Data.Assets)
		{
			const FString Type = Asset.Class ? Asset.Class->GetName() : FString(TEXT("?"));
			Lines.Add(FString::Printf(TEXT("    %s  %s  %s"), *PadRight(Asset.Name.ToString(), NameWidth), *PadRight(Type, 13), *Asset.AssetName.ToString()));
		}

#if WITH_EDITORONLY_DATA
		Lines.Add(FString::Printf(TEXT("  Dependencies: %d"), Package.Dependencies.Num()));
		Lines.Add(FString::Printf(TEXT("  Outside the package's folder %s: %d"), *Package.PackageFolder, Package.ExternalDependencies.Num()));
		for (const TPair<FName, int32>& Dependency : Package.ExternalDependencies)
		{
			Lines.Add(FString::Printf(TEXT("    %s (depth %d)"), *Dependency.Key.ToString(), Dependency.Value));
		}
#endif

		FString WhyNot;
		const FString PakFile = PakFilePath(Package, WhyNot);
		if (PakFile.IsEmpty())
		{
			Lines.Add(TEXT("  Pak: not made: ") + WhyNot);
			return Lines;
		}
		const int64 PakSize = IFileManager::Get().FileSize(*PakFile);
		Lines.Add(PakSize >= 0 ? FString::Printf(TEXT("  Pak: %s (%s)"), *PakFile, *ReadableSize(PakSize)) : FString::Printf(TEXT("  Pak: not made (%s)"), *PakFile));
		const FString ReportFile = FPaths::ChangeExtension(PakFile, TEXT("json"));
		TArray<uint8> ReportBytes;
		if (FFileHelper::LoadFileToArray(ReportBytes, *ReportFile))
		{
			Lines.Add(FString::Printf(TEXT("  Build report: %s (%s)"), *ReportFile, *DescribeReportChanges(ReportBytes)));
		}
		return Lines;
	}
}
