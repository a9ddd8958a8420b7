#include "PackageSummary.h"

#include "HAL/FileManager.h"
#include "Misc/Paths.h"
#include "UObject/Package.h"
#include "Z4Package.h"

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

		// "Make Pak File" writes the pak to the project's Paks folder, named after the package's public name
		// without its spaces, and refuses a name that is no plain file name: then there is no path to show.
		FString DescribePak(const UZ4Package& Package)
		{
			FString PakName = Package.Data.Name.ToString();
			PakName.ReplaceInline(TEXT(" "), TEXT(""));
			if (Package.Data.Name.IsNone())
			{
				return TEXT("  Pak: not made: the package has no name (set Data.Name; the pak is named after it)");
			}
			if (PakName.Contains(TEXT("/")) || PakName.Contains(TEXT("\\")) || PakName.Contains(TEXT("..")))
			{
				return FString::Printf(TEXT("  Pak: not made: the package's name \"%s\" is no file name (Make Pak File refuses it)"), *Package.Data.Name.ToString());
			}
			const FString PakFile = FPaths::ConvertRelativePathToFull(FPaths::Combine(FPaths::ProjectDir(), TEXT("Paks"), PakName + TEXT(".pak")));
			const int64 PakSize = IFileManager::Get().FileSize(*PakFile);
			return PakSize >= 0 ? FString::Printf(TEXT("  Pak: %s (%s)"), *PakFile, *ReadableSize(PakSize)) : FString::Printf(TEXT("  Pak: not made (%s)"), *PakFile);
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

		Lines.Add(DescribePak(Package));
		return Lines;
	}
}
