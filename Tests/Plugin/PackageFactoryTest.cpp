#include "../Core/CoreTestPrinters.h"
#include "PackageTestUtils.h"
#include "Engine/Texture2D.h"
#include "HAL/FileManager.h"
#include "QuillonSDKBaseEditor.h"
#include "StandIn/ContentBrowserModel.h"
#include "StandIn/LogCapture.h"
#include "StandIn/OpenAssetEditors.h"
#include "StandIn/TestProject.h"
#include "UObject/Package.h"
#include "Z4Package.h"
#include "Z4PackageFactory.h"
#include <gtest/gtest.h>

using namespace UE::StandIn;
using namespace UE::Quillon::Test;

namespace
{
	class FPackageFactoryTest : public ::testing::Test
	{
	protected:
		FTestProject Project;
		FStandInEngine Engine{Project};

		UZ4Package* MakeWithFactory(UClass* AskedFor, const TCHAR* Name, UObject* Context = nullptr)
		{
			UZ4PackageFactory* Factory = NewObject<UZ4PackageFactory>(GetTransientPackage());
			UPackage* Package = CreatePackage(*(FString(TEXT("/Game/MyPack/")) + Name));
			UObject* Made = Factory->FactoryCreateNew(AskedFor, Package, FName(Name), RF_Public | RF_Standalone | RF_Transactional, Context, GWarn);
			return Cast<UZ4Package>(Made);
		}
	};
}

// The creator's way: the content browser's new-asset menu, then Save.
TEST_F(FPackageFactoryTest, NewAssetMenuMakesAnEmptyPackageAndOpensNoEditor)
{
	const TArray<FNewAssetMenuEntry> Menu = GetNewAssetMenu();
	const FNewAssetMenuEntry* Entry = FindNewAssetMenuEntry(Menu, TEXT("Package"));
	ASSERT_NE(Entry, nullptr);
	EXPECT_EQ(Entry->FactoryClass, UZ4PackageFactory::StaticClass());
	EXPECT_EQ(Entry->SupportedClass, UZ4Package::StaticClass());
	EXPECT_EQ(Entry->Categories, FQuillonSDKBaseEditorModule::GetVTTAssetCategory());

	UObject* Asset = CreateAssetFromNewAssetMenu(*Entry, TEXT("/Game/MyPack"), TEXT("MyPackage"));
	ASSERT_NE(Asset, nullptr);
	ASSERT_EQ(Asset->GetClass(), UZ4Package::StaticClass());
	UZ4Package* Package = static_cast<UZ4Package*>(Asset);
	EXPECT_EQ(Package->GetPathName(), TEXT("/Game/MyPack/MyPackage.MyPackage"));
	EXPECT_EQ(Package->PackageFolder, TEXT("/Game/MyPack"));
	EXPECT_EQ(Package->Data.PackId.Len(), 6);
	EXPECT_FLOAT_EQ(Package->Data.Version, 0.1f);
	EXPECT_TRUE(Package->Data.bIsPakedInSDK);
	EXPECT_TRUE(Package->Data.Name.IsNone());
	EXPECT_EQ(Package->Data.Assets.Num(), 0);
	EXPECT_EQ(Package->Dependencies.Num(), 0);
	EXPECT_EQ(Package->ExternalDependencies.Num(), 0);
	EXPECT_TRUE(Package->HasAllFlags(RF_Public | RF_Standalone));
	EXPECT_TRUE(Package->GetPackage()->IsDirty());
	EXPECT_EQ(GetOpenAssetEditors().Num(), 0);

	ASSERT_TRUE(SaveAsset(Package));
	EXPECT_TRUE(IFileManager::Get().FileExists(*(Project.GetContentDir() + TEXT("MyPack/MyPackage.uasset"))));
	const FString PackId = Package->Data.PackId;
	UnloadPackage(TEXT("/Game/MyPack/MyPackage"));
	const TArray<FContentBrowserAsset> Folder = GetFolderAssets(TEXT("/Game/MyPack"));
	ASSERT_EQ(Folder.Num(), 1);
	EXPECT_EQ(Folder[0].AssetName, FName(TEXT("MyPackage")));
	EXPECT_EQ(Folder[0].TypeName.ToString(), TEXT("Package"));
	EXPECT_EQ(Folder[0].TypeColor, FColor(6, 30, 50, 255));
	UZ4Package* Loaded = FindObject<UZ4Package>(nullptr, TEXT("/Game/MyPack/MyPackage.MyPackage"));
	ASSERT_NE(Loaded, nullptr);
	EXPECT_EQ(Loaded->Data.PackId, PackId);

	// A second asset of that name is refused rather than overwriting the first.
	FLogCapture Log;
	EXPECT_EQ(CreateAssetFromNewAssetMenu(*Entry, TEXT("/Game/MyPack"), TEXT("MyPackage")), nullptr);
	EXPECT_TRUE(Log.Contains(TEXT("LogAssetTools"), ELogVerbosity::Warning, TEXT("an asset already exists")));
}

TEST_F(FPackageFactoryTest, FactoryMakesAPackageWhateverClassItIsAskedFor)
{
	const struct
	{
		const char* Name;
		UClass* AskedFor;
	} Cases[] = {
		{"the package class", UZ4Package::StaticClass()},
		{"a texture", UTexture2D::StaticClass()},
		{"UObject", UObject::StaticClass()},
		{"no class", nullptr},
	};
	int32 Index = 0;
	for (const auto& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		const FString Name = FString::Printf(TEXT("Pack%d"), Index++);
		UZ4Package* Package = MakeWithFactory(Case.AskedFor, *Name);
		ASSERT_NE(Package, nullptr);
		EXPECT_EQ(Package->GetClass(), UZ4Package::StaticClass());
		EXPECT_EQ(Package->GetFName(), FName(*Name));
		EXPECT_TRUE(Package->HasAllFlags(RF_Public | RF_Standalone | RF_Transactional));
	}
}

// Without a context each package draws its own PackId in its constructor; a context is the template whose
// values the new package copies, PackId included.
TEST_F(FPackageFactoryTest, PackageTakesItsValuesFromTheContextTemplateOrItsOwnConstructor)
{
	UZ4Package* First = MakeWithFactory(UZ4Package::StaticClass(), TEXT("First"));
	UZ4Package* Second = MakeWithFactory(UZ4Package::StaticClass(), TEXT("Second"));
	ASSERT_TRUE(First && Second);
	EXPECT_NE(First->Data.PackId, Second->Data.PackId);
	EXPECT_NE(First->Data.PackId, GetDefault<UZ4Package>()->Data.PackId);

	First->Data.Name = FName(TEXT("Dungeon Tiles"));
	First->Data.Version = 1.5f;
	FZ4Asset& Rock = First->Data.Assets.AddDefaulted_GetRef();
	Rock.AssetName = FName(TEXT("/Game/MyPack/SM_Rock"));
	First->Data.AssetsIndexMap.Add(Rock.AssetName, 0);
	First->ExternalDependencies.Add(FName(TEXT("/Game/Shared/T_Wood")), 1);

	UZ4Package* Copy = MakeWithFactory(UZ4Package::StaticClass(), TEXT("Copy"), First);
	ASSERT_NE(Copy, nullptr);
	EXPECT_EQ(Copy->Data.PackId, First->Data.PackId);
	EXPECT_EQ(Copy->Data.Name, First->Data.Name);
	EXPECT_FLOAT_EQ(Copy->Data.Version, 1.5f);
	ASSERT_EQ(Copy->Data.Assets.Num(), 1);
	EXPECT_EQ(Copy->Data.Assets[0].AssetName, Rock.AssetName);
	EXPECT_EQ(Copy->Data.AssetsIndexMap.FindRef(Rock.AssetName), 0);
	EXPECT_EQ(Copy->ExternalDependencies.FindRef(FName(TEXT("/Game/Shared/T_Wood"))), 1);
	// Not a reflected member: it comes from where the copy is, as its constructor set it.
	EXPECT_EQ(Copy->PackageFolder, TEXT("/Game/MyPack"));
}

// A context that cannot be a package's template would stop the engine; the package starts from the defaults.
TEST_F(FPackageFactoryTest, ContextThatIsNotAPackageIsNotUsedAsTheTemplate)
{
	UTexture2D* Texture = NewObject<UTexture2D>(GetTransientPackage(), TEXT("T_Context"));
	FLogCapture Log;

	UZ4Package* Package = MakeWithFactory(UZ4Package::StaticClass(), TEXT("FromTexture"), Texture);

	ASSERT_NE(Package, nullptr);
	EXPECT_EQ(Package->Data.PackId.Len(), 6);
	EXPECT_EQ(Log.Count(TEXT("Z4LogSDK"), ELogVerbosity::Warning), 1);
}
