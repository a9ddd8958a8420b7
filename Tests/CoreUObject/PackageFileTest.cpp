#include "EditorFramework/AssetImportData.h"
#include "Engine/StaticMesh.h"
#include "Misc/FileHelper.h"
#include "Misc/PackageName.h"
#include "Materials/Material.h"
#include "StandIn/LogCapture.h"
#include "StandIn/TestProject.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "UObject/WeakObjectPtr.h"
#include "UObject/StrongObjectPtr.h"
#include "UObject/SavePackage.h"
#include "UObject/UObjectHash.h"
#include "StandIn/StringConv.h"
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace UE::StandIn;

namespace
{
	class FPackageFileTest : public ::testing::Test
	{
	protected:
		FTestProject Project;
		FStandInEngine Engine{Project, false};
	};

	const TCHAR* ValidMesh = TEXT(R"({"Format": "UnrealStandInPackage", "Version": 1, "Objects": [
		{"Name": "SM_Bad", "Class": "/Script/Engine.StaticMesh", "Outer": -1, "Flags": 3, "Properties": {}},
		{"Name": "Inner", "Class": "/Script/Engine.Material", "Outer": 0, "Flags": 0, "Properties": {}}]})");
}

TEST_F(FPackageFileTest, DamagedFilesAreRefusedWholeWithAnErrorNamingTheFile)
{
	const FString Valid(ValidMesh);
	const struct
	{
		const TCHAR* Case;
		FString Text;
		const TCHAR* Reason;
	} Cases[] = {
		{TEXT("truncated"), Valid.Left(Valid.Len() / 2), TEXT("not a valid package")},
		{TEXT("not JSON"), TEXT("PK\x03\x04 binary"), TEXT("not a valid package")},
		{TEXT("other format version"), Valid.Replace(TEXT("\"Version\": 1"), TEXT("\"Version\": 7")), TEXT("format version")},
		{TEXT("unknown class"), Valid.Replace(TEXT("/Script/Engine.Material"), TEXT("/Script/Engine.NoSuchClass")), TEXT("NoSuchClass")},
		{TEXT("bad property value"), Valid.Replace(TEXT("\"Flags\": 0, \"Properties\": {}"), TEXT("\"Flags\": 0, \"Properties\": {\"ReferencedTextures\": 5}")), TEXT("ReferencedTextures")},
		{TEXT("outer after object"), Valid.Replace(TEXT("\"Outer\": 0"), TEXT("\"Outer\": 4")), TEXT("outer")},
	};
	for (const auto& Case : Cases)
	{
		Project.WriteFile(TEXT("Content/Bad/SM_Bad.uasset"), Case.Text);
		FLogCapture Log;
		EXPECT_EQ(LoadObject<UStaticMesh>(nullptr, TEXT("/Game/Bad/SM_Bad.SM_Bad")), nullptr) << *FString(Case.Case);
		EXPECT_TRUE(Log.Contains(FName(TEXT("LogLinker")), ELogVerbosity::Error, TEXT("SM_Bad.uasset"))) << *FString(Case.Case);
		EXPECT_TRUE(Log.Contains(FName(TEXT("LogLinker")), ELogVerbosity::Error, Case.Reason)) << *FString(Case.Case);
		EXPECT_EQ(FindPackage(nullptr, TEXT("/Game/Bad/SM_Bad")), nullptr) << *FString(Case.Case) << ": nothing may stay half-loaded";
		EXPECT_EQ(FindObject<UMaterial>(nullptr, TEXT("/Game/Bad/SM_Bad.SM_Bad:Inner")), nullptr) << *FString(Case.Case);
	}

	Project.WriteFile(TEXT("Content/Bad/SM_Bad.uasset"), Valid);
	UStaticMesh* Mesh = LoadObject<UStaticMesh>(nullptr, TEXT("/Game/Bad/SM_Bad.SM_Bad"));
	ASSERT_NE(Mesh, nullptr);
	EXPECT_NE(FindObject<UMaterial>(nullptr, TEXT("/Game/Bad/SM_Bad.SM_Bad:Inner")), nullptr);
}

TEST_F(FPackageFileTest, GarbageCollectionKeepsWhatIsReachableAndClearsWeakPointersToTheRest)
{
	UPackage* Package = CreatePackage(TEXT("/Game/GC/SM_Held"));
	UStaticMesh* Held = NewObject<UStaticMesh>(Package, TEXT("SM_Held"), RF_Public | RF_Standalone);
	UMaterial* Referenced = NewObject<UMaterial>(GetTransientPackage(), TEXT("M_Referenced"));
	FStaticMaterial Slot;
	Slot.MaterialInterface = Referenced;
	Held->SetStaticMaterials({Slot});
	UMaterial* Loose = NewObject<UMaterial>(GetTransientPackage(), TEXT("M_Loose"));
	UMaterial* Rooted = NewObject<UMaterial>(GetTransientPackage(), TEXT("M_Rooted"));
	Rooted->AddToRoot();
	UMaterial* Strong = NewObject<UMaterial>(GetTransientPackage(), TEXT("M_Strong"));
	TStrongObjectPtr<UMaterial> StrongRef(Strong);

	TWeakObjectPtr<UMaterial> WeakReferenced = Referenced;
	TWeakObjectPtr<UMaterial> WeakLoose = Loose;
	TWeakObjectPtr<UMaterial> WeakRooted = Rooted;
	TWeakObjectPtr<UMaterial> WeakStrong = Strong;
	CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
	EXPECT_TRUE(WeakReferenced.IsValid());
	EXPECT_FALSE(WeakLoose.IsValid());
	EXPECT_TRUE(WeakRooted.IsValid());
	EXPECT_TRUE(WeakStrong.IsValid());

	// A reference to an object marked as garbage is cleared and the object goes.
	Referenced->MarkAsGarbage();
	StrongRef.Reset();
	CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
	EXPECT_FALSE(WeakReferenced.IsValid());
	EXPECT_EQ(Held->GetStaticMaterials()[0].MaterialInterface, nullptr);
	EXPECT_FALSE(WeakStrong.IsValid());
	Rooted->RemoveFromRoot();
}

TEST_F(FPackageFileTest, SavedTextHasTheJsonLibrarysLayoutAndReadsBackExactly)
{
	// Quotes, backslashes, line breaks, tabs, other control characters and characters beyond ASCII, in and past the basic plane.
	const FString Source = TEXT("C:\\Art\\\"Tavern\"\r\n\tT\u00FCr \u2713 \U0001F3B2 \x01\x1F\x7F end");
	UPackage* Package = CreatePackage(TEXT("/Game/Import/ImportRecord"));
	UAssetImportData* Record = NewObject<UAssetImportData>(Package, TEXT("ImportRecord"), RF_Public | RF_Standalone);
	Record->SourceFilePath = Source;
	// A second object brings empty arrays and nested structs into the layout.
	NewObject<UStaticMesh>(Package, TEXT("SM_Empty"), RF_Public | RF_Standalone);
	const FString Filename = FPackageName::LongPackageNameToFilename(Package->GetName(), FPackageName::GetAssetPackageExtension());
	ASSERT_TRUE(UPackage::Save(Package, Record, *Filename, FSavePackageArgs()).IsSuccessful());

	TArray<uint8> Bytes;
	ASSERT_TRUE(FFileHelper::LoadFileToArray(Bytes, *Filename));
	const std::string Text(reinterpret_cast<const char*>(Bytes.GetData()), Bytes.Num());
	const nlohmann::ordered_json Document = nlohmann::ordered_json::parse(Text, nullptr, false);
	ASSERT_FALSE(Document.is_discarded()) << Text;
	EXPECT_EQ(Document.dump(1, '\t'), Text) << "written as the library itself lays a document out";
	EXPECT_EQ(Document["Objects"][0]["Properties"]["SourceFilePath"].get<std::string>(), ToUtf8(Source));

	Package->MarkAsGarbage();
	ForEachObjectWithPackage(Package, [](UObject* Object)
		{
			Object->MarkAsGarbage();
			return true;
		});
	CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
	ASSERT_EQ(FindPackage(nullptr, TEXT("/Game/Import/ImportRecord")), nullptr);
	const UAssetImportData* Loaded = LoadObject<UAssetImportData>(nullptr, TEXT("/Game/Import/ImportRecord.ImportRecord"));
	ASSERT_NE(Loaded, nullptr);
	EXPECT_EQ(Loaded->SourceFilePath, Source);
}
